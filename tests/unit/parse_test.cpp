// The text parsers: worked values and statuses (values worked out by hand),
// and one robustness run of every parser over hostile and mutated texts.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "Calendar.h"
#include "Parse.h"

namespace {

using S = ParseStatus;
using Parser = S (*)(const std::string&, double&);
const Parser kDecimal = ParseDecimalField, kSexagesimal = ParseSexagesimal, kTime = ParseTimeField;

TEST(Parsers, ValuesRead) {
  const struct { Parser parser; std::string text; S status; double value; } cases[] = {
      {kDecimal, "3,25", S::Ok, 3.25}, {kDecimal, "3.25", S::Ok, 3.25},
      {kDecimal, "-0,5", S::Ok, -0.5}, {kDecimal, "+7", S::Ok, 7.0},
      {kDecimal, "5.", S::Ok, 5.0}, {kDecimal, ",5", S::Ok, 0.5},
      {kDecimal, "1" + std::string(300, '0'), S::Ok, 1e300},
      {kDecimal, "0." + std::string(400, '0') + "1", S::Ok, 0.0},
      {kSexagesimal, "-0:30:00", S::Ok, -0.5}, {kSexagesimal, "-12:30:00", S::Ok, -12.5},
      {kSexagesimal, "+12:30:15.5", S::Ok, 12 + (30 / 60.0 + 15.5 / 3600.0)},
      {kSexagesimal, "12:59:59.99", S::Ok, 12 + (59 / 60.0 + 59.99 / 3600.0)},
      {kSexagesimal, "-0:00:30", S::Ok, 0 - (0 / 60.0 + 30 / 3600.0)},
      {kSexagesimal, "400:0:0", S::Ok, 400.0},
      {kSexagesimal, "1:2:3.", S::Ok, 1 + (2 / 60.0 + 3 / 3600.0)},
      {kSexagesimal, "2147483647:0:0", S::Ok, 2147483647.0},
      {kSexagesimal, "-2147483648:0:0", S::Ok, -2147483648.0},
      {kTime, "23:59:59.9", S::Ok, 23 + (59 / 60.0 + 59.9 / 3600.0)}, {kTime, "0:0:0", S::Ok, 0},
      // The out-of-range hours are written all the same.
      {kTime, "24:00:00", S::HourOutOfRange, 24.0}, {kTime, "-0:30:00", S::HourOutOfRange, -0.5},
  };
  for (const auto& c : cases) {
    double value = 99.0;
    EXPECT_EQ(c.parser(c.text, value), c.status) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(Parsers, RefusedTextsWriteNothing) {
  const struct { Parser parser; S status; std::vector<std::string> texts; } cases[] = {
      {kDecimal, S::Empty, {""}},
      {kDecimal, S::Syntax, {std::string(400, '9'), "1.2.3", "1,2.3", "1 000", "1e3", "--1",
                             "1-", "-", ".", " 1", "0x10", "inf", "nan"}},
      {kSexagesimal, S::Empty, {""}},
      {kSexagesimal, S::SixtyOrMore, {"12:60:00", "12:30:60"}},
      {kSexagesimal, S::Syntax, {"2147483648:0:0", "1:99999999999:0", "12:30", "12.5",
                                 "12:30:15,5", "12:30:15.5.1", "12:30.5:00", "12:30:00:00",
                                 "12::30", "12:30:", ":30:00", "-:30:00", "1:2:.", " 12:30:00",
                                 "12\xC2\xB0" "30'00\""}},
      {kTime, S::Empty, {""}},
      {kTime, S::SixtyOrMore, {"12:75:00"}},
      {kTime, S::TimeSyntax, {"12h30", "12:30"}},
  };
  for (const auto& c : cases) {
    for (const std::string& text : c.texts) {
      double value = 99.0;
      EXPECT_EQ(c.parser(text, value), c.status) << text;
      EXPECT_EQ(value, 99.0) << text;
    }
  }
}

TEST(ParseWholeNumber, BlanksSignsCutAndClamp) {
  const struct { std::string text; bool ok; int value; } cases[] = {
      {"12", true, 12}, {" \t12 \t", true, 12}, {"-40", true, -40}, {"+7", true, 7},
      {"0", true, 0}, {"00", true, 0}, {" 0 ", true, 0}, {"+0", false, 0},
      {"-0", false, 0}, {"", false, 0}, {"   ", false, 0}, {"12.5", false, 0},
      {"12 3", false, 0}, {"1e3", false, 0}, {"abc", false, 0}, {"+", false, 0},
      {"\n12", false, 0}, {"99999999999", true, INT_MAX}, {"-99999999999", true, INT_MIN},
      {std::string(400, '9'), true, INT_MAX},
      // Only the first 31 characters count.
      {"12" + std::string(29, ' ') + "x", true, 12}, {"12" + std::string(28, ' ') + "x", false, 0},
  };
  for (const auto& c : cases) {
    int value = -123;
    EXPECT_EQ(ParseWholeNumber(c.text, value), c.ok) << '[' << c.text << ']';
    EXPECT_EQ(value, c.ok ? c.value : -123) << '[' << c.text << ']';
  }
}

// Hostile texts and random mutations of them through every parser: nothing
// crashes, a usable value is finite and within its field's range, and a
// failed read leaves the output alone.
TEST(Parsers, RobustOnHostileAndMutatedTexts) {
  const std::string seeds[] = {
      "12:30:15.5", "-0:30:00", "3,25", "23:59:59.9", "2147483647:59:59.99",
      "0." + std::string(350, '0') + "1", std::string(400, '9'), "1:2:3.4.5",
      "01/01/2000", "J2147483647", "1/1/-2147483648", "31/12/2147483647", "J"};
  const std::string alphabet = "0123456789::..,,++--  \t//J";
  std::mt19937 rng(20261207);
  auto below = [&rng](std::size_t n) { return std::size_t(rng() % n); };
  for (int i = 0; i < 60000; ++i) {
    std::string text = seeds[below(std::size(seeds))];
    for (std::size_t edits = below(6); edits > 0 && !text.empty(); --edits) {
      std::size_t at = below(text.size());
      char c = below(4) == 0 ? static_cast<char>(rng()) : alphabet[below(alphabet.size())];
      switch (below(3)) {
        case 0: text.insert(text.begin() + static_cast<long>(at), c); break;
        case 1: text.erase(at, 1); break;
        default: text[at] = c;
      }
    }
    double d = -7.0, s = -7.0, h = -7.0;
    ASSERT_TRUE(ParseDecimalField(text, d) == S::Ok ? std::isfinite(d) : d == -7.0) << text;
    ASSERT_TRUE(ParseSexagesimal(text, s) == S::Ok ? std::isfinite(s) : s == -7.0) << text;
    S time = ParseTimeField(text, h);
    ASSERT_TRUE(time == S::Ok ? h >= 0.0 && h < 24.0 : time == S::HourOutOfRange || h == -7.0)
        << text;
    int whole = 0, day = 0, month = 0, year = 0;
    ParseWholeNumber(text, whole);
    S date = ParseDateField(text, day, month, year);
    ASSERT_TRUE(date != S::Ok || DateExists(day, month, year)) << text;
    JulianDay jd = -7.0;
    DateStatusPair pair = ReadDateTimeAsJulianDay(text, text, jd);
    ASSERT_EQ(pair.date, date) << text;
    bool read = date == S::Epoch || (date == S::Ok && pair.time == S::Ok);
    ASSERT_TRUE(read ? std::isfinite(jd) : jd == -7.0) << text;
  }
}

}  // namespace
