#include "Equatorial2HorizontalDlg.h"

#include "HintTexts.h"
#include "TableTexts.h"
#include "Astronomy.h"
#include "SiteFile.h"
#include "Angles.h"
#include "Calendar.h"
#include "Parse.h"

namespace {

enum : int {
  kRightAscension = 1042,
  kDeclination = 1043,
  kLongitude = 1057,
  kLatitude = 1007,
  kDate = 1018,
  kTime = 1025,
  kAzimuth = 1058,
  kAltitude = 1059,
  kCompute = 1017,
  kSave = 1062,
  kHelp = 1107,
  // The precession form (its template id) and its fields read when it
  // opens this form.
  kPrecessionForm = 132,
  kPrecessionRightAscension = 1052,
  kPrecessionDeclination = 1053,
  kPrecessionFinalEpoch = 1046,
};

// The right ascension is checked against 180 like the longitude, with its
// own texts.
const SexagesimalRule kRightAscensionRule = {
    "Erreur de saisie de l'ascension droite :\nle format est "
    "±hh:mm:ss\n\nRecommencez !",
    180.0,
    "Vous avez entré une valeur non valide pour l'ascension droite.\n"
    "Celle-ci doit être comprise entre -12 et 12 heures."};

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 134;
  t.title = "Coordonnées équatoriales et horizontales";
  t.controls = {
      Group("Entrez les données suivantes :", {0, 0, 7, 2}),
      Group("Coordonnées équatoriales de l'astre :", {0, 0, 2, 2}),
      Label("Ascension droite (hh:mm:ss.sss) :", {0, 0}),
      Edit(kRightAscension, {0, 1}),
      Label("Déclinaison (±dd:mm:ss.ss) :", {1, 0}),
      Edit(kDeclination, {1, 1}),
      Group("Coordonnées géographiques du site d'observation :", {2, 0, 3, 2}),
      Label("Longitude (±ddd:mm:ss) :", {2, 0}),
      Edit(kLongitude, {2, 1}),
      Label("Latitude (±dd:mm:ss) :", {3, 0}),
      Edit(kLatitude, {3, 1}),
      Label("(la longitude est comptée positivement vers l'ouest)", {4, 0, 1, 2}),
      Label("Date (jj/mm/aaaa) :", {5, 0}),
      Edit(kDate, {5, 1}),
      Label("Heure (hh:mm:ss) :", {6, 0}),
      Edit(kTime, {6, 1}),
      Button(kCompute, "&Calcul", {0, 2}, kDefault),
      Button(kSave, "&Sauvegarde des coord. géogr.", {1, 2}),
      Button(1, "&Retour", {2, 2}),
      Button(2, "&Exit", {3, 2}),
      Button(kHelp, "&Aide", {4, 2}),
      StretchRow({5, 2}),
      Group("Coordonnées horizontales de l'astre :", {7, 0, 3, 3}),
      Label("Azimut :", {7, 0}),
      Result(kAzimuth, {7, 1}),
      Label("Hauteur :", {8, 0}),
      Result(kAltitude, {8, 1}),
      Label("(l'azimut est compté à partir du sud, positivement vers "
            "l'ouest)",
            {9, 0, 1, 3}),
  };
  t.help = {{kHelp, "Equatorial2Horizontal"}};
  t.hints = {
      {kRightAscension, kHintRightAscension},
      {kDeclination, kHintDeclination},
      {kLongitude, kHintLongitude},
      {kLatitude, kHintLatitude},
      {kDate, kHintDate},
      {kTime, kHintTime},
  };
  t.topic = "Equatorial2Horizontal";
  t.table = {
      {{kRightAscension, "ad", kTableRightAscension},
       {kDeclination, "decl", kTableDeclination},
       {kLongitude, "longitude", kTableLongitude},
       {kLatitude, "latitude", kTableLatitude},
       {kDate, "date", kTableDate},
       {kTime, "heure", "hh:mm:ss"}},
      {},
      {{kAzimuth, "azimut", "depuis le sud, positif vers l'ouest"},
       {kAltitude, "hauteur", "hauteur"}},
      {{kCompute, "calcul"}},
  };
  t.example = SetStep(kRightAscension, "12:0:0") + SetStep(kDeclination, "30:0:0") +
              SetStep(kLongitude, "-2:30:0") + SetStep(kLatitude, "48:48:0") +
              SetStep(kDate, "01/01/2000") + SetStep(kTime, "12:00:00") + ClickStep(kCompute);
  return t;
}

}  // namespace

CEquatorial2HorizontalDlg::CEquatorial2HorizontalDlg(CDialog* owner)
    : CDialog(Form(), owner) {
  BindText(kRightAscension, rightAscension_);
  BindText(kDeclination, declination_);
  BindText(kLongitude, longitude_);
  BindText(kLatitude, latitude_);
  BindText(kDate, date_);
  BindText(kTime, time_);
  BindText(kAzimuth, azimuth_);
  BindText(kAltitude, altitude_);
  OnButton(kCompute, [this] { OnCompute(); });
  OnButton(kSave, [this] { OnSave(); });
  SetNowFields(kDate, kTime);
}

