#include "calculators/Equatorial2HorizontalDlg.h"

#include "calculators/Astronomy.h"
#include "calculators/SiteFile.h"
#include "textfmt/Angles.h"
#include "textfmt/Calendar.h"
#include "textfmt/Parse.h"

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
  // Fields of the precession form read when it opens this form.
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
// Messages of the saving of the site coordinates.
const char* const kLongitudeFormat = kLongitudeRule.formatMessage;
const char* const kLatitudeFormat = kLatitudeRule.formatMessage;

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 134;
  t.title = "Coordonnées équatoriales et horizontales";
  t.width = 640;
  t.height = 500;
  t.controls = {
      Group("Entrez les données suivantes :", 10, 8, 450, 330),
      Group("Coordonnées équatoriales de l'astre :", 20, 30, 430, 92),
      Label("Ascension droite (hh:mm:ss.sss) :", 32, 56, 250, 22),
      Edit(kRightAscension, 290, 54, 146),
      Label("Déclinaison (±dd:mm:ss.ss) :", 32, 88, 250, 22),
      Edit(kDeclination, 290, 86, 146),
      Group("Coordonnées géographiques du site d'observation :", 20, 130,
            430, 120),
      Label("Longitude (±ddd:mm:ss) :", 32, 156, 250, 22),
      Edit(kLongitude, 290, 154, 146),
      Label("Latitude (±dd:mm:ss) :", 32, 188, 250, 22),
      Edit(kLatitude, 290, 186, 146),
      Label("(la longitude est comptée positivement vers l'ouest)", 32, 218,
            410, 22),
      Label("Date (jj/mm/aaaa) :", 32, 268, 250, 22),
      Edit(kDate, 290, 266, 146),
      Label("Heure (hh:mm:ss) :", 32, 300, 250, 22),
      Edit(kTime, 290, 298, 146),
      Button(kCompute, "&Calcul", 474, 14, 156, 30, kDefault),
      Button(kSave, "&Sauvegarde des coord. géogr.", 474, 54, 156, 44),
      Button(1, "&Retour", 474, 108, 156, 30),
      Button(2, "&Exit", 474, 148, 156, 30),
      Button(kHelp, "&Aide", 474, 188, 156, 30),
      Group("Coordonnées horizontales de l'astre :", 10, 348, 620, 140),
      Label("Azimut :", 32, 376, 120, 22),
      Result(kAzimuth, 160, 374, 200),
      Label("Hauteur :", 32, 408, 120, 22),
      Result(kAltitude, 160, 406, 200),
      Label("(l'azimut est compté à partir du sud, positivement vers "
            "l'ouest)",
            32, 444, 590, 22),
  };
  t.help = {{kHelp, "Equatorial2Horizontal"}};
  t.topic = "Equatorial2Horizontal";
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
}

const FormTemplate& CEquatorial2HorizontalDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

// The precession form's title is "Précession des équinoxes et mouvements
// propres"; the menu's begins with "U".
bool CEquatorial2HorizontalDlg::OpenedFromPrecession() const {
  return Owner() != nullptr && OwnerTitle().rfind('P', 0) == 0;
}

void CEquatorial2HorizontalDlg::OnInitDialog() {
  UpdateData(false);
  // A missing site file skips the filling and the take-over alike.
  if (!ReadSiteFile(siteLongitude_, siteLatitude_)) return;
  longitude_ = SiteValueText(siteLongitude_);
  latitude_ = SiteValueText(siteLatitude_);
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
                                              const std::string& formatMessage,
                                              double& value) {
  if (text.empty()) {
    value = 0.0;  // no value
    return true;
  }
  int read = ParseSexagesimal(text, value);
  if (read == 1) return true;
  // Never store something the user did not type: a text refused by the
  // parser (its message already shown for minutes or seconds of 60 or more)
  // stops the save.
  if (read == 0) MessageBox(formatMessage, Icon::Error);
  GotoDlgCtrl(id);
  return false;
}

void CEquatorial2HorizontalDlg::OnSave() {
  UpdateData(true);
  double longitude = 0.0, latitude = 0.0;
  if (!ReadSaveValue(longitude_, kLongitude, kLongitudeFormat, longitude))
    return;
  if (!ReadSaveValue(latitude_, kLatitude, kLatitudeFormat, latitude)) return;
  siteLongitude_ = longitude;
  siteLatitude_ = latitude;
  WriteSiteFile(siteLongitude_, siteLatitude_);
}

ZENKO_REGISTER_FORM(CEquatorial2HorizontalDlg)
