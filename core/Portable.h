// Number conversions that not every standard library offers: reading and
// printing a double as from_chars / to_chars do with the fixed format, and
// the bytes of a double (bit_cast). Where the library lacks them (told by
// the feature-test macros), or where the build asks for it
// (ZENKO_PORTABLE_FALLBACKS), strtod, snprintf and memcpy stand in for them
// with the same results; the choice is made once, in Portable.cpp.
#pragma once
#include <charconv>
#include <cstdint>

// std::from_chars(first, last, value, std::chars_format::fixed): an optional
// '-', then digits with at most one point (at least one digit), or "inf",
// "infinity", "nan", "nan(chars)" in any case. ptr is past the longest such
// prefix. A value too large or too small to be held (not zero, rounded to
// zero) gives result_out_of_range and leaves value unchanged; no prefix gives
// invalid_argument with ptr == first.
std::from_chars_result ReadFixedDouble(const char* first, const char* last, double& value);

// std::to_chars(first, last, value, std::chars_format::fixed, precision):
// what "%.*f" prints in the "C" locale, without a terminating zero;
// value_too_large with ptr == last when [first, last) is too short.
std::to_chars_result WriteFixedDouble(char* first, char* last, double value, int precision);

// std::bit_cast between a double and its 64 bits.
std::uint64_t BitsOfDouble(double value);
double DoubleOfBits(std::uint64_t bits);

// True when the functions above use the stand-ins below.
bool UsesPortableFallbacks();

// The stand-ins, always built, so that a test can set them against the
// library's own functions wherever those exist.
namespace portable_fallback {
std::from_chars_result ReadFixedDouble(const char* first, const char* last, double& value);
std::to_chars_result WriteFixedDouble(char* first, char* last, double value, int precision);
std::uint64_t BitsOfDouble(double value);
double DoubleOfBits(std::uint64_t bits);
}  // namespace portable_fallback
