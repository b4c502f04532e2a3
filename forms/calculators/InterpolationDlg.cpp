#include "InterpolationDlg.h"

#include "HintTexts.h"
#include "TableTexts.h"
#include "Lagrange.h"

namespace {

enum : int {
  kDateX = 1021,
  kTimeX = 1022,
  kDecimal1 = 1024,
  kDegrees1 = 1027,
  kHours1 = 1028,
  kDecimal2 = 1029,
  kDegrees2 = 1030,
  kHours2 = 1031,
  kResult1 = 1025,
  kResult2 = 1026,
  kCalcul = 1020,
  kHelp = 1106,
};

// Field ids of row r (0 to 4): date, time, function 1, function 2.
int (*const DateId)(int) = CPointTableDlg::DateId;
int (*const TimeId)(int) = CPointTableDlg::TimeId;
constexpr int kPoints = CPointTableDlg::kPoints;
int Function1Id(int r) { return 1002 + 4 * r; }
int Function2Id(int r) { return 1003 + 4 * r; }

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 131;
  t.title = "Interpolation de deux fonctions de la date et de l'heure";
  std::vector<Control>& c = t.controls;
  c.push_back(Group("Entrez les données suivantes :", {0, 0, 7, 5}));
  c.push_back(Label("Date\n(jj/mm/aaaa)", {0, 1}, kCenter));
  c.push_back(Label("Heure\n(hh:mm:ss.s)", {0, 2}, kCenter));
  c.push_back(Label("Fonction 1", {0, 3}, kCenter));
  c.push_back(Label("Fonction 2", {0, 4}, kCenter));
  for (int r = 0; r < 5; ++r) {
    c.push_back(Label(std::to_string(r + 1), {r + 1, 0}, kCenter));
    c.push_back(Edit(DateId(r), {r + 1, 1}));
    c.push_back(Edit(TimeId(r), {r + 1, 2}));
    c.push_back(Edit(Function1Id(r), {r + 1, 3}));
    c.push_back(Edit(Function2Id(r), {r + 1, 4}));
  }
  c.push_back(Label("X", {6, 0}, kCenter));
  c.push_back(Edit(kDateX, {6, 1}));
  c.push_back(Edit(kTimeX, {6, 2}));
  c.push_back(Label("Nombre de points :", {7, 0}));
  c.push_back(Number(kPoints, {7, 1}, kCenter | kPackLeft, 6));
  // Function 1's radio buttons carry the format names; function 2's stand
  // beside them in a column of their own.
  c.push_back(Group("Format des fonctions 1 et 2 :", {8, 0, 3, 3}));
  c.push_back(Radio(kDecimal1, "   décimal", {8, 0, 1, 2}, kGroupStart));
  c.push_back(Radio(kDegrees1, "   ±ddd:mm:ss", {9, 0, 1, 2}));
  c.push_back(Radio(kHours1, "   ±hh:mm:ss.s", {10, 0, 1, 2}));
  c.push_back(StretchColumn({8, 1}));
  c.push_back(Radio(kDecimal2, "", {8, 2}, kGroupStart));
  c.push_back(Radio(kDegrees2, "", {9, 2}));
  c.push_back(Radio(kHours2, "", {10, 2}));
  c.push_back(Group("Résultat de l'interpolation :", {8, 3, 3, 2}));
  c.push_back(Label("Fonction 1", {8, 3}));
  c.push_back(Result(kResult1, {8, 4}));
  c.push_back(StretchRow({9, 3}));
  c.push_back(Label("Fonction 2", {10, 3}));
  c.push_back(Result(kResult2, {10, 4}));
  c.push_back(Box({11, 0, 1, 5}));
  c.push_back(Button(kCalcul, "&Calcul", {11, 0}, kDefault));
  c.push_back(Button(1, "&Retour", {11, 1}));
  c.push_back(Button(2, "&Exit", {11, 2}));
  c.push_back(Button(kHelp, "&Aide", {11, 3}));
  c.push_back(StretchColumn({11, 4}));
  t.help = {{kHelp, "Interpolation"}};
  // The grid has no label beside each field: rows are named by number.
  for (int r = 0; r < 5; ++r) {
    const std::string row = std::to_string(r + 1);
    t.hints.push_back({DateId(r), kHintDate, "Date " + row});
    t.hints.push_back({TimeId(r), kHintTime, "Heure " + row});
    t.hints.push_back({Function1Id(r), kHintFunctionValue, "Fonction 1, point " + row});
    t.hints.push_back({Function2Id(r), kHintFunctionValue, "Fonction 2, point " + row});
  }
  t.hints.push_back({kDateX, kHintDate, "Date X"});
  t.hints.push_back({kTimeX, kHintTime, "Heure X"});
  t.hints.push_back({kPoints, kHintPoints});
  t.topic = "Interpolation";
  t.table.inputs = CPointTableDlg::RowColumns(Function1Id, "f1_");
  for (int r = 0; r < 5; ++r)
    t.table.inputs.push_back({Function2Id(r), "f2_" + std::to_string(r + 1), kTableValue});
  t.table.inputs.push_back({kDateX, "datex", kTableDate});
  t.table.inputs.push_back({kTimeX, "heurex", kTableTime});
  t.table.inputs.push_back({kPoints, "points", "2 à 5"});
  t.table.groups = {
      {kDecimal1, "format1", "format de la fonction 1",
       {{kDecimal1, "decimal"}, {kDegrees1, "degres"}, {kHours1, "heures"}}},
      {kDecimal2, "format2", "format de la fonction 2",
       {{kDecimal2, "decimal"}, {kDegrees2, "degres"}, {kHours2, "heures"}}},
  };
  t.table.results = {{kResult1, "fonction1", "fonction 1 en X"},
                     {kResult2, "fonction2", "fonction 2 en X"}};
  t.table.buttons = {{kCalcul, "calcul"}};
  t.example = SetStep(DateId(0), "1/1/2000") + SetStep(Function1Id(0), "10") +
              SetStep(DateId(1), "2/1/2000") + SetStep(Function1Id(1), "20") +
              SetStep(kPoints, "2") + SetStep(kDateX, "1/1/2000") + SetStep(kTimeX, "6:0:0") +
              ClickStep(kDecimal1) + ClickStep(kCalcul);
  t.contextHelp = true;
  return t;
}

