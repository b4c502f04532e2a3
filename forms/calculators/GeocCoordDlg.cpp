#include "GeocCoordDlg.h"

#include "HintTexts.h"
#include "TableTexts.h"
#include "Astronomy.h"
#include "Angles.h"
#include "Parse.h"
#include "Printf.h"

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
  t.table = {
      {{kLatitude, "latitude", kTableLatitude}, {kHeight, "altitude", "mètres, nombre entier"}},
      {},
      {{kGeocentricLatitude, "phi", "latitude géocentrique, ±dd°mm'ss\""},
       {kDistance, "rho", "distance au centre de la Terre"},
       {kRhoSin, "rho_sin_phi", "rho sin phi'"},
       {kRhoCos, "rho_cos_phi", "rho cos phi'"}},
      {{kCompute, "calcul"}},
  };
  t.example = SetStep(kLatitude, "45:0:0") + SetStep(kHeight, "0") + ClickStep(kCompute);
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
