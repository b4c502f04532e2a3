// Dates, Julian Days and Greenwich sidereal time. Dates up to 4 October
// 1582 are Julian, from 15 October 1582 Gregorian; years are astronomical.
#pragma once
#include <cstdint>
#include <string>

#include "ParseStatus.h"

// Days and fraction from noon, Universal Time.
using JulianDay = double;

struct DateStatusPair {
  ParseStatus date;  // kParseEpoch for a Julian epoch "Jaaaa"
  ParseStatus time;  // meaningless when date is kParseEpoch
};

extern const char* const kWeekdayNames[7];   // 0 is "lundi"
extern const char* const kMonthNames[13];    // 1 is "janvier"

// Reads "jj/mm/[-]aaaa" or "Jaaaa"; shows its own messages.
ParseStatus ParseDateField(const std::string& text, int& day, int& month, int& year);

// Whether the date exists in the program's calendar: Julian up to 4 October
// 1582, Gregorian from 15 October 1582, astronomical years.
bool DateExists(int day, int month, int year);

// Reads a date and a time of day; the Julian Day is written when the date
// status is 2, or when both statuses are 1. The time is read even when the
// date failed (not for a Julian epoch).
DateStatusPair ReadDateTimeAsJulianDay(const std::string& date,
                                       const std::string& time, JulianDay& jd);

// From here on the day-count conversion no longer keeps whole days exact
// (past the year 2 700 000): no date is computed for this Julian Day or later.
inline constexpr double kLargestJulianDay = 1e9;

// Greenwich mean sidereal time in hours, in [0, 24).
double SiderealTimeAtGreenwich(JulianDay jd);

// The calendar date of a Julian Day of 0 or more.
struct CalendarDate {
  std::int64_t z;           // floor(jd + 0.5)
  double f;                 // (jd + 0.5) - z
  double dayWithFraction;
  std::int64_t day, month, year;
  int weekday;              // index into kWeekdayNames
};
CalendarDate JulianDayToCalendar(JulianDay jd);

// Weekday name, "d/m/y" and the time of day of FormatHours (precision 1).
void FormatJulianDayAsDate(JulianDay jd, std::string& weekday,
                           std::string& date, std::string& time);
