// The stand-ins for floating-point from_chars / to_chars and bit_cast
// (strtod, snprintf and memcpy in the "C" locale) give the library's bytes:
// both are run on the hard cases, and on seeded random ones, and compared.
// Where the library lacks the functions, the stand-ins are what the program
// uses, and they are checked against the hand-worked values below.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>
#include <version>

#include "InTempDir.h"
#include "Portable.h"

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define LIBRARY_CHARCONV 1
#else
#define LIBRARY_CHARCONV 0
#endif

namespace {

// Every precision the program prints with ("%.0f" to "%.7f"), and a few more.
const int kPrecisions[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 17, 20, 40};

struct Read {
  std::from_chars_result result;
  std::uint64_t bits;  // of the value, a sentinel when it is left unchanged
};

constexpr double kSentinel = -12345.678;

Read ReadWith(std::from_chars_result (*read)(const char*, const char*, double&),
              const std::string& text) {
  double value = kSentinel;
  auto result = read(text.data(), text.data() + text.size(), value);
  return {result, portable_fallback::BitsOfDouble(value)};
}

std::string Write(std::to_chars_result (*write)(char*, char*, double, int), double value,
                  int precision, std::size_t room = 400) {
  std::vector<char> buffer(room + 1, '#');
  auto [end, ec] = write(buffer.data(), buffer.data() + room, value, precision);
  if (ec != std::errc()) {
    return end == buffer.data() + room ? "<too large>" : "<bad pointer>";
  }
  return std::string(buffer.data(), end);
}

#if LIBRARY_CHARCONV
std::from_chars_result LibraryRead(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value, std::chars_format::fixed);
}
std::to_chars_result LibraryWrite(char* first, char* last, double value, int precision) {
  return std::to_chars(first, last, value, std::chars_format::fixed, precision);
}
#endif

// Texts for the readers: the program's own shapes, and what from_chars
// refuses or reads only in part (strtod would take more of several).
std::vector<std::string> ReadCases() {
  std::vector<std::string> cases = {
      "0", "-0", "0.0", "-0.0", "1", "-1", "12.5", "00012.5000", ".5", "-.5", "5.", "-5.",
      "0.1", "0.2", "0.3", "2.675", "1.0005", "59.95", "59.9995", "123456789012345.6",
      "1234567890123456789", "0.000000000000000000001", "3.14159265359", "0.01745329252",
      // Halfway between two doubles: to even, and just above.
      "9007199254740993", "9007199254740995", "9007199254740993.000000000000000001",
      "1.00000000000000011102230246251565404236316680908203125",
      "1.00000000000000011102230246251565404236316680908203126",
      "0.50000000000000005551115123125782702118158340454101562",
      "0.50000000000000005551115123125782702118158340454101563",
      // What is not a number here, or only in part.
      "", "-", ".", "-.", "+1", " 1", "1 ", "\t1", "1e5", "1E5", "1e", "0x10", "0x1p3", "1..2",
      "1.2.3", "12abc", "--1", "-+1", "1,5", ",5",
      // Infinity and NaN, which from_chars reads even in the fixed format.
      "inf", "-inf", "INF", "Infinity", "-INFINITY", "infin", "infinityx", "in", "nan", "-nan",
      "NaN", "nan()", "nan(abc_12)", "nan(", "nan(a b)", "nan)", "na",
  };
  // Too large, largest, halfway to overflow, smallest, subnormal, too small.
  cases.push_back("1" + std::string(309, '0'));
  cases.push_back("-1" + std::string(400, '0') + ".5");
  cases.push_back(
      "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589"
      "558632766878171540458953514382464234321326889464182768467546703537516986049910576551282"
      "076245490090389328944075868508455133942304583236903222948165808559332123348274797826204"
      "144723168738177180919299881250404026184124858368");
  cases.push_back(
      "179769313486231580793728971405303415079934132710037826936173778980444968292764750946649"
      "017977587207096330286416692887910946555547851940402630657488671505820681908902000708383"
      "676273854845817711531764475730270069855571366959622842914819860834936475292719074168444"
      "365510704342711559699508093042880177904174497792");
  cases.push_back("179769313486231580793728971405303415079934132710037826936173778980444968292764"
                  "750946649017977587207096330286416692887910946555547851940402630657488671505820"
                  "681908902000708383676273854845817711531764475730270069855571366959622842914819"
                  "860834936475292719074168444365510704342711559699508093042880177904174497791");
  cases.push_back("0." + std::string(307, '0') + "22250738585072014");
  cases.push_back("0." + std::string(310, '0') + "1");
  cases.push_back("0." + std::string(322, '0') + "4");
  cases.push_back("0." + std::string(323, '0') + "2");
  cases.push_back("0." + std::string(323, '0') + "247032822920623272");
  cases.push_back("0." + std::string(323, '0') + "247032822920623273");
  cases.push_back("0." + std::string(323, '0') + "3");
  cases.push_back("-0." + std::string(400, '0') + "1");
  cases.push_back("0." + std::string(400, '0'));
  cases.push_back(std::string(5000, '7') + "." + std::string(5000, '3'));
  cases.push_back("0." + std::string(5000, '3'));
  // Seeded random values, printed with as many digits as they hold and more.
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 4000; ++i) {
    double v = portable_fallback::DoubleOfBits(random());
    if (!std::isfinite(v)) continue;
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", static_cast<int>(random() % 25), v);
    cases.emplace_back(text);
    double u = std::ldexp(static_cast<double>(random() % 100000000000ULL), -static_cast<int>(random() % 60));
    std::snprintf(text, sizeof text, "%.*f", static_cast<int>(random() % 30), u);
    cases.emplace_back(text);
  }
  return cases;
}

