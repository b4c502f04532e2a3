// Printing of angles in degrees and of hours, and the way back to the
// colon form that users type. The rules are the design's own: a value is
// split into whole units, minutes and seconds, the seconds rounded to the
// printed precision with the carry into minutes and units.
#pragma once
#include <string>

// a - n * floor(a / n), in [0, n) for n > 0 (computed without overflow).
int FloorModInt(int a, int n);
// x - floor(x / n) * n, in [0, n) for n > 0.
double FloorModReal(double x, int n);

// Degrees (an angle in degrees) in [-offset, 360 - offset): precision 0 prints whole seconds,
// any other value two decimals. The degree sign is UTF-8.
std::string FormatDegrees(double angle, int precision, double offset);

// Hours (a value in hours) in [-offset, 24 - offset) followed by suffix: precision 1 prints
// seconds with one decimal, any other value three decimals.
std::string FormatHours(double value, const std::string& suffix,
                        int precision, double offset);

// "12h 30m 5.0s" -> "12:30:5.0", "- 0° 30' 5\"" -> "-0:30:5".
std::string ToColonForm(const std::string& text);
