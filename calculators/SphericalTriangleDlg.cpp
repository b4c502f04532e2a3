#include "calculators/SphericalTriangleDlg.h"

#include "textfmt/Angles.h"
#include "textfmt/Parse.h"

using triangle::AngleFormat;

namespace {

enum : int {
  kSideA = 1095,
  kSideB = 1096,
  kSideC = 1097,
  kAngleA = 1088,
  kAngleB = 1089,
  kAngleC = 1090,
  kResultSideA = 1091,
  kResultSideB = 1092,
  kResultSideC = 1093,
  kResultAngleA = 1098,
  kResultAngleB = 1099,
  kResultAngleC = 1100,
  kDecimal = 1102,
  kRadians = 1123,
  kSexagesimal = 1124,
  kAngleSideSide = 1103,  // (A, b, c) -> (a, B, C)
  kSideAngleAngle = 1111,  // (a, B, C) -> (A, b, c)
  kThreeSides = 1112,
  kThreeAngles = 1113,
  kSideSideAngle1 = 1114,  // (a, b, A), first and second solutions
  kSideSideAngle2 = 1115,
  kAngleAngleSide1 = 1116,  // (A, B, a), first and second solutions
  kAngleAngleSide2 = 1117,
  kClear = 1104,
  kComplementary = 1105,
  kHelp = 1118,
};

const int kFields[] = {kSideA,       kSideB,       kSideC,       kAngleA,
                       kAngleB,      kAngleC,      kResultSideA, kResultSideB,
                       kResultSideC, kResultAngleA, kResultAngleB,
                       kResultAngleC};

const char kNoFormat[] =
    "Précisez le format des données :\ndegrés décimaux, degrés sexagésimaux "
    "ou radians.";
const char kDegreeRange[] =
    "Erreur :\nToutes les données doivent être\ncomprises entre 0° et "
    "360°.\n\nRecommencez!";
const char kRadianRange[] =
    "Erreur :\nToutes les données doivent être\ncomprises entre 0 et 2pi "
    "radians.\n\nRecommencez!";
const char kNoTriangleBC[] =
    "Il n'existe pas de triangle sphérique\navec les côtés b et c donnés.";
const char kNoTriangleSides[] =
    "Il n'existe pas de triangle sphérique\navec les côtés a, b et c donnés.";
const char kNoTriangleAngles[] =
    "Il n'existe pas de triangle sphérique\navec les angles A, B et C donnés.";
const char kOneSideBeyond[] =
    "Erreur :\nUn seul côté au plus d'un triangle sphérique\npeut être plus "
    "grand que 180° (ou pi, en radians)";
const char kNoTriangleSSA[] =
    "Il n'existe pas de triangle sphérique\navec les côtés a, b et l'angle A "
    "donnés.";
const char kSingleSSA[] =
    "Il n'existe qu'un seul triangle sphérique\navec les côtés a, b et "
    "l'angle A donnés.";
const char kNoTriangleAAS[] =
    "Il n'existe pas de triangle sphérique\navec les angles A, B et le côté a "
    "donnés.";
const char kSingleAAS[] =
    "Il n'existe qu'un seul triangle sphérique\navec les angles A, B et le "
    "côté a donnés.";

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 144;
  t.title = "Résolution du triangle sphérique";
  t.width = 760;
  t.height = 500;
  const int row[3] = {386, 420, 454};
  t.controls = {
      Group("Calculs :", 10, 8, 420, 312),
      Group("Formats :", 440, 8, 310, 118),
      Group("Données :", 10, 330, 370, 160),
      Group("Résultats :", 390, 330, 360, 160),
      // The tab order: computations, data fields, then the other buttons.
      Button(kAngleSideSide, "(A, b, c) -> (a, B, C)", 22, 32, 210, 28,
             kDefault),
      Button(kSideAngleAngle, "(a, B, C) -> (A, b, c)", 22, 66, 210, 28),
      Button(kThreeSides, "(a, b, c) -> (A, B, C)", 22, 100, 210, 28),
      Button(kThreeAngles, "(A, B, C) -> (a, b, c)", 22, 134, 210, 28),
      Button(kSideSideAngle1, "(a, b, A) -> (B, C, c)", 22, 168, 210, 28),
      Label("(1ère solution)", 244, 171, 170, 22),
      Button(kSideSideAngle2, "(a, b, A) -> (B, C, c)", 22, 202, 210, 28),
      Label("(2ème solution)", 244, 205, 170, 22),
      Button(kAngleAngleSide1, "(A, B, a) -> (b, c, C)", 22, 236, 210, 28),
      Label("(1ère solution)", 244, 239, 170, 22),
      Button(kAngleAngleSide2, "(A, B, a) -> (b, c, C)", 22, 270, 210, 28),
      Label("(2ème solution)", 244, 273, 170, 22),
      Label("Entrez 3 des 6 quantités suivantes :", 22, 354, 346, 22),
      Label("a", 22, row[0], 18, 22),
      Edit(kSideA, 44, row[0], 130),
      Label("b", 22, row[1], 18, 22),
      Edit(kSideB, 44, row[1], 130),
      Label("c", 22, row[2], 18, 22),
      Edit(kSideC, 44, row[2], 130),
      Label("A", 196, row[0], 18, 22),
      Edit(kAngleA, 218, row[0], 150),
      Label("B", 196, row[1], 18, 22),
      Edit(kAngleB, 218, row[1], 150),
      Label("C", 196, row[2], 18, 22),
      Edit(kAngleC, 218, row[2], 150),
      Button(1, "&Retour", 440, 138, 150, 30),
      Button(2, "&Exit", 600, 138, 150, 30),
      Button(kHelp, "&Aide", 440, 176, 150, 30),
      Button(kClear, "Effacer", 600, 176, 150, 30),
      Button(kComplementary, "Triangle complémentaire", 440, 214, 310, 30),
      // Not reached with the Tab key.
      Radio(kDecimal, "degrés décimaux (ddd.ddddd)", 452, 32, 290, 24,
            kGroupStart | kNoTab),
      Radio(kSexagesimal, "degrés sexagésimaux (ddd:mm:ss.s)", 452, 60, 290,
            24, kNoTab),
      Radio(kRadians, "radians (r.rrrrrrr)", 452, 88, 290, 24, kNoTab),
      Label("a", 402, row[0], 18, 22),
      Result(kResultSideA, 424, row[0], 130),
      Label("b", 402, row[1], 18, 22),
      Result(kResultSideB, 424, row[1], 130),
      Label("c", 402, row[2], 18, 22),
      Result(kResultSideC, 424, row[2], 130),
      Label("A", 574, row[0], 18, 22),
      Result(kResultAngleA, 596, row[0], 142),
      Label("B", 574, row[1], 18, 22),
      Result(kResultAngleB, 596, row[1], 142),
      Label("C", 574, row[2], 18, 22),
      Result(kResultAngleC, 596, row[2], 142),
  };
  t.help = {{kHelp, "SphericalTriangle"}};
  t.topic = "SphericalTriangle";
  return t;
}

}  // namespace

