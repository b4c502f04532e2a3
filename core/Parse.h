// Parsing of the texts typed in input fields. Each returns a ParseStatus
// and writes the value only when it is Ok (ParseTimeField also for
// HourOutOfRange); nothing is shown.
#pragma once
#include <string>
#include <string_view>

#include "ParseStatus.h"

// [+|-]digits with at most one point or comma: Ok, Empty or Syntax.
ParseStatus ParseDecimalField(const std::string& text, double& value);
// [+|-]u:m:s[.s]: Ok, Empty, Syntax or SixtyOrMore.
ParseStatus ParseSexagesimal(const std::string& text, double& value);
// A sexagesimal time of day in [0, 24) h: Ok, Empty, SixtyOrMore,
// TimeSyntax or HourOutOfRange.
ParseStatus ParseTimeField(const std::string& text, double& hours);

// Whole-number fields (number of points, height in metres): only the first
// 31 characters count; blanks or tabs, an optional sign, digits, blanks or
// tabs. Values past the 32-bit range are clamped. Zero is accepted only
// when its first non-blank character is the digit 0. Returns true and sets
// value on success; shows nothing.
bool ParseWholeNumber(const std::string& text, int& value);

// The one reader of a part of digits (a sexagesimal unit or minute, a day,
// a month, a year): an unsigned run of decimal digits, negated when asked,
// into a 32-bit int; false when it is empty, holds anything but digits or
// does not fit.
bool ReadInt32Digits(std::string_view digits, bool negative, int& value);

// Reads [digits][.digits] as a double, independently of the C locale.
// False when no digit is present or the value is not finite.
bool ReadPlainDecimal(std::string_view text, double& value);