std::vector<double> WriteCases() {
  std::vector<double> cases = {
      0.0, -0.0, 0.5, 1.5, 2.5, -0.5, -2.5, 0.125, 0.375, -0.125, 2.675, 1.0005, 1.005, 0.05,
      0.15, 0.25, 0.35, 0.45, 9.5, 10.5, 59.95, 59.949999999999996, 59.99999, 59.9995, 0.045,
      1e15 + 0.5, 4503599627370495.5, 4503599627370496.5, 9007199254740993.0, 1e22, 1e23,
      123456789.123456789, 0.1, 0.2, 0.3, 1.0 / 3.0, 2.0 / 3.0, 3.14159265359, 0.01745329252,
      DBL_MAX, -DBL_MAX, DBL_MIN, -DBL_MIN, DBL_TRUE_MIN, std::nextafter(1.0, 2.0),
      std::nextafter(1.0, 0.0), 2451545.0, 2451544.4999999995, 1e-7, 5e-8, 4.9999999999999998e-8,
      -5e-8, 0.00000005000000000000001,
      std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
      std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
  };
  // Exact binary halves and quarters at every printed precision.
  for (int k = -2000; k <= 2000; ++k) cases.push_back(k / 8.0 + k / 2048.0);
  for (int k = 1; k <= 7; ++k) cases.push_back(std::ldexp(5.0, -k) + 1.0);
  std::mt19937_64 random(20261209);
  for (int i = 0; i < 3000; ++i) cases.push_back(portable_fallback::DoubleOfBits(random()));
  for (int i = 0; i < 3000; ++i) {
    cases.push_back((static_cast<double>(random() % 200000001ULL) - 1e8) / 1024.0);
  }
  return cases;
}

