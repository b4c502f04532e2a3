// The triangle solvers: random triangles built from points (on the sphere,
// in the plane) and checked against the laws, the existence tests, the
// decision between two solutions, degenerate data, and the units worked by
// hand. The worked values are checked through the forms, in tests/scripts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <limits>

#include "TriangleMath.h"

using namespace triangle;

namespace {

constexpr double kTruePi = 3.14159265358979323846;

double Deg(double degrees) { return degrees * kDegree; }

// --- Geometry written from first principles: no solver formula here. ---

using Vec = std::array<double, 3>;

double Dot(const Vec& p, const Vec& q) {
  return p[0] * q[0] + p[1] * q[1] + p[2] * q[2];
}
Vec Cross(const Vec& p, const Vec& q) {
  return {p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2],
          p[0] * q[1] - p[1] * q[0]};
}
double Norm(const Vec& p) { return std::sqrt(Dot(p, p)); }
// Angle between two vectors, well conditioned at every size.
double Between(const Vec& p, const Vec& q) {
  return std::atan2(Norm(Cross(p, q)), Dot(p, q));
}
// Angle at vertex P of the spherical triangle PQR: between the planes OPQ
// and OPR.
double Corner(const Vec& P, const Vec& Q, const Vec& R) {
  return Between(Cross(P, Q), Cross(P, R));
}

struct Sphere {
  double a, b, c, A, B, C;
};

Sphere FromVertices(const Vec& PA, const Vec& PB, const Vec& PC) {
  return {Between(PB, PC),        Between(PC, PA),        Between(PA, PB),
          Corner(PA, PB, PC), Corner(PB, PC, PA), Corner(PC, PA, PB)};
}

struct Plane {
  double a, b, c, A, B, C;
};

Plane FromPoints(double ax, double ay, double bx, double by, double cx,
                 double cy) {
  auto angleAt = [](double px, double py, double qx, double qy, double rx,
                    double ry) {
    double ux = qx - px, uy = qy - py, vx = rx - px, vy = ry - py;
    return std::atan2(std::fabs(ux * vy - uy * vx), ux * vx + uy * vy);
  };
  return {std::hypot(cx - bx, cy - by), std::hypot(ax - cx, ay - cy),
          std::hypot(bx - ax, by - ay), angleAt(ax, ay, bx, by, cx, cy),
          angleAt(bx, by, cx, cy, ax, ay), angleAt(cx, cy, ax, ay, bx, by)};
}

// The laws, as residuals that vanish on a true spherical triangle.
void ExpectSphericalLaws(const Sphere& t, const char* where) {
  const double s[3] = {t.a, t.b, t.c};
  const double S[3] = {t.A, t.B, t.C};
  for (int k = 0; k < 3; ++k) {
    int i = (k + 1) % 3, j = (k + 2) % 3;
    // Sine rule.
    EXPECT_NEAR(std::sin(s[k]) * std::sin(S[i]), std::sin(s[i]) * std::sin(S[k]),
                1e-9)
        << where;
    // Cosine rule for the sides and for the angles.
    EXPECT_NEAR(std::cos(s[k]),
                std::cos(s[i]) * std::cos(s[j]) +
                    std::sin(s[i]) * std::sin(s[j]) * std::cos(S[k]),
                1e-9)
        << where;
    EXPECT_NEAR(std::cos(S[k]),
                -std::cos(S[i]) * std::cos(S[j]) +
                    std::sin(S[i]) * std::sin(S[j]) * std::cos(s[k]),
                1e-9)
        << where;
  }
}

void ExpectPlaneLaws(const Plane& t, const char* where) {
  const double s[3] = {t.a, t.b, t.c};
  const double S[3] = {t.A, t.B, t.C};
  double scale = std::fmax(t.a, std::fmax(t.b, t.c));
  EXPECT_NEAR(t.A + t.B + t.C, kTruePi, 1e-9) << where;
  for (int k = 0; k < 3; ++k) {
    int i = (k + 1) % 3, j = (k + 2) % 3;
    EXPECT_NEAR(s[k] * std::sin(S[i]), s[i] * std::sin(S[k]), 1e-9 * scale)
        << where;
    EXPECT_NEAR(s[k] * s[k],
                s[i] * s[i] + s[j] * s[j] - 2 * s[i] * s[j] * std::cos(S[k]),
                1e-9 * scale * scale)
        << where;
  }
}

