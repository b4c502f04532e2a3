#include "Printf.h"

#include <charconv>
#include <cstdarg>
#include <cstdio>

#include "Portable.h"

std::string Format(const char* format, ...) {
  // One pass into a buffer on the stack; a second only for a longer text.
  char buffer[256];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int size = std::vsnprintf(buffer, sizeof buffer, format, copy);
  va_end(copy);
  std::string text;
  if (size > 0 && static_cast<std::size_t>(size) < sizeof buffer) {
    text.assign(buffer, static_cast<std::size_t>(size));
  } else if (size > 0) {
    text.resize(static_cast<std::size_t>(size));
    std::vsnprintf(text.data(), text.size() + 1, format, args);
  }
  va_end(args);
  return text;
}

void AppendFixed(std::string& out, double value, int precision) {
  // Shortest of "%.*f" for a double: 309 digits, a sign, a point, decimals.
  char buffer[330];
  auto [end, ec] = WriteFixedDouble(buffer, buffer + sizeof buffer, value, precision);
  if (ec == std::errc()) {
    out.append(buffer, end);
  } else {
    out += Format("%.*f", precision, value);
  }
}

void AppendInteger(std::string& out, long long value) {
  char buffer[24];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, end);
}

std::string WithDecimalComma(std::string text) {
  for (char& c : text)
    if (c == '.') c = ',';
  return text;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What stands between the digits of one printed value: the decimal point
// or comma, the colon, and the units h, m, s, ', " and the degree sign's
// two bytes.
bool IsValueMark(char c) {
  switch (c) {
    case '.': case ',': case ':': case 'h': case 'm': case 's': case '\'':
    case '"': case '\xC2': case '\xB0':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string WithoutNegativeZero(std::string text) {
  for (std::string::size_type i = 0; i < text.size(); ++i) {
    // A value begins with its sign at the start or after a blank; the sign
    // may be followed by one blank ("- 0h").
    if (text[i] != '-' || (i > 0 && !IsBlank(text[i - 1]))) continue;
    std::string::size_type first = i + 1;
    if (first < text.size() && text[first] == ' ') ++first;
    if (first >= text.size() || !IsDigit(text[first])) continue;
    bool zero = true;
    std::string::size_type end = first;
    while (end < text.size()) {
      const char c = text[end];
      if (IsDigit(c)) {
        zero = zero && c == '0';
      } else if (!IsValueMark(c) &&
                 !(c == ' ' && end + 1 < text.size() && IsDigit(text[end + 1]))) {
        break;
      }
      ++end;
    }
    // It ends at the end or before a blank: "-0/" is part of a path.
    if (zero && (end == text.size() || IsBlank(text[end]))) text.erase(i, first - i);
  }
  return text;
}
