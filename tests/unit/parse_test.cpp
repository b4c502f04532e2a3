// The text parsers: worked values and statuses (values worked out by hand).
// Arbitrary bytes through every parser: tests/fuzz/parse_fuzz.cpp.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

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

// A refused text leaves the value as it was. (Every refused text with its
// status, told by its message: tables kepler164_refused, prec132_refused,
// julianday130_refused.)
TEST(Parsers, RefusedTextsWriteNothing) {
  const struct { Parser parser; std::string text; S status; } cases[] = {
      {kDecimal, "", S::Empty}, {kDecimal, "1e3", S::Syntax}, {kSexagesimal, "12:30:60", S::SixtyOrMore},
      {kSexagesimal, "12:30:15.5.1", S::Syntax}, {kTime, "12:75:00", S::SixtyOrMore},
      {kTime, "12:30", S::TimeSyntax}};
  for (const auto& c : cases) {
    double value = 99.0;
    EXPECT_EQ(c.parser(c.text, value), c.status) << c.text;
    EXPECT_EQ(value, 99.0) << c.text;
  }
}

// (Blanks, signs, the first 31 characters, clamping at INT_MAX, the texts
// refused, through the height field: table geoc129_heights.)
TEST(ParseWholeNumber, ClampsBelowAndRefusesALeadingNewline) {
  int value = -123;
  EXPECT_TRUE(ParseWholeNumber("-99999999999", value) && value == INT_MIN);
  EXPECT_FALSE(ParseWholeNumber("\n12", value));
  EXPECT_EQ(value, INT_MIN);
}

}  // namespace
