#include "Angles.h"

#include <cmath>
#include <cstdint>

#include "Printf.h"

namespace {
const char kDegreeSign[] = "\xC2\xB0";

struct Split {
  double whole;    // integer part, with the sign of the value
  double minutes;  // whole minutes
  double seconds;
};

Split SplitSexagesimal(double x) {
  double whole = 0.0;
  double fraction = std::modf(x, &whole);
  double minutes = std::fabs(fraction * 60.0);
  double wholeMinutes = 0.0;
  double rest = std::modf(minutes, &wholeMinutes);
  return {whole, wholeMinutes, rest * 60.0};
}

void Carry(Split& parts, double x) {
  parts.seconds = 0.0;
  parts.minutes += 1.0;
  if (parts.minutes == 60.0) {
    parts.minutes = 0.0;
    parts.whole += (x < 0.0) ? -1.0 : 1.0;
  }
}
}  // namespace

int FloorModInt(int a, int n) {
  if (n == 0) return a;  // no remainder to take; avoids a division by zero
  std::int64_t q = static_cast<std::int64_t>(std::floor(a / static_cast<double>(n)));
  return static_cast<int>(a - std::int64_t{n} * q);
}

double FloorModReal(double x, int n) {
  double r = x - std::floor(x / n) * n;
  // Rounding of the quotient can leave r a hair outside [0, n): just below
  // a multiple of n it may come out negative, and a tiny negative x gives n
  // itself; both are brought back into the range.
  if (n > 0) {
    if (r < 0.0) r += n;
    if (r >= n) r = 0.0;
  }
  return r;
}

std::string FormatDegrees(double angle, int precision, double offset) {
  double x = FloorModReal(angle + offset, 360) - offset;
  Split p = SplitSexagesimal(x);
  if (p.seconds >= 59.5) Carry(p, x);
  double d = FloorModReal(p.whole + offset, 360) - offset + 0.0;
  double threshold =
      precision == 0 ? -0.0001388888888888889 : -1.388888888888889e-06;
  bool negativeZero = d == 0.0 && x <= threshold;
  // "%.0lf° %.0lf' %.*lf\"" (precision 0 or 2), or "- 0° ..." for a
  // negative angle of less than one degree.
  std::string text;
  if (negativeZero) {
    text = "- 0";
  } else {
    AppendFixed(text, d, 0);
  }
  text += kDegreeSign;
  text += ' ';
  AppendFixed(text, p.minutes, 0);
  text += "' ";
  AppendFixed(text, p.seconds, precision == 0 ? 0 : 2);
  text += '"';
  return text;
}

std::string FormatHours(double value, const std::string& suffix,
                        int precision, double offset) {
  double x = FloorModReal(value + offset, 24) - offset;
  Split p = SplitSexagesimal(x);
  if ((precision == 1 && p.seconds >= 59.95) ||
      (precision == 3 && p.seconds > 59.9995))
    Carry(p, x);
  double h = p.whole + 0.0;
  bool negativeZero = h == 0.0 && x < 0.0;
  // "%.0lfh %.0lfm %.*lfs" (precision 1 or 3), or "- 0h ..." for a negative
  // value of less than one hour.
  std::string text;
  if (negativeZero) {
    text = "- 0";
  } else {
    AppendFixed(text, h, 0);
  }
  text += "h ";
  AppendFixed(text, p.minutes, 0);
  text += "m ";
  AppendFixed(text, p.seconds, precision == 1 ? 1 : 3);
  text += 's';
  return text + suffix;
}

std::string ToColonForm(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (text.compare(i, 2, kDegreeSign) == 0) {
      out += ':';
      ++i;
    } else if (c == 'h' || c == 'd' || c == 'm' || c == '\'') {
      out += ':';
    } else if (c == ' ' || c == 's' || c == '"') {
    } else {
      out += c;
    }
  }
  return out;
}
