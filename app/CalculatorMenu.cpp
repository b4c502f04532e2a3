#include "app/CalculatorMenu.h"

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
  t.width = 520;
  t.height = 340;
  t.controls.push_back(Group("Utilitaires :", 12, 8, 300, 320));
  int y = 34;
  bool first = true;
  for (const Entry& e : kEntries) {
    t.controls.push_back(Radio(e.radio, e.text, 28, y, 276, 24,
                               kNotify | (first ? kGroupStart : kNoFlag)));
    first = false;
    y += 29;
  }
  t.controls.push_back(Button(1, "OK", 330, 16, 176, 30, kDefault));
  t.controls.push_back(Button(2, "&Exit", 330, 54, 176, 30));
  t.controls.push_back(Button(57670, "&Aide", 330, 92, 176, 30));
  t.controls.push_back(Button(1064, "Le Club d'Astronomie Zenko", 330, 286, 176, 42));
  t.help = {{57670, ""}, {1064, "ZenkoClub"}};
  t.sysMenu = {{kAboutCommand, "&A propos de Zenko..."}};
  return t;
}

FormTemplate MakeAbout() {
  FormTemplate t;
  t.id = 100;
  t.title = "A propos de Zenko";
  t.width = 380;
  t.height = 170;
  t.controls = {
      Label("Zenko, version 1.0", 20, 18, 340, 22),
      Label("Utilitaires de calcul astronomique\ndu Club d'Astronomie Zenko.",
            20, 46, 340, 44),
      Label("Pour les membres du club et leurs nuits d'observation.", 20,
            94, 340, 22),
      Button(1, "OK", 280, 128, 80, 28, kDefault),
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
