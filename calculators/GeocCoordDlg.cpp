#include "calculators/GeocCoordDlg.h"

#include "calculators/Astronomy.h"
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
  t.topic = "GeocCoord";
  return t;
}

}  // namespace

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
  if (!ReadSexagesimalField(latitude_, kLatitude, kLatitudeRule, latitude)) return;

  const astro::GeocentricPosition g = astro::ComputeGeocentricPosition(latitude, height_);
  if (!CheckFinite({g.rhoCos, g.rhoSin, g.distance, g.latitude})) return;
  rhoCos_ = FormatEarthRadii(g.rhoCos);
  rhoSin_ = FormatEarthRadii(g.rhoSin);
  distance_ = Format("%.0lf m", g.distance);
  geocentricLatitude_ = FormatDegrees(g.latitude, 0, 180.0);
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

ZENKO_REGISTER_FORM(CGeocCoordDlg)
