#include "TriangleDlg.h"

#include <algorithm>


using triangle::AngleFormat;

namespace {
const char kDecimalSyntax[] = "Erreur de saisie :\nle format est xxx.xxx\n\nRecommencez !";
const char kSexagesimalSyntax[] =
    "Erreur de saisie :\nle format est xxx:xx:xx.x\n\nRecommencez !";
const char kRadianSyntax[] = "Erreur de saisie :\nle format est x.xxxxx\n\nRecommencez !";
}  // namespace

AngleFormat CTriangleDlg::CheckedFormat(int decimalId, int sexagesimalId,
                                        int radiansId) const {
  const int checked = GetCheckedRadioButton(std::min({decimalId, sexagesimalId, radiansId}),
                                            std::max({decimalId, sexagesimalId, radiansId}));
  return triangle::FormatOfButton(checked, decimalId, sexagesimalId, radiansId);
}

bool CTriangleDlg::ReadInFormat(AngleFormat format, const std::string& text, int id,
                                double& value) {
  if (format == AngleFormat::SexagesimalDegrees)
    return ReadSexagesimalField(text, id, {kSexagesimalSyntax, 0.0, nullptr}, value);
  return ReadDecimalField(
      text, id, {format == AngleFormat::Radians ? kRadianSyntax : kDecimalSyntax}, value);
}
