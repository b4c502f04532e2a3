// The headless driver itself: its errors and its nesting limit (its site
// commands: transcript site_commands; comments, blank lines and texts with
// blanks are in every transcript; the bytes "site" writes are read back by
// the forms there).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ScriptHost.h"

namespace {

struct ScriptRun {
  int status;
  std::string out, err;
};

ScriptRun RunScript(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out, err;
  int status = RunFormScript(in, out, err);
  return {status, out.str(), err.str()};
}

TEST(ScriptDriver, ErrorsExitWithStatusTwoAndStopTheScript) {
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

TEST(ScriptDriver, DeepNestingEndsWithAnErrorNotACrash) {
  // Enough nested forms to exhaust the stack without a limit.
  std::string deep;
  for (int i = 0; i < 10200; ++i) deep += "open 164\n";
  ScriptRun run = RunScript(deep);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "error: too many nested forms (at most 64)\n");
  // 64 forms at once are still served; forms opened by the script itself
  // are not announced.
  run = RunScript(deep.substr(0, 64 * 9) + "get 1095\n");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1095=\n");
}

}  // namespace
