#include "Precession.h"

#include <algorithm>
#include <cmath>

#include "AngleConstants.h"

EquatorialPosition PrecessCoordinates(double t0, double t1, double alpha,
                                      double delta) {
  const double t = t1 - t0;
  const double tm = (t0 + t1) / 2.0;
  const double k = angle::kArcsecond;

  // Common part of zeta and z, their half-difference, and theta, in
  // seconds of arc for t and tm in Julian millennia: the design's
  // coefficients, in the form of the IAU 1976 expressions (Meeus ch. 21,
  // eq. 21.2) rewritten about the mean epoch tm.
  double p = ((tm * 139.656 + 23062.181) - tm * 0.139 * tm) * t +
             t * 18.135 * t * t;
  p = p * k;
  const double q = (tm * 0.206 + 39.64) * t * t * k;
  const double theta =
      (((20043.109 - tm * 85.33) - tm * 0.217 * tm) * t - t * 41.779 * t * t) *
      k;
  const double z = p + q;
  const double zeta = p - q;

  const double x = std::cos(alpha + zeta) * (std::cos(delta) * std::cos(theta)) -
                   std::sin(delta) * std::sin(theta);
  const double y = std::sin(alpha + zeta) * std::cos(delta);
  const double a = std::atan2(y, x) + z;

  double hours = a * 12.0 / angle::kPi;
  hours = hours - 24.0 * std::floor(hours / 24.0);
  // A value a hair below 0 comes back as 24.0 after the subtraction.
  if (hours >= 24.0) hours = 0.0;

  // Rounding may carry the sine a hair past 1 near the poles.
  const double sine = std::cos(alpha + zeta) * (std::cos(delta) * std::sin(theta)) +
                      std::sin(delta) * std::cos(theta);
  const double declination =
      std::asin(std::clamp(sine, -1.0, 1.0)) / angle::kDegree;
  return {hours, declination};
}
