#include "PrecessionDlg.h"

#include <memory>

#include "HintTexts.h"
#include "TableTexts.h"
#include "Astronomy.h"
#include "Equatorial2HorizontalDlg.h"
#include "Precession.h"
#include "Angles.h"
#include "Calendar.h"

namespace {

enum : int {
  kCompute = 1017,
  kHorizontal = 1061,
  kInitialEpoch = 1041,
  kRightAscension = 1042,
  kDeclination = 1043,
  kMotionRightAscension = 1044,
  kMotionDeclination = 1045,
  kFinalEpoch = 1046,
  kFinalEquinox = 1047,
  kResultRightAscension = 1052,
  kResultDeclination = 1053,
  kHelp = 1111,
};

// This form's right ascension: no range, its own format text.
const SexagesimalRule kRightAscensionRule = {
    "Erreur de saisie de l'ascension droite :\nle format est "
    "hh:mm:ss.s\n\nRecommencez !",
    0.0, nullptr};

// Epochs are read as Julian Days at 0 h, in both date forms; a wrong date
// shows its message.
bool ReadEpoch(const std::string& text, JulianDay& jd) {
  const FieldStatus date = ShowStatus(ReadDateTimeAsJulianDay(text, "0:0:0", jd).date);
  return date == kFieldOk || date == kFieldEpoch;
}

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 132;
  t.title = "Précession des équinoxes et mouvements propres";
  t.controls = {
      Group("Entrez les données suivantes :", {0, 0, 8, 2}),
      Label("Époque initiale (jj/mm/aaaa ou Jaaaa) :", {0, 0}),
      Edit(kInitialEpoch, {0, 1}),
      Label("Coordonnées et mouvements propres annuels à l'époque initiale, "
            "et pour l'équinoxe de cette même époque :",
            {1, 0, 1, 2}, kWrap, 46),
      Label("Ascension droite (hh:mm:ss.sss) :", {2, 0}),
      Edit(kRightAscension, {2, 1}),
      Label("Déclinaison (±dd:mm:ss.ss) :", {3, 0}),
      Edit(kDeclination, {3, 1}),
      Label("Mouvt. pr. ann. en asc.dr. (±s.ssss) :", {4, 0}),
      Edit(kMotionRightAscension, {4, 1}),
      Label("Mouvt. pr. ann. en décl. (±s.sss) :", {5, 0}),
      Edit(kMotionDeclination, {5, 1}),
      Label("Époque finale (jj/mm/aaaa) :", {6, 0}),
      Edit(kFinalEpoch, {6, 1}),
      Label("Équinoxe final (jj/mm/aaaa ou Jaaaa) :", {7, 0}),
      Edit(kFinalEquinox, {7, 1}),
      Button(kCompute, "&Calcul", {0, 2}, kDefault),
      Button(kHorizontal, "Coordonnées horizontales", {1, 2}),
      Button(1, "&Retour", {2, 2}),
      Button(2, "&Exit", {3, 2}),
      Button(kHelp, "&Aide", {4, 2}),
      StretchRow({5, 2}),
      Group("Résultats :", {8, 0, 1, 4}),
      Label("Ascension droite :", {8, 0}),
      Result(kResultRightAscension, {8, 1}),
      Label("Déclinaison :", {8, 2}),
      Result(kResultDeclination, {8, 3}),
  };
  t.help = {{kHelp, "Precession"}};
  t.hints = {
      {kInitialEpoch, kHintDate},
      {kRightAscension, kHintRightAscension},
      {kDeclination, kHintDeclination},
      {kMotionRightAscension,
       "±s.ssss, secondes de temps par an, point ou virgule — ex. -0,0037"},
      {kMotionDeclination,
       "±s.sss, secondes d'arc par an, point ou virgule — ex. -1,223"},
      {kFinalEpoch, kHintDate},
      {kFinalEquinox, kHintDate},
  };
  t.topic = "Precession";
  t.table = {
      {{kInitialEpoch, "epoque", kTableDateEpoch},
       {kRightAscension, "ad", kTableRightAscension},
       {kDeclination, "decl", kTableDeclination},
       {kMotionRightAscension, "mp_ad", "±s.ssss par an"},
       {kMotionDeclination, "mp_decl", "±s.sss par an"},
       {kFinalEpoch, "epoque_finale", kTableDate},
       {kFinalEquinox, "equinoxe", kTableDateEpoch}},
      {},
      {{kResultRightAscension, "res_ad", "ascension droite finale"},
       {kResultDeclination, "res_decl", "déclinaison finale"}},
      {{kCompute, "calcul"}},
  };
  t.example = SetStep(kRightAscension, "12:0:0") + SetStep(kDeclination, "30:0:0") +
              SetStep(kMotionRightAscension, "0") + SetStep(kMotionDeclination, "0") +
              SetStep(kFinalEquinox, "J2050") + ClickStep(kCompute);
  return t;
}

}  // namespace

