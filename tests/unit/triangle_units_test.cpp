// The triangle forms' unit handling, worked by hand: the format of the
// checked button, degrees to radians with the rounded degree, the ranges
// of plane angles and spherical arcs, and the complement to a whole turn.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TriangleMath.h"

using namespace triangle;

namespace {

TEST(TriangleUnits, FormatOfTheCheckedButton) {
  // The ids of the two forms: décimal 1102, sexagésimal 1124, radians 1123.
  struct Row {
    int checked;
    AngleFormat format;
  };
  const Row rows[] = {{0, AngleFormat::None},
                      {1102, AngleFormat::DecimalDegrees},
                      {1124, AngleFormat::SexagesimalDegrees},
                      {1123, AngleFormat::Radians},
                      {1101, AngleFormat::None}};
  for (const Row& r : rows)
    EXPECT_EQ(FormatOfButton(r.checked, 1102, 1124, 1123), r.format) << r.checked;
}

TEST(TriangleUnits, ToRadiansUsesTheRoundedDegreeAndDropsMinusZero) {
  EXPECT_EQ(ToRadians(AngleFormat::DecimalDegrees, 90.0), 90.0 * 0.01745329252);
  EXPECT_EQ(ToRadians(AngleFormat::SexagesimalDegrees, 1.0), 0.01745329252);
  EXPECT_EQ(ToRadians(AngleFormat::Radians, 1.25), 1.25);
  for (AngleFormat f : {AngleFormat::DecimalDegrees, AngleFormat::Radians}) {
    const double zero = ToRadians(f, -0.0);
    EXPECT_EQ(zero, 0.0);
    EXPECT_FALSE(std::signbit(zero));
  }
}

TEST(TriangleUnits, Ranges) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // Plane angles: [0, 180) degrees, [0, pi) radians with pi = 3.14159265359.
  EXPECT_TRUE(PlaneAngleInRange(AngleFormat::DecimalDegrees, 0.0));
  EXPECT_TRUE(PlaneAngleInRange(AngleFormat::SexagesimalDegrees, 179.9999));
  EXPECT_FALSE(PlaneAngleInRange(AngleFormat::DecimalDegrees, 180.0));
  EXPECT_FALSE(PlaneAngleInRange(AngleFormat::DecimalDegrees, -0.001));
  EXPECT_TRUE(PlaneAngleInRange(AngleFormat::Radians, 3.14159265358));
  EXPECT_FALSE(PlaneAngleInRange(AngleFormat::Radians, 3.14159265359));
  EXPECT_FALSE(PlaneAngleInRange(AngleFormat::Radians, nan));
  // Spherical arcs: [0, 360) degrees, [0, 2 pi) radians with 6.28318530718.
  EXPECT_TRUE(ArcInRange(AngleFormat::DecimalDegrees, 359.999));
  EXPECT_FALSE(ArcInRange(AngleFormat::SexagesimalDegrees, 360.0));
  EXPECT_TRUE(ArcInRange(AngleFormat::Radians, 6.28318530717));
  EXPECT_FALSE(ArcInRange(AngleFormat::Radians, 6.28318530718));
  EXPECT_FALSE(ArcInRange(AngleFormat::DecimalDegrees, nan));
}

TEST(TriangleUnits, TurnComplement) {
  EXPECT_EQ(TurnComplement(0.0), 6.28318530718);
  EXPECT_EQ(TurnComplement(6.28318530718), 0.0);
  EXPECT_NEAR(TurnComplement(1.0), 5.28318530718, 1e-15);
}

}  // namespace
