#include "TriangleMath.h"

#include <cmath>


namespace triangle {

namespace {

// A cosine or a sine that rounding carried just past +-1.
double ClampUnit(double x) {
  if (x > 1.0) return 1.0;
  if (x < -1.0) return -1.0;
  return x;
}

double Half(double x) { return x / 2.0; }

double Double(double x) { return x + x; }

// Arcs are kept in [0, 2 pi): a negative one goes round once, and a
// negative zero prints as zero.
double Positive(double x) { return x < 0.0 ? x + kTwoPi : x + 0.0; }

bool Finite(const Triple& t) {
  return std::isfinite(t.first) && std::isfinite(t.second) &&
         std::isfinite(t.third);
}

// Napier's analogies: the third side and the angle between the two known
// sides, from the sides a, b and the angles A, B opposite them.
void Napier(double a, double b, double A, double B, double& c, double& C) {
  c = Double(std::atan(std::sin(Half(A + B)) * std::tan(Half(a - b)) /
                       std::sin(Half(A - B))));
  C = Double(std::atan(std::sin(Half(a - b)) /
                       (std::tan(Half(A - B)) * std::sin(Half(a + b)))));
}

}  // namespace

Choice ChooseSolution(bool second, bool firstValid, bool secondValid) {
  if (!firstValid && !secondValid) return Choice::NoSolution;
  if (!second) return firstValid ? Choice::WriteFirst : Choice::WriteSecond;
  return firstValid && secondValid ? Choice::WriteSecond
                                   : Choice::SingleSolution;
}

bool InvalidSideTriple(double x, double y, double z) {
  double xr = x < kPi ? x : kTwoPi - x;
  double yr = y < kPi ? y : kTwoPi - y;
  double zr = z < kPi ? z : kTwoPi - z;
  bool xBig = x >= kPi, yBig = y >= kPi, zBig = z >= kPi;
  if ((xBig && yBig) || (zBig && (xBig || yBig))) return true;
  if (xr + yr + zr > kTwoPi) return true;
  return yr + zr < xr || zr + xr < yr || xr + yr < zr;
}

bool SolveSphericalAngleSideSide(double A, double b, double c, Triple& out) {
  if (b >= kPi && c >= kPi) return false;
  // Cosine rule for the side, then the four-part formula for each angle.
  double a = std::acos(ClampUnit(std::cos(A) * std::sin(b) * std::sin(c) +
                                 std::cos(b) * std::cos(c)));
  if (A > kPi) a = kTwoPi - a;
  double B = std::atan2(std::sin(b) * std::sin(A),
                        std::sin(c) * std::cos(b) -
                            std::cos(A) * std::cos(c) * std::sin(b));
  double C = std::atan2(std::sin(c) * std::sin(A),
                        std::sin(b) * std::cos(c) -
                            std::cos(A) * std::cos(b) * std::sin(c));
  if (A > kPi) {
    B -= kPi;
    C -= kPi;
  }
  out = {a, Positive(B), Positive(C)};
  return true;
}

Triple SolveSphericalSideAngleAngle(double a, double B, double C) {
  // Cosine rule for the angle, then the four-part formula of the polar
  // triangle for each side.
  double A = std::acos(ClampUnit(std::cos(a) * std::sin(B) * std::sin(C) -
                                 std::cos(B) * std::cos(C)));
  if (a > kPi) A = kTwoPi - A;
  double b = std::atan2(std::sin(B) * std::sin(a),
                        std::cos(a) * std::cos(C) * std::sin(B) +
                            std::sin(C) * std::cos(B));
  double c = std::atan2(std::sin(C) * std::sin(a),
                        std::cos(a) * std::cos(B) * std::sin(C) +
                            std::sin(B) * std::cos(C));
  if (a > kPi) {
    b -= kPi;
    c -= kPi;
  }
  return {A, Positive(b), Positive(c)};
}

SidesStatus SolveSphericalThreeSides(double a, double b, double c,
                                     Triple& out) {
  if (InvalidSideTriple(a, b, c)) return SidesStatus::InvalidSides;
  const double sides[3] = {a, b, c};
  double angles[3];
  for (int k = 0; k < 3; ++k) {
    double x = sides[k], y = sides[(k + 1) % 3], z = sides[(k + 2) % 3];
    double t = (std::cos(x) - std::cos(y) * std::cos(z)) /
               (std::sin(y) * std::sin(z));
    // A t beyond +-1, or undefined where a sine vanishes: no triangle.
    if (!(std::fabs(t) <= 1.0)) return SidesStatus::NoTriangle;
    angles[k] = x < kPi ? std::acos(t) : kTwoPi - std::acos(t);
  }
  out = {angles[0], angles[1], angles[2]};
  return SidesStatus::Ok;
}

bool SolveSphericalThreeAngles(double A, double B, double C, Triple& out) {
  const double angles[3] = {A, B, C};
  double sides[3];
  for (int k = 0; k < 3; ++k) {
    double X = angles[k], Y = angles[(k + 1) % 3], Z = angles[(k + 2) % 3];
    double t = (std::cos(X) + std::cos(Y) * std::cos(Z)) /
               (std::sin(Y) * std::sin(Z));
    if (!(std::fabs(t) <= 1.0)) return false;
    sides[k] = std::acos(t);
  }
  // Angles beyond pi turn the sides opposite them (one such angle) or the
  // sides opposite the others (two of them) into their complements.
  int beyond = 0;
  for (double X : angles)
    if (X > kPi) ++beyond;
  for (int k = 0; k < 3; ++k) {
    if ((beyond == 1 && angles[k] > kPi) || (beyond == 2 && angles[k] < kPi))
      sides[k] = kTwoPi - sides[k];
  }
  out = {sides[0], sides[1], sides[2]};
  return true;
}

AmbiguousStatus SolveSphericalSideSideAngle(double a, double b, double A,
                                            TwoSolutions& out) {
  if (a >= kPi && b >= kPi) return AmbiguousStatus::TwoSidesBeyondPi;
  double product = std::sin(A) * std::sin(b);
  double sine = product / std::sin(a);  // sin B by the sine rule
  if (std::fabs(product) > std::fabs(std::sin(a)) || !std::isfinite(sine))
    return AmbiguousStatus::NoTriangle;
  double B[2] = {std::asin(sine), 0.0};
  B[1] = kPi - B[0];
  Triple* solution[2] = {&out.first, &out.second};
  bool* valid[2] = {&out.firstValid, &out.secondValid};
  for (int k = 0; k < 2; ++k) {
    double c = 0.0, C = 0.0;
    Napier(a, b, A, B[k], c, C);
    *solution[k] = {Positive(B[k]), Positive(c), Positive(C)};
    *valid[k] = Finite(*solution[k]) && !InvalidSideTriple(a, b, solution[k]->second);
  }
  return AmbiguousStatus::Ok;
}

bool SolveSphericalAngleAngleSide(double A, double B, double a,
                                  TwoSolutions& out) {
  double product = std::sin(B) * std::sin(a);
  double sine = product / std::sin(A);  // sin b by the sine rule
  if (std::fabs(product) > std::fabs(std::sin(A)) || !std::isfinite(sine))
    return false;
  double b[2] = {std::asin(sine), 0.0};
  b[1] = kPi - b[0];
  Triple* solution[2] = {&out.first, &out.second};
  bool* valid[2] = {&out.firstValid, &out.secondValid};
  for (int k = 0; k < 2; ++k) {
    double c = 0.0, C = 0.0;
    Napier(a, b[k], A, B, c, C);
    *solution[k] = {Positive(b[k]), Positive(c), Positive(C)};
    *valid[k] = Finite(*solution[k]) &&
                !InvalidSideTriple(a, solution[k]->first, solution[k]->second);
  }
  return true;
}

Triple SolvePlaneAngleSideSide(double A, double b, double c) {
  // Law of cosines; a radicand that rounding pushed below zero is zero.
  double square = b * b + c * c - std::cos(A) * (2.0 * b * c);
  double a = std::sqrt(square < 0.0 ? 0.0 : square);
  if (!std::isfinite(square)) {
    // Sides so long that their squares overflow: work in units of the
    // longer one.
    double m = std::fmax(b, c), bm = b / m, cm = c / m;
    square = bm * bm + cm * cm - std::cos(A) * (2.0 * bm * cm);
    a = m * std::sqrt(square < 0.0 ? 0.0 : square);
  }
  // Projections of b on c and across it, and of c on b.
  double B = std::atan2(b * std::sin(A), c - b * std::cos(A));
  double C = std::atan2(c * std::sin(A), b - c * std::cos(A));
  return {a, B, C};
}

bool SolvePlaneSideAngleAngle(double a, double B, double C, Triple& out) {
  if (!(B + C < kPi)) return false;
  double A = kPi - B - C;
  out = {A, a * std::sin(B) / std::sin(A), a * std::sin(C) / std::sin(A)};
  return true;
}

namespace {
Triple AnglesOfSides(double a, double b, double c) {
  return {std::acos(ClampUnit((b * b + c * c - a * a) / (2.0 * b * c))),
          std::acos(ClampUnit((c * c + a * a - b * b) / (2.0 * c * a))),
          std::acos(ClampUnit((a * a + b * b - c * c) / (2.0 * a * b)))};
}
}  // namespace

bool SolvePlaneThreeSides(double a, double b, double c, Triple& out) {
  if (a == 0.0 || b == 0.0 || c == 0.0) return false;
  if (b + c < a || c + a < b || a + b < c) return false;
  out = AnglesOfSides(a, b, c);
  if (!Finite(out)) {
    // Squares beyond the range of doubles, either way: the angles only
    // depend on the ratios of the sides.
    double m = std::fmax(a, std::fmax(b, c));
    out = AnglesOfSides(a / m, b / m, c / m);
  }
  return true;
}

bool SolvePlaneSideSideAngle(double a, double b, double A,
                             PlaneSolutions& out) {
  if (b * std::sin(A) > a) return false;
  double B1 = std::asin(b * std::sin(A) / a);  // law of sines
  double B2 = kPi - B1;
  // Projections of b and a on the third side.
  double c1 = b * std::cos(A) + a * std::cos(B1);
  double c2 = b * std::cos(A) + a * std::cos(B2);
  if (!(c1 >= 0.0)) return false;
  out.first = {c1, B1, std::atan2(c1 * std::sin(A), b - c1 * std::cos(A))};
  out.secondExists = c2 >= 0.0;
  if (out.secondExists)
    out.second = {c2, B2, std::atan2(c2 * std::sin(A), b - c2 * std::cos(A))};
  return true;
}

double ToRadians(AngleFormat format, double value) {
  return (format == AngleFormat::Radians ? value : value * kDegree) + 0.0;
}

bool PlaneAngleInRange(AngleFormat format, double value) {
  return value >= 0.0 && value < (format == AngleFormat::Radians ? kPi : 180.0);
}

bool ArcInRange(AngleFormat format, double value) {
  return value >= 0.0 && value < (format == AngleFormat::Radians ? kTwoPi : 360.0);
}

double TurnComplement(double x) { return kTwoPi - x; }

}  // namespace triangle
