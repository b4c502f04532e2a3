// Geocentric coordinates of a site against liberfa's geodetic to
// geocentric conversion on the same ellipsoid (their printing, poles and
// zeros without a sign included: transcript geoc129_values).
#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>

#include "Astronomy.h"

namespace {

TEST(GeocentricPosition, AgreesWithErfaOnTheSameEllipsoidPolesIncluded) {
  const double a = 6378140.0, f = 1.0 - 0.99664719;
  for (double latitude = -90.0; latitude <= 90.0; latitude += 2.5)
    for (int height : {-430, 0, 35, 1000, 4807, 8848, 100000}) {
      double xyz[3];
      ASSERT_EQ(eraGd2gce(a, f, 0.0, latitude * 0.01745329252, height, xyz), 0);
      astro::GeocentricPosition g = astro::ComputeGeocentricPosition(latitude, height);
      EXPECT_NEAR(g.rhoCos, xyz[0] / a, 1e-12) << latitude << ' ' << height;
      EXPECT_NEAR(g.rhoSin, xyz[2] / a, 1e-12) << latitude << ' ' << height;
      EXPECT_NEAR(g.distance, std::hypot(xyz[0], xyz[2]), 1e-5) << latitude << ' ' << height;
      EXPECT_NEAR(g.latitude, std::atan2(xyz[2], xyz[0]) / 0.01745329252, 1e-10)
          << latitude << ' ' << height;
    }
}

}  // namespace
