// Precession of the equinoxes between two mean equinoxes.
#pragma once

struct EquatorialPosition {
  double rightAscension;  // hours, in [0, 24)
  double declination;     // degrees
};

// The rigorous precession with the angles zeta, z and theta (Meeus,
// Astronomical Algorithms, ch. 21, eqs. 21.2 and 21.4), written about the mean of the two equinoxes. t0 and t1
// are the initial and the final equinox in Julian millennia from J2000.0;
// alpha and delta, in radians, are referred to the initial equinox. The
// result is in hours and degrees.
EquatorialPosition PrecessCoordinates(double t0, double t1, double alpha,
                                      double delta);
