// Registration of the forms and the headless driver's lookup: a duplicate or
// missing form is named, every required form opens under its own id, and
// deep nesting ends in an error instead of exhausting the stack.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalculatorMenu.h"
#include "ScriptRun.h"

namespace {

FormFactory MenuFactory() {
  return [](CDialog* owner) -> std::unique_ptr<CDialog> {
    return std::make_unique<CalculatorMenu>(owner);
  };
}

TEST(FormRegistry, NamesDuplicatesAndMissingForms) {
  FormRegistry registry;
  registry.Add(102, MenuFactory());
  EXPECT_EQ(registry.Problems({102}), "");
  registry.Add(102, MenuFactory());
  EXPECT_EQ(registry.Problems({102, 131, 164}),
            "form 102 is registered twice\n"
            "form 131 is missing from this program\n"
            "form 164 is missing from this program\n");
  EXPECT_EQ(registry.Ids(), std::vector<int>{102});
  EXPECT_EQ(registry.Create(131, nullptr), nullptr);
  EXPECT_NE(registry.Create(102, nullptr), nullptr);
}

TEST(FormRegistry, TheProgramHoldsTheMenuAndItsTenCalculators) {
  const std::vector<int> required = CalculatorMenu::RequiredForms();
  EXPECT_EQ(required, (std::vector<int>{102, 131, 143, 146, 144, 130, 135, 129, 132,
                                        134, 164}));
  EXPECT_EQ(Forms().Problems(required), "");
  for (int id : required) {
    std::unique_ptr<CDialog> form = CreateForm(id, nullptr);
    ASSERT_NE(form, nullptr) << id;
    EXPECT_EQ(form->Template().id, id);
  }
}

TEST_F(ScriptDriver, EveryRequiredFormOpensThroughTheScriptLookup) {
  for (int id : CalculatorMenu::RequiredForms()) {
    ScriptRun run = RunScript("open " + std::to_string(id) + "\nkey escape\n");
    EXPECT_EQ(run.status, 0) << id << run.err;
    EXPECT_EQ(run.err, "") << id;
    const std::string last = id == 102 ? "exit\n" : "close cancel\n";
    ASSERT_GE(run.out.size(), last.size()) << id;
    EXPECT_EQ(run.out.substr(run.out.size() - last.size()), last) << id << run.out;
  }
}

TEST_F(ScriptDriver, DeepNestingEndsWithAnErrorNotACrash) {
  // Enough nested forms to exhaust the stack without a limit.
  std::string deep;
  for (int i = 0; i < 10200; ++i) deep += "open 164\n";
  ScriptRun run = RunScript(deep);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "error: too many nested forms (at most 64)\n");

  // 64 forms at once are still served.
  std::string fine;
  for (int i = 0; i < 64; ++i) fine += "open 164\n";
  fine += "get 1095\n";
  run = RunScript(fine);
  EXPECT_EQ(run.status, 0) << run.err;
  // Forms opened by the script itself are not announced.
  EXPECT_EQ(run.out, "1095=\n");
}

}  // namespace
