#include "PlaneTriangleDlg.h"

#include "HintTexts.h"

using triangle::AngleFormat;
using namespace triangle_form;

namespace {

enum : int {
  kHelp = 1108,
};

const char kNoFormat[] =
    "Précisez le format des données angulaires :\ndegrés décimaux, degrés "
    "sexagésimaux ou radians.";
const char kNegativeSide[] =
    "Erreur :\nToutes les données doivent être positives.\n\nRecommencez !";
const char kDegreeRange[] =
    "Erreur :\nLes angles d'un triangle sont\ncompris entre 0° et "
    "180°.\n\nRecommencez!";
const char kRadianRange[] =
    "Erreur :\nLes angles d'un triangle sont\ncompris entre 0 et pi "
    "radians.\n\nRecommencez!";
const char kAngleSum[] =
    "Erreur :\nLa somme des angles B et C doit être\ninférieure à 180° (ou pi "
    "radians).\n\nRecommencez !";
const char kInequality[] =
    "Erreur !\nLes côtés a, b, et c choisis ne satisfont\npas les inégalités "
    "du triangle.\n\nRecommencez !";
const char kNoTriangle[] =
    "Il n'existe pas de triangle avec\nles côtés a et b, et l'angle A "
    "choisis.";
const char kSingleTriangle[] =
    "Il n'existe qu'un seul triangle avec\nles côtés a et b, et l'angle A "
    "choisis.";

FormTemplate MakeForm() {
  FormTemplate t;
  t.id = 146;
  t.title = "Résolution du triangle plan";
  // Eight columns: the left half holds the computations and the data, the
  // right half the formats, the buttons and the results.
  t.controls = {
      Group("Calculs :", {0, 0, 5, 4}),
      Group("Formats pour les angles A, B et C :", {0, 4, 3, 4}),
      Group("Données :", {5, 0, 4, 4}),
      Group("Résultats :", {5, 4, 4, 4}),
      // The tab order: computations, data fields, then the other buttons.
      Button(kAngleSideSide, "(A, b, c) -> (a, B, C)", {0, 0, 1, 2}, kDefault),
      Button(kSideAngleAngle, "(a, B, C) -> (A, b, c)", {1, 0, 1, 2}),
      Button(kThreeSides, "(a, b, c) -> (A, B, C)", {2, 0, 1, 2}),
      Button(kSideSideAngle1, "(a, b, A) -> (B, C, c)", {3, 0, 1, 2}),
      Label("(1ère solution)", {3, 2, 1, 2}),
      Button(kSideSideAngle2, "(a, b, A) -> (B, C, c)", {4, 0, 1, 2}),
      Label("(2ème solution)", {4, 2, 1, 2}),
      Label("Entrez 3 des 6 quantités suivantes :", {5, 0, 1, 4}),
      Label("a", {6, 0}),
      Edit(kSideA, {6, 1}),
      Label("b", {7, 0}),
      Edit(kSideB, {7, 1}),
      Label("c", {8, 0}),
      Edit(kSideC, {8, 1}),
      Label("A", {6, 2}),
      Edit(kAngleA, {6, 3}),
      Label("B", {7, 2}),
      Edit(kAngleB, {7, 3}),
      Label("C", {8, 2}),
      Edit(kAngleC, {8, 3}),
      Button(1, "&Retour", {3, 4, 1, 2}),
      Button(2, "&Exit", {3, 6, 1, 2}),
      Button(kHelp, "&Aide", {4, 4, 1, 2}),
      Button(kClear, "Effacer", {4, 6, 1, 2}),
      // Not reached with the Tab key; Ctrl+1 to Ctrl+3 choose them.
      Radio(kDecimal, "degrés décimaux (ddd.ddddd)", {0, 4, 1, 4}, kGroupStart | kNoTab,
            "Ctrl+1"),
      Radio(kSexagesimal, "degrés sexagésimaux (ddd:mm:ss.s)", {1, 4, 1, 4}, kNoTab,
            "Ctrl+2"),
      Radio(kRadians, "radians (r.rrrrrrr)", {2, 4, 1, 4}, kNoTab, "Ctrl+3"),
      StretchRow({5, 4}),
      Label("a", {6, 4}),
      Result(kResultSideA, {6, 5}),
      Label("b", {7, 4}),
      Result(kResultSideB, {7, 5}),
      Label("c", {8, 4}),
      Result(kResultSideC, {8, 5}),
      Label("A", {6, 6}),
      Result(kResultAngleA, {6, 7}),
      Label("B", {7, 6}),
      Result(kResultAngleB, {7, 7}),
      Label("C", {8, 6}),
      Result(kResultAngleC, {8, 7}),
  };
  t.help = {{kHelp, "FlatTriangle"}};
  const char kSide[] = "nombre décimal positif ou nul, point ou virgule — ex. 3,5";
  t.hints = {
      {kSideA, kSide},
      {kSideB, kSide},
      {kSideC, kSide},
      {kAngleA, kHintTriangleAngle},
      {kAngleB, kHintTriangleAngle},
      {kAngleC, kHintTriangleAngle},
  };
  t.topic = "FlatTriangle";
  t.table = CTriangleDlg::Columns({{kAngleSideSide, "cas1"},
                                   {kSideAngleAngle, "cas2"},
                                   {kThreeSides, "cas3"},
                                   {kSideSideAngle1, "cas4"},
                                   {kSideSideAngle2, "cas5"}});
  t.example = ClickStep(kDecimal) + SetStep(kSideA, "3") + SetStep(kSideB, "4") +
              SetStep(kAngleA, "30") + ClickStep(kSideSideAngle1);
  return t;
}

}  // namespace

