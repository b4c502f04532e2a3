#include "Portable.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <string>
#include <system_error>
#include <version>

#if __has_include(<bit>)
#include <bit>
#endif

// The library's own functions where it has them, unless the build asks for
// the stand-ins (to prove in a native build that they give the same bytes).
#if !ZENKO_PORTABLE_FALLBACKS && defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define ZENKO_LIBRARY_CHARCONV 1
#else
#define ZENKO_LIBRARY_CHARCONV 0
#endif
#if !ZENKO_PORTABLE_FALLBACKS && defined(__cpp_lib_bit_cast) && __cpp_lib_bit_cast >= 201806L
#define ZENKO_LIBRARY_BIT_CAST 1
#else
#define ZENKO_LIBRARY_BIT_CAST 0
#endif

std::from_chars_result ReadFixedDouble(const char* first, const char* last, double& value) {
#if ZENKO_LIBRARY_CHARCONV
  return std::from_chars(first, last, value, std::chars_format::fixed);
#else
  return portable_fallback::ReadFixedDouble(first, last, value);
#endif
}

std::to_chars_result WriteFixedDouble(char* first, char* last, double value, int precision) {
#if ZENKO_LIBRARY_CHARCONV
  return std::to_chars(first, last, value, std::chars_format::fixed, precision);
#else
  return portable_fallback::WriteFixedDouble(first, last, value, precision);
#endif
}

std::uint64_t BitsOfDouble(double value) {
#if ZENKO_LIBRARY_BIT_CAST
  return std::bit_cast<std::uint64_t>(value);
#else
  return portable_fallback::BitsOfDouble(value);
#endif
}

double DoubleOfBits(std::uint64_t bits) {
#if ZENKO_LIBRARY_BIT_CAST
  return std::bit_cast<double>(bits);
#else
  return portable_fallback::DoubleOfBits(bits);
#endif
}

bool UsesPortableFallbacks() {
#if ZENKO_LIBRARY_CHARCONV && ZENKO_LIBRARY_BIT_CAST
  return false;
#else
  return true;
#endif
}

namespace {

// This thread works in the "C" locale while an object lives, whatever
// setlocale chose for the program (a decimal comma would change what
// strtod reads and what snprintf prints).
class CLocaleScope {
 public:
  CLocaleScope() : c_(CLocale()), previous_(c_ != locale_t{} ? uselocale(c_) : locale_t{}) {}
  ~CLocaleScope() {
    if (c_ != locale_t{}) uselocale(previous_);
  }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  static locale_t CLocale() {
    // Made once and kept for the whole run. Making the "C" locale needs no
    // locale data; should it still fail, the program's locale serves,
    // which is "C" unless the program chose another.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
  }
  locale_t c_;
  locale_t previous_;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Length of the case-blind word at the start of [first, last), or 0.
std::size_t StartsWithWord(const char* first, const char* last, const char* word) {
  std::size_t n = std::strlen(word);
  if (static_cast<std::size_t>(last - first) < n) return 0;
  for (std::size_t i = 0; i < n; ++i)
    if (Lower(first[i]) != word[i]) return 0;
  return n;
}

}  // namespace

namespace portable_fallback {

std::from_chars_result ReadFixedDouble(const char* first, const char* last, double& value) {
  const char* p = first;
  bool negative = p != last && *p == '-';
  if (negative) ++p;

  // Infinity and NaN, spelled as strtod spells them.
  if (std::size_t n = StartsWithWord(p, last, "inf")) {
    p += n;
    p += StartsWithWord(p, last, "inity");
    value = negative ? -std::numeric_limits<double>::infinity()
                     : std::numeric_limits<double>::infinity();
    return {p, std::errc()};
  }
  if (std::size_t n = StartsWithWord(p, last, "nan")) {
    p += n;
    if (p != last && *p == '(') {
      const char* q = p + 1;
      while (q != last && (IsDigit(*q) || (Lower(*q) >= 'a' && Lower(*q) <= 'z') || *q == '_')) ++q;
      if (q != last && *q == ')') p = q + 1;
    }
    double nan = std::numeric_limits<double>::quiet_NaN();
    value = negative ? -nan : nan;
    return {p, std::errc()};
  }

  // Digits with at most one point, at least one digit: nothing else goes to
  // strtod, which would also take blanks, a '+', hexadecimal and exponents.
  const char* start = p;
  bool digit = false;
  bool nonzero = false;
  bool point = false;
  for (; p != last; ++p) {
    if (IsDigit(*p)) {
      digit = true;
      nonzero = nonzero || *p != '0';
    } else if (*p == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digit) return {first, std::errc::invalid_argument};

  std::string text(start, p);
  double v = 0.0;
  {
    CLocaleScope c;
    v = std::strtod(text.c_str(), nullptr);
  }
  // strtod's ERANGE also comes for some subnormal results, which from_chars
  // gives: the result itself tells what cannot be held.
  if (std::isinf(v) || (v == 0.0 && nonzero)) return {p, std::errc::result_out_of_range};
  value = negative ? -v : v;
  return {p, std::errc()};
}

std::to_chars_result WriteFixedDouble(char* first, char* last, double value, int precision) {
  // "%.*f" of any double at the precisions in use fits on the stack.
  char small[400];
  int size = 0;
  {
    CLocaleScope c;
    size = std::snprintf(small, sizeof small, "%.*f", precision, value);
  }
  if (size < 0) return {last, std::errc::value_too_large};
  const auto length = static_cast<std::size_t>(size);
  std::string large;
  const char* text = small;
  if (length >= sizeof small) {
    large.resize(length);
    CLocaleScope c;
    if (std::snprintf(large.data(), length + 1, "%.*f", precision, value) != size)
      return {last, std::errc::value_too_large};
    text = large.data();
  }
  if (length > static_cast<std::size_t>(last - first)) return {last, std::errc::value_too_large};
  std::memcpy(first, text, length);
  return {first + length, std::errc()};
}

std::uint64_t BitsOfDouble(double value) {
  static_assert(sizeof(double) == sizeof(std::uint64_t));
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double DoubleOfBits(std::uint64_t bits) {
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace portable_fallback