CSphericalTriangleDlg::CSphericalTriangleDlg(CDialog* owner)
    : CTriangleDlg(Form(), owner) {
  for (int id : kFields) BindText(id, texts_[id]);
  OnButton(kAngleSideSide, [this] { OnAngleSideSide(); });
  OnButton(kSideAngleAngle, [this] { OnSideAngleAngle(); });
  OnButton(kThreeSides, [this] { OnThreeSides(); });
  OnButton(kThreeAngles, [this] { OnThreeAngles(); });
  OnButton(kSideSideAngle1, [this] { OnSideSideAngle(kSideSideAngle1); });
  OnButton(kSideSideAngle2, [this] { OnSideSideAngle(kSideSideAngle2); });
  OnButton(kAngleAngleSide1, [this] { OnAngleAngleSide(kAngleAngleSide1); });
  OnButton(kAngleAngleSide2, [this] { OnAngleAngleSide(kAngleAngleSide2); });
  OnButton(kClear, [this] { OnClear(); });
  OnButton(kComplementary, [this] { OnComplementary(); });
}

const FormTemplate& CSphericalTriangleDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

bool CSphericalTriangleDlg::ReadThreeAngles(
    AngleFormat format, const std::array<const std::string*, 3>& texts,
    const Ids& ids, Values& values) {
  if (format == AngleFormat::None) {
    MessageBox(kNoFormat, Icon::Warning);
    return false;
  }
  for (std::size_t k = 0; k < 3; ++k) {
    double value = 0.0;
    if (ParseInFormat(format, *texts[k], value) != kParseOk) {
      GotoDlgCtrl(ids[k]);
      return false;
    }
    bool radians = format == AngleFormat::Radians;
    if (!triangle::ArcInRange(format, value)) {
      MessageBox(radians ? kRadianRange : kDegreeRange, Icon::Error);
      // Only in decimal degrees does the focus go back to the field.
      if (format == AngleFormat::DecimalDegrees) GotoDlgCtrl(ids[k]);
      return false;
    }
    values[k] = triangle::ToRadians(format, value);
  }
  return true;
}

