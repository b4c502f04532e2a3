#include "textfmt/Printf.h"

#include <cstdarg>
#include <cstdio>

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  int size = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  return text;
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
