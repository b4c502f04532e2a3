#include "Parse.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>

#include "Report.h"

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool ReadInt32Digits(std::string_view digits, bool negative, int& value) {
  if (digits.empty()) return false;
  std::int64_t v = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return false;
    v = v * 10 + (c - '0');
    if (v > std::int64_t{INT_MAX} + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

bool ReadPlainDecimal(std::string_view text, double& value) {
  // Up to 15 digits with at most one point: the whole number of all the
  // digits divided by a power of ten. Both are exact doubles, so the one
  // rounding of the division gives the nearest double, as from_chars does.
  static const double kPowersOfTen[16] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  std::int64_t whole = 0;
  int digits = 0;
  int decimals = -1;  // digits after the point; -1 without a point
  bool plain = true;
  for (char c : text) {
    if (IsDigit(c)) {
      whole = whole * 10 + (c - '0');
      ++digits;
      if (decimals >= 0) ++decimals;
      if (digits > 15) {
        plain = false;
        break;
      }
    } else if (c == '.' && decimals < 0) {
      decimals = 0;
    } else {
      plain = false;
      break;
    }
  }
  if (plain) {
    if (digits == 0) return false;
    value = static_cast<double>(whole) / kPowersOfTen[decimals < 0 ? 0 : decimals];
    return true;
  }

  bool digit = false;
  for (char c : text) digit = digit || IsDigit(c);
  if (!digit) return false;
  double v = 0.0;
  const char* first = text.data();
  const char* last = first + text.size();
  auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::fixed);
  if (ec == std::errc::result_out_of_range && ptr == last) {
    // Too small to be held: the value is zero; too large: refused.
    std::size_t dot = text.find('.');
    if (text.find_first_not_of('0') < std::min(dot, text.size())) return false;
    v = 0.0;
  } else if (ec != std::errc() || ptr != last || !std::isfinite(v)) {
    return false;
  }
  value = v;
  return true;
}

ParseStatus ParseDecimalField(const std::string& text, double& value) {
  if (text.empty()) return kParseReported;
  std::size_t start = (text[0] == '+' || text[0] == '-') ? 1 : 0;
  int separators = 0;
  std::string body = text.substr(start);
  for (char& c : body) {
    if (c == '.' || c == ',') {
      ++separators;
      c = '.';
    } else if (!IsDigit(c)) {
      return kParseSyntax;
    }
  }
  if (separators >= 2) return kParseSyntax;
  double v = 0.0;
  if (!ReadPlainDecimal(body, v)) return kParseSyntax;
  value = (text[0] == '-') ? -v : v;
  return kParseOk;
}

ParseStatus ParseSexagesimal(const std::string& text, double& value) {
  if (text.empty()) return kParseReported;
  bool negative = text[0] == '-';
  std::size_t start = (text[0] == '+' || negative) ? 1 : 0;
  // One pass: the units and the minutes are added up as their digits go
  // by (a part beyond INT_MAX + 1 is refused, as ReadInt32Digits does); the
  // seconds are read from their place afterwards.
  constexpr std::int64_t kLimit = std::int64_t{INT_MAX} + 1;
  int colons = 0;
  bool point = false;
  std::int64_t whole[2] = {0, 0};
  int digits[2] = {0, 0};
  bool tooBig[2] = {false, false};
  std::size_t secondsStart = text.size();
  for (std::size_t i = start; i < text.size(); ++i) {
    char c = text[i];
    if (IsDigit(c)) {
      if (colons < 2) {
        ++digits[colons];
        if (!tooBig[colons]) {
          whole[colons] = whole[colons] * 10 + (c - '0');
          tooBig[colons] = whole[colons] > kLimit;
        }
      }
    } else if (c == ':' && colons < 2) {
      ++colons;
      if (colons == 2) secondsStart = i + 1;
    } else if (c == '.' && colons == 2 && !point) {
      point = true;
    } else {
      return kParseSyntax;
    }
  }
  if (colons != 2) return kParseSyntax;
  // Every part must hold a number: "12::30" or "12:30:" have none to read.
  if (digits[0] == 0 || tooBig[0] || digits[1] == 0 || tooBig[1]) return kParseSyntax;
  std::int64_t signedUnits = negative ? -whole[0] : whole[0];
  if (signedUnits > INT_MAX || whole[1] > INT_MAX) return kParseSyntax;
  int units = static_cast<int>(signedUnits);
  int minutes = static_cast<int>(whole[1]);
  double seconds = 0.0;
  if (!ReadPlainDecimal(std::string_view(text).substr(secondsStart), seconds)) return kParseSyntax;
  if (minutes > 59 || seconds >= 60.0) {
    ShowMessage(
        "Erreur ! Les nombres des minutes et des\nsecondes doivent être "
        "inférieurs à 60.\n\nRecommencez !",
        Icon::Error);
    return kParseReported;
  }
  double sign = negative ? -1.0 : 1.0;
  value = units + sign * (minutes / 60.0 + seconds / 3600.0);
  return kParseOk;
}

ParseStatus ParseTimeField(const std::string& text, double& hours) {
  ParseStatus status = ParseSexagesimal(text, hours);
  if (status == kParseReported) return kParseReported;
  if (status == kParseSyntax) {
    ShowMessage(
        "Erreur de saisie de l'heure.\nLe format est  hh:mm:ss.s\n\n"
        "Recommencez !",
        Icon::Error);
    return kParseSyntax;
  }
  if (hours < 0.0 || hours >= 24.0) {
    ShowMessage(
        "Erreur ! Le nombre des heures doit\nêtre compris entre 0 et 23.\n\n"
        "Recommencez !",
        Icon::Error);
    return kParseReported;
  }
  return kParseOk;
}

bool ParseWholeNumber(const std::string& full, int& value) {
  std::string text = full.substr(0, 31);
  std::size_t i = 0;
  auto blank = [&](std::size_t k) {
    return k < text.size() && (text[k] == ' ' || text[k] == '\t');
  };
  while (blank(i)) ++i;
  if (i >= text.size()) return false;
  char first = text[i];
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  std::size_t digitsStart = i;
  std::int64_t v = 0;
  while (i < text.size() && IsDigit(text[i])) {
    if (v <= std::int64_t{INT_MAX} + 1) v = v * 10 + (text[i] - '0');
    ++i;
  }
  if (i == digitsStart) return false;
  while (blank(i)) ++i;
  if (i != text.size()) return false;
  if (negative) v = -v;
  if (v > INT_MAX) v = INT_MAX;
  if (v < INT_MIN) v = INT_MIN;
  if (v == 0 && first != '0') return false;
  value = static_cast<int>(v);
  return true;
}