const FormTemplate& CEquatorial2HorizontalDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

bool CEquatorial2HorizontalDlg::OpenedFromPrecession() const {
  return Owner() != nullptr && Owner()->Template().id == kPrecessionForm;
}

void CEquatorial2HorizontalDlg::OnInitDialog() {
  UpdateData(false);
  // A missing site file skips the filling and the take-over alike.
  if (!ShowStatus(ReadSiteFile(siteLongitude_, siteLatitude_))) return;
  longitude_ = SiteValueText(siteLongitude_);
  latitude_ = SiteValueText(siteLatitude_);
  filledLongitude_ = longitude_;
  filledLatitude_ = latitude_;
  if (OpenedFromPrecession()) {
    const CDialog* precession = Owner();
    rightAscension_ =
        ToColonForm(precession->GetDlgItemText(kPrecessionRightAscension));
    declination_ =
        ToColonForm(precession->GetDlgItemText(kPrecessionDeclination));
    date_ = precession->GetDlgItemText(kPrecessionFinalEpoch);
    UpdateData(false);
    if (rightAscension_.empty())
      GotoDlgCtrl(kRightAscension);
    else if (declination_.empty())
      GotoDlgCtrl(kDeclination);
    else if (date_.empty())
      GotoDlgCtrl(kDate);
    else
      GotoDlgCtrl(kTime);
    return;
  }
  // The focus stays on the first field, the right ascension.
  UpdateData(false);
}

// Opened from the precession form, "&Exit" only returns to it.
void CEquatorial2HorizontalDlg::OnCancel() {
  if (OpenedFromPrecession()) {
    OnOK();
    return;
  }
  CDialog::OnCancel();
}

void CEquatorial2HorizontalDlg::OnCompute() {
  UpdateData(true);
  double rightAscension = 0.0, declination = 0.0, longitude = 0.0, latitude = 0.0;
  if (!ReadSexagesimalField(rightAscension_, kRightAscension, kRightAscensionRule,
                            rightAscension) ||
      !ReadSexagesimalField(declination_, kDeclination, kDeclinationRule, declination) ||
      !ReadSexagesimalField(longitude_, kLongitude, kLongitudeRule, longitude) ||
      !ReadSexagesimalField(latitude_, kLatitude, kLatitudeRule, latitude))
    return;

  JulianDay jd = 0.0;
  bool epoch = false;
  if (!ReadDateAndTime(date_, time_, kDate, kTime, jd, &epoch)) return;
  const astro::HorizontalPosition p = astro::EquatorialToHorizontal(
      astro::HoursToRadians(rightAscension), astro::DegreesToRadians(declination),
      astro::DegreesToRadians(longitude), astro::DegreesToRadians(latitude), jd);
  if (!CheckFinite({p.azimuth, p.altitude})) return;
  if (epoch) time_.clear();  // a Julian epoch fixes the time
  azimuth_ = FormatDegrees(astro::RadiansToDegrees(p.azimuth), 0, 180.0);
  altitude_ = FormatDegrees(astro::RadiansToDegrees(p.altitude), 0, 180.0);
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

bool CEquatorial2HorizontalDlg::ReadSaveValue(const std::string& text, int id,
                                              const SexagesimalRule& rule,
                                              double& value) {
  if (text.empty()) {
    value = 0.0;  // no value
    return true;
  }
  // Never store something the user did not type: a text the parser refuses
  // stops the save. The value is stored as typed, without the range check
  // of a computation.
  const SexagesimalRule formatOnly = {rule.formatMessage, 0.0, nullptr};
  return ReadSexagesimalField(text, id, formatOnly, value);
}

// A field the user left as the site file filled it shows a rounded value:
// saving keeps the double the file holds then, not that rounding (another
// copy of the program may have saved since). What the user typed is stored
// as typed, at this save and at every later one, even if the text goes
// back to what the file filled in.
void CEquatorial2HorizontalDlg::OnSave() {
  UpdateData(true);
  SiteCoordinate longitude{siteLongitude_, false};
  SiteCoordinate latitude{siteLatitude_, false};
  longitude.keep = filledLongitude_ && longitude_ == *filledLongitude_;
  latitude.keep = filledLatitude_ && latitude_ == *filledLatitude_;
  if (!longitude.keep && !ReadSaveValue(longitude_, kLongitude,
                                        kLongitudeRule, longitude.value))
    return;
  if (!latitude.keep && !ReadSaveValue(latitude_, kLatitude, kLatitudeRule,
                                       latitude.value))
    return;
  const bool saved = ShowStatus(WriteSiteFile(longitude, latitude));
  siteLongitude_ = longitude.value;
  siteLatitude_ = latitude.value;
  if (!saved) return;  // the next try starts from the same texts
  if (!longitude.keep) filledLongitude_.reset();
  if (!latitude.keep) filledLatitude_.reset();
}

ZENKO_REGISTER_FORM(CEquatorial2HorizontalDlg)
