#include "calculators/KeplerSpeedDlg.h"

#include "calculators/Astronomy.h"
#include "textfmt/Parse.h"

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
  t.width = 600;
  t.height = 356;
  t.controls = {
      Group("Choix des unités :", 10, 8, 580, 86),
      Radio(kAstronomical,
            "le demi-grand axe en unités astronomiques et la période en années.",
            22, 32, 556, 24, kGroupStart),
      Radio(kKilometres, "le demi-grand axe en km et la période en jours.", 22,
            60, 556, 24),
      Group("Entrez les données de l'orbite :", 10, 102, 340, 128),
      Label("demi-grand axe :", 22, 130, 170, 22),
      Edit(kAxis, 200, 128, 136),
      Label("excentricité :", 22, 162, 170, 22),
      Edit(kEccentricity, 200, 160, 136),
      Label("période orbitale : ", 22, 194, 170, 22),
      Edit(kPeriod, 200, 192, 136),
      Button(kRecord, "Enregistrez", 364, 112, 108, 30, kDefault),
      Button(1, "&Retour", 482, 112, 108, 30),
      Button(2, "&Exit", 364, 152, 108, 30),
      Button(kHelp, "&Aide", 482, 152, 108, 30),
      Group("Résultats :", 10, 240, 580, 104),
      Label("vitesse orbitale au     périhélie (en km/s) : ", 22, 268, 380, 22),
      Result(kPerihelion, 410, 266, 168),
      Label("vitesse orbitale à      l'aphélie (en km/s)  :", 22, 302, 380, 22),
      Result(kAphelion, 410, 300, 168),
  };
  t.help = {{kHelp, "KeplerSpeed"}};
  t.topic = "KeplerSpeed";
  return t;
}

}  // namespace

CKeplerSpeedDlg::CKeplerSpeedDlg(CDialog* owner) : CDialog(Form(), owner) {
  BindText(kAxis, axis_);
  BindText(kEccentricity, eccentricity_);
  BindText(kPeriod, period_);
  BindText(kPerihelion, perihelion_);
  BindText(kAphelion, aphelion_);
  OnButton(kAstronomical, [] { UnitFactor() = 4.74047; });
  OnButton(kKilometres, [] { UnitFactor() = 1.157407e-05; });
  OnButton(kRecord, [this] { OnRecord(); });
}

const FormTemplate& CKeplerSpeedDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

double& CKeplerSpeedDlg::UnitFactor() {
  static double factor = 0.0;
  return factor;
}

void CKeplerSpeedDlg::OnRecord() {
  UpdateData(true);
  if (UnitFactor() == 0.0) {
    MessageBox(
        "Commencez par choisir les unités dans\nle premier cadre de la boîte "
        "de dialogue.",
        Icon::Warning);
    return;
  }
  double a = 0.0;
  if (ParseDecimalField(axis_, a) != kParseOk || a <= 0.0) {
    MessageBox("Erreur de saisie du demi-grand axe de l'ellipse.\nCorrection:",
               Icon::Warning);
    GotoDlgCtrl(kAxis);
    return;
  }
  double e = 0.0;
  if (ParseDecimalField(eccentricity_, e) != kParseOk) {
    MessageBox("Erreur de saisie de l'excentricité.\nCorrection:",
               Icon::Warning);
    GotoDlgCtrl(kEccentricity);
    return;
  }
  if (e < 0.0 || !(e < 1.0)) {
    MessageBox(
        "Erreur: l'excentricité  ne peut être\nni négative,ni supérieure ou "
        "égale à 1.\nCorrection:",
        Icon::Warning);
    GotoDlgCtrl(kEccentricity);
    return;
  }
  double p = 0.0;
  if (ParseDecimalField(period_, p) != kParseOk || p <= 0.0) {
    MessageBox("Erreur de saisie de la période orbitale.\nCorrection:",
               Icon::Warning);
    GotoDlgCtrl(kPeriod);
    return;
  }
  const astro::ApsidalSpeeds v = astro::OrbitalSpeeds(UnitFactor(), a, e, p);
  if (!CheckFinite({v.mean, v.perihelion, v.aphelion})) return;
  perihelion_ = WithDecimalComma(Format("%.3lf", v.perihelion));
  aphelion_ = WithDecimalComma(Format("%.3lf", v.aphelion));
  UpdateData(false);
}

ZENKO_REGISTER_FORM(CKeplerSpeedDlg)