bool WellShaped(std::initializer_list<double> values) {
  for (double v : values)
    if (v < Deg(5) || v > Deg(175)) return false;
  return true;
}

bool Near(const Triple& t, double x, double y, double z, double tol) {
  return std::fabs(t.first - x) < tol && std::fabs(t.second - y) < tol &&
         std::fabs(t.third - z) < tol;
}

// --- Random triangles checked against their own construction. ---

TEST(SphericalSolvers, RandomTrianglesSatisfyTheLaws) {
  std::mt19937 random(20240611);
  std::normal_distribution<double> gauss(0.0, 1.0);
  auto point = [&] {
    Vec v = {gauss(random), gauss(random), gauss(random)};
    double n = Norm(v);
    return Vec{v[0] / n, v[1] / n, v[2] / n};
  };
  int checked = 0;
  for (int trial = 0; trial < 4000 && checked < 400; ++trial) {
    Vec PA = point(), PB = point(), PC = point();
    Sphere t = FromVertices(PA, PB, PC);
    if (!WellShaped({t.a, t.b, t.c, t.A, t.B, t.C})) continue;
    ++checked;
    const double tol = 1e-8;
    Triple r;
    ASSERT_TRUE(SolveSphericalAngleSideSide(t.A, t.b, t.c, r));
    EXPECT_TRUE(Near(r, t.a, t.B, t.C, tol)) << "(A, b, c) trial " << trial;
    ExpectSphericalLaws({r.first, t.b, t.c, t.A, r.second, r.third}, "(A, b, c)");

    r = SolveSphericalSideAngleAngle(t.a, t.B, t.C);
    EXPECT_TRUE(Near(r, t.A, t.b, t.c, tol)) << "(a, B, C) trial " << trial;
    ExpectSphericalLaws({t.a, r.second, r.third, r.first, t.B, t.C}, "(a, B, C)");

    ASSERT_EQ(SolveSphericalThreeSides(t.a, t.b, t.c, r), SidesStatus::Ok);
    EXPECT_TRUE(Near(r, t.A, t.B, t.C, tol)) << "(a, b, c) trial " << trial;
    EXPECT_FALSE(InvalidSideTriple(t.a, t.b, t.c));

    ASSERT_TRUE(SolveSphericalThreeAngles(t.A, t.B, t.C, r));
    EXPECT_TRUE(Near(r, t.a, t.b, t.c, tol)) << "(A, B, C) trial " << trial;

    // The ambiguous cases: the true triangle is one of the two solutions,
    // and that one is declared valid. Close to 90 degrees the two
    // solutions merge and the arc sine loses its accuracy.
    if (std::fabs(t.B - Deg(90)) > Deg(5)) {
      TwoSolutions s;
      ASSERT_EQ(SolveSphericalSideSideAngle(t.a, t.b, t.A, s), AmbiguousStatus::Ok);
      bool first = Near(s.first, t.B, t.c, t.C, tol);
      bool second = Near(s.second, t.B, t.c, t.C, tol);
      EXPECT_TRUE((first && s.firstValid) || (second && s.secondValid))
          << "(a, b, A) trial " << trial;
      const Triple& k = first ? s.first : s.second;
      ExpectSphericalLaws({t.a, t.b, k.second, t.A, k.first, k.third}, "(a, b, A)");
    }
    if (std::fabs(t.b - Deg(90)) > Deg(5)) {
      TwoSolutions s;
      ASSERT_TRUE(SolveSphericalAngleAngleSide(t.A, t.B, t.a, s));
      bool first = Near(s.first, t.b, t.c, t.C, tol);
      bool second = Near(s.second, t.b, t.c, t.C, tol);
      EXPECT_TRUE((first && s.firstValid) || (second && s.secondValid))
          << "(A, B, a) trial " << trial;
      const Triple& k = first ? s.first : s.second;
      ExpectSphericalLaws({t.a, k.first, k.second, t.A, t.B, k.third}, "(A, B, a)");
    }
  }
  EXPECT_EQ(checked, 400);
}

