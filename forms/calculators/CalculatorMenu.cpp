#include "CalculatorMenu.h"
#include "ZenkoVersion.h"

#include <iterator>

namespace {

struct Entry {
  int radio;
  const char* text;
  int form;
};

// The entries in their order on screen, with the form each one opens.
const Entry kEntries[] = {
    {1000, "&Interpolation", 131},
    {1001, "&Zéro et extremum", 143},
    {1009, "Triangles p&lans", 146},
    {1007, "Triangles &sphériques", 144},
    {1002, "&Jour julien et équation du temps", 130},
    {1006, "&Temps sidéral", 135},
    {1003, "Coordonnées &géocentriques", 129},
    {1004, "&Précession et mouvement propre", 132},
    {1005, "&Coord. équatoriales et horizontales", 134},
    {1130, "Vitesses orbitales", 164},
};

FormTemplate MakeMenu() {
  FormTemplate t;
  t.id = 102;
  t.title = "Utilitaires du Club Zenko";
  // The radio buttons in a frame at the left; the buttons at the right,
  // the club's at the foot of the column.
  const int rows = static_cast<int>(std::size(kEntries));
  t.controls.push_back(Group("Utilitaires :", {0, 0, rows, 1}));
  int row = 0;
  for (const Entry& e : kEntries) {
    t.controls.push_back(
        Radio(e.radio, e.text, {row, 0}, kNotify | (row == 0 ? kGroupStart : kNoFlag)));
    ++row;
  }
  t.controls.push_back(Button(1, "OK", {0, 1}, kDefault));
  t.controls.push_back(Button(2, "&Exit", {1, 1}));
  t.controls.push_back(Button(57670, "&Aide", {2, 1}));
  t.controls.push_back(StretchRow({3, 1}));
  t.controls.push_back(Button(1064, "Le Club d'Astronomie Zenko", {rows - 1, 1}));
  t.help = {{57670, ""}, {1064, "ZenkoClub"}};
  t.sysMenu = {{kAboutCommand, "&A propos de Zenko..."}};
  t.example = ClickStep(kEntries[4].radio);  // the Julian Day entry checked
  return t;
}

FormTemplate MakeAbout() {
  FormTemplate t;
  t.id = 100;
  t.title = "A propos de Zenko";
  t.controls = {
      Label("Zenko, version " ZENKO_VERSION, {0, 0, 1, 2}),
      Label("Utilitaires de calcul astronomique\ndu Club d'Astronomie Zenko.", {1, 0, 1, 2}),
      Label("Pour les membres du club et leurs nuits d'observation.", {2, 0, 1, 2}),
      Button(1, "OK", {3, 1}, kDefault | kPackRight),
  };
  return t;
}

}  // namespace

CalculatorMenu::CalculatorMenu(CDialog* owner) : CDialog(Form(), owner) {}

const FormTemplate& CalculatorMenu::Form() {
  static const FormTemplate form = MakeMenu();
  return form;
}

int CalculatorMenu::CalculatorOf(int radioId) {
  for (const Entry& e : kEntries)
    if (e.radio == radioId) return e.form;
  return 0;
}

int StartFormId() { return CalculatorMenu::Form().id; }
std::vector<int> RequiredForms() { return CalculatorMenu::RequiredForms(); }

std::vector<int> CalculatorMenu::RequiredForms() {
  std::vector<int> ids = {Form().id};
  for (const Entry& e : kEntries) ids.push_back(e.form);
  return ids;
}

void CalculatorMenu::OnOK() {
  int form = CalculatorOf(GetCheckedRadioButton(1000, 1130));
  if (form == 0) return;
  std::unique_ptr<CDialog> calculator = CreateForm(form, this);
  if (!calculator) return;  // not built into this program
  int result = calculator->DoModal();
  calculator.reset();
  if (result != IDOK) EndDialog(IDOK);
}

void CalculatorMenu::OnDoubleClicked(int) { OnOK(); }

void CalculatorMenu::OnSysCommand(int command) {
  if ((command & ~0xF) == kAboutCommand) {
    AboutBox about(this);
    about.DoModal();
  }
}

AboutBox::AboutBox(CDialog* owner) : CDialog(Form(), owner) {}

const FormTemplate& AboutBox::Form() {
  static const FormTemplate form = MakeAbout();
  return form;
}

ZENKO_REGISTER_FORM(CalculatorMenu)
ZENKO_REGISTER_FORM(AboutBox)
