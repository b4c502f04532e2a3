// The clock behind "Maintenant": reading the driver's instants and the
// system clock read as universal time. (The texts put into the fields:
// transcripts now*; their Julian Day is the date fields' reading, checked
// against liberfa by Calendar.RandomDatesBothWaysAgainstIndependentRules.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Clock.h"

namespace {

TEST(Clock, ReadsOnlyUsableInstantsInTheDriverForm) {
  std::optional<UtInstant> t = ParseUtInstant("2025-03-21 21:30:05");
  ASSERT_TRUE(t);
  EXPECT_EQ(std::vector<int>({t->year, t->month, t->day, t->hour, t->minute, t->second}),
            std::vector<int>({2025, 3, 21, 21, 30, 5}));
  for (const char* text : {"2024-02-29 00:00:00", "1583-01-01 00:00:00", "9999-12-31 23:59:59"})
    EXPECT_TRUE(ParseUtInstant(text)) << text;
  const char* refused[] = {
      "", "2025-03-21", "2025-3-21 21:30:05", "2025-03-21T21:30:05", "2025-03-21 21:30:05 ",
      "+025-03-21 21:30:05", "2025-03-21 21:30:5x", "2023-02-29 12:00:00", "1900-02-29 12:00:00",
      "2025-13-01 12:00:00", "2025-03-21 24:00:00", "2025-03-21 23:59:60", "1582-10-20 12:00:00",
  };
  for (const char* text : refused) EXPECT_FALSE(ParseUtInstant(text)) << text;
}

TEST(Clock, SystemClockIsUniversalTimeWhateverTheTimeZone) {
  // Without tzdata an unknown zone silently reads as UTC and this proves
  // nothing: the zone must exist (scripts/deps.sh installs tzdata).
  ASSERT_TRUE(std::filesystem::exists("/usr/share/zoneinfo/Pacific/Kiritimati"))
      << "install tzdata";
  auto at = [](const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
    return CurrentUt();
  };
  UtInstant utc = at("UTC"), far = at("Pacific/Kiritimati");  // fourteen hours ahead
  unsetenv("TZ");
  tzset();
  EXPECT_TRUE(IsUsableInstant(utc));
  // The two readings are at most a moment apart, never fourteen hours.
  EXPECT_EQ(utc.day, far.day);
  EXPECT_LE(far.hour - utc.hour, 1);
}

}  // namespace
