#include "JulianDayDlg.h"

#include <cmath>

#include "HintTexts.h"
#include "TableTexts.h"
#include "Astronomy.h"
#include "Angles.h"
#include "Calendar.h"
#include "Printf.h"

namespace {

enum : int {
  kDate = 1018,
  kTime = 1025,
  kJulianDay = 1022,
  kSidereal = 1067,
  kEquation = 1056,
  kJulianDayIn = 1020,
  kDateOut = 1023,
  kTimeOut = 1028,
  kCompute = 1019,
  kCopy = 1024,
  kComputeDate = 1021,
  kHelp = 1110,
};

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 130;
  t.title = "Jour julien, temps sidéral à Greenwich et équation du temps";
  // Five columns: labels, fields, room, room, buttons; the last row keeps
  // "&Exit" half-way between the other two buttons.
  t.controls = {
      Group("Calcul du jour julien", {0, 0, 3, 5}),
      Label("Entrez la date (jj/mm/aaaa   ou Jaaaa) :", {0, 0}),
      Edit(kDate, {0, 1}),
      Label("et l'heure UT (hh:mm:ss.s) :", {1, 0}),
      Edit(kTime, {1, 1}),
      Button(kCompute, "&Calcul", {0, 4}, kDefault),
      Button(kCopy, "Co&pie", {2, 4}),
      Label("Jour julien :", {2, 0}),
      Result(kJulianDay, {2, 1}),
      Group("", {3, 0, 2, 5}),
      Label("Temps sidéral à Greenwich :", {3, 0}),
      Result(kSidereal, {3, 1}),
      Label("Équation du temps :", {4, 0}),
      Result(kEquation, {4, 1}),
      Group("Calcul de la date et de l'heure", {5, 0, 3, 5}),
      Label("Entrez le jour julien :", {5, 0}),
      Edit(kJulianDayIn, {5, 1}),
      Button(kComputeDate, "Ca&lcul", {5, 4}),
      Box({6, 0, 2, 4}),
      Label("Date :", {6, 0}),
      Result(kDateOut, {6, 1, 1, 3}, kNoFlag, 30),
      Label("Heure :", {7, 0}),
      Result(kTimeOut, {7, 1, 1, 3}, kNoFlag, 30),
      StretchColumn({0, 2}),
      StretchColumn({3, 2}),
      StretchColumn({5, 2}),
      Button(1, "&Retour", {8, 0}),
      StretchColumn({8, 1}),
      Button(2, "&Exit", {8, 2}),
      StretchColumn({8, 3}),
      Button(kHelp, "&Aide", {8, 4}),
  };
  t.help = {{kHelp, "JulianDay"}};
  t.hints = {
      {kDate, kHintDate},
      {kTime, kHintTime},
      {kJulianDayIn, "nombre décimal, point ou virgule — ex. 2451545,0"},
  };
  t.topic = "JulianDay";
  t.table = {
      {{kDate, "date", kTableDateEpoch},
       {kTime, "heure", kTableTime},
       {kJulianDayIn, "jj", "jour julien"}},
      {},
      {{kJulianDay, "jour_julien", "jour julien"},
       {kSidereal, "tsg", "temps sidéral à Greenwich"},
       {kEquation, "equation_temps", "équation du temps"},
       {kDateOut, "res_date", "jour de la semaine et date"},
       {kTimeOut, "res_heure", "heure"}},
      // "Co&pie" is left out: it copies a result into an input field, and a
      // row's fresh form has no result to copy.
      {{kCompute, "calcul"}, {kComputeDate, "calcul_date"}},
  };
  t.example = SetStep(kDate, "01/01/2000") + SetStep(kTime, "12:00:00") +
              ClickStep(kCompute) + ClickStep(kCopy) + ClickStep(kComputeDate);
  return t;
}

}  // namespace

std::string FormatEquationOfTime(double minutes) {
  double whole = 0.0;
  double fraction = std::modf(minutes, &whole);
  double seconds = std::fabs(fraction * 60.0);
  if (whole == 0.0 && minutes < 0.0) return Format("-0m %.1lfs", seconds);
  return Format("%.0lfm %.1lfs", whole + 0.0, seconds);
}

CJulianDayDlg::CJulianDayDlg(CDialog* owner)
    : CDialog(Form(), owner), time_("0:0:0") {
  BindText(kDate, date_);
  BindText(kTime, time_);
  BindText(kJulianDay, julianDay_);
  BindText(kSidereal, sidereal_);
  BindText(kEquation, equation_);
  BindText(kJulianDayIn, julianDayIn_);
  BindText(kDateOut, dateOut_);
  BindText(kTimeOut, timeOut_);
  OnButton(kCompute, [this] { OnDateToJulianDay(); });
  OnButton(kCopy, [this] { OnCopy(); });
  OnButton(kComputeDate, [this] { OnJulianDayToDate(); });
  SetNowFields(kDate, kTime, kJulianDayIn);
}

const FormTemplate& CJulianDayDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

void CJulianDayDlg::OnDateToJulianDay() {
  UpdateData(true);
  JulianDay jd = 0.0;
  bool epoch = false;
  if (!ReadDateAndTime(date_, time_, kDate, kTime, jd, &epoch)) return;
  double sidereal = astro::SiderealTimeAtGreenwich(jd);
  double equation = astro::EquationOfTime(jd);
  if (!CheckFinite({jd, sidereal, equation})) return;
  if (epoch) time_.clear();
  julianDay_ = Format("%.7f", jd);
  sidereal_ = FormatHours(sidereal, "", 1, 0);
  equation_ = FormatEquationOfTime(equation);
  GotoDlgCtrl(kCopy);
  UpdateData(false);
}

void CJulianDayDlg::OnCopy() {
  UpdateData(true);
  if (julianDay_.empty()) {
    GotoDlgCtrl(kCompute);
    UpdateData(false);
    return;
  }
  julianDayIn_ = julianDay_;
  dateOut_.clear();
  timeOut_.clear();
  GotoDlgCtrl(kComputeDate);
  UpdateData(false);
}

void CJulianDayDlg::OnJulianDayToDate() {
  UpdateData(true);
  double jd = 0.0;
  if (!ReadDecimalField(julianDayIn_, kJulianDayIn,
                        {"Erreur de saisie du jour julien.\n\nRecommencez !"}, jd))
    return;
  if (!CheckJulianDayForDate(jd)) {
    GotoDlgCtrl(kJulianDayIn);
    return;
  }
  CalendarDate c = JulianDayToCalendar(jd);
  // Sidereal time from the 1900 epoch: 0h UT of the date plus the elapsed
  // fraction of the day in sidereal turns.
  double r = astro::SiderealTurns1900(static_cast<double>(c.z), c.f);
  double hours = (c.dayWithFraction - static_cast<double>(c.day)) * 24;
  double equation = astro::EquationOfTime(jd);
  if (!CheckFinite({r, hours, equation})) return;
  int month = (c.month >= 1 && c.month <= 12) ? static_cast<int>(c.month) : 1;
  dateOut_ = Format("%s %lld %s %lld", kWeekdayNames[c.weekday],
                    static_cast<long long>(c.day), kMonthNames[month],
                    static_cast<long long>(c.year));
  timeOut_ = FormatHours(hours, " UT", 1, 0);
  sidereal_ = FormatHours(FloorModReal(r, 1) * 24, "", 1, 0);
  equation_ = FormatEquationOfTime(equation);
  GotoDlgCtrl(1);
  UpdateData(false);
}

ZENKO_REGISTER_FORM(CJulianDayDlg)
