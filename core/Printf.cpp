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

std::string WithoutNegativeZero(std::string text) {
  std::string::size_type minus = std::string::npos;
  bool digits = false;
  for (std::string::size_type i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= '1' && c <= '9') return text;
    if (c == '0') digits = true;
    if (c == '-' && !digits && minus == std::string::npos) minus = i;
  }
  if (!digits || minus == std::string::npos) return text;
  std::string::size_type count =
      (minus + 1 < text.size() && text[minus + 1] == ' ') ? 2 : 1;
  return text.erase(minus, count);
}
