// Resolution of spherical and plane triangles, apart from the forms.
// Sides a, b, c are opposite the angles A, B, C. Spherical sides and all
// angles are in radians; plane sides are in the user's own unit.
// The constants are the rounded values the printed results depend on.
#pragma once

#include "AngleConstants.h"

namespace triangle {

using angle::kDegree;
using angle::kPi;
using angle::kTwoPi;

// The unit in which angles are typed and shown.
enum class AngleFormat { None, DecimalDegrees, SexagesimalDegrees, Radians };

// A typed angle (degrees in both degree formats) in radians; a typed "-0"
// gives 0, not an angle below zero.
double ToRadians(AngleFormat format, double value);
// Whether a typed plane angle lies in [0, 180) degrees, or [0, pi) radians.
bool PlaneAngleInRange(AngleFormat format, double value);
// Whether a typed spherical arc lies in [0, 360) degrees, or [0, 2 pi)
// radians.
bool ArcInRange(AngleFormat format, double value);
// The arc that completes x to a whole turn, 2 pi - x (the sides and angles
// of the complementary triangle).
double TurnComplement(double x);

// Three values in the order each solver names them.
struct Triple {
  double first = 0.0, second = 0.0, third = 0.0;
};

// The two solutions of an ambiguous case and whether each is a triangle.
struct TwoSolutions {
  Triple first, second;
  bool firstValid = false, secondValid = false;
};

// What is shown when the first or the second solution of an ambiguous case
// is asked for.
enum class Choice { WriteFirst, WriteSecond, SingleSolution, NoSolution };
Choice ChooseSolution(bool second, bool firstValid, bool secondValid);

// --- Spherical triangles: every arc lies in [0, 2 pi). ---

// True when the three arcs cannot be the sides of one spherical triangle.
bool InvalidSideTriple(double x, double y, double z);

// (A, b, c) -> {a, B, C}; false when b and c are both at least pi.
bool SolveSphericalAngleSideSide(double A, double b, double c, Triple& out);
// (a, B, C) -> {A, b, c}.
Triple SolveSphericalSideAngleAngle(double a, double B, double C);

enum class SidesStatus { Ok, InvalidSides, NoTriangle };
// (a, b, c) -> {A, B, C}. InvalidSides: InvalidSideTriple refused them;
// NoTriangle: a cosine came out of [-1, 1] or undefined.
SidesStatus SolveSphericalThreeSides(double a, double b, double c, Triple& out);
// (A, B, C) -> {a, b, c}; false when no triangle has these angles.
bool SolveSphericalThreeAngles(double A, double B, double C, Triple& out);

enum class AmbiguousStatus { Ok, TwoSidesBeyondPi, NoTriangle };
// (a, b, A) -> solutions {B, c, C}. TwoSidesBeyondPi: a and b both at
// least pi; NoTriangle: the sine rule has no solution.
AmbiguousStatus SolveSphericalSideSideAngle(double a, double b, double A,
                                            TwoSolutions& out);
// (A, B, a) -> solutions {b, c, C}; false when the sine rule has no solution.
bool SolveSphericalAngleAngleSide(double A, double B, double a,
                                  TwoSolutions& out);

// --- Plane triangles: sides >= 0, angles in [0, pi). ---

// (A, b, c) -> {a, B, C}.
Triple SolvePlaneAngleSideSide(double A, double b, double c);
// (a, B, C) -> {A, b, c}; false when B + C is not less than pi.
bool SolvePlaneSideAngleAngle(double a, double B, double C, Triple& out);
// (a, b, c) -> {A, B, C}; false when a side is 0 or the sides break the
// triangle inequality (a flat triangle passes).
bool SolvePlaneThreeSides(double a, double b, double c, Triple& out);

// Solutions {c, B, C} of (a, b, A); the first has B at most 90 degrees.
struct PlaneSolutions {
  Triple first, second;
  bool secondExists = false;
};
// (a, b, A); false when no triangle has these data.
bool SolvePlaneSideSideAngle(double a, double b, double A,
                             PlaneSolutions& out);

}  // namespace triangle
