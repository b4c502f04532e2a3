#include "SphericalTriangleDlg.h"

#include "HintTexts.h"
#include "Angles.h"

using triangle::AngleFormat;
using namespace triangle_form;

namespace {

enum : int {
  kThreeAngles = 1113,
  kAngleAngleSide1 = 1116,  // (A, B, a), first and second solutions
  kAngleAngleSide2 = 1117,
  kComplementary = 1105,
  kHelp = 1118,
};

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
  // Eight columns: the left half holds the computations and the data, the
  // right half the formats, the buttons and the results.
  t.controls = {
      Group("Calculs :", {0, 0, 8, 4}),
      Group("Formats :", {0, 4, 3, 4}),
      Group("Données :", {8, 0, 4, 4}),
      Group("Résultats :", {8, 4, 4, 4}),
      // The tab order: computations, data fields, then the other buttons.
      Button(kAngleSideSide, "(A, b, c) -> (a, B, C)", {0, 0, 1, 2}, kDefault),
      Button(kSideAngleAngle, "(a, B, C) -> (A, b, c)", {1, 0, 1, 2}),
      Button(kThreeSides, "(a, b, c) -> (A, B, C)", {2, 0, 1, 2}),
      Button(kThreeAngles, "(A, B, C) -> (a, b, c)", {3, 0, 1, 2}),
      Button(kSideSideAngle1, "(a, b, A) -> (B, C, c)", {4, 0, 1, 2}),
      Label("(1ère solution)", {4, 2, 1, 2}),
      Button(kSideSideAngle2, "(a, b, A) -> (B, C, c)", {5, 0, 1, 2}),
      Label("(2ème solution)", {5, 2, 1, 2}),
      Button(kAngleAngleSide1, "(A, B, a) -> (b, c, C)", {6, 0, 1, 2}),
      Label("(1ère solution)", {6, 2, 1, 2}),
      Button(kAngleAngleSide2, "(A, B, a) -> (b, c, C)", {7, 0, 1, 2}),
      Label("(2ème solution)", {7, 2, 1, 2}),
      Label("Entrez 3 des 6 quantités suivantes :", {8, 0, 1, 4}),
      Label("a", {9, 0}),
      Edit(kSideA, {9, 1}),
      Label("b", {10, 0}),
      Edit(kSideB, {10, 1}),
      Label("c", {11, 0}),
      Edit(kSideC, {11, 1}),
      Label("A", {9, 2}),
      Edit(kAngleA, {9, 3}),
      Label("B", {10, 2}),
      Edit(kAngleB, {10, 3}),
      Label("C", {11, 2}),
      Edit(kAngleC, {11, 3}),
      Button(1, "&Retour", {3, 4, 1, 2}),
      Button(2, "&Exit", {3, 6, 1, 2}),
      Button(kHelp, "&Aide", {4, 4, 1, 2}),
      Button(kClear, "Effacer", {4, 6, 1, 2}),
      Button(kComplementary, "Triangle complémentaire", {5, 4, 1, 4}),
      // Not reached with the Tab key; Ctrl+1 to Ctrl+3 choose them.
      Radio(kDecimal, "degrés décimaux (ddd.ddddd)", {0, 4, 1, 4}, kGroupStart | kNoTab,
            "Ctrl+1"),
      Radio(kSexagesimal, "degrés sexagésimaux (ddd:mm:ss.s)", {1, 4, 1, 4}, kNoTab,
            "Ctrl+2"),
      Radio(kRadians, "radians (r.rrrrrrr)", {2, 4, 1, 4}, kNoTab, "Ctrl+3"),
      StretchRow({8, 4}),
      Label("a", {9, 4}),
      Result(kResultSideA, {9, 5}),
      Label("b", {10, 4}),
      Result(kResultSideB, {10, 5}),
      Label("c", {11, 4}),
      Result(kResultSideC, {11, 5}),
      Label("A", {9, 6}),
      Result(kResultAngleA, {9, 7}),
      Label("B", {10, 6}),
      Result(kResultAngleB, {10, 7}),
      Label("C", {11, 6}),
      Result(kResultAngleC, {11, 7}),
  };
  t.help = {{kHelp, "SphericalTriangle"}};
  // Sides are arcs, read like the angles.
  t.hints = {
      {kSideA, kHintTriangleAngle},
      {kSideB, kHintTriangleAngle},
      {kSideC, kHintTriangleAngle},
      {kAngleA, kHintTriangleAngle},
      {kAngleB, kHintTriangleAngle},
      {kAngleC, kHintTriangleAngle},
  };
  t.topic = "SphericalTriangle";
  t.table = CTriangleDlg::Columns({{kAngleSideSide, "cas1"},
                                   {kSideAngleAngle, "cas2"},
                                   {kThreeSides, "cas3"},
                                   {kThreeAngles, "cas4"},
                                   {kSideSideAngle1, "cas5"},
                                   {kSideSideAngle2, "cas6"},
                                   {kAngleAngleSide1, "cas7"},
                                   {kAngleAngleSide2, "cas8"}});
  t.example = ClickStep(kDecimal) + SetStep(kAngleA, "40") + SetStep(kSideB, "50") +
              SetStep(kSideC, "70") + ClickStep(kAngleSideSide);
  return t;
}

}  // namespace

CSphericalTriangleDlg::CSphericalTriangleDlg(CDialog* owner)
    : CTriangleDlg(Form(), owner) {
  OnButton(kAngleSideSide, [this] { OnAngleSideSide(); });
  OnButton(kSideAngleAngle, [this] { OnSideAngleAngle(); });
  OnButton(kThreeSides, [this] { OnThreeSides(); });
  OnButton(kThreeAngles, [this] { OnThreeAngles(); });
  OnButton(kSideSideAngle1, [this] { OnSideSideAngle(kSideSideAngle1); });
  OnButton(kSideSideAngle2, [this] { OnSideSideAngle(kSideSideAngle2); });
  OnButton(kAngleAngleSide1, [this] { OnAngleAngleSide(kAngleAngleSide1); });
  OnButton(kAngleAngleSide2, [this] { OnAngleAngleSide(kAngleAngleSide2); });
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
  // Out of range, only in decimal degrees does the focus go back to the
  // field.
  static const AngleRange kArc = {triangle::ArcInRange, kDegreeRange, kRadianRange, false};
  for (std::size_t k = 0; k < 3; ++k)
    if (!ReadAngleField(format, *texts[k], ids[k], kArc, values[k])) return false;
  return true;
}

std::array<std::string, 3> CSphericalTriangleDlg::WriteThreeAngles(
    AngleFormat format, const Values& values) const {
  return {AngleText(format, values[0]),
          AngleText(format, values[1]),
          AngleText(format, values[2])};
}

bool CSphericalTriangleDlg::BeginPress(int button, const Ids& ids,
                                       AngleFormat& format, Values& values) {
  format = CTriangleDlg::BeginPress(button);
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
