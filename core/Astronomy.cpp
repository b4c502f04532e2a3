#include "Astronomy.h"

#include <algorithm>
#include <cmath>

namespace astro {

double SiderealTimeAtGreenwich(JulianDay jd) {
  double d = jd - 2451545.0;
  double t = d / 36525.0;
  double r = (d - std::floor(d)) + 0.779057273 +
             t * (100.0021390378 + t * (1.0776e-06 - t * 7e-11));
  return (r - std::floor(r)) * 24.0;
}

HorizontalPosition EquatorialToHorizontal(double alpha, double delta,
                                          double longitude, double phi,
                                          JulianDay jd) {
  const double theta = SiderealTimeAtGreenwich(jd) * kPi / 12.0;
  const double h = theta - longitude - alpha;
  const double azimuth =
      std::atan2(std::sin(h) * std::cos(delta),
                 std::sin(phi) * std::cos(delta) * std::cos(h) -
                     std::cos(phi) * std::sin(delta));
  // Rounding can push the sine of a star at the zenith just past 1.
  const double sine = std::sin(phi) * std::sin(delta) +
                      std::cos(phi) * std::cos(delta) * std::cos(h);
  return {azimuth, std::asin(std::clamp(sine, -1.0, 1.0))};
}

double LocalSiderealTime(JulianDay jd, double longitude) {
  // A longitude east (negative) makes the local time later.
  return SiderealTimeAtGreenwich(jd) - longitude / 15.0;
}

GeocentricPosition ComputeGeocentricPosition(double latitude, int height) {
  const double phi = latitude * kDegree;
  const double k = height / kEarthRadius;  // height in equatorial radii
  // Reduced latitude. The two-argument form keeps its quadrant at the poles,
  // where 90 x 0.01745329252 lies just past pi/2 and tan changes sign.
  const double u = std::atan2(0.99664719 * std::sin(phi), std::cos(phi));
  const double s = 0.99664719 * std::sin(u) + k * std::sin(phi);
  const double c = std::cos(u) + k * std::cos(phi);
  const double rho = std::sqrt(c * c + s * s);
  return {c, s, rho * kEarthRadius, std::atan2(s, c) / kDegree};
}

double SiderealTurns1900(double z, double f) {
  const double t = (z - 0.5 - 2415020.0) / 36525.0;
  return (1.075e-06 * t + 100.0021359) * t + 0.276919398 + 1.002737908 * f;
}

double EquationOfTime(JulianDay jd) {
  const double t = (jd - 2451545.0) / 365.25;
  const double m = 6.283019552 * t + 6.24006;
  const double e = 7.362 * std::sin(m) - 0.144 * std::cos(m) +
                   8.955 * std::sin(2 * m) + 4.302 * std::cos(2 * m) +
                   0.288 * std::sin(3 * m) + 0.133 * std::cos(3 * m) +
                   0.131 * std::sin(4 * m) + 0.167 * std::cos(4 * m) +
                   0.009 * std::sin(5 * m) + 0.011 * std::cos(5 * m) +
                   0.001 * std::sin(6 * m) + 0.006 * std::cos(6 * m);
  return e + t * (-0.00258 * std::sin(2 * m) + 0.00533 * std::cos(2 * m));
}

void ApplyProperMotion(double muAlpha, double muDelta, double years,
                       double& alpha, double& delta) {
  // 240 seconds of time and 3600 seconds of arc make one degree.
  alpha = alpha + muAlpha * years * kDegree / 240.0;
  delta = delta + muDelta * years * kDegree / 3600.0;
}

ApsidalSpeeds OrbitalSpeeds(double unitFactor, double a, double e, double period) {
  const double v = kTwoPi * unitFactor * a / period;
  const double q = std::sqrt((1.0 - e) / (1.0 + e));
  return {v, v / q, v * q};
}

}  // namespace astro