TEST(PortableFallbacks, ReadHandWorkedValues) {
  auto read = [](const std::string& text) { return ReadWith(&portable_fallback::ReadFixedDouble, text); };
  // Exact binary values and the nearest double of 0.1 (0x3FB999999999999A).
  EXPECT_EQ(read("12.5").bits, portable_fallback::BitsOfDouble(12.5));
  EXPECT_EQ(read("0.1").bits, 0x3FB999999999999AULL);
  // 2^53 + 1 lies halfway between 2^53 and 2^53 + 2: to the even one.
  EXPECT_EQ(read("9007199254740993").bits, portable_fallback::BitsOfDouble(9007199254740992.0));
  EXPECT_EQ(read("-0").bits, 0x8000000000000000ULL);
  // The point stops nothing, an exponent is not read, a '+' is refused.
  std::string e = "1e5";
  double v = kSentinel;
  auto r = portable_fallback::ReadFixedDouble(e.data(), e.data() + e.size(), v);
  EXPECT_EQ(r.ptr, e.data() + 1);
  EXPECT_EQ(v, 1.0);
  std::string plus = "+1";
  r = portable_fallback::ReadFixedDouble(plus.data(), plus.data() + plus.size(), v);
  EXPECT_EQ(r.ec, std::errc::invalid_argument);
  EXPECT_EQ(r.ptr, plus.data());
  std::string huge = "1" + std::string(309, '0');
  v = kSentinel;
  r = portable_fallback::ReadFixedDouble(huge.data(), huge.data() + huge.size(), v);
  EXPECT_EQ(r.ec, std::errc::result_out_of_range);
  EXPECT_EQ(r.ptr, huge.data() + huge.size());
  EXPECT_EQ(v, kSentinel);
}

TEST(PortableFallbacks, WriteHandWorkedValues) {
  auto write = [](double value, int precision) {
    return Write(&portable_fallback::WriteFixedDouble, value, precision);
  };
  // Exact halves round to even; 2.675 is 2.67499999999999982236431605997495353221893310546875.
  EXPECT_EQ(write(0.5, 0), "0");
  EXPECT_EQ(write(1.5, 0), "2");
  EXPECT_EQ(write(2.5, 0), "2");
  EXPECT_EQ(write(0.125, 2), "0.12");
  EXPECT_EQ(write(0.375, 2), "0.38");
  EXPECT_EQ(write(2.675, 2), "2.67");
  EXPECT_EQ(write(-0.0, 1), "-0.0");
  EXPECT_EQ(write(59.9995, 3), "59.999");  // 59.99949999999999761257...
  EXPECT_EQ(write(2451545.0, 7), "2451545.0000000");
  EXPECT_EQ(write(1e22, 0), "10000000000000000000000");
  EXPECT_EQ(write(1e23, 0), "99999999999999991611392");
  EXPECT_EQ(write(DBL_MAX, 0).size(), 309U);
  // The room given is the room used, to the last character.
  EXPECT_EQ(Write(&portable_fallback::WriteFixedDouble, 12.25, 2, 5), "12.25");
  EXPECT_EQ(Write(&portable_fallback::WriteFixedDouble, 12.25, 2, 4), "<too large>");
}

TEST(PortableFallbacks, BitCast) {
  EXPECT_EQ(portable_fallback::BitsOfDouble(1.0), 0x3FF0000000000000ULL);
  EXPECT_EQ(portable_fallback::BitsOfDouble(-2.5), 0xC004000000000000ULL);
  EXPECT_EQ(portable_fallback::DoubleOfBits(0x4059000000000000ULL), 100.0);
  std::mt19937_64 random(20261210);
  for (int i = 0; i < 10000; ++i) {
    std::uint64_t bits = random();
    EXPECT_EQ(portable_fallback::BitsOfDouble(portable_fallback::DoubleOfBits(bits)), bits);
    EXPECT_EQ(BitsOfDouble(DoubleOfBits(bits)), bits);
    double value = DoubleOfBits(bits);
    EXPECT_EQ(std::memcmp(&value, &bits, sizeof bits), 0);
  }
}

// A program that reads its locale from the environment may get a decimal
// comma; the stand-ins still work in the "C" locale. The locale is the
// system's French one, or one compiled for the test by localedef into the
// test's directory (LOCPATH) when the system has the locale sources.
class DecimalComma : public InTempDir {
 protected:
  void TearDown() override {
    std::setlocale(LC_ALL, previous_locale_.c_str());
    if (had_locpath_) {
      setenv("LOCPATH", locpath_.c_str(), 1);
    } else {
      unsetenv("LOCPATH");
    }
    InTempDir::TearDown();
  }
  bool UseCommaLocale() {
    for (const char* name : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR", "de_DE.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0)
        return true;
    }
    std::filesystem::create_directory(dir_ / "made");
    if (std::system("localedef -i fr_FR -f ISO-8859-1 made/fr > /dev/null 2>&1") != 0) return false;
    setenv("LOCPATH", (dir_ / "made").c_str(), 1);
    return std::setlocale(LC_ALL, "fr") && std::strcmp(std::localeconv()->decimal_point, ",") == 0;
  }

 private:
  std::string previous_locale_ = std::setlocale(LC_ALL, nullptr);
  bool had_locpath_ = std::getenv("LOCPATH") != nullptr;
  std::string locpath_ = had_locpath_ ? std::getenv("LOCPATH") : "";
};

