// Whether a shown result reads "nan" or "inf", in any case.
#pragma once
#include <string>

inline bool NotANumber(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}
