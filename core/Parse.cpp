#include "Parse.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>

#include "Portable.h"


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
  auto [ptr, ec] = ReadFixedDouble(first, last, v);
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
  if (text.empty()) return ParseStatus::Empty;
  std::size_t start = (text[0] == '+' || text[0] == '-') ? 1 : 0;
  int separators = 0;
  std::string body = text.substr(start);
  for (char& c : body) {
    if (c == '.' || c == ',') {
      ++separators;
      c = '.';
    } else if (!IsDigit(c)) {
      return ParseStatus::Syntax;
    }
  }
  if (separators >= 2) return ParseStatus::Syntax;
  double v = 0.0;
  if (!ReadPlainDecimal(body, v)) return ParseStatus::Syntax;
  value = (text[0] == '-') ? -v : v;
  return ParseStatus::Ok;
}

ParseStatus ParseSexagesimal(const std::string& text, double& value) {
  if (text.empty()) return ParseStatus::Empty;
  bool negative = text[0] == '-';
  std::size_t start = (text[0] == '+' || negative) ? 1 : 0;
  // Digits, two colons, and one point among the seconds only.
  std::size_t colon[2] = {0, 0};
  int colons = 0;
  bool point = false;
  for (std::size_t i = start; i < text.size(); ++i) {
    char c = text[i];
    if (IsDigit(c)) continue;
    if (c == ':' && colons < 2) {
      colon[colons++] = i;
    } else if (c == '.' && colons == 2 && !point) {
      point = true;
    } else {
      return ParseStatus::Syntax;
    }
  }
  if (colons != 2) return ParseStatus::Syntax;
  // Every part must hold a number: "12::30" or "12:30:" have none to read.
  std::string_view view(text);
  int units = 0, minutes = 0;
  double seconds = 0.0;
  if (!ReadInt32Digits(view.substr(start, colon[0] - start), negative, units) ||
      !ReadInt32Digits(view.substr(colon[0] + 1, colon[1] - colon[0] - 1), false, minutes) ||
      !ReadPlainDecimal(view.substr(colon[1] + 1), seconds))
    return ParseStatus::Syntax;
  if (minutes > 59 || seconds >= 60.0) return ParseStatus::SixtyOrMore;
  double sign = negative ? -1.0 : 1.0;
  value = units + sign * (minutes / 60.0 + seconds / 3600.0);
  return ParseStatus::Ok;
}

ParseStatus ParseTimeField(const std::string& text, double& hours) {
  ParseStatus status = ParseSexagesimal(text, hours);
  if (status == ParseStatus::Syntax) return ParseStatus::TimeSyntax;
  if (status != ParseStatus::Ok) return status;  // Empty or SixtyOrMore
  if (hours < 0.0 || hours >= 24.0) return ParseStatus::HourOutOfRange;
  return ParseStatus::Ok;
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
