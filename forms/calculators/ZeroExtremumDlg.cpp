#include "ZeroExtremumDlg.h"

#include "HintTexts.h"
#include "TableTexts.h"
#include "Lagrange.h"
#include "Calendar.h"

namespace {

enum : int {
  kDecimal = 1076,
  kDegrees = 1077,
  kHours = 1078,
  kResultDate = 1079,
  kResultTime = 1080,
  kResultValue = 1029,
  kInitialise = 5,
  kZero = 1022,
  kExtremum = 3,
  kHelp = 1119,
};

const int kValueIds[5] = {1072, 1073, 1074, 1075, 1071};
int ValueId(int r) { return kValueIds[r]; }
int (*const DateId)(int) = CPointTableDlg::DateId;
int (*const TimeId)(int) = CPointTableDlg::TimeId;
constexpr int kPoints = CPointTableDlg::kPoints;

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 143;
  t.title = "Zéro et extremum d'une fonction de la date et de l'heure";
  std::vector<Control>& c = t.controls;
  c.push_back(Group("Entrez les données suivantes :", {0, 0, 6, 4}));
  c.push_back(Label("Date\n(jj/mm/aaaa)", {0, 1}, kCenter));
  c.push_back(Label("Heure\n(hh:mm:ss.s)", {0, 2}, kCenter));
  // The function's frame is drawn around its column so that its fields
  // stay on the rows of their dates.
  c.push_back(Group("Fonction", {0, 3, 6, 1}, kAround));
  for (int r = 0; r < 5; ++r) {
    c.push_back(Label(std::to_string(r + 1), {r + 1, 0}, kCenter));
    c.push_back(Edit(DateId(r), {r + 1, 1}));
    c.push_back(Edit(TimeId(r), {r + 1, 2}));
    c.push_back(Edit(kValueIds[r], {r + 1, 3}));
  }
  c.push_back(Label("Nombre de points :", {6, 0}));
  c.push_back(Number(kPoints, {6, 1}, kCenter | kPackLeft, 6));
  c.push_back(Group("Format :", {7, 0, 3, 2}));
  c.push_back(Radio(kDecimal, "décimal", {7, 0, 1, 2}, kGroupStart));
  c.push_back(Radio(kDegrees, "±ddd:mm:ss", {8, 0, 1, 2}));
  c.push_back(Radio(kHours, "±hh:mm:ss.s", {9, 0, 1, 2}));
  c.push_back(Group("Résultat :", {7, 2, 3, 2}));
  c.push_back(Label("Date :", {7, 2}));
  c.push_back(Result(kResultDate, {7, 3}));
  c.push_back(Label("Heure :", {8, 2}));
  c.push_back(Result(kResultTime, {8, 3}));
  c.push_back(Label("Fonction :", {9, 2}));
  c.push_back(Result(kResultValue, {9, 3}));
  c.push_back(Button(kInitialise, "&Initialisation", {0, 4}, kDefault));
  c.push_back(Button(kZero, "&Zéro", {1, 4}));
  c.push_back(Button(kExtremum, "E&xtremum", {2, 4}));
  c.push_back(StretchRow({3, 4}));
  c.push_back(Button(1, "&Retour", {7, 4}));
  c.push_back(Button(2, "&Exit", {8, 4}));
  c.push_back(Button(kHelp, "&Aide", {9, 4}));
  t.help = {{kHelp, "ZeroExtremum"}};
  // The grid has no label beside each field: rows are named by number.
  for (int r = 0; r < 5; ++r) {
    const std::string row = std::to_string(r + 1);
    t.hints.push_back({DateId(r), kHintDate, "Date " + row});
    t.hints.push_back({TimeId(r), kHintTime, "Heure " + row});
    t.hints.push_back({kValueIds[r], kHintFunctionValue, "Fonction, point " + row});
  }
  t.hints.push_back({kPoints, kHintPoints});
  t.topic = "ZeroExtremum";
  t.table.inputs = CPointTableDlg::RowColumns(ValueId, "f");
  t.table.inputs.push_back({kPoints, "points", "2 à 5"});
  t.table.groups = {{kDecimal, "format", "format de la fonction",
                     {{kDecimal, "decimal"}, {kDegrees, "degres"}, {kHours, "heures"}}}};
  t.table.results = {{kResultDate, "res_date", "date"},
                     {kResultTime, "res_heure", "heure"},
                     {kResultValue, "res_fonction", "valeur de la fonction"}};
  t.table.buttons = {{kZero, "zero"}, {kExtremum, "extremum"}, {kInitialise, "initialisation"}};
  t.example = SetStep(DateId(0), "1/1/2000") + SetStep(TimeId(0), "12:0:0") +
              SetStep(ValueId(0), "0") + SetStep(DateId(1), "2/1/2000") +
              SetStep(TimeId(1), "12:0:0") + SetStep(ValueId(1), "1") +
              SetStep(DateId(2), "3/1/2000") + SetStep(TimeId(2), "12:0:0") +
              SetStep(ValueId(2), "0") + ClickStep(kDecimal) + ClickStep(kExtremum);
  return t;
}

