// Formulas of the positional astronomy calculators, apart from the forms.
// Conventions: angles in radians unless a name says otherwise; longitudes
// positive towards the west; azimuths counted from the south, positive
// towards the west. The angle constants are the rounded ones of
// AngleConstants.h.
#pragma once

#include "AngleConstants.h"
#include "Calendar.h"

namespace astro {

using angle::kDegree;
using angle::kHourToRadian;
using angle::kPi;
using angle::kTwoPi;
inline constexpr double kEarthRadius = 6378140.0;  // equatorial radius, metres

inline double DegreesToRadians(double degrees) { return degrees * kDegree; }
inline double RadiansToDegrees(double radians) { return radians / kDegree; }
inline double HoursToRadians(double hours) { return hours * kHourToRadian; }

// Greenwich mean sidereal time in hours, in [0, 24), at the Julian Day jd
// (UT): the design's series in turns from J2000.0, 0.779057273 +
// 1.0027379... turns a day (the IAU 1982 expression of Meeus, Astronomical
// Algorithms, ch. 12, eq. 12.4, in turns instead of degrees).
double SiderealTimeAtGreenwich(JulianDay jd);

// Azimuth and altitude of a star, in radians; the azimuth lies in
// (-pi, pi], counted from the south, positive towards the west.
struct HorizontalPosition {
  double azimuth;
  double altitude;
};

// Horizontal coordinates of a star of right ascension alpha and
// declination delta (radians) seen from a site of longitude (radians,
// positive westwards) and latitude phi (radians) at the Julian Day jd (UT).
// The hour angle is the Greenwich mean sidereal time, minus the longitude and the right ascension. Spherical
// astronomy's standard transformation (Meeus, Astronomical Algorithms,
// ch. 13); no refraction, nutation or aberration.
HorizontalPosition EquatorialToHorizontal(double alpha, double delta,
                                          double longitude, double phi,
                                          JulianDay jd);

// Local mean sidereal time in hours (not reduced to [0, 24)) at the Julian
// Day jd (UT) for a longitude in degrees, positive westwards: Greenwich
// sidereal time minus the longitude in hours (15 degrees an hour; Meeus,
// Astronomical Algorithms, ch. 12).
double LocalSiderealTime(JulianDay jd, double longitude);

// Geocentric position of a site, from the reference ellipsoid of 1976
// (a = 6378140 m, b/a = 0.99664719; Meeus ch. 11).
struct GeocentricPosition {
  double rhoCos;    // rho cos phi', equatorial radii
  double rhoSin;    // rho sin phi', equatorial radii
  double distance;  // rho, metres
  double latitude;  // phi', degrees
};
// latitude in degrees (within -90..90), height above sea level in metres.
GeocentricPosition ComputeGeocentricPosition(double latitude, int height);

// Greenwich mean sidereal time, in turns (not reduced to [0, 1)), of the
// instant that is the fraction f of a day after 0 h UT of the day whose
// Julian Day at noon is z (so z - 0.5 is that 0 h). Newcomb's expression
// from the 1900 January 0.5 epoch (Explanatory Supplement, 1961).
double SiderealTurns1900(double z, double f);

// Equation of time in minutes of time at a Julian Day, counted as mean
// minus apparent solar time: about +14 min in mid-February, -16 min in
// early November. The design's series: a Fourier series in the Sun's mean
// anomaly (radians, from the Julian years since J2000.0), within a few
// seconds of time over the centuries around J2000.0.
double EquationOfTime(JulianDay jd);

// Moves a position by its annual proper motions over a number of Julian
// years: muAlpha in seconds of time per year, muDelta in seconds of arc
// per year; alpha and delta in radians, changed in place. Linear motion
// (the design's rule, as Meeus, Astronomical Algorithms, ch. 21 applies
// it), good over the few centuries the catalogue motions are meant for.
void ApplyProperMotion(double muAlpha, double muDelta, double years,
                       double& alpha, double& delta);

// Julian years (365.25 days, the IAU's Julian year) from jd0 to jd1.
inline double JulianYearsBetween(JulianDay jd0, JulianDay jd1) {
  return (jd1 - jd0) / 365.25;
}
// Julian millennia from J2000.0 (JD 2451545.0), the time argument of the
// precession.
inline double JulianMillenniaFromJ2000(JulianDay jd) {
  return (jd - 2451545.0) / 365250.0;
}

// Speeds at perihelion and aphelion of an elliptical orbit, in km/s.
// unitFactor converts the mean speed a/P of the data's units into km/s
// (4.74047 for astronomical units and years, 1.157407e-05 for km and
// days); the mean speed 2 pi a / P is scaled by sqrt((1 + e)/(1 - e)) and
// its inverse (Kepler's second law with the vis-viva relation, Meeus
// ch. 33). e must lie in [0, 1).
struct ApsidalSpeeds {
  double mean;
  double perihelion;
  double aphelion;
};
ApsidalSpeeds OrbitalSpeeds(double unitFactor, double a, double e, double period);

}  // namespace astro
