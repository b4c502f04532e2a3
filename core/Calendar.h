// Dates and Julian Days. Dates up to 4 October 1582 are Julian, from 15
// October 1582 Gregorian; years are astronomical (year 0 exists).
#pragma once
#include <cstdint>
#include <string>

#include "ParseStatus.h"

// Days and fraction from noon, Universal Time.
using JulianDay = double;

struct DateStatusPair {
  ParseStatus date;  // Epoch for a Julian epoch "Jaaaa"
  ParseStatus time;  // not read (Empty) when date is Epoch
};

// The French names, data of the calendar (not messages).
extern const char* const kWeekdayNames[7];   // 0 is "lundi"
extern const char* const kMonthNames[13];    // 1 is "janvier"

// Reads "jj/mm/[-]aaaa" (Ok, day, month and year set) or "Jaaaa" (Epoch,
// only year set); otherwise Empty, DateSyntax, EpochSyntax or NoSuchDate.
ParseStatus ParseDateField(const std::string& text, int& day, int& month, int& year);

// Whether the date exists in the program's calendar (the design's rule):
// Julian leap years up to 1582, Gregorian after, the ten days from 5 to 14
// October 1582 dropped; astronomical years.
bool DateExists(int day, int month, int year);

// Reads a date and a time of day; the Julian Day is written when the date
// status is Epoch, or when both statuses are Ok. The time is read even when
// the date failed (not for a Julian epoch), so both may have failed.
// Julian Day of a calendar date: the design's rule, a day count with the
// month-offset table K (31 x month - K[month]) and the Gregorian correction
// from 15 October 1582; it gives the Julian Days of Meeus, Astronomical
// Algorithms, ch. 7. A Julian epoch: J2000.0 (JD 2451545.0) plus 365.25
// days a year, the IAU definition. In days from noon, Universal Time.
DateStatusPair ReadDateTimeAsJulianDay(const std::string& date,
                                       const std::string& time, JulianDay& jd);

// From here on the day-count conversion no longer keeps whole days exact
// (past the year 2 700 000): no date is computed for this Julian Day or later.
inline constexpr double kLargestJulianDay = 1e9;

// The calendar date of a Julian Day of 0 or more (Meeus, Astronomical
// Algorithms, ch. 7, "Calculation of the calendar date from the JD").
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