const char kNoFormat[] =
    "Précisez le format, décimal, en degrés sexagésimaux,\nou en heures "
    "sexagésimales, des valeurs de la fonction %d.";
const char kDecimalSyntax[] =
    "Erreur de saisie de la fonction %d.\nLe format est "
    "±xxxxx.xxxxx\n\nRecommencez !";
const char kSexagesimalSyntax[] =
    "Erreur de saisie de la fonction %d.\nLe format est "
    "±xxx:xx:xx.x\n\nRecommencez !";

}  // namespace

CInterpolationDlg::CInterpolationDlg(CDialog* owner) : CPointTableDlg(Form(), owner) {
  for (int r = 0; r < 5; ++r) {
    BindText(Function1Id(r), f1_[r]);
    BindText(Function2Id(r), f2_[r]);
  }
  BindText(kDateX, dateX_);
  BindText(kTimeX, timeX_);
  BindText(kResult1, result1_);
  BindText(kResult2, result2_);
  OnButton(kCalcul, [this] { OnCalcul(); });
}

const FormTemplate& CInterpolationDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

bool CInterpolationDlg::ReadFunction(int function, const std::string* texts,
                                     double* values) {
  return ReadValues(function == 1 ? kDecimal1 : kDecimal2, function == 1 ? kHours1 : kHours2,
                    Format(kNoFormat, function), texts,
                    function == 1 ? Function1Id : Function2Id,
                    Format(kDecimalSyntax, function), Format(kSexagesimalSyntax, function),
                    values);
}

void CInterpolationDlg::OnCalcul() {
  const bool moments = ReadMoments();
  singleFunction_ = f2_[0].empty();
  if (!moments) return;
  const int n = points_;
  if (!ReadDateAndTime(dateX_, timeX_, kDateX, kTimeX, at_)) return;

  if (!ReadFunction(1, f1_, y1_)) return;
  const bool second = !f2_[0].empty();
  if (second && !ReadFunction(2, f2_, y2_)) return;

  const double v1 = LagrangeInterpolate(x_, y1_, at_, n);
  const double w1 = LeadingTermVariation(x_, y1_, n);
  double v2 = 0.0, w2 = 0.0;
  if (second) {
    v2 = LagrangeInterpolate(x_, y2_, at_, n);
    w2 = LeadingTermVariation(x_, y2_, n);
  }
  if (!CheckFinite({v1, w1, v2, w2})) return;

  // The variation in hours is written within ±12 h.
  const Unit unit1 = CheckedUnit(kDecimal1, kDegrees1, kHours1);
  result1_ = ValueText(unit1, v1);
  variation1_ = ValueText(unit1, w1, 12.0);
  if (second) {
    const Unit unit2 = CheckedUnit(kDecimal2, kDegrees2, kHours2);
    result2_ = ValueText(unit2, v2);
    variation2_ = ValueText(unit2, w2, 12.0);
  }
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

void CInterpolationDlg::OnRButtonUp() {
  if (singleFunction_) {
    MessageBox("Variation du terme de plus haut degré entre les 2 points "
                   "extrêmes :\n\n " +
                   variation1_,
               Icon::Information);
    return;
  }
  MessageBox("Variation des termes de plus haut degré entre les 2 points "
                 "extrêmes :\n\n  Fonction 1 :    " +
                 variation1_ + "\n  Fonction 2 :    " + variation2_,
             Icon::Information);
}

ZENKO_REGISTER_FORM(CInterpolationDlg)