std::array<std::string, 3> CSphericalTriangleDlg::WriteThreeAngles(
    AngleFormat format, const Values& values) const {
  return {triangle::AngleText(format, values[0]),
          triangle::AngleText(format, values[1]),
          triangle::AngleText(format, values[2])};
}

bool CSphericalTriangleDlg::BeginPress(int button, const Ids& ids,
                                       AngleFormat& format, Values& values) {
  UpdateData(true);
  format = CheckedFormat(kDecimal, kSexagesimal, kRadians);
  // Enter repeats the last computation, even one that failed.
  SetDefID(button);
  return ReadThreeAngles(format, {&texts_[ids[0]], &texts_[ids[1]], &texts_[ids[2]]},
                         ids, values);
}

void CSphericalTriangleDlg::Put(AngleFormat format, const Ids& ids,
                                const Values& values, bool colonForm) {
  std::array<std::string, 3> texts = WriteThreeAngles(format, values);
  for (std::size_t k = 0; k < 3; ++k)
    texts_[ids[k]] = colonForm ? ToColonForm(texts[k]) : texts[k];
}

void CSphericalTriangleDlg::OnAngleSideSide() {
  AngleFormat format = AngleFormat::None;
  Values in{};
  if (!BeginPress(kAngleSideSide, {kAngleA, kSideB, kSideC}, format, in)) return;
  triangle::Triple r;
  if (!triangle::SolveSphericalAngleSideSide(in[0], in[1], in[2], r)) {
    MessageBox(kNoTriangleBC, Icon::Warning);
    GotoDlgCtrl(kSideC);
    return;
  }
  if (!CheckFinite({r.first, r.second, r.third})) return;
  Put(format, {kResultSideA, kResultAngleB, kResultAngleC},
      {r.first, r.second, r.third});
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

void CSphericalTriangleDlg::OnSideAngleAngle() {
  AngleFormat format = AngleFormat::None;
  Values in{};
  if (!BeginPress(kSideAngleAngle, {kSideA, kAngleB, kAngleC}, format, in)) return;
  triangle::Triple r = triangle::SolveSphericalSideAngleAngle(in[0], in[1], in[2]);
  if (!CheckFinite({r.first, r.second, r.third})) return;
  Put(format, {kResultAngleA, kResultSideB, kResultSideC},
      {r.first, r.second, r.third});
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

void CSphericalTriangleDlg::OnThreeSides() {
  AngleFormat format = AngleFormat::None;
  Values in{};
  if (!BeginPress(kThreeSides, {kSideA, kSideB, kSideC}, format, in)) return;
  triangle::Triple r;
  switch (triangle::SolveSphericalThreeSides(in[0], in[1], in[2], r)) {
    case triangle::SidesStatus::InvalidSides:
      MessageBox(kNoTriangleSides, Icon::Warning);
      GotoDlgCtrl(kSideA);
      return;
    case triangle::SidesStatus::NoTriangle:
      MessageBox(kNoTriangleSides, Icon::Warning);
      return;
    case triangle::SidesStatus::Ok:
      break;
  }
  if (!CheckFinite({r.first, r.second, r.third})) return;
  Put(format, {kResultAngleA, kResultAngleB, kResultAngleC},
      {r.first, r.second, r.third});
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

void CSphericalTriangleDlg::OnThreeAngles() {
  AngleFormat format = AngleFormat::None;
  Values in{};
  if (!BeginPress(kThreeAngles, {kAngleA, kAngleB, kAngleC}, format, in)) return;
  triangle::Triple r;
  if (!triangle::SolveSphericalThreeAngles(in[0], in[1], in[2], r)) {
    MessageBox(kNoTriangleAngles, Icon::Warning);
    return;
  }
  if (!CheckFinite({r.first, r.second, r.third})) return;
  Put(format, {kResultSideA, kResultSideB, kResultSideC},
      {r.first, r.second, r.third});
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

void CSphericalTriangleDlg::PutChosen(triangle::AngleFormat format, const Ids& ids,
                                      const triangle::TwoSolutions& s, bool secondButton,
                                      const char* single, const char* none) {
  switch (triangle::ChooseSolution(secondButton, s.firstValid, s.secondValid)) {
    case triangle::Choice::WriteFirst:
      Put(format, ids, {s.first.first, s.first.second, s.first.third});
      break;
    case triangle::Choice::WriteSecond:
      Put(format, ids, {s.second.first, s.second.second, s.second.third});
      break;
    case triangle::Choice::SingleSolution:
      MessageBox(single, Icon::Information);
      break;
    case triangle::Choice::NoSolution:
      MessageBox(none, Icon::Information);
      break;
  }
}

void CSphericalTriangleDlg::OnSideSideAngle(int button) {
  AngleFormat format = AngleFormat::None;
  Values in{};
  if (!BeginPress(button, {kSideA, kSideB, kAngleA}, format, in)) return;
  triangle::TwoSolutions s;
  switch (triangle::SolveSphericalSideSideAngle(in[0], in[1], in[2], s)) {
    case triangle::AmbiguousStatus::TwoSidesBeyondPi:
      MessageBox(kOneSideBeyond, Icon::Error);
      GotoDlgCtrl(kSideB);
      return;
    case triangle::AmbiguousStatus::NoTriangle:
      MessageBox(kNoTriangleSSA, Icon::Information);
      return;
    case triangle::AmbiguousStatus::Ok:
      break;
  }
  const Ids out = {kResultAngleB, kResultSideC, kResultAngleC};
  PutChosen(format, out, s, button == kSideSideAngle2, kSingleSSA, kNoTriangleSSA);
  GotoDlgCtrl(button);
  UpdateData(false);
}

void CSphericalTriangleDlg::OnAngleAngleSide(int button) {
  AngleFormat format = AngleFormat::None;
  Values in{};
  if (!BeginPress(button, {kAngleA, kAngleB, kSideA}, format, in)) return;
  triangle::TwoSolutions s;
  if (!triangle::SolveSphericalAngleAngleSide(in[0], in[1], in[2], s)) {
    MessageBox(kNoTriangleAAS, Icon::Information);
    return;
  }
  const Ids out = {kResultSideB, kResultSideC, kResultAngleC};
  PutChosen(format, out, s, button == kAngleAngleSide2, kSingleAAS, kNoTriangleAAS);
  GotoDlgCtrl(IDOK);
  UpdateData(false);
}

void CSphericalTriangleDlg::OnClear() {
  for (auto& [id, text] : texts_) text.clear();
  UpdateData(false);
}

void CSphericalTriangleDlg::OnComplementary() {
  AngleFormat format = AngleFormat::None;
  Values in{};
  const Ids angles = {kAngleA, kAngleB, kAngleC};
  if (!BeginPress(kComplementary, angles, format, in)) return;
  Values out = {triangle::TurnComplement(in[0]), triangle::TurnComplement(in[1]),
                triangle::TurnComplement(in[2])};
  if (!CheckFinite({out[0], out[1], out[2]})) return;
  // Back into the data fields, in the form the next computation reads.
  Put(format, angles, out, true);
  UpdateData(false);
}

ZENKO_REGISTER_FORM(CSphericalTriangleDlg)
