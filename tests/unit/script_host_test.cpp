// The headless driver itself: its errors and its site commands (comments,
// blank lines and texts with blanks are in every transcript).
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <string>

#include "ScriptRun.h"

namespace {

TEST_F(ScriptDriver, ErrorsExitWithStatusTwoAndStopTheScript) {
  const char* scripts[] = {
      "bogus\nopen 164\n", "open 999\n", "open 164\nclick 9999\nget 1127\n",
      "open 164\nset 1127 1\n",  // a result field is not typed into
      "open 164\nget\n", "open 164\nclick 1129 1\n",
      "set 1095 1\n", "rclick\n", "key tab\n",  // no form open
      "site raw 0\n", "site raw zz\n", "site 1 two\n", "site 1 2 3\n",
      "clock 2025-02-29 12:00:00\nopen 130\n",  // not a leap year
  };
  for (const char* script : scripts) {
    ScriptRun run = RunScript(script);
    EXPECT_EQ(run.status, 2) << script;
    EXPECT_EQ(run.err.rfind("error: ", 0), 0u) << script << run.err;
    EXPECT_EQ(run.out, "") << script;
  }
}

TEST_F(ScriptDriver, SiteCommandsWriteExactBytes) {
  ScriptRun run = RunScript(
      "siteshow\nsite raw 0102\nsiteshow\nsite raw\nsiteshow\n"
      "site -2.5 48.8\nsiteshow\nsite none\nsiteshow\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "site none\nsite short 2\nsite short 0\n"
            "site -2.5 48.799999999999997\nsite none\n");
  RunScript("site -2.5 48.8\n");
  std::ifstream file("Zenko.loc", std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(file)), {});
  // -2.5 = 0xC004000000000000, 48.8 = 0x4048666666666666, little-endian.
  const unsigned char expected[16] = {0, 0, 0, 0, 0, 0, 0x04, 0xC0,
                                      0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x48, 0x40};
  ASSERT_EQ(bytes.size(), 16u);
  EXPECT_EQ(std::memcmp(bytes.data(), expected, 16), 0);
}

}  // namespace
