// The precession of coordinates, against the worked values and against
// liberfa's IAU 1976 precession angles.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "Precession.h"
#include "Angles.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kArcsecPerRadian = 206264.80624709636;

double Millennia(double julianYear) { return (julianYear - 2000.0) / 1000.0; }

TEST(PrecessCoordinates, WorkedValuesFromJ2000ToJ2050) {
  const double t1 = Millennia(2050.0);
  EquatorialPosition p = PrecessCoordinates(0.0, t1, 0.0, 0.0);
  EXPECT_EQ(FormatHours(p.rightAscension, "", 3, 0.0), "0h 2m 33.772s");
  EXPECT_EQ(FormatDegrees(p.declination, 2, 180.0), "0\xC2\xB0 16' 42.03\"");

  p = PrecessCoordinates(0.0, t1, 12.0 * 0.26179938779916667,
                         30.0 * 0.01745329252);
  EXPECT_EQ(FormatHours(p.rightAscension, "", 3, 0.0), "12h 2m 33.557s");
  EXPECT_EQ(FormatDegrees(p.declination, 2, 180.0), "29\xC2\xB0 43' 17.97\"");
}

TEST(PrecessCoordinates, SameEquinoxGivesTheCoordinatesBack) {
  struct Case {
    double hours, degrees, expectedHours;
  };
  const Case cases[] = {
      {0.0, 0.0, 0.0},     {6.5, 45.0, 6.5},     {23.999, -89.5, 23.999},
      {25.0, 10.0, 1.0},   {-1.0, -30.0, 23.0},  {12.0, 89.9, 12.0},
      {-49.5, 5.0, 22.5},  {100.25, 0.0, 4.25},
  };
  for (double t : {-0.3, 0.0, 0.25}) {
    for (const Case& c : cases) {
      EquatorialPosition p = PrecessCoordinates(
          t, t, c.hours * 0.26179938779916667, c.degrees * 0.01745329252);
      EXPECT_NEAR(p.rightAscension, c.expectedHours, 1e-9) << c.hours;
      EXPECT_NEAR(p.declination, c.degrees, 1e-9) << c.degrees;
    }
  }
}

// The same star precessed by liberfa: rotation by -zeta about z, theta
// about y, -z about z, with the angles of eraPrec76 between the epochs.
void PrecessWithErfa(double fromYear, double toYear, double alpha,
                     double delta, double& alpha1, double& delta1) {
  double zeta = 0, z = 0, theta = 0;
  eraPrec76(2451545.0 + (fromYear - 2000.0) * 365.25, 0.0,
            2451545.0 + (toYear - 2000.0) * 365.25, 0.0, &zeta, &z, &theta);
  double r[3][3];
  eraIr(r);
  eraRz(-zeta, r);
  eraRy(theta, r);
  eraRz(-z, r);
  double p[3], q[3];
  eraS2c(alpha, delta, p);
  eraRxp(r, p, q);
  eraC2s(q, &alpha1, &delta1);
}

// Largest separation, in seconds of arc, between our result and liberfa's
// over a grid of stars and of pairs of equinoxes between the two years.
double LargestSeparation(int firstYear, int lastYear, int step) {
  double largest = 0.0;
  for (int y0 = firstYear; y0 <= lastYear; y0 += step) {
    for (int y1 = firstYear; y1 <= lastYear; y1 += step) {
      for (double hours = 0.0; hours < 24.0; hours += 1.75) {
        for (double degrees = -89.0; degrees <= 89.0; degrees += 14.0) {
          double alpha = hours * kPi / 12.0, delta = degrees * kPi / 180.0;
          EquatorialPosition ours =
              PrecessCoordinates(Millennia(y0), Millennia(y1), alpha, delta);
          double alpha1 = 0, delta1 = 0;
          PrecessWithErfa(y0, y1, alpha, delta, alpha1, delta1);
          EXPECT_GE(ours.rightAscension, 0.0);
          EXPECT_LT(ours.rightAscension, 24.0);
          double dAlpha = std::remainder(ours.rightAscension * kPi / 12.0 -
                                             alpha1, 2.0 * kPi) *
                          std::cos(delta1);
          double dDelta = ours.declination * kPi / 180.0 - delta1;
          double separation = std::hypot(dAlpha, dDelta) * kArcsecPerRadian;
          if (separation > largest) largest = separation;
        }
      }
    }
  }
  return largest;
}

TEST(PrecessCoordinates, AgreesWithErfaOverCenturies) {
  // Five centuries either side of J2000: about half a millisecond of arc,
  // far below the printed hundredth of a second.
  EXPECT_LT(LargestSeparation(1500, 2500, 125), 0.001);
  // Ten centuries either side: the truncated series still within 5 mas.
  EXPECT_LT(LargestSeparation(1000, 3000, 250), 0.005);
}

TEST(PrecessCoordinates, DeclinationNearThePolesIsNeverNaN) {
  // Stars that the precession carries right onto a pole: the sine of the
  // declination rounds a hair past 1 for many of them.
  const double t1 = 0.0147;
  double zeta = 0, z = 0, theta = 0;
  eraPrec76(2451545.0, 0.0, 2451545.0 + t1 * 365250.0, 0.0, &zeta, &z,
            &theta);
  for (int pole : {1, -1}) {
    double alpha = pole > 0 ? -zeta : kPi - zeta;
    double centre = pole * (kPi / 2.0 - theta);
    double delta = centre - 2e-11;
    int count = 0;
    while (delta < centre + 2e-11) {
      EquatorialPosition p = PrecessCoordinates(0.0, t1, alpha, delta);
      ASSERT_TRUE(std::isfinite(p.declination)) << delta;
      ASSERT_TRUE(std::isfinite(p.rightAscension)) << delta;
      ASSERT_LE(std::fabs(p.declination), 90.0 + 1e-6);
      ASSERT_GT(std::fabs(p.declination), 90.0 - 1e-6);
      delta = std::nextafter(delta, 10.0);
      ++count;
    }
    EXPECT_GT(count, 1000);
  }
}

TEST(PrecessCoordinates, RightAscensionAHairBelowZeroComesOutAsZero) {
  // -1e-17 h brought into [0, 24) rounds to 24 exactly; it must read 0.
  EquatorialPosition p = PrecessCoordinates(0.0, 0.0, -1e-18, 0.0);
  EXPECT_GE(p.rightAscension, 0.0);
  EXPECT_LT(p.rightAscension, 24.0);
  EXPECT_EQ(FormatHours(p.rightAscension, "", 3, 0.0), "0h 0m 0.000s");
}

}  // namespace