TEST(PlaneSolvers, RandomTrianglesSatisfyTheLaws) {
  std::mt19937 random(31415);
  std::uniform_real_distribution<double> coordinate(-10.0, 10.0);
  int checked = 0;
  for (int trial = 0; trial < 4000 && checked < 400; ++trial) {
    Plane t = FromPoints(coordinate(random), coordinate(random),
                         coordinate(random), coordinate(random),
                         coordinate(random), coordinate(random));
    if (!WellShaped({t.A, t.B, t.C})) continue;
    ++checked;
    const double tol = 1e-8;
    Triple r = SolvePlaneAngleSideSide(t.A, t.b, t.c);
    EXPECT_TRUE(Near(r, t.a, t.B, t.C, tol)) << "(A, b, c) trial " << trial;
    ExpectPlaneLaws({r.first, t.b, t.c, t.A, r.second, r.third}, "(A, b, c)");

    ASSERT_TRUE(SolvePlaneSideAngleAngle(t.a, t.B, t.C, r));
    EXPECT_TRUE(Near(r, t.A, t.b, t.c, tol)) << "(a, B, C) trial " << trial;

    ASSERT_TRUE(SolvePlaneThreeSides(t.a, t.b, t.c, r));
    EXPECT_TRUE(Near(r, t.A, t.B, t.C, tol)) << "(a, b, c) trial " << trial;
    ExpectPlaneLaws({t.a, t.b, t.c, r.first, r.second, r.third}, "(a, b, c)");

    if (std::fabs(t.B - Deg(90)) > Deg(5)) {
      PlaneSolutions s;
      ASSERT_TRUE(SolvePlaneSideSideAngle(t.a, t.b, t.A, s));
      // The first solution is the one with B at most 90 degrees.
      bool acute = t.B < kTruePi / 2;
      const Triple& k = acute ? s.first : s.second;
      ASSERT_TRUE(acute || s.secondExists) << "trial " << trial;
      EXPECT_TRUE(Near(k, t.c, t.B, t.C, tol)) << "(a, b, A) trial " << trial;
      // A second triangle exists exactly when a is shorter than b.
      EXPECT_EQ(s.secondExists, t.a < t.b) << "trial " << trial;
      if (s.secondExists) {
        const Triple& o = s.second;
        ExpectPlaneLaws({t.a, t.b, o.first, t.A, o.second, o.third}, "second");
      }
    }
  }
  EXPECT_EQ(checked, 400);
}

// --- Existence tests. ---

TEST(SphericalSolvers, InvalidSideTriple) {
  struct Case {
    double x, y, z;
    bool invalid;
  };
  const Case cases[] = {
      {50, 60, 70, false},
      {10, 20, 40, true},    // 10 + 20 < 40
      {90, 90, 90, false},
      {150, 150, 150, true},  // perimeter beyond 360
      {100, 120, 130, false},
      {200, 100, 90, false},   // 200 stands for 160
      {200, 190, 10, true},    // two arcs beyond 180
      {200, 20, 190, true},
      {10, 20, 200, true},     // 200 stands for 160 > 10 + 20
      {10, 20, 340, false},    // 340 stands for 20
      {10, 20, 320, true},     // 320 stands for 40 > 10 + 20
      {180, 180, 10, true},    // 180 counts as beyond
      {180, 10, 10, true},     // 180 stands for 180 > 10 + 10
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InvalidSideTriple(Deg(c.x), Deg(c.y), Deg(c.z)), c.invalid)
        << c.x << " " << c.y << " " << c.z;
  }
  EXPECT_FALSE(InvalidSideTriple(0.1, 0.2, 0.3));  // flat: 0.1 + 0.2 > 0.3
  EXPECT_FALSE(InvalidSideTriple(0.25, 0.5, 0.75));  // flat, exactly
}

