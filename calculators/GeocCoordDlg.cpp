#include "calculators/GeocCoordDlg.h"

#include <cmath>

#include "app/HintTexts.h"
#include "textfmt/Angles.h"
#include "textfmt/Parse.h"
#include "textfmt/Printf.h"

namespace {

enum : int {
  kCompute = 1017,
  kLatitude = 1007,
  kHeight = 1009,
  kGeocentricLatitude = 1013,
  kDistance = 1015,
  kRhoSin = 1016,
  kRhoCos = 1014,
  kHelp = 1109,
};

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 129;
  t.title = "Coordonnées géocentriques";
  t.controls = {
      Group("Entrez les données suivantes :", {0, 0, 2, 2}),
      Label("Latitude (±dd:mm:ss) :", {0, 0}),
      Edit(kLatitude, {0, 1}),
      Label("Altitude (en mètres) :", {1, 0}),
      Number(kHeight, {1, 1}),
      Button(kCompute, "&Calcul", {0, 2}, kDefault),
      Button(1, "&Retour", {0, 3}),
      Button(2, "&Exit", {1, 2}),
      Button(kHelp, "&Aide", {1, 3}),
      Group("Résultats :", {2, 0, 4, 4}),
      Label("Latitude géocentrique phi :", {2, 0}),
      Result(kGeocentricLatitude, {2, 1, 1, 3}),
      Label("Distance rho au centre de la Terre :", {3, 0}),
      Result(kDistance, {3, 1, 1, 3}),
      Label("rho sin phi :", {4, 0}),
      Result(kRhoSin, {4, 1, 1, 3}),
      Label("rho cos phi :", {5, 0}),
      Result(kRhoCos, {5, 1, 1, 3}),
  };
  t.help = {{kHelp, "GeocCoord"}};
  t.hints = {
      {kLatitude, kHintLatitude},
      {kHeight, "nombre entier de mètres — ex. 35"},
  };
  t.topic = "GeocCoord";
  return t;
}

}  // namespace

GeocentricPosition ComputeGeocentricPosition(double latitude, int height) {
  const double phi = latitude * 0.01745329252;
  const double k = height / 6378140.0;  // height in equatorial radii
  // Reduced latitude. The two-argument form keeps its quadrant at the poles,
  // where 90 x 0.01745329252 lies just past pi/2 and tan changes sign.
  const double u = std::atan2(0.99664719 * std::sin(phi), std::cos(phi));
  const double s = 0.99664719 * std::sin(u) + k * std::sin(phi);
  const double c = std::cos(u) + k * std::cos(phi);
  const double rho = std::sqrt(c * c + s * s);
  return {c, s, rho * 6378140.0, std::atan2(s, c) / 0.01745329252};
}

std::string FormatEarthRadii(double value) {
  std::string text = Format("%.6lf", value);
  if (text == "-0.000000") text.erase(0, 1);
  return text + " a";
}

CGeocCoordDlg::CGeocCoordDlg(CDialog* owner) : CDialog(Form(), owner) {
  BindText(kLatitude, latitude_);
  BindNumber(kHeight, height_);
  BindText(kGeocentricLatitude, geocentricLatitude_);
  BindText(kDistance, distance_);
  BindText(kRhoSin, rhoSin_);
  BindText(kRhoCos, rhoCos_);
  OnButton(kCompute, [this] { OnCompute(); });
}

const FormTemplate& CGeocCoordDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

void CGeocCoordDlg::OnCompute() {
  // A height that is not a whole number: the layer has shown its message
  // and focused the field; the stored height is unchanged.
  if (!UpdateData(true)) return;

  double latitude = 0.0;
  int status = ParseSexagesimal(latitude_, latitude);
  if (status == 0) {
    MessageBox(
        "Erreur de saisie de la latitude :\nle format est ±dd:mm:ss\n\n"
        "Recommencez !",
        Icon::Error);
  }
  if (status != 1) {
    GotoDlgCtrl(kLatitude);
    return;
  }
  if (std::fabs(latitude) > 90.0) {
    MessageBox(
        "Vous avez entré une valeur non valide pour la latitude.\nCelle-ci "
        "doit être comprise entre -90 et 90 degrés.",
        Icon::Error);
    GotoDlgCtrl(kLatitude);
    return;
  }

  GeocentricPosition g = ComputeGeocentricPosition(latitude, height_);
  if (!CheckFinite({g.rhoCos, g.rhoSin, g.distance, g.latitude})) return;
  rhoCos_ = FormatEarthRadii(g.rhoCos);
  rhoSin_ = FormatEarthRadii(g.rhoSin);
  distance_ = Format("%.0lf m", g.distance);
  geocentricLatitude_ = FormatDegrees(g.latitude, 0, 180.0);
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

ZENKO_REGISTER_FORM(129, CGeocCoordDlg)
