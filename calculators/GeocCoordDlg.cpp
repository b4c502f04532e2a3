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
  t.width = 590;
  t.height = 290;
  t.controls = {
      Group("Entrez les données suivantes :", 10, 8, 334, 100),
      Label("Latitude (±dd:mm:ss) :", 22, 36, 180, 22),
      Edit(kLatitude, 210, 34, 120),
      Label("Altitude (en mètres) :", 22, 70, 180, 22),
      Number(kHeight, 210, 68, 120),
      Button(kCompute, "&Calcul", 356, 16, 108, 30, kDefault),
      Button(1, "&Retour", 472, 16, 108, 30),
      Button(2, "&Exit", 356, 56, 108, 30),
      Button(kHelp, "&Aide", 472, 56, 108, 30),
      Group("Résultats :", 10, 116, 570, 162),
      Label("Latitude géocentrique phi :", 22, 144, 300, 22),
      Result(kGeocentricLatitude, 330, 142, 236),
      Label("Distance rho au centre de la Terre :", 22, 176, 300, 22),
      Result(kDistance, 330, 174, 236),
      Label("rho sin phi :", 22, 208, 300, 22),
      Result(kRhoSin, 330, 206, 236),
      Label("rho cos phi :", 22, 240, 300, 22),
      Result(kRhoCos, 330, 238, 236),
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
