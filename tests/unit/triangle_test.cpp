// The triangle solvers against triangles built from random points (on the
// sphere, in the plane) by first principles, the existence tests and the
// units worked by hand. The worked values, the choice between two
// solutions and degenerate data are checked through the forms, in
// tests/scripts (sphere144_decision, sphere144_faults, plane146_faults).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

#include "TriangleMath.h"

using namespace triangle;

namespace {

double Deg(double degrees) { return degrees * kDegree; }

// --- Geometry from first principles: no solver formula here. ---
using Vec = std::array<double, 3>;
double Dot(const Vec& p, const Vec& q) { return p[0] * q[0] + p[1] * q[1] + p[2] * q[2]; }
Vec Cross(const Vec& p, const Vec& q) {
  return {p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]};
}
// Angle between two vectors, well conditioned at every size.
double Between(const Vec& p, const Vec& q) {
  return std::atan2(std::sqrt(Dot(Cross(p, q), Cross(p, q))), Dot(p, q));
}
// Sides a, b, c and angles A, B, C of the triangle with vertices PA, PB, PC
// (unit vectors for the sphere: the angle at P lies between the planes OPQ
// and OPR; points with z = 0 for the plane).
struct Tri {
  double a, b, c, A, B, C;
};
Tri OnSphere(const Vec& PA, const Vec& PB, const Vec& PC) {
  auto corner = [](const Vec& P, const Vec& Q, const Vec& R) {
    return Between(Cross(P, Q), Cross(P, R));
  };
  return {Between(PB, PC), Between(PC, PA), Between(PA, PB),
          corner(PA, PB, PC), corner(PB, PC, PA), corner(PC, PA, PB)};
}
Tri InPlane(const Vec& PA, const Vec& PB, const Vec& PC) {
  auto minus = [](const Vec& p, const Vec& q) { return Vec{p[0] - q[0], p[1] - q[1], 0}; };
  auto length = [](const Vec& p) { return std::hypot(p[0], p[1]); };
  return {length(minus(PC, PB)), length(minus(PA, PC)), length(minus(PB, PA)),
          Between(minus(PB, PA), minus(PC, PA)), Between(minus(PC, PB), minus(PA, PB)),
          Between(minus(PA, PC), minus(PB, PC))};
}

bool WellShaped(std::initializer_list<double> values) {
  for (double v : values)
    if (v < Deg(5) || v > Deg(175)) return false;
  return true;
}
bool Near(const Triple& t, double x, double y, double z, double tol = 1e-8) {
  return std::fabs(t.first - x) < tol && std::fabs(t.second - y) < tol &&
         std::fabs(t.third - z) < tol;
}

TEST(SphericalSolvers, RandomTrianglesAreSolvedBack) {
  std::mt19937 random(20240611);
  std::normal_distribution<double> gauss(0.0, 1.0);
  auto point = [&] {
    Vec v = {gauss(random), gauss(random), gauss(random)};
    const double n = std::sqrt(Dot(v, v));
    return Vec{v[0] / n, v[1] / n, v[2] / n};
  };
  int checked = 0;
  for (int trial = 0; trial < 4000 && checked < 400; ++trial) {
    const Tri t = OnSphere(point(), point(), point());
    if (!WellShaped({t.a, t.b, t.c, t.A, t.B, t.C})) continue;
    ++checked;
    Triple r;
    ASSERT_TRUE(SolveSphericalAngleSideSide(t.A, t.b, t.c, r));
    EXPECT_TRUE(Near(r, t.a, t.B, t.C)) << "(A, b, c) " << trial;
    EXPECT_TRUE(Near(SolveSphericalSideAngleAngle(t.a, t.B, t.C), t.A, t.b, t.c)) << trial;
    ASSERT_EQ(SolveSphericalThreeSides(t.a, t.b, t.c, r), SidesStatus::Ok);
    EXPECT_TRUE(Near(r, t.A, t.B, t.C)) << "(a, b, c) " << trial;
    ASSERT_TRUE(SolveSphericalThreeAngles(t.A, t.B, t.C, r));
    EXPECT_TRUE(Near(r, t.a, t.b, t.c)) << "(A, B, C) " << trial;
    // The ambiguous cases: the true triangle is a solution declared valid.
    // Near 90 degrees the two solutions merge and the arc sine loses its
    // accuracy.
    TwoSolutions s;
    if (std::fabs(t.B - Deg(90)) > Deg(5)) {
      ASSERT_EQ(SolveSphericalSideSideAngle(t.a, t.b, t.A, s), AmbiguousStatus::Ok);
      EXPECT_TRUE((Near(s.first, t.B, t.c, t.C) && s.firstValid) ||
                  (Near(s.second, t.B, t.c, t.C) && s.secondValid)) << "(a, b, A) " << trial;
    }
    if (std::fabs(t.b - Deg(90)) > Deg(5)) {
      ASSERT_TRUE(SolveSphericalAngleAngleSide(t.A, t.B, t.a, s));
      EXPECT_TRUE((Near(s.first, t.b, t.c, t.C) && s.firstValid) ||
                  (Near(s.second, t.b, t.c, t.C) && s.secondValid)) << "(A, B, a) " << trial;
    }
  }
  EXPECT_EQ(checked, 400);
}

