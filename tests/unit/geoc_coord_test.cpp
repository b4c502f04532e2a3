// Geocentric coordinates of a site: the worked values, the poles, liberfa's
// geodetic to geocentric conversion on the same ellipsoid, and the height
// field as the form reads it.
#include <erfa.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <sstream>
#include <string>

#include "ScriptHost.h"
#include "Astronomy.h"
#include "GeocCoordDlg.h"
#include "Angles.h"
#include "Printf.h"

namespace {

using astro::ComputeGeocentricPosition;
using astro::GeocentricPosition;

struct Worked {
  double latitude;
  int height;
  const char* rhoCos;
  const char* rhoSin;
  const char* distance;
  const char* geocentric;
};

TEST(GeocentricPosition, WorkedValuesAndPoles) {
  const Worked cases[] = {
      {45.0, 0, "0.708293 a", "0.703552 a", "6367493 m", "44\xC2\xB0 48' 27\""},
      {0.0, 0, "1.000000 a", "0.000000 a", "6378140 m", "0\xC2\xB0 0' 0\""},
      {-33.5, 1000, "0.834868 a", "-0.548889 a", "6372663 m",
       "-33\xC2\xB0 19' 23\""},
      // At the poles 90 x 0.01745329252 lies just past pi/2: the reduced
      // latitude keeps its quadrant and cos prints as zero without a sign.
      {90.0, 0, "0.000000 a", "0.996647 a", "6356755 m", "90\xC2\xB0 0' 0\""},
      {-90.0, 0, "0.000000 a", "-0.996647 a", "6356755 m",
       "-90\xC2\xB0 0' 0\""},
      {90.0, 8848, "0.000000 a", "0.998034 a", "6365603 m",
       "90\xC2\xB0 0' 0\""},
      {-90.0, -400, "0.000000 a", "-0.996584 a", "6356355 m",
       "-90\xC2\xB0 0' 0\""},
  };
  for (const Worked& c : cases) {
    GeocentricPosition g = ComputeGeocentricPosition(c.latitude, c.height);
    EXPECT_EQ(FormatEarthRadii(g.rhoCos), c.rhoCos) << c.latitude;
    EXPECT_EQ(FormatEarthRadii(g.rhoSin), c.rhoSin) << c.latitude;
    EXPECT_EQ(Format("%.0lf m", g.distance), c.distance) << c.latitude;
    EXPECT_EQ(FormatDegrees(g.latitude, 0, 180.0), c.geocentric) << c.latitude;
  }
}

TEST(GeocentricPosition, AgreesWithErfaOnTheSameEllipsoid) {
  const double a = 6378140.0, f = 1.0 - 0.99664719;
  for (double latitude = -90.0; latitude <= 90.0; latitude += 2.5) {
    for (int height : {-430, 0, 35, 1000, 4807, 8848, 100000}) {
      double phi = latitude * 0.01745329252;
      double xyz[3];
      ASSERT_EQ(eraGd2gce(a, f, 0.0, phi, height, xyz), 0);
      GeocentricPosition g = ComputeGeocentricPosition(latitude, height);
      EXPECT_NEAR(g.rhoCos, xyz[0] / a, 1e-12) << latitude << ' ' << height;
      EXPECT_NEAR(g.rhoSin, xyz[2] / a, 1e-12) << latitude << ' ' << height;
      EXPECT_NEAR(g.distance, std::hypot(xyz[0], xyz[2]), 1e-5);
      EXPECT_NEAR(g.latitude, std::atan2(xyz[2], xyz[0]) / 0.01745329252,
                  1e-10)
          << latitude << ' ' << height;
    }
  }
}

TEST(FormatEarthRadii, ZeroNeverShowsASign) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "0.000000 a"},           {-0.0, "0.000000 a"},
      {-4e-7, "0.000000 a"},         {-5.1e-12, "0.000000 a"},
      {4e-7, "0.000000 a"},          {-6e-7, "-0.000001 a"},
      {1.0, "1.000000 a"},           {-0.54888849, "-0.548888 a"},
      {-336.6977, "-336.697700 a"},
  };
  for (const auto& [value, text] : cases)
    EXPECT_EQ(FormatEarthRadii(value), text) << value;
}

std::string RunScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  EXPECT_EQ(RunFormScript(in, out, err), 0) << err.str();
  return out.str();
}

struct HeightCase {
  std::string text;
  const char* shownBack;  // nullptr: refused
  const char* distance;   // at latitude 0: 6378140 m plus the height
};

TEST(GeocCoordForm, HeightFieldOnATableOfTexts) {
  const std::string warning = "message warning Tapez un nombre entier.\n";
  const HeightCase cases[] = {
      {"1000", "1000", "6379140 m"},
      {"  12 ", "12", "6378152 m"},
      {"\t-400\t", "-400", "6377740 m"},
      {"+8848", "8848", "6386988 m"},
      {"0", "0", "6378140 m"},
      {" 000 ", "0", "6378140 m"},
      {"-0012", "-12", "6378128 m"},
      {"99999999999", "2147483647", "2153861787 m"},
      {"-99999999999", "-2147483648", "2141105508 m"},
      {"2147483648", "2147483647", "2153861787 m"},
      {std::string(40, '9'), "2147483647", "2153861787 m"},
      // Only the first 31 characters count.
      {"1000" + std::string(27, ' ') + "x", "1000", "6379140 m"},
      {"1000" + std::string(26, ' ') + "x", nullptr, nullptr},
      {"+0", nullptr, nullptr},
      {"-0", nullptr, nullptr},
      {"  +0 ", nullptr, nullptr},
      {"12.5", nullptr, nullptr},
      {"12,5", nullptr, nullptr},
      {"", nullptr, nullptr},
      {"   ", nullptr, nullptr},
      {"1 2", nullptr, nullptr},
      {"1e3", nullptr, nullptr},
      {"- 5", nullptr, nullptr},
      {"++5", nullptr, nullptr},
      {"0x10", nullptr, nullptr},
      {"douze", nullptr, nullptr},
  };
  for (const HeightCase& c : cases) {
    // A first press with 35 m leaves results and a stored height behind.
    std::string script =
        "open 129\nset 1007 0:0:0\nset 1009 35\nclick 1017\nset 1009 " +
        c.text + "\nclick 1017\nget 1009\nget 1015\nclick 2\n";
    std::string expected = "focus 1\n";
    if (c.shownBack) {
      expected += std::string("focus 1\n1009=") + c.shownBack + "\n1015=" +
                  c.distance + "\n";
    } else {
      // Refused: the message, the focus on the field, which keeps its text,
      // and the results of the first press.
      expected += warning + "focus 1009\n1009=" + c.text + "\n1015=6378175 m\n";
    }
    expected += "close cancel\n";
    EXPECT_EQ(RunScript(script), expected) << '[' << c.text << ']';
  }
}

}  // namespace
