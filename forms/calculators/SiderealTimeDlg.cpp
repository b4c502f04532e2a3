#include "SiderealTimeDlg.h"

#include "HintTexts.h"
#include "TableTexts.h"
#include "Astronomy.h"
#include "SiteFile.h"
#include "Angles.h"
#include "Calendar.h"
#include "Parse.h"

namespace {

enum : int {
  kDate = 1018,
  kTime = 1025,
  kLongitude = 1057,
  kResult = 1065,
  kCompute = 1017,
  kHelp = 1112,
};

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 135;
  t.title = "Temps sidéral";
  t.controls = {
      Group("Entrez les données suivantes :", {0, 0, 4, 2}),
      Label("Date (jj/mm/aaaa) :", {0, 0}),
      Edit(kDate, {0, 1}),
      Label("Heure UT (hh:mm:ss.s) :", {1, 0}),
      Edit(kTime, {1, 1}),
      Label("Longitude (±ddd:mm:ss) :", {2, 0}),
      Edit(kLongitude, {2, 1}),
      Label("(la longitude est comptée positivement vers l'ouest)", {3, 0, 1, 2}),
      Button(kCompute, "&Calcul", {0, 2}, kDefault),
      Button(1, "&Retour", {1, 2}),
      Button(2, "&Exit", {2, 2}),
      Button(kHelp, "&Aide", {3, 2}),
      Group("Temps sidéral :", {4, 0, 1, 2}),
      Result(kResult, {4, 0, 1, 2}),
  };
  t.help = {{kHelp, "SiderealTime"}};
  t.hints = {
      {kDate, kHintDate},
      {kTime, kHintTime},
      {kLongitude, kHintLongitude},
  };
  t.topic = "SiderealTime";
  t.table = {
      {{kDate, "date", kTableDate},
       {kTime, "heure", kTableTime},
       {kLongitude, "longitude", kTableLongitude}},
      {},
      {{kResult, "temps_sideral", "temps sidéral local"}},
      {{kCompute, "calcul"}},
  };
  t.example = SetStep(kDate, "01/01/2000") + SetStep(kTime, "12:00:00") +
              SetStep(kLongitude, "-2:30:0") + ClickStep(kCompute);
  return t;
}

}  // namespace

CSiderealTimeDlg::CSiderealTimeDlg(CDialog* owner) : CDialog(Form(), owner) {
  BindText(kDate, date_);
  BindText(kTime, time_);
  BindText(kLongitude, longitude_);
  BindText(kResult, result_);
  OnButton(kCompute, [this] { OnCompute(); });
  SetNowFields(kDate, kTime);
}

const FormTemplate& CSiderealTimeDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

void CSiderealTimeDlg::OnInitDialog() {
  // The latitude is read with the longitude but not used here.
  if (ShowStatus(ReadSiteFile(siteLongitude_, siteLatitude_)))
    longitude_ = SiteValueText(siteLongitude_);
  // The focus stays on the first field, the date.
  UpdateData(false);
}

void CSiderealTimeDlg::OnCompute() {
  UpdateData(true);
  JulianDay jd = 0.0;
  if (!ReadDateAndTime(date_, time_, kDate, kTime, jd)) return;
  double longitude = 0.0;
  if (!ReadSexagesimalField(longitude_, kLongitude, kLongitudeRule, longitude)) return;
  const double theta = astro::LocalSiderealTime(jd, longitude);
  if (!CheckFinite({theta})) return;
  result_ = FormatHours(theta, "", 1, 0.0);
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

ZENKO_REGISTER_FORM(CSiderealTimeDlg)
