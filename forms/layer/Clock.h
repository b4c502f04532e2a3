// The clock behind "Maintenant": the system clock in Universal Time, or an
// instant fixed by a host (the headless driver's `clock`, tests).
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "Calendar.h"

// A Gregorian date and a whole-second time of day, Universal Time.
struct UtInstant {
  int year = 2000, month = 1, day = 1;
  int hour = 0, minute = 0, second = 0;
};

// Where the current instant comes from; an empty source means the system
// clock.
using ClockSource = std::function<UtInstant()>;
// Installs a source and returns the previous one.
ClockSource SetClockSource(ClockSource source);

// The current instant in Universal Time, whatever the machine's time zone.
UtInstant CurrentUt();

// True for an instant the forms read as the same day: a real Gregorian date
// of the years 1583 to 9999 and a time from 00:00:00 to 23:59:59.
bool IsUsableInstant(const UtInstant& t);

// Reads "YYYY-MM-DD HH:MM:SS" (exactly these digits); nullopt when the text
// is not of that form or the instant is not usable.
std::optional<UtInstant> ParseUtInstant(const std::string& text);

// The texts "Maintenant" puts into the fields: the date "jj/mm/aaaa", the
// time "hh:mm:ss", and the Julian Day of that instant as the forms print
// it ("%.7f", read back from those very texts).
struct NowTexts {
  std::string date, time, julianDay;
};
// nullopt when the instant is not usable (the fields are then left alone).
std::optional<NowTexts> TextsOfInstant(const UtInstant& t);