TEST(PlaneSolvers, RandomTrianglesAreSolvedBack) {
  std::mt19937 random(31415);
  std::uniform_real_distribution<double> coordinate(-10.0, 10.0);
  auto point = [&] { return Vec{coordinate(random), coordinate(random), 0}; };
  int checked = 0;
  for (int trial = 0; trial < 4000 && checked < 400; ++trial) {
    const Tri t = InPlane(point(), point(), point());
    if (!WellShaped({t.A, t.B, t.C})) continue;
    ++checked;
    Triple r;
    EXPECT_TRUE(Near(SolvePlaneAngleSideSide(t.A, t.b, t.c), t.a, t.B, t.C)) << trial;
    ASSERT_TRUE(SolvePlaneSideAngleAngle(t.a, t.B, t.C, r));
    EXPECT_TRUE(Near(r, t.A, t.b, t.c)) << "(a, B, C) " << trial;
    ASSERT_TRUE(SolvePlaneThreeSides(t.a, t.b, t.c, r));
    EXPECT_TRUE(Near(r, t.A, t.B, t.C)) << "(a, b, c) " << trial;
    if (std::fabs(t.B - Deg(90)) > Deg(5)) {
      // The first solution has B at most 90 degrees; a second triangle
      // exists exactly when a is shorter than b.
      PlaneSolutions s;
      ASSERT_TRUE(SolvePlaneSideSideAngle(t.a, t.b, t.A, s));
      EXPECT_EQ(s.secondExists, t.a < t.b) << trial;
      EXPECT_TRUE(Near(t.B < Deg(90) ? s.first : s.second, t.c, t.B, t.C)) << trial;
    }
  }
  EXPECT_EQ(checked, 400);
}

TEST(SphericalSolvers, InvalidSideTriple) {
  // Degrees; an arc x beyond 180 stands for 360 - x. (Triples refused, each
  // with its message: table sphere144_sides.)
  const double valid[][3] = {{50, 60, 70}, {90, 90, 90}, {100, 120, 130}, {200, 100, 90},
                             {10, 20, 340}};
  for (const auto& t : valid) EXPECT_FALSE(InvalidSideTriple(Deg(t[0]), Deg(t[1]), Deg(t[2])));
  EXPECT_FALSE(InvalidSideTriple(0.25, 0.5, 0.75));  // flat, exactly
  EXPECT_TRUE(InvalidSideTriple(Deg(10), Deg(20), Deg(40)));
}

TEST(SphericalSolvers, ExistenceAndAnglesBeyondPi) {
  Triple r, plain, one, two;
  EXPECT_FALSE(SolveSphericalAngleSideSide(Deg(30), kPi, kPi, r));
  EXPECT_TRUE(SolveSphericalAngleSideSide(Deg(30), Deg(179.9), Deg(200), r));
  // (The other statuses, each with its message: transcripts sphere144_messages
  // and sphere144_faults.)
  // One angle beyond 180 turns the side opposite it; two turn the side
  // opposite the third angle.
  ASSERT_TRUE(SolveSphericalThreeAngles(Deg(100), Deg(120), Deg(150), plain));
  ASSERT_TRUE(SolveSphericalThreeAngles(Deg(260), Deg(120), Deg(150), one));
  ASSERT_TRUE(SolveSphericalThreeAngles(Deg(260), Deg(240), Deg(150), two));
  EXPECT_NEAR(one.first + plain.first, kTwoPi, 1e-10);
  EXPECT_NEAR(two.third + plain.third, kTwoPi, 1e-10);
}

TEST(TriangleUnits, RoundedDegreeRangesAndComplement) {
  EXPECT_FALSE(std::signbit(ToRadians(AngleFormat::DecimalDegrees, -0.0)));  // -0 is 0
  // Plane angles in [0, 180) degrees or [0, 3.14159265359) radians; arcs in
  // [0, 360) or [0, 6.28318530718); NaN in neither.
  using F = AngleFormat;
  const struct { F format; double value; bool plane, arc; } rows[] = {
      {F::DecimalDegrees, 0.0, true, true},       {F::DecimalDegrees, -0.001, false, false},
      {F::SexagesimalDegrees, 179.9999, true, true}, {F::DecimalDegrees, 180.0, false, true},
      {F::SexagesimalDegrees, 360.0, false, false}, {F::Radians, 3.14159265358, true, true},
      {F::Radians, 3.14159265359, false, true},   {F::Radians, 6.28318530717, false, true},
      {F::Radians, 6.28318530718, false, false},
      {F::DecimalDegrees, std::numeric_limits<double>::quiet_NaN(), false, false}};
  for (const auto& r : rows) {
    EXPECT_EQ(PlaneAngleInRange(r.format, r.value), r.plane) << r.value;
    EXPECT_EQ(ArcInRange(r.format, r.value), r.arc) << r.value;
  }
  EXPECT_EQ(TurnComplement(0.0), 6.28318530718);
  EXPECT_NEAR(TurnComplement(1.0), 5.28318530718, 1e-15);
}

}  // namespace
