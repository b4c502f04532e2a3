// The control tables of every form: each control lies wholly inside a
// frame or wholly outside it, and no two controls of one grid share a cell.
#include <gtest/gtest.h>

#include "Dialog.h"

namespace {

bool Intersects(const Cell& a, const Cell& b) {
  return a.row < b.row + b.rowSpan && b.row < a.row + a.rowSpan && a.col < b.col + b.colSpan &&
         b.col < a.col + a.colSpan;
}

bool IsMark(const Control& c) { return (c.flags & (kStretchRow | kStretchColumn)) != 0; }

}  // namespace

TEST(FormTables, ControlsNestInFramesAndNeverShareACell) {
  std::vector<int> ids = RegisteredForms();
  ASSERT_GE(ids.size(), 12u);
  for (int id : ids) {
    std::unique_ptr<CDialog> form = CreateForm(id, nullptr);
    ASSERT_TRUE(form) << id;
    const FormTemplate& t = form->Template();
    const auto& controls = t.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const Control& c = controls[i];
      EXPECT_GE(c.at.row, 0) << "form " << id << " control " << i;
      EXPECT_GE(c.at.col, 0) << "form " << id << " control " << i;
      EXPECT_GE(c.at.rowSpan, 1) << "form " << id << " control " << i;
      EXPECT_GE(c.at.colSpan, 1) << "form " << id << " control " << i;
      if (IsMark(c)) continue;
      for (std::size_t j = 0; j < controls.size(); ++j) {
        const Control& g = controls[j];
        if (j == i || g.kind != Kind::Group || IsMark(g)) continue;
        // Inside, outside, or holding the frame; never across its edge.
        bool nested = g.at.Contains(c.at) || c.at.Contains(g.at);
        EXPECT_TRUE(nested || !Intersects(g.at, c.at))
            << "form " << id << ": control " << c.id << " '" << c.text
            << "' straddles the frame '" << g.text << "'";
      }
      if (c.kind == Kind::Group) continue;
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const Control& o = controls[j];
        if (o.kind == Kind::Group) continue;
        EXPECT_FALSE(Intersects(c.at, o.at))
            << "form " << id << ": controls " << c.id << " '" << c.text << "' and " << o.id
            << " '" << o.text << "' share a cell";
      }
    }
  }
}
