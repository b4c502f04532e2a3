// The formulas of the positional calculators, each checked against liberfa
// where it computes the same quantity (within the formula's own accuracy)
// or against a published worked value; every row names its source.
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "Astronomy.h"
#include "Angles.h"

namespace {

constexpr double kTruePi = 3.14159265358979323846;
constexpr double kRadPerDeg = kTruePi / 180.0;

// Julian Day of a proleptic Gregorian date at a time of day, by liberfa.
double Jd(int year, int month, int day, double hours) {
  double djm0 = 0.0, djm = 0.0;
  EXPECT_EQ(eraCal2jd(year, month, day, &djm0, &djm), 0);
  return djm0 + djm + hours / 24.0;
}

// Angle difference brought into (-pi, pi].
double Wrap(double a) { return std::remainder(a, 2.0 * kTruePi); }

TEST(EquatorialToHorizontal, AgreesWithErfaHourAngleConversion) {
  // liberfa's eraHd2ae counts the azimuth from the north eastwards; ours
  // from the south westwards: the two differ by pi. The hour angle uses
  // liberfa's own Greenwich mean sidereal time (IAU 1982).
  const double alphas[] = {0.3, 2.0, 4.1, 5.9};
  const double deltas[] = {-1.2, -0.3, 0.0, 0.7, 1.5};
  const double longitudes[] = {-2.5, -0.1, 0.4, 3.0};
  const double latitudes[] = {-1.3, -0.4, 0.0, 0.8, 1.4};
  const double jd = Jd(2024, 3, 20, 21.75);
  const double gmst = eraGmst82(jd, 0.0);
  int compared = 0;
  for (double alpha : alphas)
    for (double delta : deltas)
      for (double longitude : longitudes)
        for (double phi : latitudes) {
          astro::HorizontalPosition ours =
              astro::EquatorialToHorizontal(alpha, delta, longitude, phi, jd);
          double az = 0.0, el = 0.0;
          eraHd2ae(gmst - longitude - alpha, delta, phi, &az, &el);
          EXPECT_NEAR(ours.altitude, el, 1e-8);
          // The azimuth is undefined at the zenith and the nadir.
          if (std::cos(el) > 1e-6) {
            EXPECT_NEAR(Wrap(ours.azimuth - (az - kTruePi)), 0.0, 1e-7)
                << alpha << " " << delta << " " << longitude << " " << phi;
          }
          ++compared;
        }
  EXPECT_EQ(compared, 400);
}

TEST(EquatorialToHorizontal, MeeusExample13b) {
  // Meeus, Astronomical Algorithms (2nd ed.), example 13.b: Venus seen from
  // the US Naval Observatory on 1987 April 10 at 19:21:00 UT, A = 68.0337°
  // from the south, h = 15.1249°. Meeus uses the apparent sidereal time,
  // 0.24 s later than the mean one used here: 0.001° at most.
  const double alpha = (23.0 + 9.0 / 60.0 + 16.641 / 3600.0) * 15.0 * kRadPerDeg;
  const double delta = -(6.0 + 43.0 / 60.0 + 11.61 / 3600.0) * kRadPerDeg;
  const double longitude = (77.0 + 3.0 / 60.0 + 56.0 / 3600.0) * kRadPerDeg;
  const double phi = (38.0 + 55.0 / 60.0 + 17.0 / 3600.0) * kRadPerDeg;
  astro::HorizontalPosition p = astro::EquatorialToHorizontal(
      alpha, delta, longitude, phi, Jd(1987, 4, 10, 19.35));
  EXPECT_NEAR(p.azimuth / kRadPerDeg, 68.0337, 0.002);
  EXPECT_NEAR(p.altitude / kRadPerDeg, 15.1249, 0.002);
}

TEST(EquatorialToHorizontal, StarAtTheZenithStaysFinite) {
  // A star on the meridian at the site's latitude: altitude 90° (by hand);
  // rounding must not push the sine past 1.
  const double jd = Jd(2000, 1, 1, 12.0);
  const double theta = eraGmst82(jd, 0.0);
  for (double phi : {-1.2, 0.3, 0.9}) {
    astro::HorizontalPosition p =
        astro::EquatorialToHorizontal(theta, phi, 0.0, phi, jd);
    EXPECT_TRUE(std::isfinite(p.azimuth));
    EXPECT_NEAR(p.altitude, kTruePi / 2.0, 1e-6);
  }
}

TEST(LocalSiderealTime, WestLongitudeMakesItEarlier) {
  // Greenwich mean sidereal time from liberfa; a site 15° west is one hour
  // behind, 30° east two hours ahead.
  const double jd = Jd(2010, 6, 1, 3.5);
  const double greenwich = eraGmst82(jd, 0.0) * 12.0 / kTruePi;
  EXPECT_NEAR(FloorModReal(astro::LocalSiderealTime(jd, 15.0), 24),
              FloorModReal(greenwich - 1.0, 24), 1e-7);
  EXPECT_NEAR(FloorModReal(astro::LocalSiderealTime(jd, -30.0), 24),
              FloorModReal(greenwich + 2.0, 24), 1e-7);
}

TEST(SiderealTurns1900, AgreesWithErfaMeanSiderealTime) {
  // Newcomb's 1900 expression against liberfa's IAU 1982 mean sidereal
  // time: within 0.3 s of time from 1800 to 2200 (the older expression's
  // rounded rates drift by about 0.1 s a century from the newer one).
  struct Row {
    int year, month, day;
    double hours;
  };
  const Row rows[] = {{1800, 1, 1, 0.0},  {1900, 1, 1, 12.0}, {1957, 10, 4, 19.5},
                      {2000, 1, 1, 12.0}, {2024, 2, 29, 6.25}, {2100, 7, 14, 23.9},
                      {2199, 12, 31, 1.0}};
  for (const Row& r : rows) {
    const double jd = Jd(r.year, r.month, r.day, r.hours);
    const double z = std::floor(jd + 0.5);
    const double f = jd + 0.5 - z;
    const double ours = FloorModReal(astro::SiderealTurns1900(z, f), 1) * 24.0;
    const double theirs = eraGmst82(jd, 0.0) * 12.0 / kTruePi;
    EXPECT_NEAR(std::remainder(ours - theirs, 24.0), 0.0, 0.3 / 3600.0) << r.year;
  }
}

TEST(EquationOfTime, MeeusExample28b) {
  // Meeus, example 28.b: on 1992 October 13.0 TD the Sun is ahead of the
  // mean Sun by 13m 42.6s (apparent minus mean); ours counts mean minus
  // apparent.
  EXPECT_NEAR(astro::EquationOfTime(Jd(1992, 10, 13, 0.0)), -(13.0 + 42.6 / 60.0),
              0.1);
}

TEST(EquationOfTime, AgreesWithTheSunFromErfa) {
  // Mean minus apparent solar time from liberfa: the Sun's geocentric
  // position (eraEpv00), its right ascension in the true equator and
  // equinox of date (eraPnm06a) and Greenwich apparent sidereal time
  // (eraGst06a). Aberration, left out, moves the Sun by 1.4 s of time at
  // most. The series holds within 0.1 min from 1950 to 2050.
  for (int year : {1950, 2000, 2050})
    for (int month = 1; month <= 12; ++month) {
      const double jd = Jd(year, month, 15, 12.0);
      double pvh[2][3], pvb[2][3];
      eraEpv00(jd, 0.0, pvh, pvb);
      double sun[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
      double npb[3][3];
      eraPnm06a(jd, 0.0, npb);
      double apparent[3];
      eraRxp(npb, sun, apparent);
      double ra = 0.0, dec = 0.0;
      eraC2s(apparent, &ra, &dec);
      const double hourAngle = eraGst06a(jd, 0.0, jd, 0.0) - ra;
      // Apparent solar time is the hour angle plus 12 h; mean solar time is
      // UT, here 12 h.
      const double apparentMinusMean =
          std::remainder(hourAngle, 2.0 * kTruePi) * 12.0 / kTruePi * 60.0;
      EXPECT_NEAR(astro::EquationOfTime(jd), -apparentMinusMean, 0.1)
          << year << "-" << month;
    }
}

TEST(ProperMotion, WorkedByHand) {
  // 240 seconds of time or 3600 seconds of arc make one degree: one second
  // of time a year for 240 years, one second of arc a year for 3600 years.
  struct Row {
    double muAlpha, muDelta, years, alpha, delta;
  };
  const Row rows[] = {
      {1.0, 0.0, 240.0, astro::kDegree, 0.0},
      {0.0, 1.0, 3600.0, 0.0, astro::kDegree},
      {-0.5, -2.0, 100.0, -0.5 * 100.0 / 240.0 * astro::kDegree,
       -200.0 / 3600.0 * astro::kDegree},
      {0.0, 0.0, 1e6, 0.0, 0.0},
  };
  for (const Row& r : rows) {
    double alpha = 0.0, delta = 0.0;
    astro::ApplyProperMotion(r.muAlpha, r.muDelta, r.years, alpha, delta);
    EXPECT_NEAR(alpha, r.alpha, 1e-15);
    EXPECT_NEAR(delta, r.delta, 1e-15);
  }
}

TEST(ProperMotion, AgreesWithErfaSpaceMotionOverFiftyYears) {
  // liberfa's rigorous space motion (eraStarpm, a parallax of 0.1", no
  // radial velocity) against the linear one, for stars of a few tenths of
  // a second of arc a year: within 0.01" over 50 years.
  struct Row {
    double ra, dec, muAlpha, muDelta;  // radians, s/yr, "/yr
  };
  const Row rows[] = {{4.7024, 0.0822, -0.02, 0.3}, {1.5, -0.7, 0.002, -0.05},
                      {0.2, 1.1, 0.01, 0.1}};
  for (const Row& r : rows) {
    const double pmr = r.muAlpha * 15.0 / 3600.0 * kRadPerDeg;
    const double pmd = r.muDelta / 3600.0 * kRadPerDeg;
    double ra2 = 0.0, dec2 = 0.0, pmr2 = 0.0, pmd2 = 0.0, px2 = 0.0, rv2 = 0.0;
    eraStarpm(r.ra, r.dec, pmr, pmd, 0.1, 0.0, 2451545.0, 0.0,
              2451545.0 + 50.0 * 365.25, 0.0, &ra2, &dec2, &pmr2, &pmd2, &px2, &rv2);
    double alpha = r.ra, delta = r.dec;
    astro::ApplyProperMotion(r.muAlpha, r.muDelta, 50.0, alpha, delta);
    EXPECT_NEAR(alpha, ra2, 0.01 / 3600.0 * kRadPerDeg);
    EXPECT_NEAR(delta, dec2, 0.01 / 3600.0 * kRadPerDeg);
  }
}

TEST(OrbitalSpeeds, PublishedValues) {
  struct Row {
    const char* source;
    double factor, a, e, period, perihelion, aphelion, tolerance;
  };
  const Row rows[] = {
      // Meeus, ch. 33: Halley's comet, a = 17.9400782 AU, e = 0.96727426:
      // 54.52 km/s at perihelion, 0.91 km/s at aphelion. Period from
      // Kepler's third law, a^1.5 years.
      {"Halley (Meeus 33)", 4.74047, 17.9400782, 0.96727426,
       std::pow(17.9400782, 1.5), 54.52, 0.91, 0.01},
      // The Earth's mean orbital speed, 29.78 km/s (Meeus, ch. 33: 29.7847
      // km/s for a circular orbit of 1 AU).
      {"circular 1 AU", 4.74047, 1.0, 0.0, 1.0, 29.7847, 29.7847, 0.001},
      // The same orbit in km and days: 149597870 km, 365.25636 days.
      {"circular 1 AU in km", 1.157407e-05, 149597870.0, 0.0, 365.25636, 29.7847,
       29.7847, 0.002},
  };
  for (const Row& r : rows) {
    astro::ApsidalSpeeds v = astro::OrbitalSpeeds(r.factor, r.a, r.e, r.period);
    EXPECT_NEAR(v.perihelion, r.perihelion, r.tolerance) << r.source;
    EXPECT_NEAR(v.aphelion, r.aphelion, r.tolerance) << r.source;
    // Kepler's second law: the product of the two is the mean squared.
    EXPECT_NEAR(v.perihelion * v.aphelion, v.mean * v.mean, 1e-9 * v.mean * v.mean);
  }
}

TEST(AngleConversions, RoundedConstants) {
  // The rounded literals the printed results depend on.
  EXPECT_EQ(astro::DegreesToRadians(1.0), 0.01745329252);
  EXPECT_EQ(astro::HoursToRadians(12.0), 12.0 * 0.26179938779916667);
  EXPECT_NEAR(astro::RadiansToDegrees(kTruePi), 180.0, 1e-8);
  EXPECT_NEAR(astro::JulianMillenniaFromJ2000(2451545.0 + 365250.0), 1.0, 1e-15);
  EXPECT_NEAR(astro::JulianYearsBetween(2451545.0, 2451545.0 + 3652.5), 10.0, 1e-12);
}

}  // namespace
