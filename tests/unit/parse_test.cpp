#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "MessageCapture.h"
#include "Parse.h"

namespace {

const std::string kSixty =
    "Erreur ! Les nombres des minutes et des\nsecondes doivent être "
    "inférieurs à 60.\n\nRecommencez !";
const std::string kTimeFormat =
    "Erreur de saisie de l'heure.\nLe format est  hh:mm:ss.s\n\nRecommencez !";
const std::string kHourRange =
    "Erreur ! Le nombre des heures doit\nêtre compris entre 0 et 23.\n\n"
    "Recommencez !";

struct DecimalCase {
  const char* text;
  int status;
  double value;
};

TEST(ParseDecimalField, StatusesAndValues) {
  const DecimalCase cases[] = {
      {"3,25", 1, 3.25},  {"3.25", 1, 3.25}, {"-0,5", 1, -0.5},
      {"+7", 1, 7.0},     {"5.", 1, 5.0},    {",5", 1, 0.5},
      {"0", 1, 0.0},      {"1.2.3", 0, 0},   {"1,2.3", 0, 0},
      {"1 000", 0, 0},    {"1e3", 0, 0},     {"--1", 0, 0},
      {"1-", 0, 0},       {"", -1, 0},       {"-", 0, 0},
      {".", 0, 0},        {"+", 0, 0},       {" 1", 0, 0},
      {"0x10", 0, 0},     {"inf", 0, 0},     {"nan", 0, 0},
  };
  for (const DecimalCase& c : cases) {
    MessageCapture messages;
    double value = 99.0;
    EXPECT_EQ(ParseDecimalField(c.text, value), c.status) << c.text;
    if (c.status == 1) {
      EXPECT_EQ(value, c.value) << c.text;
    } else {
      EXPECT_EQ(value, 99.0) << c.text << ": value must stay unchanged";
    }
    EXPECT_TRUE(messages.shown.empty()) << c.text;
  }
}

TEST(ParseDecimalField, OverflowIsASyntaxErrorAndUnderflowIsZero) {
  double value = 5.0;
  EXPECT_EQ(ParseDecimalField(std::string(400, '9'), value), 0);
  EXPECT_EQ(value, 5.0);
  EXPECT_EQ(ParseDecimalField("0." + std::string(400, '0') + "1", value), 1);
  EXPECT_EQ(value, 0.0);
  EXPECT_EQ(ParseDecimalField("1" + std::string(300, '0'), value), 1);
  EXPECT_EQ(value, 1e300);
}

struct SexagesimalCase {
  const char* text;
  int status;
  double value;
  bool sixtyMessage;
};

TEST(ParseSexagesimal, StatusesValuesAndMessage) {
  const SexagesimalCase cases[] = {
      {"-0:30:00", 1, -0.5, false},
      {"-12:30:00", 1, -12.5, false},
      {"+12:30:15.5", 1, 12 + (30 / 60.0 + 15.5 / 3600.0), false},
      {"12:30:00", 1, 12.5, false},
      {"12:59:59.99", 1, 12 + (59 / 60.0 + 59.99 / 3600.0), false},
      {"-0:00:30", 1, 0 - (0 / 60.0 + 30 / 3600.0), false},
      {"0:0:0", 1, 0.0, false},
      {"400:0:0", 1, 400.0, false},
      {"1:2:3.", 1, 1 + (2 / 60.0 + 3 / 3600.0), false},
      {"12:30", 0, 0, false},
      {"12.5", 0, 0, false},
      {"12:30:15,5", 0, 0, false},
      {"12:30:15.5.1", 0, 0, false},
      {"12:30.5:00", 0, 0, false},
      {"12:30:00:00", 0, 0, false},
      {"12::30", 0, 0, false},
      {"12:30:", 0, 0, false},
      {":30:00", 0, 0, false},
      {"-:30:00", 0, 0, false},
      {"1:2:.", 0, 0, false},
      {"12h30m00s", 0, 0, false},
      {" 12:30:00", 0, 0, false},
      {"12°30'00\"", 0, 0, false},
      {"2147483647:0:0", 1, 2147483647.0, false},
      {"-2147483648:0:0", 1, -2147483648.0, false},
      {"2147483648:0:0", 0, 0, false},
      {"1:99999999999:0", 0, 0, false},
      {"12:60:00", -1, 0, true},
      {"12:30:60", -1, 0, true},
      {"12:30:59.9999999", 1, 12 + (30 / 60.0 + 59.9999999 / 3600.0), false},
      {"", -1, 0, false},
  };
  for (const SexagesimalCase& c : cases) {
    MessageCapture messages;
    double value = 99.0;
    EXPECT_EQ(ParseSexagesimal(c.text, value), c.status) << c.text;
    if (c.status == 1) {
      EXPECT_EQ(value, c.value) << c.text;
    } else {
      EXPECT_EQ(value, 99.0) << c.text;
    }
    if (c.sixtyMessage) {
      ASSERT_EQ(messages.shown.size(), 1u) << c.text;
      EXPECT_EQ(messages.shown[0], (ShownMessage{kSixty, Icon::Error}));
    } else {
      EXPECT_TRUE(messages.shown.empty()) << c.text;
    }
  }
}

struct TimeCase {
  const char* text;
  int status;
  const std::string* message;
};

TEST(ParseTimeField, StatusesAndTheOneMessage) {
  const TimeCase cases[] = {
      {"23:59:59.9", 1, nullptr}, {"0:0:0", 1, nullptr},
      {"24:00:00", -1, &kHourRange}, {"-0:30:00", -1, &kHourRange},
      {"-1:00:00", -1, &kHourRange}, {"12h30", 0, &kTimeFormat},
      {"12:30", 0, &kTimeFormat},  {"", -1, nullptr},
      {"12:75:00", -1, &kSixty},
  };
  for (const TimeCase& c : cases) {
    MessageCapture messages;
    double hours = 99.0;
    EXPECT_EQ(ParseTimeField(c.text, hours), c.status) << c.text;
    if (c.message) {
      ASSERT_EQ(messages.shown.size(), 1u) << c.text;
      EXPECT_EQ(messages.shown[0], (ShownMessage{*c.message, Icon::Error}));
    } else {
      EXPECT_TRUE(messages.shown.empty()) << c.text;
    }
  }
  double hours = 0.0;
  MessageCapture messages;
  ParseTimeField("24:00:00", hours);
  EXPECT_EQ(hours, 24.0) << "the out-of-range hours are written";
}

struct WholeCase {
  std::string text;
  bool ok;
  int value;
};

TEST(ParseWholeNumber, BlanksSignsCutAndClamp) {
  const WholeCase cases[] = {
      {"12", true, 12},
      {" \t12 \t", true, 12},
      {"-40", true, -40},
      {"+7", true, 7},
      {"0", true, 0},
      {"00", true, 0},
      {" 0 ", true, 0},
      {"+0", false, 0},
      {"-0", false, 0},
      {"", false, 0},
      {"   ", false, 0},
      {"12.5", false, 0},
      {"12 3", false, 0},
      {"1e3", false, 0},
      {"abc", false, 0},
      {"+", false, 0},
      {"99999999999", true, INT_MAX},
      {"-99999999999", true, INT_MIN},
      {std::string(400, '9'), true, INT_MAX},
      {"12" + std::string(29, ' ') + "x", true, 12},
      {"12" + std::string(28, ' ') + "x", false, 0},
      {"\n12", false, 0},
  };
  for (const WholeCase& c : cases) {
    int value = -123;
    EXPECT_EQ(ParseWholeNumber(c.text, value), c.ok) << '[' << c.text << ']';
    EXPECT_EQ(value, c.ok ? c.value : -123) << '[' << c.text << ']';
  }
}

}  // namespace