CPrecessionDlg::CPrecessionDlg(CDialog* owner) : CDialog(Form(), owner) {
  BindText(kInitialEpoch, initialEpoch_);
  BindText(kRightAscension, rightAscension_);
  BindText(kDeclination, declination_);
  BindText(kMotionRightAscension, motionRightAscension_);
  BindText(kMotionDeclination, motionDeclination_);
  BindText(kFinalEpoch, finalEpoch_);
  BindText(kFinalEquinox, finalEquinox_);
  BindText(kResultRightAscension, resultRightAscension_);
  BindText(kResultDeclination, resultDeclination_);
  OnButton(kCompute, [this] { OnCompute(); });
  OnButton(kHorizontal, [this] { OnHorizontal(); });
  SetNowFields(kFinalEpoch);
}

const FormTemplate& CPrecessionDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

void CPrecessionDlg::OnCompute() {
  UpdateData(true);

  JulianDay jd0 = 0.0;
  if (!ReadEpoch(initialEpoch_, jd0)) {
    GotoDlgCtrl(kInitialEpoch);
    return;
  }

  double ra = 0.0;
  if (!ReadSexagesimalField(rightAscension_, kRightAscension, kRightAscensionRule, ra))
    return;
  double alpha = astro::HoursToRadians(ra);

  double dec = 0.0;
  if (!ReadSexagesimalField(declination_, kDeclination, kDeclinationRule, dec)) return;
  double delta = astro::DegreesToRadians(dec);

  // Annual proper motions: seconds of time and seconds of arc per year. An
  // empty field stops without a message: no motion is typed as 0.
  double muAlpha = 0.0;
  if (!ReadDecimalField(motionRightAscension_, kMotionRightAscension,
                        {"Erreur de saisie du mouvement propre en ascension droite.\nLe "
                         "format est  ± s . ssss\n\nRecommencez !"},
                        muAlpha))
    return;
  double muDelta = 0.0;
  if (!ReadDecimalField(motionDeclination_, kMotionDeclination,
                        {"Erreur de saisie du mouvement propre en déclinaison.\nLe format "
                         "est  ± s . sss\n\nRecommencez !"},
                        muDelta))
    return;

  // The proper motion moves the star in the frame of the initial equinox,
  // from the initial to the final epoch, before the precession. Without a
  // motion the final epoch is not read at all.
  if (muAlpha != 0.0 || muDelta != 0.0) {
    JulianDay jd1 = 0.0;
    if (!ReadEpoch(finalEpoch_, jd1)) {
      GotoDlgCtrl(kFinalEpoch);
      return;
    }
    astro::ApplyProperMotion(muAlpha, muDelta, astro::JulianYearsBetween(jd0, jd1), alpha, delta);
  }

  JulianDay jd2 = 0.0;
  if (!ReadEpoch(finalEquinox_, jd2)) {
    GotoDlgCtrl(kFinalEquinox);
    return;
  }

  // Equinoxes in Julian millennia from J2000.0; the initial epoch is also
  // the initial equinox.
  double t0 = astro::JulianMillenniaFromJ2000(jd0);
  double t1 = astro::JulianMillenniaFromJ2000(jd2);
  EquatorialPosition p = PrecessCoordinates(t0, t1, alpha, delta);
  if (!CheckFinite({p.rightAscension, p.declination})) return;
  resultRightAscension_ = FormatHours(p.rightAscension, "", 3, 0.0);
  resultDeclination_ = FormatDegrees(p.declination, 2, 180.0);
  GotoDlgCtrl(kHorizontal);
  UpdateData(false);
}

void CPrecessionDlg::OnHorizontal() {
  // The horizontal coordinates form recognises this form as its owner and
  // takes over the results and the final epoch as they stand.
  std::unique_ptr<CDialog> form =
      CreateForm(CEquatorial2HorizontalDlg::Form().id, this);
  if (form) form->DoModal();
}

ZENKO_REGISTER_FORM(CPrecessionDlg)
