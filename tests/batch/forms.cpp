// zenko-batch's description of each form against the form's control table.
#include <gtest/gtest.h>

#include <set>

#include "Dialog.h"
#include "Batch.h"

namespace {

Kind KindOf(const FormTemplate& form, int id) {
  const Control* c = form.Find(id);
  return c ? c->kind : Kind::Group;  // Group: no such control
}

TEST(BatchForms, EveryCalculatorIsDescribedWithItsOwnControls) {
  std::set<int> described;
  for (const BatchForm& f : BatchForms()) {
    described.insert(f.form);
    std::unique_ptr<CDialog> dialog = CreateForm(f.form, nullptr);
    ASSERT_TRUE(dialog) << f.form;
    const FormTemplate& t = dialog->Template();
    std::set<std::string> names;
    std::set<int> ids;
    for (const BatchColumn& c : f.inputs) {
      Kind k = KindOf(t, c.id);
      EXPECT_TRUE(k == Kind::Edit || k == Kind::Number) << f.form << " " << c.id;
      EXPECT_TRUE(names.insert(c.name).second) << c.name;
      EXPECT_TRUE(ids.insert(c.id).second) << c.id;
      EXPECT_EQ(FoldName(c.name), c.name);
    }
    for (const BatchGroup& g : f.groups) {
      EXPECT_TRUE(names.insert(g.name).second) << g.name;
      EXPECT_TRUE(ids.insert(g.id).second) << g.id;
      EXPECT_EQ(g.choices.front().id, g.id);
      for (const BatchChoice& c : g.choices)
        EXPECT_EQ(KindOf(t, c.id), Kind::Radio) << f.form << " " << c.id;
    }
    for (const BatchColumn& c : f.results) {
      EXPECT_EQ(KindOf(t, c.id), Kind::Result) << f.form << " " << c.id;
      EXPECT_TRUE(names.insert(c.name).second) << c.name;
    }
    EXPECT_FALSE(names.count("message"));
    // Every result field of the form is a column, in screen order.
    std::vector<int> screen;
    for (const Control& c : t.controls)
      if (c.kind == Kind::Result) screen.push_back(c.id);
    std::vector<int> listed;
    for (const BatchColumn& c : f.results) listed.push_back(c.id);
    EXPECT_EQ(listed, screen) << f.form;
    ASSERT_FALSE(f.buttons.empty());
    for (const BatchButton& b : f.buttons) {
      EXPECT_EQ(KindOf(t, b.id), Kind::Button) << f.form << " " << b.id;
      EXPECT_NE(b.id, IDOK);
      EXPECT_NE(b.id, IDCANCEL);
    }
  }
  for (int form : RegisteredForms()) {
    if (form == 100 || form == 102) continue;  // the about box and the menu
    EXPECT_TRUE(described.count(form)) << form;
  }
}

TEST(BatchForms, NamesFoldCaseAndAccents) {
  EXPECT_EQ(FoldName("Équinoxe"), "equinoxe");
  EXPECT_EQ(FoldName("DÉCIMAL"), "decimal");
  EXPECT_EQ(FoldName("sexagésimal"), "sexagesimal");
  EXPECT_EQ(FoldName("Excentricité"), "excentricite");
  EXPECT_EQ(FoldName("degrés"), "degres");
  EXPECT_EQ(FoldName("±"), "±");  // not a letter: kept
}

}  // namespace