TEST(SphericalSolvers, ExistenceTests) {
  Triple r;
  TwoSolutions s;
  EXPECT_FALSE(SolveSphericalAngleSideSide(Deg(30), Deg(180), Deg(200), r));
  EXPECT_FALSE(SolveSphericalAngleSideSide(Deg(30), kPi, kPi, r));
  EXPECT_TRUE(SolveSphericalAngleSideSide(Deg(30), Deg(179.9), Deg(200), r));
  // A flat triple passes the side test, then rounding carries t past 1.
  EXPECT_EQ(SolveSphericalThreeSides(Deg(1), Deg(1), Deg(2), r),
            SidesStatus::NoTriangle);
  // Angles that add up to less than 180 degrees.
  EXPECT_FALSE(SolveSphericalThreeAngles(Deg(30), Deg(30), Deg(30), r));
  EXPECT_EQ(SolveSphericalSideSideAngle(Deg(180), Deg(200), Deg(30), s),
            AmbiguousStatus::TwoSidesBeyondPi);
  EXPECT_EQ(SolveSphericalSideSideAngle(Deg(30), Deg(60), Deg(80), s),
            AmbiguousStatus::NoTriangle);
  EXPECT_FALSE(SolveSphericalAngleAngleSide(Deg(30), Deg(80), Deg(60), s));
}

TEST(SphericalSolvers, AnglesBeyondPiTurnTheSides) {
  // The complementary triangle, with the angles 360 - A, 360 - B,
  // 360 - C, has the same sides (to the rounded constants).
  Triple plain, turned;
  ASSERT_TRUE(SolveSphericalThreeAngles(Deg(100), Deg(120), Deg(150), plain));
  ASSERT_TRUE(SolveSphericalThreeAngles(Deg(260), Deg(240), Deg(210), turned));
  EXPECT_NEAR(turned.first, plain.first, 1e-10);
  EXPECT_NEAR(turned.second, plain.second, 1e-10);
  EXPECT_NEAR(turned.third, plain.third, 1e-10);
  // One angle beyond 180 turns the side opposite it; two turn the side
  // opposite the third angle.
  Triple one, two;
  ASSERT_TRUE(SolveSphericalThreeAngles(Deg(260), Deg(120), Deg(150), one));
  ASSERT_TRUE(SolveSphericalThreeAngles(Deg(260), Deg(240), Deg(150), two));
  EXPECT_NEAR(one.first + plain.first, kTwoPi, 1e-10);
  EXPECT_NEAR(two.third + plain.third, kTwoPi, 1e-10);
}

// --- The choice between two solutions. ---

TEST(SphericalSolvers, DecisionTable) {
  struct Row {
    bool secondButton, firstValid, secondValid;
    Choice choice;
  };
  const Row rows[] = {
      {false, true, true, Choice::WriteFirst},
      {false, true, false, Choice::WriteFirst},
      {false, false, true, Choice::WriteSecond},
      {false, false, false, Choice::NoSolution},
      {true, true, true, Choice::WriteSecond},
      {true, true, false, Choice::SingleSolution},
      {true, false, true, Choice::SingleSolution},
      {true, false, false, Choice::NoSolution},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(ChooseSolution(r.secondButton, r.firstValid, r.secondValid), r.choice)
        << r.secondButton << r.firstValid << r.secondValid;
  }
}

