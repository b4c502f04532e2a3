// Printing of degrees and hours, dates and Julian Days: worked values (by
// hand and from Meeus, Astronomical Algorithms), known dates, liberfa's
// calendar and sidereal time, independent day-number rules, round trips.
#include <erfa.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "Angles.h"
#include "Astronomy.h"
#include "Calendar.h"
#include "Parse.h"
#include "Printf.h"

namespace {

using S = ParseStatus;

TEST(FloorMod, FlooredRemainders) {
  // -2^31 = -306783379 * 7 + 5; 2147483647 = 5368709 * 400 + 47.
  EXPECT_EQ((std::vector<int>{FloorModInt(-1, 4), FloorModInt(-1900, 100), FloorModInt(-1, 400),
                              FloorModInt(INT_MIN, 7), FloorModInt(INT_MAX, 400)}),
            (std::vector<int>{3, 0, 399, 5, 47}));
  // -1e-300 would round up to 7.
  EXPECT_EQ((std::vector<double>{FloorModReal(-0.25, 24), FloorModReal(-10.0, 360),
                                 FloorModReal(-1e-300, 7)}),
            (std::vector<double>{23.75, 350.0, 0.0}));
  // Just below and above multiples of n the result stays in [0, n).
  for (int k = -2000; k <= 2000; ++k)
    for (int n : {7, 24, 360})
      for (double x : {std::nextafter(k * n, -1e300), double(k * n), std::nextafter(k * n, 1e300)})
        ASSERT_TRUE(FloorModReal(x, n) >= 0.0 && FloorModReal(x, n) < n) << x;
}

TEST(FormatDegreesAndHours, WorkedValues) {
  const struct { double angle; int precision; double offset; const char* text; } degrees[] = {
      {-0.5, 0, 180, "- 0\xC2\xB0 30' 0\""}, {-12.5, 0, 180, "-12\xC2\xB0 30' 0\""},
      {359.99999, 0, 0, "0\xC2\xB0 0' 0\""}, {10.999875, 2, 180, "11\xC2\xB0 0' 0.00\""},
      {190, 0, 180, "-170\xC2\xB0 0' 0\""}, {-10, 0, 0, "350\xC2\xB0 0' 0\""},
      {12.0 + 30.0 / 60 + 5.25 / 3600, 2, 180, "12\xC2\xB0 30' 5.25\""},
      // Either side of the half-unit threshold of a negative zero.
      {-0.0001, 0, 180, "0\xC2\xB0 0' 0\""}, {-0.0002, 0, 180, "- 0\xC2\xB0 0' 1\""},
      {-1e-6, 2, 180, "0\xC2\xB0 0' 0.00\""}, {-2e-6, 2, 180, "- 0\xC2\xB0 0' 0.01\""},
      {179.99999, 0, 180, "-180\xC2\xB0 0' 0\""},  // the carry to 180 wraps
  };
  for (const auto& c : degrees)
    EXPECT_EQ(FormatDegrees(c.angle, c.precision, c.offset), c.text) << c.angle;
  const struct { double h; const char* suffix; int precision; double offset; const char* text; }
      hours[] = {
      {-0.5, "", 1, 12, "- 0h 30m 0.0s"}, {13, "", 1, 12, "-11h 0m 0.0s"},
      {23.99999, " UT", 1, 0, "24h 0m 0.0s UT"},
      {23.0 + 59.0 / 60 + 59.97 / 3600, "", 1, 0, "24h 0m 0.0s"},
      {10.0 + 59.94 / 3600, "", 1, 0, "10h 0m 59.9s"},
      {10.0 + 59.9994 / 3600, "", 3, 0, "10h 0m 59.999s"},
      {10.0 + 59.9996 / 3600, "", 3, 0, "10h 1m 0.000s"}, {-25.0, "", 1, 0, "23h 0m 0.0s"},
  };
  for (const auto& c : hours)
    EXPECT_EQ(FormatHours(c.h, c.suffix, c.precision, c.offset), c.text) << c.h;
  EXPECT_EQ(ToColonForm("12h 30m 5.0s") + ToColonForm("- 0\xC2\xB0 30' 5\""), "12:30:5.0-0:30:5");
  EXPECT_EQ(ToColonForm("- 0h 30m 0.0s UT"), "-0:30:0.0UT");
}

TEST(ParseDateField, StatusesAndValues) {
  // What is read: "d/m/y" for a date, the year of an epoch.
  const struct { const char* text; S status; const char* read; } read[] = {
      {"J2000", S::Epoch, "2000"}, {"J0", S::Epoch, "0"}, {"J2147483647", S::Epoch, "2147483647"},
      {"01/01/2000", S::Ok, "1/1/2000"}, {"31/12/-4712", S::Ok, "31/12/-4712"},
      {"4/10/1582", S::Ok, "4/10/1582"}, {"15/10/1582", S::Ok, "15/10/1582"},
      {"1/1/2147483647", S::Ok, "1/1/2147483647"}, {"1/1/-2147483648", S::Ok, "1/1/-2147483648"},
      // Leap years: Julian rule up to 1582, Gregorian after.
      {"29/02/2000", S::Ok, "29/2/2000"}, {"29/02/1500", S::Ok, "29/2/1500"},
      {"29/02/-4", S::Ok, "29/2/-4"}, {"29/02/-100", S::Ok, "29/2/-100"},
      // Refused: nothing written. (Every refused text: julianday130_refused.)
      {"29/02/1900", S::NoSuchDate, "-9"}, {"J2000.5", S::EpochSyntax, "-9"},
      {"1//2000", S::DateSyntax, "-9"}, {"", S::Empty, "-9"},
  };
  for (const auto& c : read) {
    int day = -9, month = -9, year = -9;
    EXPECT_EQ(ParseDateField(c.text, day, month, year), c.status) << c.text;
    EXPECT_EQ(c.status == S::Ok ? Format("%d/%d/%d", day, month, year) : Format("%d", year),
              c.read);
    EXPECT_TRUE(c.status == S::Ok || (day == -9 && month == -9)) << c.text;
  }
}

// Published days both ways, and the statuses of a date and a time.
TEST(ReadDateTimeAsJulianDay, PublishedDaysAndBothStatuses) {
  const struct { const char *date, *time; S dateStatus, timeStatus; double jd; const char* back; }
      cases[] = {
      // Meeus, Astronomical Algorithms, ch. 7 (examples 7.a, 7.b and table).
      {"01/01/2000", "12:00:00", S::Ok, S::Ok, 2451545.0, "samedi 1/1/2000 12h 0m 0.0s"},
      {"04/10/1957", "19:26:24", S::Ok, S::Ok, 2436116.31, "vendredi 4/10/1957 19h 26m 24.0s"},
      {"27/01/333", "12:00:00", S::Ok, S::Ok, 1842713.0, "samedi 27/1/333 12h 0m 0.0s"},
      {"04/10/1582", "0:00:00", S::Ok, S::Ok, 2299159.5, "jeudi 4/10/1582 0h 0m 0.0s"},
      {"15/10/1582", "0:00:00", S::Ok, S::Ok, 2299160.5, "vendredi 15/10/1582 0h 0m 0.0s"},
      {"01/01/-4712", "12:00:00", S::Ok, S::Ok, 0.0, "lundi 1/1/-4712 12h 0m 0.0s"},
      {"01/01/1900", "0:0:0", S::Ok, S::Ok, 2415020.5, "lundi 1/1/1900 0h 0m 0.0s"},
      {"31/12/1999", "23:59:59.9", S::Ok, S::Ok, 2451543.5 + 86399.9 / 86400, nullptr},
      // Julian epochs: the time is not read.
      {"J2000", "nonsense", S::Epoch, S::Empty, 2451545.0, nullptr},
      {"J1950", "", S::Epoch, S::Empty, 2433282.5, nullptr},
      // The time is read even when the date failed: both can fail. The day
      // is not written.
      {"32/01/2000", "12h", S::NoSuchDate, S::TimeSyntax, -7, nullptr},
      {"J", "x", S::EpochSyntax, S::TimeSyntax, -7, nullptr},
      {"1//2000", "", S::DateSyntax, S::Empty, -7, nullptr},
      {"", "12:60:0", S::Empty, S::SixtyOrMore, -7, nullptr},
      {"01/01/2000", "24:0:0", S::Ok, S::HourOutOfRange, -7, nullptr},
  };
  for (const auto& c : cases) {
    JulianDay jd = -7.0;
    DateStatusPair s = ReadDateTimeAsJulianDay(c.date, c.time, jd);
    EXPECT_EQ(s.date, c.dateStatus) << c.date;
    EXPECT_EQ(s.time, c.timeStatus) << c.date;
    EXPECT_NEAR(jd, c.jd, 1e-7) << c.date;
    if (!c.back) continue;
    std::string weekday, date, time;
    FormatJulianDayAsDate(c.jd, weekday, date, time);
    EXPECT_EQ(weekday + " " + date + " " + time, c.back);
  }
  // The extreme years stay finite, about 365.2425 days a year from the
  // start of the count.
  for (int year : {INT_MAX, INT_MIN}) {
    JulianDay jd = 0.0;
    std::string date = Format("1/2/%d", year);
    ASSERT_EQ(ReadDateTimeAsJulianDay(date, "23:59:59", jd).date, S::Ok);
    EXPECT_NEAR(jd, 1721058.0 + year * 365.2425, 0.01 * std::fabs(double(year))) << date;
  }
}

// Day number of a date at noon by the integer rules of each calendar.
long long NoonDayNumber(int day, int month, int year, bool gregorian) {
  long long a = (14 - month) / 12, y = year + 4800LL - a, m = month + 12 * a - 3;
  long long n = day + (153 * m + 2) / 5 + 365 * y + y / 4;
  return gregorian ? n - y / 100 + y / 400 - 32045 : n - 32083;
}

TEST(Calendar, RandomDatesBothWaysAgainstIndependentRules) {
  static const int lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::mt19937 rng(1582);
  auto in = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  for (int i = 0; i < 20000; ++i) {
    int year = in(-4712, 4000), month = in(1, 12), s = in(0, 86399);
    bool gregorian = year > 1582 || (year == 1582 && month > 10);
    bool leap = FloorModInt(year, 4) == 0 && (!gregorian || year % 100 != 0 || year % 400 == 0);
    int day = in(1, lengths[month] + (month == 2 && leap));
    if (year == 1582 && month == 10) {
      if (day >= 5 && day <= 14) day += 10;
      gregorian = day >= 15;
    }
    std::string date = Format("%d/%d/%d", day, month, year);
    std::string time = Format("%d:%d:%d", s / 3600, s / 60 % 60, s % 60);
    JulianDay jd = 0.0;
    DateStatusPair st = ReadDateTimeAsJulianDay(date, time, jd);
    ASSERT_TRUE(st.date == S::Ok && st.time == S::Ok) << date << " " << time;
    long long noon = NoonDayNumber(day, month, year, gregorian);
    ASSERT_NEAR(jd, double(noon) - 0.5 + s / 86400.0, 1e-6) << date << " " << time;
    double djm0 = 0.0, djm = 0.0;  // liberfa's calendar is Gregorian only
    ASSERT_TRUE(!gregorian || (eraCal2jd(year, month, day, &djm0, &djm) == 0 &&
                               std::fabs(jd - (djm0 + djm + s / 86400.0)) < 1e-6)) << date;
    CalendarDate c = JulianDayToCalendar(jd);
    ASSERT_TRUE(c.day == day && c.month == month && c.year == year) << date;
    ASSERT_EQ(c.weekday, static_cast<int>(noon % 7)) << date;
    std::string weekday, back, clock;
    FormatJulianDayAsDate(jd, weekday, back, clock);
    ASSERT_EQ(back, date);
    ASSERT_EQ(weekday, kWeekdayNames[noon % 7]);
    double hours = 0.0;
    ASSERT_EQ(ParseSexagesimal(ToColonForm(clock), hours), S::Ok) << clock;
    ASSERT_NEAR(hours, s / 3600.0, 0.05 / 3600 + 1e-6) << clock;
  }
}

TEST(SiderealTimeAtGreenwich, WorkedValueAndIau1982) {
  EXPECT_NEAR(astro::SiderealTimeAtGreenwich(2451545.0), 18.697374552, 1e-8);
  EXPECT_EQ(FormatHours(astro::SiderealTimeAtGreenwich(2451545.0), "", 1, 0), "18h 41m 50.5s");
  // The IAU 1982 series with its constants rounded: within a few
  // milliseconds of time of liberfa's over three centuries.
  std::mt19937 rng(1982);
  std::uniform_real_distribution<double> days(2415020.0, 2524593.0);
  for (int i = 0; i < 5000; ++i) {
    double jd = days(rng), ours = astro::SiderealTimeAtGreenwich(jd);
    ASSERT_TRUE(ours >= 0.0 && ours < 24.0) << jd;
    double theirs = eraGmst82(jd, 0.0) * 12.0 / 3.14159265358979323846;
    ASSERT_NEAR(std::remainder(ours - theirs, 24.0), 0.0, 1e-6) << jd;
  }
}

}  // namespace
