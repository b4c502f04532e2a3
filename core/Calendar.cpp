#include "Calendar.h"

#include <climits>
#include <cmath>

#include "Angles.h"
#include "Parse.h"
#include "Printf.h"
#include "Report.h"

const char* const kWeekdayNames[7] = {"lundi",    "mardi",  "mercredi", "jeudi",
                                      "vendredi", "samedi", "dimanche"};
const char* const kMonthNames[13] = {
    "",     "janvier", "février", "mars",      "avril",   "mai",     "juin",
    "juillet", "août", "septembre", "octobre", "novembre", "décembre"};

namespace {

const int kMonthOffset[13] = {0, 0, 0, 3, 3, 4, 4, 5, 5, 5, 6, 6, 7};
const int kMonthLength[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

const char kEpochFormat[] =
    "Erreur de saisie de la date. Le format est Jaaaa.\n\nRecommencez !";
const char kDateFormat[] =
    "Erreur de saisie de la date.\nLe format est  jj/mm/[-]aaaa\n\n"
    "Recommencez !";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

ParseStatus SyntaxError(const char* message) {
  ShowMessage(message, Icon::Error);
  return kParseSyntax;
}

}  // namespace

bool DateExists(int day, int month, int year) {
  // A zero remainder is the same for the floored and the truncated one.
  bool leap = year % 4 == 0 && (year <= 1582 || year % 100 != 0 || year % 400 == 0);
  return month >= 1 && month <= 12 && day >= 1 &&
         day <= kMonthLength[month] + ((month == 2 && leap) ? 1 : 0) &&
         !(year == 1582 && month == 10 && day >= 5 && day <= 14);
}

ParseStatus ParseDateField(const std::string& text, int& day, int& month, int& year) {
  if (text.empty()) return kParseReported;
  std::string_view view(text);
  if (text[0] == 'J') {
    int value = 0;
    if (!ReadInt32Digits(view.substr(1), false, value)) return SyntaxError(kEpochFormat);
    year = value;
    return kParseEpoch;
  }
  // Day, month and year are the digits between the slashes, added up as
  // they go by (a part beyond INT_MAX + 1 is refused, as ReadInt32Digits
  // does); only the year may begin with a minus sign.
  constexpr std::int64_t kLimit = std::int64_t{INT_MAX} + 1;
  int slashes = 0;
  bool minus = false;
  bool wrong = false;
  std::int64_t whole[3] = {0, 0, 0};
  int digits[3] = {0, 0, 0};
  bool tooBig[3] = {false, false, false};
  for (char c : text) {
    if (IsDigit(c)) {
      ++digits[slashes];
      if (!tooBig[slashes]) {
        whole[slashes] = whole[slashes] * 10 + (c - '0');
        tooBig[slashes] = whole[slashes] > kLimit;
      }
    } else if (c == '/' && slashes < 2) {
      ++slashes;
    } else if (c == '-' && slashes == 2 && digits[2] == 0 && !minus) {
      minus = true;
    } else {
      wrong = true;
    }
  }
  if (minus) whole[2] = -whole[2];
  bool fits = true;
  for (int k = 0; k < 3; ++k)
    fits = fits && digits[k] > 0 && !tooBig[k] && whole[k] <= INT_MAX;
  if (wrong || slashes != 2 || !fits) return SyntaxError(kDateFormat);
  int d = static_cast<int>(whole[0]);
  int m = static_cast<int>(whole[1]);
  int y = static_cast<int>(whole[2]);
  if (!DateExists(d, m, y)) {
    ShowMessage("Vous avez entré une date non valide.\n\nRecommencez !",
                Icon::Error);
    return kParseReported;
  }
  day = d;
  month = m;
  year = y;
  return kParseOk;
}

DateStatusPair ReadDateTimeAsJulianDay(const std::string& date,
                                       const std::string& time, JulianDay& jd) {
  int day = 0, month = 0, year = 0;
  DateStatusPair status{ParseDateField(date, day, month, year), kParseSyntax};
  if (status.date == kParseEpoch) {
    jd = (static_cast<double>(year) - 2000) * 365.25 + 2451545.0;
    return status;
  }
  double hours = 0.0;
  status.time = ParseTimeField(time, hours);
  if (status.date == kParseOk && status.time == kParseOk) {
    // A year of 32 bits is exact as a double.
    const double y1 = static_cast<double>(month < 3 ? std::int64_t{year} - 1 : year);
    // Julian calendar before 15 October 1582 (the text year.mmdd compared
    // with 1582.1015 in the original rule).
    bool julian = year < 1582 || (year == 1582 && month * 100 + day < 1015);
    double b = julian ? -2.0
                      : static_cast<double>(static_cast<std::int64_t>(
                            std::floor(y1 / 400.0) - std::floor(y1 / 100.0)));
    jd = (static_cast<double>(year) * 365.0 + 1721028.5 + 31 * month -
          kMonthOffset[month] + day) +
         std::floor(y1 / 4.0) + b + hours / 24.0;
  }
  return status;
}

double SiderealTimeAtGreenwich(JulianDay jd) {
  double d = jd - 2451545.0;
  double t = d / 36525.0;
  double r = (d - std::floor(d)) + 0.779057273 +
             t * (100.0021390378 + t * (1.0776e-06 - t * 7e-11));
  return (r - std::floor(r)) * 24.0;
}

CalendarDate JulianDayToCalendar(JulianDay jd) {
  // Outside this span the integer conversions below would not be defined;
  // callers refuse such days before asking for a date.
  if (!(std::fabs(jd) < 1e15)) jd = 0.0;
  CalendarDate c{};
  c.z = static_cast<std::int64_t>(std::floor(jd + 0.5));
  c.f = (jd + 0.5) - static_cast<double>(c.z);
  std::int64_t a = c.z;
  if (c.z >= 2299161) {
    auto alpha =
        static_cast<std::int64_t>((static_cast<double>(c.z) - 1867216.25) / 36524.25);
    a = c.z + 1 + alpha - alpha / 4;
  }
  std::int64_t b = a + 1524;
  // Below 1e15 every one of these whole numbers is exact as a double.
  auto cc = static_cast<std::int64_t>((static_cast<double>(b) - 122.1) / 365.25);
  auto d = static_cast<std::int64_t>(365.25 * static_cast<double>(cc));
  auto e = static_cast<std::int64_t>(static_cast<double>(b - d) / 30.6001);
  c.dayWithFraction =
      static_cast<double>(b - d -
                          static_cast<std::int64_t>(30.6001 * static_cast<double>(e))) +
      c.f;
  c.day = static_cast<std::int64_t>(c.dayWithFraction);
  c.month = e < 14 ? e - 1 : e - 13;
  c.year = c.month > 2 ? cc - 4716 : cc - 4715;
  c.weekday = static_cast<int>(FloorModReal(jd + 0.5, 7));
  if (c.weekday < 0 || c.weekday > 6) c.weekday = 0;
  return c;
}

void FormatJulianDayAsDate(JulianDay jd, std::string& weekday,
                           std::string& date, std::string& time) {
  CalendarDate c = JulianDayToCalendar(jd);
  weekday = kWeekdayNames[c.weekday];
  date.clear();  // "%lld/%lld/%lld"
  AppendInteger(date, c.day);
  date += '/';
  AppendInteger(date, c.month);
  date += '/';
  AppendInteger(date, c.year);
  time = FormatHours((c.dayWithFraction - static_cast<double>(c.day)) * 24,
                     "", 1, 0);
}