CPlaneTriangleDlg::CPlaneTriangleDlg(CDialog* owner) : CTriangleDlg(Form(), owner) {
  OnButton(kAngleSideSide, [this] { OnAngleSideSide(); });
  OnButton(kSideAngleAngle, [this] { OnSideAngleAngle(); });
  OnButton(kThreeSides, [this] { OnThreeSides(); });
  OnButton(kSideSideAngle1, [this] { OnSideSideAngle(kSideSideAngle1); });
  OnButton(kSideSideAngle2, [this] { OnSideSideAngle(kSideSideAngle2); });
}

const FormTemplate& CPlaneTriangleDlg::Form() {
  static const FormTemplate form = MakeForm();
  return form;
}

bool CPlaneTriangleDlg::ReadSide(const std::string& text, int id,
                                 double& value) {
  if (!ReadInFormat(AngleFormat::DecimalDegrees, text, id, value)) return false;
  if (value < 0.0) {
    MessageBox(kNegativeSide, Icon::Error);
    GotoDlgCtrl(id);
    return false;
  }
  value += 0.0;  // a typed "-0" is 0
  return true;
}

bool CPlaneTriangleDlg::ReadAngle(AngleFormat format, const std::string& text,
                                  int id, double& radians) {
  if (format == AngleFormat::None) {
    MessageBox(kNoFormat, Icon::Warning);
    return false;
  }
  static const AngleRange kPlaneAngle = {triangle::PlaneAngleInRange, kDegreeRange,
                                         kRadianRange, true};
  return ReadAngleField(format, text, id, kPlaneAngle, radians);
}

void CPlaneTriangleDlg::WriteAngle(AngleFormat format, int id, double radians) {
  if (format == AngleFormat::None) {
    MessageBox(kNoFormat, Icon::Warning);
    return;
  }
  texts_[id] = AngleText(format, radians);
}

void CPlaneTriangleDlg::WriteSide(int id, double value) {
  texts_[id] = SideText(value);
}