const char kNoFormat[] =
    "Précisez le format, décimal, en degrés sexagésimaux,\nou en heures "
    "sexagésimales, des valeurs de la fonction.";
const char kDecimalSyntax[] =
    "Erreur de saisie de la fonction.\nLe format est "
    "±xxxxx.xxxxx\n\nRecommencez !";
const char kSexagesimalSyntax[] =
    "Erreur de saisie de la fonction.\nLe format est "
    "±xxx:xx:xx.x\n\nRecommencez !";
const char kDecimalOnly[] =
    "Le programme de recherche de zéro ne traite\nque les fonctions au "
    "format décimal.";
const char kNoZero[] =
    "Pas de zéro (ou 2 zéros ou plus),\nsur l'intervalle d'interpolation.";
const char kNoExtremum[] =
    "Pas d'extremum (ou 2 extrema ou plus),\nsur l'intervalle "
    "d'interpolation.";

}  // namespace

CZeroExtremumDlg::CZeroExtremumDlg(CDialog* owner) : CPointTableDlg(Form(), owner) {
  for (int r = 0; r < 5; ++r) BindText(ValueId(r), value_[r]);
  BindText(kResultDate, resultDate_);
  BindText(kResultTime, resultTime_);
  BindText(kResultValue, resultValue_);
  OnButton(kInitialise, [this] { ReadPoints(); });
  OnButton(kZero, [this] { OnZero(); });
  OnButton(kExtremum, [this] { OnExtremum(); });
}

const FormTemplate& CZeroExtremumDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

bool CZeroExtremumDlg::ReadPoints() {
  if (!ReadMoments()) return false;
  format_ = GetCheckedRadioButton(kDecimal, kHours);
  return ReadValues(kDecimal, kHours, kNoFormat, value_, ValueId, kDecimalSyntax,
                    kSexagesimalSyntax, y_);
}

bool CZeroExtremumDlg::FormatMoment(double jd, std::string& date,
                                    std::string& time) {
  if (!CheckJulianDayForDate(jd)) return false;
  std::string weekday;
  FormatJulianDayAsDate(jd, weekday, date, time);
  return true;
}

void CZeroExtremumDlg::OnZero() {
  if (!ReadPoints()) return;
  if (format_ != kDecimal) {
    MessageBox(kDecimalOnly, Icon::Warning);
    return;
  }
  double r = 0.0;
  if (FindZero(x_, y_, points_, r)) {
    std::string date, time;
    if (!FormatMoment(r, date, time)) return;
    resultDate_ = date;
    resultTime_ = time;
    resultValue_ = "0.";
  } else {
    MessageBox(kNoZero, Icon::Information);
  }
  GotoDlgCtrl(kZero);
  UpdateData(false);
}

void CZeroExtremumDlg::OnExtremum() {
  if (!ReadPoints()) return;
  double r = 0.0, v = 0.0;
  if (!FindExtremum(x_, y_, points_, r, v)) {
    MessageBox(kNoExtremum, Icon::Information);
    return;
  }
  if (!CheckFinite({r, v})) return;
  std::string date, time;
  if (!FormatMoment(r, date, time)) return;
  resultDate_ = date;
  resultTime_ = time;
  resultValue_ = ValueText(CheckedUnit(kDecimal, kDegrees, kHours), v);
  GotoDlgCtrl(kExtremum);
  UpdateData(false);
}

ZENKO_REGISTER_FORM(CZeroExtremumDlg)
