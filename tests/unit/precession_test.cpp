// The precession of coordinates against liberfa's IAU 1976 precession.
#include <erfa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "Angles.h"
#include "Precession.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kArcsecPerRadian = 206264.80624709636;

double Millennia(double julianYear) { return (julianYear - 2000.0) / 1000.0; }
double Jd(double julianYear) { return 2451545.0 + (julianYear - 2000.0) * 365.25; }

// Largest separation, in seconds of arc, between ours and liberfa's (the
// rotations -zeta about z, theta about y, -z about z of eraPrec76) over a
// grid of stars and of pairs of equinoxes between the two years.
double LargestSeparation(int firstYear, int lastYear, int step) {
  double largest = 0.0;
  for (int y0 = firstYear; y0 <= lastYear; y0 += step)
    for (int y1 = firstYear; y1 <= lastYear; y1 += step) {
      double zeta = 0, z = 0, theta = 0, r[3][3];
      eraPrec76(Jd(y0), 0.0, Jd(y1), 0.0, &zeta, &z, &theta);
      eraIr(r);
      eraRz(-zeta, r);
      eraRy(theta, r);
      eraRz(-z, r);
      for (double hours = 0.0; hours < 24.0; hours += 1.75)
        for (double degrees = -89.0; degrees <= 89.0; degrees += 14.0) {
          double p[3], q[3], alpha1 = 0, delta1 = 0;
          eraS2c(hours * kPi / 12, degrees * kPi / 180, p);
          eraRxp(r, p, q);
          eraC2s(q, &alpha1, &delta1);
          EquatorialPosition ours =
              PrecessCoordinates(Millennia(y0), Millennia(y1), hours * kPi / 12, degrees * kPi / 180);
          EXPECT_GE(ours.rightAscension, 0.0);
          EXPECT_LT(ours.rightAscension, 24.0);
          double dAlpha = std::remainder(ours.rightAscension * kPi / 12 - alpha1, 2 * kPi);
          double dDelta = ours.declination * kPi / 180 - delta1;
          largest = std::max(largest, std::hypot(dAlpha * std::cos(delta1), dDelta) * kArcsecPerRadian);
        }
    }
  return largest;
}

TEST(PrecessCoordinates, AgreesWithErfaOverCenturies) {
  // Five centuries either side of J2000: far below the printed 0.01".
  EXPECT_LT(LargestSeparation(1500, 2500, 125), 0.001);
  // Ten centuries either side: the truncated series still within 5 mas.
  EXPECT_LT(LargestSeparation(1000, 3000, 250), 0.005);
}

TEST(PrecessCoordinates, SameEquinoxGivesTheCoordinatesBackInRange) {
  // Hours in, hours out brought into [0, 24) (by hand); -1e-18 h must read
  // 0, not the 24 it rounds to.
  const double cases[][3] = {{6.5, 45.0, 6.5},   {23.999, -89.5, 23.999}, {25.0, 10.0, 1.0},
                             {-1.0, -30.0, 23.0}, {-49.5, 5.0, 22.5},     {-1e-18, 0.0, 0.0}};
  for (double t : {-0.3, 0.25})
    for (const auto& c : cases) {
      EquatorialPosition p = PrecessCoordinates(t, t, c[0] * 0.26179938779916667, c[1] * 0.01745329252);
      EXPECT_NEAR(p.rightAscension, c[2], 1e-9) << c[0];
      EXPECT_LT(p.rightAscension, 24.0) << c[0];
      EXPECT_NEAR(p.declination, c[1], 1e-9) << c[1];
    }
}

TEST(PrecessCoordinates, StarsCarriedOntoAPoleStayFinite) {
  // The sine of the declination rounds a hair past 1 for many of them.
  const double t1 = 0.0147;
  double zeta = 0, z = 0, theta = 0;
  eraPrec76(2451545.0, 0.0, 2451545.0 + t1 * 365250.0, 0.0, &zeta, &z, &theta);
  for (int pole : {1, -1}) {
    const double centre = pole * (kPi / 2 - theta);
    for (double delta = centre - 2e-11; delta < centre + 2e-11; delta = std::nextafter(delta, 10.0)) {
      EquatorialPosition p = PrecessCoordinates(0.0, t1, pole > 0 ? -zeta : kPi - zeta, delta);
      ASSERT_TRUE(std::isfinite(p.declination) && std::isfinite(p.rightAscension)) << delta;
      ASSERT_NEAR(std::fabs(p.declination), 90.0, 1e-6) << delta;
    }
  }
}

}  // namespace
