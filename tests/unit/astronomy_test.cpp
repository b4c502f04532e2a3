// The formulas of the positional calculators against liberfa, where it
// computes the same quantity (within the formula's own accuracy), or against
// a published worked value; every row names its source.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "Angles.h"
#include "Astronomy.h"

namespace {

constexpr double kTruePi = 3.14159265358979323846;
constexpr double kRadPerDeg = kTruePi / 180.0;
constexpr double kRadPerArcsec = kRadPerDeg / 3600.0;

// Julian Day of a proleptic Gregorian date at a time of day, by liberfa.
double Jd(int year, int month, int day, double hours) {
  double djm0 = 0.0, djm = 0.0;
  EXPECT_EQ(eraCal2jd(year, month, day, &djm0, &djm), 0);
  return djm0 + djm + hours / 24.0;
}

double HoursOfErfaGmst(double jd) { return eraGmst82(jd, 0.0) * 12.0 / kTruePi; }

TEST(EquatorialToHorizontal, AgreesWithErfaOnAGridOfStarsAndSites) {
  // eraHd2ae counts the azimuth from the north eastwards, ours from the
  // south westwards: they differ by pi. The hour angle uses liberfa's mean
  // sidereal time (IAU 1982).
  const double jd = Jd(2024, 3, 20, 21.75);
  for (double alpha : {0.3, 2.0, 4.1, 5.9})
    for (double delta : {-1.2, -0.3, 0.0, 0.7, 1.5})
      for (double longitude : {-2.5, -0.1, 0.4, 3.0})
        for (double phi : {-1.3, 0.0, 0.8, 1.4}) {
          astro::HorizontalPosition ours =
              astro::EquatorialToHorizontal(alpha, delta, longitude, phi, jd);
          double az = 0.0, el = 0.0;
          eraHd2ae(eraGmst82(jd, 0.0) - longitude - alpha, delta, phi, &az, &el);
          EXPECT_NEAR(ours.altitude, el, 1e-8);
          if (std::cos(el) > 1e-6) {  // no azimuth at the zenith and the nadir
            EXPECT_NEAR(std::remainder(ours.azimuth - az + kTruePi, 2 * kTruePi), 0.0, 1e-7)
                << alpha << ' ' << delta << ' ' << longitude << ' ' << phi;
          }
        }
  // On the meridian at the site's latitude: the zenith (by hand), where
  // rounding must not push the sine past 1.
  for (double phi : {-1.2, 0.3, 0.9}) {
    astro::HorizontalPosition p =
        astro::EquatorialToHorizontal(eraGmst82(jd, 0.0), phi, 0.0, phi, jd);
    EXPECT_TRUE(std::isfinite(p.azimuth));
    EXPECT_NEAR(p.altitude, kTruePi / 2, 1e-6);
  }
}

TEST(EquatorialToHorizontal, MeeusExample13b) {
  // Meeus, Astronomical Algorithms (2nd ed.), example 13.b: Venus from the
  // US Naval Observatory, 1987 April 10 at 19:21 UT: A = 68.0337° from the
  // south, h = 15.1249°. Meeus uses apparent sidereal time: 0.001° apart.
  astro::HorizontalPosition p = astro::EquatorialToHorizontal(
      (23 + 9 / 60.0 + 16.641 / 3600) * 15 * kRadPerDeg, -(6 + 43 / 60.0 + 11.61 / 3600) * kRadPerDeg,
      (77 + 3 / 60.0 + 56 / 3600.0) * kRadPerDeg, (38 + 55 / 60.0 + 17 / 3600.0) * kRadPerDeg,
      Jd(1987, 4, 10, 19.35));
  EXPECT_NEAR(p.azimuth / kRadPerDeg, 68.0337, 0.002);
  EXPECT_NEAR(p.altitude / kRadPerDeg, 15.1249, 0.002);
}

TEST(SiderealTime, AgreesWithErfaMeanSiderealTime) {
  // Newcomb's 1900 expression against liberfa's IAU 1982 one: within 0.3 s
  // from 1800 to 2200 (the older rounded rates drift 0.1 s a century). The
  // local time is Greenwich's less the longitude (west positive) / 15°.
  struct Row { int year, month, day; double hours; };
  const Row rows[] = {{1800, 1, 1, 0.0},  {1900, 1, 1, 12.0}, {1957, 10, 4, 19.5},
                      {2000, 1, 1, 12.0}, {2024, 2, 29, 6.25}, {2199, 12, 31, 1.0}};
  for (const Row& r : rows) {
    const double jd = Jd(r.year, r.month, r.day, r.hours);
    const double z = std::floor(jd + 0.5);
    const double ours = FloorModReal(astro::SiderealTurns1900(z, jd + 0.5 - z), 1) * 24.0;
    EXPECT_NEAR(std::remainder(ours - HoursOfErfaGmst(jd), 24.0), 0.0, 0.3 / 3600) << r.year;
  }
  const double jd = Jd(2010, 6, 1, 3.5);
  for (double longitude : {15.0, -30.0})
    EXPECT_NEAR(std::remainder(astro::LocalSiderealTime(jd, longitude) - HoursOfErfaGmst(jd) +
                                   longitude / 15.0, 24.0), 0.0, 1e-7) << longitude;
}

TEST(EquationOfTime, MeeusExample28bAndTheSunFromErfa) {
  // Meeus, example 28.b: on 1992 October 13.0 the Sun is 13m 42.6s ahead
  // of the mean Sun; ours counts mean minus apparent.
  EXPECT_NEAR(astro::EquationOfTime(Jd(1992, 10, 13, 0.0)), -(13 + 42.6 / 60), 0.1);
  // liberfa: the Sun's geocentric place (eraEpv00) in the true equator of
  // date (eraPnm06a) against apparent sidereal time (eraGst06a), at 12h UT.
  // Aberration, left out, is 1.4 s at most; the series holds to 0.1 min.
  for (int year : {1950, 2000, 2050})
    for (int month = 1; month <= 12; ++month) {
      const double jd = Jd(year, month, 15, 12.0);
      double pvh[2][3], pvb[2][3], npb[3][3], apparent[3], ra = 0, dec = 0;
      eraEpv00(jd, 0.0, pvh, pvb);
      double sun[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
      eraPnm06a(jd, 0.0, npb);
      eraRxp(npb, sun, apparent);
      eraC2s(apparent, &ra, &dec);
      const double hourAngle = eraGst06a(jd, 0.0, jd, 0.0) - ra;
      const double apparentMinusMean = std::remainder(hourAngle, 2 * kTruePi) * 720.0 / kTruePi;
      EXPECT_NEAR(astro::EquationOfTime(jd), -apparentMinusMean, 0.1) << year << '-' << month;
    }
}

TEST(ProperMotion, AgreesWithErfaSpaceMotion) {
  // liberfa's rigorous motion (eraStarpm, parallax 0.1", no radial
  // velocity) against the linear one over 50 years: within 0.01".
  struct Row { double ra, dec, muAlpha, muDelta; };  // radians, s/yr, "/yr
  const Row rows[] = {{4.7024, 0.0822, -0.02, 0.3}, {1.5, -0.7, 0.002, -0.05}, {0.2, 1.1, 0.01, 0.1}};
  for (const Row& r : rows) {
    double ra2 = 0, dec2 = 0, pmr2 = 0, pmd2 = 0, px2 = 0, rv2 = 0;
    eraStarpm(r.ra, r.dec, r.muAlpha * 15 * kRadPerArcsec, r.muDelta * kRadPerArcsec, 0.1, 0.0,
              2451545.0, 0.0, 2451545.0 + 50 * 365.25, 0.0, &ra2, &dec2, &pmr2, &pmd2, &px2, &rv2);
    double alpha = r.ra, delta = r.dec;
    astro::ApplyProperMotion(r.muAlpha, r.muDelta, 50.0, alpha, delta);
    EXPECT_NEAR(alpha, ra2, 0.01 * kRadPerArcsec);
    EXPECT_NEAR(delta, dec2, 0.01 * kRadPerArcsec);
  }
}

TEST(OrbitalSpeeds, PublishedValues) {
  struct Row {
    const char* source;
    double factor, a, e, period, perihelion, aphelion, tolerance;
  };
  const Row rows[] = {
      // Meeus, ch. 33: Halley's comet, a = 17.9400782 AU, e = 0.96727426:
      // 54.52 km/s at perihelion, 0.91 at aphelion; period a^1.5 years.
      {"Halley (Meeus 33)", 4.74047, 17.9400782, 0.96727426, std::pow(17.9400782, 1.5), 54.52,
       0.91, 0.01},
      // Meeus, ch. 33: 29.7847 km/s on a circular orbit of 1 AU in km
      // (149597870) and days (365.25636); in AU and years: table kepler164.
      {"circular 1 AU in km", 1.157407e-05, 149597870.0, 0.0, 365.25636, 29.7847, 29.7847, 0.002},
  };
  for (const Row& r : rows) {
    astro::ApsidalSpeeds v = astro::OrbitalSpeeds(r.factor, r.a, r.e, r.period);
    EXPECT_NEAR(v.perihelion, r.perihelion, r.tolerance) << r.source;
    EXPECT_NEAR(v.aphelion, r.aphelion, r.tolerance) << r.source;
  }
}

}  // namespace