TEST_F(DecimalComma, StandInsReadAndPrintWithAPoint) {
  if (!UseCommaLocale()) GTEST_SKIP() << "no locale with a decimal comma, nor localedef";
  // The locale is in force: the C library itself prints a comma now.
  char plain[16];
  std::snprintf(plain, sizeof plain, "%.2f", 2.5);
  ASSERT_STREQ(plain, "2,50");
  std::string text = "12.5";
  double v = 0.0;
  auto r = portable_fallback::ReadFixedDouble(text.data(), text.data() + text.size(), v);
  EXPECT_EQ(r.ec, std::errc());
  EXPECT_EQ(r.ptr, text.data() + text.size());
  EXPECT_EQ(v, 12.5);
  EXPECT_EQ(Write(&portable_fallback::WriteFixedDouble, 2.675, 2), "2.67");
  EXPECT_EQ(Write(&portable_fallback::WriteFixedDouble, 1e22, 1), "10000000000000000000000.0");
}

// The stand-ins serve where the library lacks a function, or where the
// build forces them; otherwise the library's own functions do.
TEST(PortableFallbacks, ChosenAsTheBuildAsks) {
#if ZENKO_EXPECT_FALLBACKS || !LIBRARY_CHARCONV || !defined(__cpp_lib_bit_cast)
  EXPECT_TRUE(UsesPortableFallbacks());
#else
  EXPECT_FALSE(UsesPortableFallbacks());
#endif
}

#if LIBRARY_CHARCONV
TEST(PortableFallbacks, ReadsAsFromChars) {
  int count = 0;
  for (const std::string& text : ReadCases()) {
    Read library = ReadWith(&LibraryRead, text);
    Read fallback = ReadWith(&portable_fallback::ReadFixedDouble, text);
    Read chosen = ReadWith(&ReadFixedDouble, text);
    const std::string shown = text.size() > 80 ? text.substr(0, 80) + "..." : text;
    ASSERT_EQ(fallback.result.ec, library.result.ec) << shown;
    ASSERT_EQ(fallback.result.ptr - text.data(), library.result.ptr - text.data()) << shown;
    ASSERT_EQ(fallback.bits, library.bits) << shown;
    ASSERT_EQ(chosen.result.ec, library.result.ec) << shown;
    ASSERT_EQ(chosen.result.ptr - text.data(), library.result.ptr - text.data()) << shown;
    ASSERT_EQ(chosen.bits, library.bits) << shown;
    ++count;
  }
  EXPECT_GT(count, 8000);
}

TEST(PortableFallbacks, WritesAsToChars) {
  int count = 0;
  for (double value : WriteCases()) {
    for (int precision : kPrecisions) {
      std::string library = Write(&LibraryWrite, value, precision);
      ASSERT_EQ(Write(&portable_fallback::WriteFixedDouble, value, precision), library)
          << value << " at precision " << precision;
      ASSERT_EQ(Write(&WriteFixedDouble, value, precision), library);
      // Exactly as much room as the text, and one character less.
      std::size_t size = library.size();
      ASSERT_EQ(Write(&portable_fallback::WriteFixedDouble, value, precision, size), library);
      ASSERT_EQ(Write(&portable_fallback::WriteFixedDouble, value, precision, size - 1),
                Write(&LibraryWrite, value, precision, size - 1));
      ++count;
    }
  }
  EXPECT_GT(count, 100000);
}

#else
TEST(PortableFallbacks, LibraryLacksTheConversions) {
  EXPECT_TRUE(UsesPortableFallbacks());
}
#endif

}  // namespace
