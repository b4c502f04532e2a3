// The stand-ins for floating-point from_chars / to_chars (strtod and
// snprintf in the "C" locale) give the library's bytes: both are run on the
// hard cases and on seeded random ones, and compared.
#include <gtest/gtest.h>

#include <charconv>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>
#include <version>

#include "Portable.h"

namespace {

using portable_fallback::BitsOfDouble;
using portable_fallback::DoubleOfBits;

TEST(PortableFallbacks, ChosenAsTheBuildAsks) {
#if ZENKO_EXPECT_FALLBACKS || !defined(__cpp_lib_to_chars) || !defined(__cpp_lib_bit_cast)
  EXPECT_TRUE(UsesPortableFallbacks());
#else
  EXPECT_FALSE(UsesPortableFallbacks());
#endif
}

// What a reader returned: the error, the length read and the value's bits
// (a sentinel's when the value was left unchanged).
std::string ReadWith(std::from_chars_result (*read)(const char*, const char*, double&),
                     const std::string& text) {
  double value = -12345.678;
  auto [ptr, ec] = read(text.data(), text.data() + text.size(), value);
  return std::to_string(static_cast<int>(ec)) + " " + std::to_string(ptr - text.data()) + " " +
         std::to_string(BitsOfDouble(value));
}

std::string Write(std::to_chars_result (*write)(char*, char*, double, int), double value,
                  int precision, std::size_t room = 400) {
  std::vector<char> buffer(room + 1, '#');
  auto [end, ec] = write(buffer.data(), buffer.data() + room, value, precision);
  if (ec != std::errc()) return end == buffer.data() + room ? "<too large>" : "<bad pointer>";
  return std::string(buffer.data(), end);
}

#if defined(__cpp_lib_to_chars)
std::from_chars_result LibraryRead(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value, std::chars_format::fixed);
}
std::to_chars_result LibraryWrite(char* first, char* last, double value, int precision) {
  return std::to_chars(first, last, value, std::chars_format::fixed, precision);
}

TEST(PortableFallbacks, ReadAsFromChars) {
  std::vector<std::string> texts = {
      "0", "-0", "12.5", "00012.5000", ".5", "-.5", "5.", "0.1", "2.675", "59.9995",
      // Halfway between two doubles (2^53 + 1, 1 + 2^-53): to even, and just above.
      "9007199254740993", "9007199254740993.000000000000000001",
      "1.00000000000000011102230246251565404236316680908203125",
      "1.00000000000000011102230246251565404236316680908203126",
      // What from_chars refuses or reads only in part (strtod would take more).
      "", "-", ".", "-.", "+1", " 1", "1e5", "0x10", "1..2", "12abc", "--1", "1,5",
      "inf", "-Infinity", "infin", "nan", "nan(abc_12)", "nan(", "na",
      // Too large, too small, subnormal.
      "1" + std::string(309, '0'), "0." + std::string(310, '0') + "1",
      "0." + std::string(323, '0') + "2", "0." + std::string(323, '0') + "3",
      std::string(5000, '7') + "." + std::string(5000, '3')};
  std::mt19937_64 random(20261208);
  char text[400];
  for (int i = 0; i < 4000; ++i) {
    double v = DoubleOfBits(random());
    if (!std::isfinite(v)) continue;
    std::snprintf(text, sizeof text, "%.*f", static_cast<int>(random() % 25), v);
    texts.emplace_back(text);
  }
  for (const std::string& t : texts) {
    ASSERT_EQ(ReadWith(&portable_fallback::ReadFixedDouble, t), ReadWith(&LibraryRead, t))
        << t.substr(0, 80);
    ASSERT_EQ(ReadWith(&ReadFixedDouble, t), ReadWith(&LibraryRead, t));
  }
}

TEST(PortableFallbacks, WriteAsToChars) {
  std::vector<double> values = {0.0, -0.0, 2.675, 1.0005, 59.95, 59.9995, 1e22, 1e23,
                                DBL_MAX, DBL_TRUE_MIN, 2451544.4999999995, 5e-8,
                                HUGE_VAL, -HUGE_VAL, std::nan("")};
  for (int k = -2000; k <= 2000; ++k) values.push_back(k / 8.0 + k / 2048.0);  // exact halves
  std::mt19937_64 random(20261209);
  for (int i = 0; i < 3000; ++i) values.push_back(DoubleOfBits(random()));
  for (double value : values) {
    for (int precision : {0, 1, 2, 3, 4, 5, 6, 7, 10, 17, 40}) {
      std::string library = Write(&LibraryWrite, value, precision);
      ASSERT_EQ(Write(&portable_fallback::WriteFixedDouble, value, precision), library)
          << value << " at precision " << precision;
      ASSERT_EQ(Write(&WriteFixedDouble, value, precision), library);
      // Exactly the room of the text, and one character less.
      ASSERT_EQ(Write(&portable_fallback::WriteFixedDouble, value, precision, library.size()),
                library);
      ASSERT_EQ(Write(&portable_fallback::WriteFixedDouble, value, precision, library.size() - 1),
                "<too large>");
    }
  }
}
#endif

// A program that takes its locale from the environment may get a decimal
// comma; the stand-ins still read and print a point. The locale is the
// system's French one, or one localedef compiles into a temporary folder.
bool UseCommaLocale() {
  for (const char* name : {"fr_FR.UTF-8", "fr_FR.utf8", "de_DE.UTF-8"})
    if (std::setlocale(LC_ALL, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0)
      return true;
  char folder[] = "/tmp/zenko-locale-XXXXXX";
  if (!mkdtemp(folder)) return false;
  std::string made = std::string(folder) + "/fr";
  if (std::system(("localedef -i fr_FR -f ISO-8859-1 " + made + " >/dev/null 2>&1").c_str()) != 0)
    return false;
  setenv("LOCPATH", folder, 1);  // where setlocale looks for "fr"
  return std::setlocale(LC_ALL, "fr") &&
         std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

TEST(PortableFallbacks, DecimalCommaLocaleChangesNothing) {
  std::string previous = std::setlocale(LC_ALL, nullptr);
  if (!UseCommaLocale()) {
    std::setlocale(LC_ALL, previous.c_str());
    GTEST_SKIP() << "no locale with a decimal comma, nor localedef";
  }
  char plain[16];
  std::snprintf(plain, sizeof plain, "%.2f", 2.5);
  EXPECT_STREQ(plain, "2,50");  // the C library itself prints a comma now
  std::string text = "12.5";
  double v = 0.0;
  auto r = portable_fallback::ReadFixedDouble(text.data(), text.data() + text.size(), v);
  EXPECT_EQ(r.ptr, text.data() + text.size());
  EXPECT_EQ(v, 12.5);
  EXPECT_EQ(Write(&portable_fallback::WriteFixedDouble, 2.675, 2), "2.67");
  std::setlocale(LC_ALL, previous.c_str());
  unsetenv("LOCPATH");
}

}  // namespace
