// Registration of the forms: a duplicate or missing form is named, every
// required form opens under its own id, each calculator's table columns
// name its own controls, and deep nesting ends in an error instead of
// exhausting the stack.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CalculatorMenu.h"
#include "ScriptRun.h"

namespace {

TEST(FormRegistry, NamesDuplicatesAndMissingForms) {
  FormFactory menu = [](CDialog* owner) -> std::unique_ptr<CDialog> {
    return std::make_unique<CalculatorMenu>(owner);
  };
  FormRegistry registry;
  registry.Add(102, menu);
  EXPECT_EQ(registry.Problems({102}), "");
  registry.Add(102, menu);
  EXPECT_EQ(registry.Problems({102, 131, 164}),
            "form 102 is registered twice\n"
            "form 131 is missing from this program\n"
            "form 164 is missing from this program\n");
  EXPECT_EQ(registry.Ids(), std::vector<int>{102});
  EXPECT_EQ(registry.Create(131, nullptr), nullptr);
  EXPECT_NE(registry.Create(102, nullptr), nullptr);
}

Kind KindOf(const FormTemplate& form, int id) {
  const Control* c = form.Find(id);
  return c ? c->kind : Kind::Group;  // Group: no such control
}

// A column name is lower-case ASCII, and "message" is the last column's.
bool IsColumnName(const std::string& name) {
  return !name.empty() && name != "message" &&
         name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") == std::string::npos;
}

// Every calculator opens under its own id and runs over tables; its
// columns are its own fields, radio buttons and buttons, each named once,
// and its results are all its result fields in screen order.
TEST(FormRegistry, TheProgramHoldsTheMenuAndItsTenCalculators) {
  const std::vector<int> required = CalculatorMenu::RequiredForms();
  EXPECT_EQ(required, (std::vector<int>{102, 131, 143, 146, 144, 130, 135, 129, 132,
                                        134, 164}));
  EXPECT_EQ(Forms().Problems(required), "");
  for (int id : required) {
    std::unique_ptr<CDialog> form = CreateForm(id, nullptr);
    ASSERT_NE(form, nullptr) << id;
    const FormTemplate& t = form->Template();
    EXPECT_EQ(t.id, id);
    EXPECT_FALSE(t.example.empty()) << id;
    if (id == 102) continue;
    const TableColumns& table = t.table;
    std::set<std::string> names;  // each column named once, each field once
    std::set<int> ids;
    for (const TableField& c : table.inputs) {
      const Kind k = KindOf(t, c.id);
      EXPECT_TRUE(k == Kind::Edit || k == Kind::Number) << id << " " << c.id;
      EXPECT_TRUE(IsColumnName(c.name) && names.insert(c.name).second) << c.name;
      EXPECT_TRUE(ids.insert(c.id).second) << id << " " << c.id;
    }
    for (const TableGroup& g : table.groups) {
      EXPECT_TRUE(IsColumnName(g.name) && names.insert(g.name).second) << g.name;
      EXPECT_EQ(g.choices.front().id, g.id);
      for (const TableChoice& c : g.choices)
        EXPECT_EQ(KindOf(t, c.id), Kind::Radio) << id << " " << c.id;
    }
    std::vector<int> screen, listed;
    for (const Control& c : t.controls)
      if (c.kind == Kind::Result) screen.push_back(c.id);
    for (const TableField& c : table.results) {
      listed.push_back(c.id);
      EXPECT_TRUE(IsColumnName(c.name) && names.insert(c.name).second) << c.name;
    }
    EXPECT_EQ(listed, screen) << id;
    ASSERT_FALSE(table.buttons.empty()) << id;
    for (const TableButton& b : table.buttons) {
      EXPECT_EQ(KindOf(t, b.id), Kind::Button) << id << " " << b.id;
      EXPECT_TRUE(b.id != IDOK && b.id != IDCANCEL) << id;
    }
  }
}

TEST_F(ScriptDriver, DeepNestingEndsWithAnErrorNotACrash) {
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
