#include "interp/ZeroExtremumDlg.h"

#include "interp/Lagrange.h"
#include "textfmt/Angles.h"
#include "textfmt/Calendar.h"
#include "textfmt/Parse.h"

namespace {

enum : int {
  kPoints = 1023,
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
int DateId(int r) { return 1000 + 4 * r; }
int TimeId(int r) { return 1001 + 4 * r; }

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 143;
  t.title = "Zéro et extremum d'une fonction de la date et de l'heure";
  t.width = 640;
  t.height = 470;
  std::vector<Control>& c = t.controls;
  c.push_back(Group("Entrez les données suivantes :", 10, 8, 520, 240));
  c.push_back(Label("Date\n(jj/mm/aaaa)", 50, 28, 150, 40, kCenter));
  c.push_back(Label("Heure\n(hh:mm:ss.s)", 210, 28, 150, 40, kCenter));
  c.push_back(Group("Fonction", 364, 24, 158, 216));
  for (int r = 0; r < 5; ++r) {
    const int y = 80 + 30 * r;
    c.push_back(Label(std::to_string(r + 1), 20, y + 2, 24, 22, kCenter));
    c.push_back(Edit(DateId(r), 50, y, 150));
    c.push_back(Edit(TimeId(r), 210, y, 150));
    c.push_back(Edit(kValueIds[r], 372, y, 142));
  }
  c.push_back(Label("Nombre de points :", 10, 262, 160, 22));
  c.push_back(Number(kPoints, 170, 260, 60, 22, kCenter));
  c.push_back(Group("Format :", 10, 296, 200, 116));
  c.push_back(Radio(kDecimal, "décimal", 22, 320, 180, 24, kGroupStart));
  c.push_back(Radio(kDegrees, "±ddd:mm:ss", 22, 348, 180, 24));
  c.push_back(Radio(kHours, "±hh:mm:ss.s", 22, 376, 180, 24));
  c.push_back(Group("Résultat :", 220, 296, 310, 116));
  c.push_back(Label("Date :", 232, 320, 90, 22));
  c.push_back(Result(kResultDate, 330, 318, 188));
  c.push_back(Label("Heure :", 232, 348, 90, 22));
  c.push_back(Result(kResultTime, 330, 346, 188));
  c.push_back(Label("Fonction :", 232, 376, 90, 22));
  c.push_back(Result(kResultValue, 330, 374, 188));
  c.push_back(Button(kInitialise, "&Initialisation", 540, 16, 90, 30, kDefault));
  c.push_back(Button(kZero, "&Zéro", 540, 56, 90, 30));
  c.push_back(Button(kExtremum, "E&xtremum", 540, 96, 90, 30));
  c.push_back(Button(1, "&Retour", 540, 300, 90, 30));
  c.push_back(Button(2, "&Exit", 540, 340, 90, 30));
  c.push_back(Button(kHelp, "&Aide", 540, 380, 90, 30));
  t.help = {{kHelp, "ZeroExtremum"}};
  t.topic = "ZeroExtremum";
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

CZeroExtremumDlg::CZeroExtremumDlg(CDialog* owner) : CDialog(Form(), owner) {
  for (int r = 0; r < 5; ++r) {
    time_[r] = "0:0:0";
    BindText(DateId(r), date_[r]);
    BindText(TimeId(r), time_[r]);
    BindText(kValueIds[r], value_[r]);
  }
  BindText(kResultDate, resultDate_);
  BindText(kResultTime, resultTime_);
  BindText(kResultValue, resultValue_);
  BindNumber(kPoints, points_);
  OnButton(kInitialise, [this] { ReadPoints(); });
  OnButton(kZero, [this] { OnZero(); });
  OnButton(kExtremum, [this] { OnExtremum(); });
}

const FormTemplate& CZeroExtremumDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

bool CZeroExtremumDlg::ReadPoints() {
  // A bad number of points has been reported by the layer; reading goes on
  // with the number held before.
  UpdateData(true);
  const int n = points_;
  if (!ReadPointMoments(n, kPoints, date_, time_, DateId, TimeId, x_)) return false;
  format_ = GetCheckedRadioButton(kDecimal, kHours);
  if (format_ == 0) {
    MessageBox(kNoFormat, Icon::Warning);
    return false;
  }
  return ReadPointValues(format_ == kDecimal, value_, n,
                         [](int r) { return kValueIds[r]; }, kDecimalSyntax,
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
  if (format_ == kDecimal)
    resultValue_ = Format("%lf", v);
  else if (format_ == kDegrees)
    resultValue_ = FormatDegrees(v, 0, 180);
  else
    resultValue_ = FormatHours(v, "", 1, 0);
  GotoDlgCtrl(kExtremum);
  UpdateData(false);
}

ZENKO_REGISTER_FORM(CZeroExtremumDlg)
