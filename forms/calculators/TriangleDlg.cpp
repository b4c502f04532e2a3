#include "TriangleDlg.h"

#include <algorithm>

#include "Parse.h"

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

ParseStatus CTriangleDlg::ParseInFormat(AngleFormat format, const std::string& text,
                                        double& value) {
  if (format == AngleFormat::SexagesimalDegrees) {
    const ParseStatus status = ParseSexagesimal(text, value);
    if (status == kParseSyntax) MessageBox(kSexagesimalSyntax, Icon::Error);
    return status;
  }
  const ParseStatus status = ParseDecimalField(text, value);
  if (status == kParseSyntax)
    MessageBox(format == AngleFormat::Radians ? kRadianSyntax : kDecimalSyntax,
               Icon::Error);
  return status;
}
