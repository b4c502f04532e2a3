// Every registered form's template, in one loop: controls lie wholly inside
// a frame or wholly outside it and never share a cell; every input field
// has a hint with an example and every field a name; each calculator's
// table columns are its own controls, each named once. And the registry
// names no duplicate or missing form.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "CalculatorMenu.h"
#include "FieldLabels.h"

namespace {

bool Intersects(const Cell& a, const Cell& b) {
  return a.row < b.row + b.rowSpan && b.row < a.row + a.rowSpan && a.col < b.col + b.colSpan &&
         b.col < a.col + a.colSpan;
}
bool IsMark(const Control& c) { return (c.flags & (kStretchRow | kStretchColumn)) != 0; }
bool IsInput(Kind k) { return k == Kind::Edit || k == Kind::Number; }

// A column name is lower-case ASCII, not yet used; "message" is the last
// column's.
bool NewColumn(std::set<std::string>& names, const std::string& name) {
  return !name.empty() && name != "message" &&
         name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_") == std::string::npos &&
         names.insert(name).second;
}

TEST(Forms, EveryRegisteredFormKeepsTheTemplateRules) {
  const std::vector<int> required = CalculatorMenu::RequiredForms();
  EXPECT_EQ(Forms().Problems(required), "");
  std::vector<int> ids = RegisteredForms();
  ASSERT_GE(ids.size(), required.size());
  for (int id : ids) {
    std::unique_ptr<CDialog> form = CreateForm(id, nullptr);
    ASSERT_TRUE(form) << id;
    const FormTemplate& t = form->Template();
    EXPECT_EQ(t.id, id);
    auto kind = [&t](int c) { return t.Find(c) ? t.Find(c)->kind : Kind::Group; };
    const auto& controls = t.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const Control& c = controls[i];
      EXPECT_TRUE(c.at.row >= 0 && c.at.col >= 0 && c.at.rowSpan >= 1 && c.at.colSpan >= 1)
          << "form " << id << " control " << i;
      if (IsInput(c.kind)) {  // its hint gives an example
        const Hint* hint = t.FindHint(c.id);
        ASSERT_TRUE(hint) << "form " << id << " field " << c.id;
        EXPECT_NE(hint->text.find("ex. "), std::string::npos) << id << " " << c.id;
        EXPECT_TRUE(c.kind != Kind::Number || hint->text.find("nombre entier") != std::string::npos)
            << c.id;
      }
      if (IsMark(c)) continue;
      for (std::size_t j = 0; j < controls.size(); ++j) {
        const Control& o = controls[j];
        if (j == i || (IsMark(o) && o.kind == Kind::Group)) continue;
        // Inside, outside, or holding a frame, never across its edge; two
        // controls that are not frames never share a cell.
        bool nested = o.at.Contains(c.at) || c.at.Contains(o.at);
        bool frame = o.kind == Kind::Group || c.kind == Kind::Group;
        EXPECT_TRUE(!Intersects(o.at, c.at) || (frame && (nested || o.kind != Kind::Group)))
            << "form " << id << ": control " << c.id << " '" << c.text << "' and " << o.id
            << " '" << o.text << "'";
      }
    }
    for (const Hint& hint : t.hints)  // no hint for a field not typed into
      EXPECT_TRUE(IsInput(kind(hint.id))) << "form " << id << " hint " << hint.id;
    for (const LabelledField& field : LabelledFields(t))
      EXPECT_FALSE(field.label.empty()) << "form " << id << " field " << field.id;
    if (std::find(required.begin(), required.end(), id) == required.end()) continue;
    EXPECT_FALSE(t.example.empty()) << id;
    if (id == 102) continue;
    // A calculator's columns: its own fields, radio buttons and buttons,
    // each once; its results are all its result fields in screen order.
    std::set<std::string> names;
    std::set<int> inputs;
    for (const TableField& c : t.table.inputs)
      EXPECT_TRUE(IsInput(kind(c.id)) && NewColumn(names, c.name) && inputs.insert(c.id).second)
          << id << " " << c.id << " " << c.name;
    for (const TableGroup& g : t.table.groups) {
      EXPECT_TRUE(NewColumn(names, g.name) && g.choices.front().id == g.id) << g.name;
      for (const TableChoice& c : g.choices) EXPECT_EQ(kind(c.id), Kind::Radio) << id << " " << c.id;
    }
    std::vector<int> screen, listed;
    for (const Control& c : controls)
      if (c.kind == Kind::Result) screen.push_back(c.id);
    for (const TableField& c : t.table.results) {
      listed.push_back(c.id);
      EXPECT_TRUE(NewColumn(names, c.name)) << c.name;
    }
    EXPECT_EQ(listed, screen) << id;
    ASSERT_FALSE(t.table.buttons.empty()) << id;
    for (const TableButton& b : t.table.buttons)
      EXPECT_TRUE(kind(b.id) == Kind::Button && b.id != IDOK && b.id != IDCANCEL) << id << " " << b.id;
  }
}

}  // namespace
