#include "calculators/SiderealTimeDlg.h"

#include "calculators/Astronomy.h"
#include "calculators/SiteFile.h"
#include "textfmt/Angles.h"
#include "textfmt/Calendar.h"
#include "textfmt/Parse.h"

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
  t.width = 520;
  t.height = 270;
  t.controls = {
      Group("Entrez les données suivantes :", 10, 8, 370, 150),
      Label("Date (jj/mm/aaaa) :", 22, 36, 200, 22),
      Edit(kDate, 230, 34, 136),
      Label("Heure UT (hh:mm:ss.s) :", 22, 68, 200, 22),
      Edit(kTime, 230, 66, 136),
      Label("Longitude (±ddd:mm:ss) :", 22, 100, 200, 22),
      Edit(kLongitude, 230, 98, 136),
      Label("(la longitude est comptée positivement vers l'ouest)", 22, 128,
            350, 22),
      Button(kCompute, "&Calcul", 398, 14, 108, 30, kDefault),
      Button(1, "&Retour", 398, 54, 108, 30),
      Button(2, "&Exit", 398, 94, 108, 30),
      Button(kHelp, "&Aide", 398, 134, 108, 30),
      Group("Temps sidéral :", 10, 170, 370, 70),
      Result(kResult, 22, 200, 346),
  };
  t.help = {{kHelp, "SiderealTime"}};
  t.topic = "SiderealTime";
  return t;
}

}  // namespace

CSiderealTimeDlg::CSiderealTimeDlg(CDialog* owner) : CDialog(Form(), owner) {
  BindText(kDate, date_);
  BindText(kTime, time_);
  BindText(kLongitude, longitude_);
  BindText(kResult, result_);
  OnButton(kCompute, [this] { OnCompute(); });
}

const FormTemplate& CSiderealTimeDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

void CSiderealTimeDlg::OnInitDialog() {
  // The latitude is read with the longitude but not used here.
  if (ReadSiteFile(siteLongitude_, siteLatitude_))
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
