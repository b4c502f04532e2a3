#include "TriangleDlg.h"

#include "Angles.h"
#include "Printf.h"

using triangle::AngleFormat;
using namespace triangle_form;

namespace {
const char kDecimalSyntax[] = "Erreur de saisie :\nle format est xxx.xxx\n\nRecommencez !";
const char kSexagesimalSyntax[] =
    "Erreur de saisie :\nle format est xxx:xx:xx.x\n\nRecommencez !";
const char kRadianSyntax[] = "Erreur de saisie :\nle format est x.xxxxx\n\nRecommencez !";

const int kFields[] = {kSideA,       kSideB,       kSideC,        kAngleA,
                       kAngleB,      kAngleC,      kResultSideA,  kResultSideB,
                       kResultSideC, kResultAngleA, kResultAngleB, kResultAngleC};
}  // namespace

CTriangleDlg::CTriangleDlg(const FormTemplate& form, CDialog* owner) : CDialog(form, owner) {
  for (int id : kFields) BindText(id, texts_[id]);
  OnButton(kClear, [this] { OnClear(); });
}

TableColumns CTriangleDlg::Columns(std::vector<TableButton> buttons) {
  TableColumns t;
  t.inputs = {{kSideA, "a", "côté a"},      {kSideB, "b", "côté b"},
              {kSideC, "c", "côté c"},      {kAngleA, "ang_a", "angle A"},
              {kAngleB, "ang_b", "angle B"}, {kAngleC, "ang_c", "angle C"}};
  t.groups = {{kDecimal, "format", "format des angles",
               {{kDecimal, "decimal"}, {kSexagesimal, "sexagesimal"}, {kRadians, "radians"}}}};
  t.results = {{kResultSideA, "res_a", "côté a"},          {kResultSideB, "res_b", "côté b"},
               {kResultSideC, "res_c", "côté c"},          {kResultAngleA, "res_ang_a", "angle A"},
               {kResultAngleB, "res_ang_b", "angle B"},    {kResultAngleC, "res_ang_c", "angle C"}};
  t.buttons = std::move(buttons);
  return t;
}

AngleFormat CTriangleDlg::CheckedFormat() const {
  switch (GetCheckedRadioButton(kDecimal, kSexagesimal)) {
    case kDecimal:
      return AngleFormat::DecimalDegrees;
    case kSexagesimal:
      return AngleFormat::SexagesimalDegrees;
    case kRadians:
      return AngleFormat::Radians;
    default:
      return AngleFormat::None;
  }
}

AngleFormat CTriangleDlg::BeginPress(int button) {
  UpdateData(true);
  const AngleFormat format = CheckedFormat();
  SetDefID(button);
  return format;
}

bool CTriangleDlg::ReadInFormat(AngleFormat format, const std::string& text, int id,
                                double& value) {
  if (format == AngleFormat::SexagesimalDegrees)
    return ReadSexagesimalField(text, id, {kSexagesimalSyntax, 0.0, nullptr}, value);
  return ReadDecimalField(
      text, id, {format == AngleFormat::Radians ? kRadianSyntax : kDecimalSyntax}, value);
}

bool CTriangleDlg::ReadAngleField(AngleFormat format, const std::string& text, int id,
                                  const AngleRange& range, double& radians) {
  double value = 0.0;
  if (!ReadInFormat(format, text, id, value)) return false;
  if (!range.inRange(format, value)) {
    MessageBox(format == AngleFormat::Radians ? range.radianMessage : range.degreeMessage,
               Icon::Error);
    if (range.focusAlways || format == AngleFormat::DecimalDegrees) GotoDlgCtrl(id);
    return false;
  }
  radians = triangle::ToRadians(format, value);
  return true;
}

std::string CTriangleDlg::AngleText(AngleFormat format, double radians) {
  switch (format) {
    case AngleFormat::DecimalDegrees:
      return WithDecimalComma(Format("%.5lf", radians / triangle::kDegree));
    case AngleFormat::Radians:
      return WithDecimalComma(Format("%.5lf", radians));
    case AngleFormat::SexagesimalDegrees:
      return WithDecimalComma(FormatDegrees(radians / triangle::kDegree, 0, 0.0));
    case AngleFormat::None:
      break;
  }
  return std::string();
}

std::string CTriangleDlg::SideText(double value) {
  return WithDecimalComma(Format("%.5lf", value));
}

void CTriangleDlg::OnClear() {
  for (auto& [id, text] : texts_) text.clear();
  UpdateData(false);
}