TEST(SphericalSolvers, ValidityOfTheTwoSolutionsOnRealData) {
  struct Case {
    double p, q, r;  // (a, b, A) or (A, B, a), degrees
    bool firstValid, secondValid;
  };
  const Case sideSideAngle[] = {
      {50, 40, 60, true, true},
      {20, 190, 30, false, true},
      {20, 350, 30, true, false},
      {10, 200, 30, false, false},
  };
  for (const Case& c : sideSideAngle) {
    TwoSolutions s;
    ASSERT_EQ(SolveSphericalSideSideAngle(Deg(c.p), Deg(c.q), Deg(c.r), s),
              AmbiguousStatus::Ok);
    EXPECT_EQ(s.firstValid, c.firstValid) << c.p << " " << c.q << " " << c.r;
    EXPECT_EQ(s.secondValid, c.secondValid) << c.p << " " << c.q << " " << c.r;
  }
  const Case angleAngleSide[] = {
      {60, 50, 70, true, true},
      {20, 190, 30, false, true},
      {20, 190, 210, true, false},
      {10, 20, 210, false, false},
  };
  for (const Case& c : angleAngleSide) {
    TwoSolutions s;
    ASSERT_TRUE(SolveSphericalAngleAngleSide(Deg(c.p), Deg(c.q), Deg(c.r), s));
    EXPECT_EQ(s.firstValid, c.firstValid) << c.p << " " << c.q << " " << c.r;
    EXPECT_EQ(s.secondValid, c.secondValid) << c.p << " " << c.q << " " << c.r;
  }
}

// --- Rounding and undefined values never reach a result. ---

TEST(SphericalSolvers, CosinesCarriedPastOneAreClamped) {
  Triple r;
  // cos 0 sin^2 b + cos^2 b rounds to just above 1 for b = 22 degrees.
  ASSERT_TRUE(SolveSphericalAngleSideSide(0.0, Deg(22), Deg(22), r));
  EXPECT_EQ(r.first, 0.0);
  EXPECT_TRUE(std::isfinite(r.second) && std::isfinite(r.third));
  // sin B sin C - cos B cos C rounds to just above 1.
  r = SolveSphericalSideAngleAngle(0.0, Deg(2.9), Deg(177.1));
  EXPECT_EQ(r.first, 0.0);
  EXPECT_TRUE(std::isfinite(r.second) && std::isfinite(r.third));
}

TEST(SphericalSolvers, UndefinedValuesMeanNoTriangle) {
  Triple r;
  // A side of 0: t is 0 / 0.
  EXPECT_EQ(SolveSphericalThreeSides(Deg(50), 0.0, Deg(50), r),
            SidesStatus::NoTriangle);
  TwoSolutions s;
  // sin B = 0 / 0.
  EXPECT_EQ(SolveSphericalSideSideAngle(0.0, 0.0, Deg(30), s),
            AmbiguousStatus::NoTriangle);
  EXPECT_FALSE(SolveSphericalAngleAngleSide(0.0, Deg(30), 0.0, s));
  // a = b and A = B: Napier's analogies give 0 / 0 for the first
  // solution, which is then not valid; the second one stands.
  ASSERT_EQ(SolveSphericalSideSideAngle(Deg(10), Deg(10), Deg(10), s),
            AmbiguousStatus::Ok);
  EXPECT_FALSE(s.firstValid);
  EXPECT_TRUE(s.secondValid);
  EXPECT_NEAR(s.second.first, Deg(170), 1e-9);
  EXPECT_NEAR(s.second.second, 0.0, 1e-12);
  EXPECT_GE(s.second.second, 0.0);  // never printed "-0,00000"
  // Likewise a = b1 and A = B; the second solution is the flat lune.
  ASSERT_TRUE(SolveSphericalAngleAngleSide(Deg(10), Deg(10), Deg(10), s));
  EXPECT_FALSE(s.firstValid);
  EXPECT_TRUE(s.secondValid);
  EXPECT_NEAR(s.second.first, Deg(170), 1e-9);
  EXPECT_NEAR(s.second.second, Deg(180), 1e-9);
}

