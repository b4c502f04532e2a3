// Format hints and field names of every form: each input field says what
// it accepts, and every field has the name its copy and its batch column
// show.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Dialog.h"
#include "FieldLabels.h"

namespace {

// The ten calculators (the unit tests register test forms of their own).
const int kCalculators[] = {131, 143, 146, 144, 130, 135, 129, 132, 134, 164};

bool IsInput(const Control& c) { return c.kind == Kind::Edit || c.kind == Kind::Number; }

TEST(FieldHints, EveryInputFieldOfEveryFormHasAnExample) {
  for (int id : kCalculators) {
    std::unique_ptr<CDialog> form = CreateForm(id, nullptr);
    ASSERT_TRUE(form);
    const FormTemplate& t = form->Template();
    for (const Control& c : t.controls) {
      if (!IsInput(c)) continue;
      const Hint* hint = t.FindHint(c.id);
      ASSERT_TRUE(hint) << "form " << id << " field " << c.id;
      EXPECT_NE(hint->text.find("ex. "), std::string::npos)
          << "form " << id << " field " << c.id;
      if (c.kind == Kind::Number) {
        EXPECT_NE(hint->text.find("nombre entier"), std::string::npos) << c.id;
      }
    }
    // No hint for a field that does not exist or is not typed into.
    for (const Hint& hint : t.hints) {
      const Control* c = t.Find(hint.id);
      ASSERT_TRUE(c) << "form " << id << " hint " << hint.id;
      EXPECT_TRUE(IsInput(*c)) << "form " << id << " hint " << hint.id;
    }
  }
}

TEST(FieldLabels, EveryFieldOfEveryCalculatorHasAName) {
  for (int id : kCalculators) {
    std::unique_ptr<CDialog> form = CreateForm(id, nullptr);
    for (const LabelledField& field : LabelledFields(form->Template()))
      EXPECT_FALSE(field.label.empty()) << "form " << id << " field " << field.id;
  }
}

// The Julian Day form copied: its labels as the form shows them (in screen
// order, inputs and results together), a tab, the texts; empty fields too.
TEST(FieldLabels, CopyOfTheJulianDayFormListsEveryFieldInScreenOrder) {
  std::unique_ptr<CDialog> form = CreateForm(130, nullptr);
  std::map<int, std::string> texts = {
      {1018, "01/01/2000"}, {1025, "12:00:00"}, {1022, "2451545.0000000"},
      {1067, "18h 41m 50.5s"}, {1056, "3m 18.3s"}, {1020, "bad\ttext"},
  };
  std::string copy = FieldsAsText(form->Template(), [&texts](int id) {
    auto it = texts.find(id);
    return it == texts.end() ? std::string() : it->second;
  });
  EXPECT_EQ(copy,
            "Entrez la date (jj/mm/aaaa   ou Jaaaa)\t01/01/2000\n"
            "et l'heure UT (hh:mm:ss.s)\t12:00:00\n"
            "Jour julien\t2451545.0000000\n"
            "Temps sidéral à Greenwich\t18h 41m 50.5s\n"
            "Équation du temps\t3m 18.3s\n"
            "Entrez le jour julien\tbad text\n"
            "Date\t\n"
            "Heure\t\n");
}

}  // namespace
