// printf-style formatting into a std::string of any length.
#pragma once
#include <string>

std::string Format(const char* format, ...)
    __attribute__((format(printf, 1, 2)));

// Appends value as "%.*f" prints it (same digits, same rounding, "-0" for
// a negative zero, "inf" and "nan" alike), without the cost of printf.
void AppendFixed(std::string& out, double value, int precision);
// Appends value as "%lld" prints it.
void AppendInteger(std::string& out, long long value);

// Replaces every '.' of a printed number by ','.
std::string WithDecimalComma(std::string text);

// A printed zero never carries a minus sign: every printed value in text
// whose digits are all zeros loses its minus sign (and the blank after it):
// "-0,00000" -> "0,00000", "- 0h 0m 0.0s" -> "0h 0m 0.0s",
// "Fonction 1 :    -0.000000\n" -> "Fonction 1 :    0.000000\n". A value
// is a minus sign at the start or after a blank, digits with the marks
// between them (. , : h m s ' " and the degree sign), and then the end or a
// blank. Everything else comes back unchanged.
std::string WithoutNegativeZero(std::string text);