void CPlaneTriangleDlg::OnAngleSideSide() {
  AngleFormat format = BeginPress(kAngleSideSide);
  double A = 0.0, b = 0.0, c = 0.0;
  if (!ReadAngle(format, texts_[kAngleA], kAngleA, A) ||
      !ReadSide(texts_[kSideB], kSideB, b) ||
      !ReadSide(texts_[kSideC], kSideC, c))
    return;
  triangle::Triple r = triangle::SolvePlaneAngleSideSide(A, b, c);
  if (!CheckFinite({r.first, r.second, r.third})) return;
  WriteSide(kResultSideA, r.first);
  WriteAngle(format, kResultAngleB, r.second);
  WriteAngle(format, kResultAngleC, r.third);
  GotoDlgCtrl(kAngleSideSide);
  UpdateData(false);
}

void CPlaneTriangleDlg::OnSideAngleAngle() {
  AngleFormat format = BeginPress(kSideAngleAngle);
  double a = 0.0, B = 0.0, C = 0.0;
  if (!ReadSide(texts_[kSideA], kSideA, a) ||
      !ReadAngle(format, texts_[kAngleB], kAngleB, B) ||
      !ReadAngle(format, texts_[kAngleC], kAngleC, C))
    return;
  triangle::Triple r;
  if (!triangle::SolvePlaneSideAngleAngle(a, B, C, r)) {
    MessageBox(kAngleSum, Icon::Error);
    GotoDlgCtrl(kAngleB);
    return;
  }
  if (!CheckFinite({r.first, r.second, r.third})) return;
  WriteAngle(format, kResultAngleA, r.first);
  WriteSide(kResultSideB, r.second);
  WriteSide(kResultSideC, r.third);
  GotoDlgCtrl(kSideAngleAngle);
  UpdateData(false);
}

void CPlaneTriangleDlg::OnThreeSides() {
  AngleFormat format = BeginPress(kThreeSides);
  double a = 0.0, b = 0.0, c = 0.0;
  if (!ReadSide(texts_[kSideA], kSideA, a) ||
      !ReadSide(texts_[kSideB], kSideB, b) ||
      !ReadSide(texts_[kSideC], kSideC, c))
    return;
  triangle::Triple r;
  if (!triangle::SolvePlaneThreeSides(a, b, c, r)) {
    MessageBox(kInequality, Icon::Error);
    GotoDlgCtrl(kSideA);
    return;
  }
  if (!CheckFinite({r.first, r.second, r.third})) return;
  // Without a format each write shows the format message.
  WriteAngle(format, kResultAngleA, r.first);
  WriteAngle(format, kResultAngleB, r.second);
  WriteAngle(format, kResultAngleC, r.third);
  GotoDlgCtrl(kThreeSides);
  UpdateData(false);
}

void CPlaneTriangleDlg::OnSideSideAngle(int button) {
  AngleFormat format = BeginPress(button);
  double a = 0.0, b = 0.0, A = 0.0;
  if (!ReadSide(texts_[kSideA], kSideA, a) ||
      !ReadSide(texts_[kSideB], kSideB, b) ||
      !ReadAngle(format, texts_[kAngleA], kAngleA, A))
    return;
  triangle::PlaneSolutions s;
  if (!triangle::SolvePlaneSideSideAngle(a, b, A, s)) {
    MessageBox(kNoTriangle, Icon::Information);
    return;
  }
  const triangle::Triple* r = &s.first;
  if (button == kSideSideAngle2) {
    if (!s.secondExists) {
      MessageBox(kSingleTriangle, Icon::Information);
      return;
    }
    r = &s.second;
  }
  if (!CheckFinite({r->first, r->second, r->third})) return;
  WriteSide(kResultSideC, r->first);
  WriteAngle(format, kResultAngleB, r->second);
  WriteAngle(format, kResultAngleC, r->third);
  GotoDlgCtrl(button);
  UpdateData(false);
}

ZENKO_REGISTER_FORM(CPlaneTriangleDlg)
