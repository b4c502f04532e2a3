// Format hints and field names of every form: each input field says what
// it accepts, and the copy of the results names every field.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "Dialog.h"
#include "FieldLabels.h"

namespace {

// The ten calculators (the unit tests register test forms of their own).
const int kCalculators[] = {131, 143, 146, 144, 130, 135, 129, 132, 134, 164};

bool IsInput(const Control& c) { return c.kind == Kind::Edit || c.kind == Kind::Number; }

TEST(FieldHints, EveryInputFieldOfEveryFormHasAnExample) {
  int inputs = 0;
  for (int id : kCalculators) {
    std::unique_ptr<CDialog> form = CreateForm(id, nullptr);
    ASSERT_TRUE(form);
    const FormTemplate& t = form->Template();
    for (const Control& c : t.controls) {
      if (!IsInput(c)) continue;
      ++inputs;
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
  EXPECT_GT(inputs, 60);  // all ten calculators took part
}

TEST(FieldHints, DecimalFieldsSayPointOrComma) {
  // Fields read as plain decimal numbers, by form.
  const std::map<int, std::set<int>> decimal = {
      {130, {1020}}, {132, {1044, 1045}}, {164, {1095, 1121, 1122}},
      {146, {1095, 1096, 1097}},
  };
  for (const auto& [formId, ids] : decimal) {
    std::unique_ptr<CDialog> form = CreateForm(formId, nullptr);
    for (int id : ids) {
      const Hint* hint = form->Template().FindHint(id);
      ASSERT_TRUE(hint) << formId << ' ' << id;
      EXPECT_NE(hint->text.find("point ou virgule"), std::string::npos) << id;
    }
  }
}

TEST(FieldHints, DateAndAngleFieldsGiveTheirFormat) {
  std::unique_ptr<CDialog> form = CreateForm(135, nullptr);
  const FormTemplate& t = form->Template();
  EXPECT_EQ(t.FindHint(1018)->text, "jj/mm/[-]aaaa ou Jaaaa — ex. 21/03/2025, J2000");
  EXPECT_EQ(t.FindHint(1057)->text.rfind("±ddd:mm:ss", 0), 0u);
  EXPECT_NE(t.FindHint(1057)->text.find("ex. -2:20:14"), std::string::npos);
}

TEST(FieldLabels, EveryFieldOfEveryCalculatorHasAName) {
  for (int id : kCalculators) {
    std::unique_ptr<CDialog> form = CreateForm(id, nullptr);
    for (const LabelledField& field : LabelledFields(form->Template()))
      EXPECT_FALSE(field.label.empty()) << "form " << id << " field " << field.id;
  }
}

TEST(FieldLabels, LabelsLoseTheAmpersandAndTheTrailingColon) {
  EXPECT_EQ(CleanLabel("Date (jj/mm/aaaa) :"), "Date (jj/mm/aaaa)");
  EXPECT_EQ(CleanLabel("&Longitude :  "), "Longitude");
  EXPECT_EQ(CleanLabel("Date\n(jj/mm/aaaa)"), "Date (jj/mm/aaaa)");
  EXPECT_EQ(CleanLabel("Entrez la date (jj/mm/aaaa   ou Jaaaa) :"),
            "Entrez la date (jj/mm/aaaa   ou Jaaaa)");
  EXPECT_EQ(CleanLabel("   "), "");
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

TEST(FieldLabels, GridFieldsAreNamedByColumnAndRow) {
  std::unique_ptr<CDialog> form = CreateForm(131, nullptr);
  std::map<int, std::string> names;
  for (const LabelledField& field : LabelledFields(form->Template()))
    names[field.id] = field.label;
  EXPECT_EQ(names[1000], "Date 1");
  EXPECT_EQ(names[1001], "Heure 1");
  EXPECT_EQ(names[1014], "Fonction 1, point 4");
  EXPECT_EQ(names[1023], "Nombre de points");
  EXPECT_EQ(names[1025], "Fonction 1");  // the result, named by its label
}

}  // namespace