TEST(PlaneSolvers, DegenerateData) {
  Triple r;
  // Flat triangles whose cosines round past 1.
  ASSERT_TRUE(SolvePlaneThreeSides(0.1, 0.3, 0.4, r));
  EXPECT_TRUE(Near(r, 0.0, 0.0, Deg(180), 1e-9));
  EXPECT_GE(std::fmin(r.first, r.second), 0.0);
  // A side of 0 leaves the angles undefined.
  EXPECT_FALSE(SolvePlaneThreeSides(0, 1, 1, r));
  EXPECT_FALSE(SolvePlaneThreeSides(1, 0, 1, r));
  EXPECT_FALSE(SolvePlaneThreeSides(0, 0, 0, r));
  // B + C equal to the pi constant leaves no angle A.
  EXPECT_FALSE(SolvePlaneSideAngleAngle(1, kPi / 2, kPi / 2, r));
  EXPECT_FALSE(SolvePlaneSideAngleAngle(1, 0.0, kPi - 0.0, r));
  // a = 0 and b sin A = 0: the sine of B is 0 / 0.
  PlaneSolutions s;
  EXPECT_FALSE(SolvePlaneSideSideAngle(0, 0, Deg(30), s));
  EXPECT_FALSE(SolvePlaneSideSideAngle(0, 1, 0.0, s));
  // Sides of 0 and a radicand never below zero.
  r = SolvePlaneAngleSideSide(0.0, 0, 0);
  EXPECT_EQ(r.first, 0.0);
  for (double b : {0.1, 0.7, 1.3, 1e-5, 12345.678}) {
    r = SolvePlaneAngleSideSide(0.0, b, b * (1 + 1e-15));
    EXPECT_TRUE(std::isfinite(r.first)) << b;
  }
}

TEST(PlaneSolvers, SidesOfAnySize) {
  const double big = 1e200, small = 1e-200;
  Triple r = SolvePlaneAngleSideSide(Deg(90), 3 * big, 4 * big);
  // (90 degrees by the constant is not quite a right angle.)
  EXPECT_NEAR(r.first / big, 5.0, 1e-10);
  EXPECT_NEAR(r.second, std::atan2(3.0, 4.0), 1e-10);
  r = SolvePlaneAngleSideSide(Deg(90), 3 * small, 4 * small);
  EXPECT_NEAR(r.second, std::atan2(3.0, 4.0), 1e-10);
  for (double scale : {big, small, 1e308 / 8}) {
    ASSERT_TRUE(SolvePlaneThreeSides(3 * scale, 4 * scale, 5 * scale, r));
    EXPECT_NEAR(r.first, std::atan2(3.0, 4.0), 1e-12) << scale;
    EXPECT_NEAR(r.second, std::atan2(4.0, 3.0), 1e-12) << scale;
    EXPECT_NEAR(r.third, kTruePi / 2, 1e-12) << scale;
  }
}

TEST(TriangleUnits, RoundedDegreeRangesAndComplement) {
  // Degrees to radians with the rounded degree 0.01745329252; a typed -0 is 0.
  EXPECT_EQ(ToRadians(AngleFormat::SexagesimalDegrees, 1.0), 0.01745329252);
  EXPECT_EQ(ToRadians(AngleFormat::Radians, 1.25), 1.25);
  EXPECT_FALSE(std::signbit(ToRadians(AngleFormat::DecimalDegrees, -0.0)));
  // Plane angles in [0, 180) degrees or [0, 3.14159265359) radians; arcs in
  // [0, 360) or [0, 6.28318530718); NaN in neither.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    AngleFormat format;
    double value;
    bool plane, arc;
  };
  const Row rows[] = {{AngleFormat::DecimalDegrees, 0.0, true, true},
                      {AngleFormat::DecimalDegrees, -0.001, false, false},
                      {AngleFormat::SexagesimalDegrees, 179.9999, true, true},
                      {AngleFormat::DecimalDegrees, 180.0, false, true},
                      {AngleFormat::SexagesimalDegrees, 360.0, false, false},
                      {AngleFormat::Radians, 3.14159265358, true, true},
                      {AngleFormat::Radians, 3.14159265359, false, true},
                      {AngleFormat::Radians, 6.28318530717, false, true},
                      {AngleFormat::Radians, 6.28318530718, false, false},
                      {AngleFormat::DecimalDegrees, nan, false, false}};
  for (const Row& r : rows) {
    EXPECT_EQ(PlaneAngleInRange(r.format, r.value), r.plane) << r.value;
    EXPECT_EQ(ArcInRange(r.format, r.value), r.arc) << r.value;
  }
  EXPECT_EQ(TurnComplement(0.0), 6.28318530718);
  EXPECT_NEAR(TurnComplement(1.0), 5.28318530718, 1e-15);
}

}  // namespace
