// Results and message boxes never show a negative zero: the rule the form
// layer applies to every result field and every box (the transcripts
// *_negative_zero show it on the forms).
#include <gtest/gtest.h>

#include "GeocCoordDlg.h"
#include "Printf.h"

namespace {

TEST(WithoutNegativeZero, OnlyTextsWhoseDigitsAreAllZeros) {
  const std::pair<const char*, const char*> cases[] = {
      {"-0,00000", "0,00000"}, {"-0.000000 a", "0.000000 a"}, {"- 0h 0m 0.0s", "0h 0m 0.0s"},
      {"- 0h 0m 0.000s UT", "0h 0m 0.000s UT"}, {"- 0\xC2\xB0 0' 0.00\"", "0\xC2\xB0 0' 0.00\""},
      {"-0m 0.0s", "0m 0.0s"}, {"-0", "0"},
      // A value below zero keeps its sign; no digit, or no sign: unchanged.
      {"-0,00001", "-0,00001"}, {"- 0h 0m 0.1s", "- 0h 0m 0.1s"},
      {"- 0\xC2\xB0 29' 48\"", "- 0\xC2\xB0 29' 48\""}, {"-0m 5.0s", "-0m 5.0s"},
      {"-10,00000", "-10,00000"}, {"", ""}, {"-", "-"}, {"-nan", "-nan"}, {"12:00:00", "12:00:00"},
      // Each value of a longer text on its own, as in a report; a minus
      // sign inside a word or a path is no value's.
      {"1 :    -0.000000\n  2 :    - 0h 0m 0.0s", "1 :    0.000000\n  2 :    0h 0m 0.0s"},
      {"-0,00 et -0,01\n -0", "0,00 et -0,01\n 0"}, {"Celle-ci entre -0 et 1", "Celle-ci entre 0 et 1"},
      {"/tmp/a -0/Zenko.loc", "/tmp/a -0/Zenko.loc"}, {"x-0 -0x", "x-0 -0x"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(WithoutNegativeZero(in), out) << in;
}

// The geocentric form prints rho sin phi' of a site on the equator itself,
// outside any result field: a tiny negative value shows no sign either.
TEST(WithoutNegativeZero, EarthRadiiPrintedByTheGeocentricForm) {
  EXPECT_EQ(FormatEarthRadii(-1e-9), "0.000000 a");
  EXPECT_EQ(FormatEarthRadii(-0.0000006), "-0.000001 a");
}

}  // namespace
