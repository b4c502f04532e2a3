#include "KeplerSpeedDlg.h"

#include "HintTexts.h"
#include "Astronomy.h"

namespace {

enum : int {
  kAstronomical = 1136,
  kKilometres = 1137,
  kAxis = 1095,
  kEccentricity = 1121,
  kPeriod = 1122,
  kPerihelion = 1127,
  kAphelion = 1126,
  kRecord = 1129,
  kHelp = 1132,
};

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 164;
  t.title = "Vitesse orbitale";
  t.controls = {
      Group("Choix des unités :", {0, 0, 2, 4}),
      Radio(kAstronomical,
            "le demi-grand axe en unités astronomiques et la période en années.",
            {0, 0, 1, 4}, kGroupStart),
      Radio(kKilometres, "le demi-grand axe en km et la période en jours.", {1, 0, 1, 4}),
      Group("Entrez les données de l'orbite :", {2, 0, 3, 2}),
      Label("demi-grand axe :", {2, 0}),
      Edit(kAxis, {2, 1}),
      Label("excentricité :", {3, 0}),
      Edit(kEccentricity, {3, 1}),
      Label("période orbitale : ", {4, 0}),
      Edit(kPeriod, {4, 1}),
      Button(kRecord, "Enregistrez", {2, 2}, kDefault),
      Button(1, "&Retour", {2, 3}),
      Button(2, "&Exit", {3, 2}),
      Button(kHelp, "&Aide", {3, 3}),
      StretchRow({4, 2}),
      Group("Résultats :", {5, 0, 2, 4}),
      Label("vitesse orbitale au     périhélie (en km/s) : ", {5, 0}),
      Result(kPerihelion, {5, 1, 1, 3}),
      Label("vitesse orbitale à      l'aphélie (en km/s)  :", {6, 0}),
      Result(kAphelion, {6, 1, 1, 3}),
  };
  t.help = {{kHelp, "KeplerSpeed"}};
  t.hints = {
      {kAxis, "nombre décimal, point ou virgule, en UA ou en km — ex. 1 ou 149597870"},
      {kEccentricity, "nombre décimal, point ou virgule — ex. 0,0167"},
      {kPeriod,
       "nombre décimal, point ou virgule, en années ou en jours — ex. 1 ou 365,25"},
  };
  t.topic = "KeplerSpeed";
  t.table = {
      {{kAxis, "axe", "demi-grand axe, nombre"},
       {kEccentricity, "excentricite", "nombre dans [0, 1)"},
       {kPeriod, "periode", "période orbitale, nombre"}},
      {{kAstronomical, "unites", "unités des données", {{kAstronomical, "ua"}, {kKilometres, "km"}}}},
      {{kPerihelion, "perihelie", "km/s"}, {kAphelion, "aphelie", "km/s"}},
      {{kRecord, "calcul"}},
  };
  t.example = ClickStep(kAstronomical) + SetStep(kAxis, "1") + SetStep(kEccentricity, "0,0167") +
              SetStep(kPeriod, "1") + ClickStep(kRecord);
  return t;
}

}  // namespace

CKeplerSpeedDlg::CKeplerSpeedDlg(CDialog* owner) : CDialog(Form(), owner) {
  BindText(kAxis, axis_);
  BindText(kEccentricity, eccentricity_);
  BindText(kPeriod, period_);
  BindText(kPerihelion, perihelion_);
  BindText(kAphelion, aphelion_);
  // The unit chosen lasts for the whole run, not for one opening of the
  // form.
  OnButton(kAstronomical, [this] { State().orbitalSpeedUnit = 4.74047; });
  OnButton(kKilometres, [this] { State().orbitalSpeedUnit = 1.157407e-05; });
  OnButton(kRecord, [this] { OnRecord(); });
}

const FormTemplate& CKeplerSpeedDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

void CKeplerSpeedDlg::OnRecord() {
  UpdateData(true);
  const double unit = State().orbitalSpeedUnit;
  if (unit == 0.0) {
    MessageBox(
        "Commencez par choisir les unités dans\nle premier cadre de la boîte "
        "de dialogue.",
        Icon::Warning);
    return;
  }
  double a = 0.0;
  if (!ReadDecimalField(axis_, kAxis,
                        {"Erreur de saisie du demi-grand axe de l'ellipse.\nCorrection:",
                         Icon::Warning, true, true},
                        a))
    return;
  double e = 0.0;
  if (!ReadDecimalField(eccentricity_, kEccentricity,
                        {"Erreur de saisie de l'excentricité.\nCorrection:",
                         Icon::Warning, true, false},
                        e))
    return;
  if (e < 0.0 || !(e < 1.0)) {
    MessageBox(
        "Erreur: l'excentricité  ne peut être\nni négative,ni supérieure ou "
        "égale à 1.\nCorrection:",
        Icon::Warning);
    GotoDlgCtrl(kEccentricity);
    return;
  }
  double p = 0.0;
  if (!ReadDecimalField(period_, kPeriod,
                        {"Erreur de saisie de la période orbitale.\nCorrection:",
                         Icon::Warning, true, true},
                        p))
    return;
  const astro::ApsidalSpeeds v = astro::OrbitalSpeeds(unit, a, e, p);
  if (!CheckFinite({v.mean, v.perihelion, v.aphelion})) return;
  perihelion_ = WithDecimalComma(Format("%.3lf", v.perihelion));
  aphelion_ = WithDecimalComma(Format("%.3lf", v.aphelion));
  UpdateData(false);
}

ZENKO_REGISTER_FORM(CKeplerSpeedDlg)
