#include "Calendar.h"

#include <climits>
#include <cmath>

#include "Angles.h"
#include "Parse.h"
#include "Printf.h"

const char* const kWeekdayNames[7] = {"lundi",    "mardi",  "mercredi", "jeudi",
                                      "vendredi", "samedi", "dimanche"};
const char* const kMonthNames[13] = {
    "",     "janvier", "février", "mars",      "avril",   "mai",     "juin",
    "juillet", "août", "septembre", "octobre", "novembre", "décembre"};

namespace {

const int kMonthOffset[13] = {0, 0, 0, 3, 3, 4, 4, 5, 5, 5, 6, 6, 7};
const int kMonthLength[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool DateExists(int day, int month, int year) {
  // A zero remainder is the same for the floored and the truncated one.
  bool leap = year % 4 == 0 && (year <= 1582 || year % 100 != 0 || year % 400 == 0);
  return month >= 1 && month <= 12 && day >= 1 &&
         day <= kMonthLength[month] + ((month == 2 && leap) ? 1 : 0) &&
         !(year == 1582 && month == 10 && day >= 5 && day <= 14);
}

ParseStatus ParseDateField(const std::string& text, int& day, int& month, int& year) {
  if (text.empty()) return ParseStatus::Empty;
  std::string_view view(text);
  if (text[0] == 'J') {
    int value = 0;
    if (!ReadInt32Digits(view.substr(1), false, value)) return ParseStatus::EpochSyntax;
    year = value;
    return ParseStatus::Epoch;
  }
  // Digits and two slashes; a minus sign only right after the second one.
  std::size_t slash[2] = {0, 0};
  int slashes = 0;
  bool minus = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (IsDigit(c)) continue;
    if (c == '/' && slashes < 2) {
      slash[slashes++] = i;
    } else if (c == '-' && slashes == 2 && i == slash[1] + 1) {
      minus = true;
    } else {
      return ParseStatus::DateSyntax;
    }
  }
  if (slashes != 2) return ParseStatus::DateSyntax;
  // Every part must hold a number that fits in 32 bits.
  const std::size_t yearStart = slash[1] + 1 + (minus ? 1 : 0);
  int d = 0, m = 0, y = 0;
  if (!ReadInt32Digits(view.substr(0, slash[0]), false, d) ||
      !ReadInt32Digits(view.substr(slash[0] + 1, slash[1] - slash[0] - 1), false, m) ||
      !ReadInt32Digits(view.substr(yearStart), minus, y))
    return ParseStatus::DateSyntax;
  if (!DateExists(d, m, y)) return ParseStatus::NoSuchDate;
  day = d;
  month = m;
  year = y;
  return ParseStatus::Ok;
}

DateStatusPair ReadDateTimeAsJulianDay(const std::string& date,
                                       const std::string& time, JulianDay& jd) {
  int day = 0, month = 0, year = 0;
  // For a Julian epoch the time is not read: its status stays Empty.
  DateStatusPair status{ParseDateField(date, day, month, year), ParseStatus::Empty};
  if (status.date == ParseStatus::Epoch) {
    jd = (static_cast<double>(year) - 2000) * 365.25 + 2451545.0;
    return status;
  }
  double hours = 0.0;
  status.time = ParseTimeField(time, hours);
  if (status.date == ParseStatus::Ok && status.time == ParseStatus::Ok) {
    // A year of 32 bits is exact as a double.
    const double y1 = static_cast<double>(month < 3 ? std::int64_t{year} - 1 : year);
    // Julian calendar before 15 October 1582 (the design's rule compares
    // the number year.mmdd with 1582.1015).
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
