// printf-style formatting into a std::string of any length.
#pragma once
#include <string>

std::string Format(const char* format, ...)
    __attribute__((format(printf, 1, 2)));

// Replaces every '.' of a printed number by ','.
std::string WithDecimalComma(std::string text);
