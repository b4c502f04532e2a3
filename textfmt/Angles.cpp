#include "textfmt/Angles.h"

#include <cmath>
#include <cstdint>

#include "textfmt/Printf.h"

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
  std::string deg = kDegreeSign;
  if (precision == 0) {
    if (negativeZero)
      return Format(("- 0" + deg + " %.0lf' %.0lf\"").c_str(), p.minutes,
                    p.seconds);
    return Format(("%.0lf" + deg + " %.0lf' %.0lf\"").c_str(), d, p.minutes,
                  p.seconds);
  }
  if (negativeZero)
    return Format(("- 0" + deg + " %.0lf' %.2lf\"").c_str(), p.minutes,
                  p.seconds);
  return Format(("%.0lf" + deg + " %.0lf' %.2lf\"").c_str(), d, p.minutes,
                p.seconds);
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
  std::string text;
  if (precision == 1) {
    text = negativeZero ? Format("- 0h %.0lfm %.1lfs", p.minutes, p.seconds)
                        : Format("%.0lfh %.0lfm %.1lfs", h, p.minutes, p.seconds);
  } else {
    text = negativeZero ? Format("- 0h %.0lfm %.3lfs", p.minutes, p.seconds)
                        : Format("%.0lfh %.0lfm %.3lfs", h, p.minutes, p.seconds);
  }
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
