#include "PointTableDlg.h"

#include "Angles.h"
#include "Printf.h"
#include "TableTexts.h"

namespace {
const char kPointCount[] = "Entrez un nombre de points compris entre 2 et 5.";
const char kDuplicateMoment[] =
    "Étourdi ! Vous avez entré deux fois les mêmes\ndates et heures, en "
    "positions %d et %d .";
}  // namespace

CPointTableDlg::CPointTableDlg(const FormTemplate& form, CDialog* owner)
    : CDialog(form, owner) {
  for (int r = 0; r < 5; ++r) {
    time_[r] = "0:0:0";
    BindText(DateId(r), date_[r]);
    BindText(TimeId(r), time_[r]);
  }
  BindNumber(kPoints, points_);
}

std::vector<TableField> CPointTableDlg::RowColumns(int (*valueId)(int),
                                                   const std::string& valuePrefix) {
  std::vector<TableField> columns;
  for (int r = 0; r < 5; ++r) {
    const std::string row = std::to_string(r + 1);
    columns.push_back({DateId(r), "date" + row, kTableDate});
    columns.push_back({TimeId(r), "heure" + row, kTableTime});
    columns.push_back({valueId(r), valuePrefix + row, kTableValue});
  }
  return columns;
}

bool CPointTableDlg::ReadMoments() {
  UpdateData(true);
  const int n = points_;
  if (n < 2 || n > 5) {
    MessageBox(kPointCount, Icon::Warning);
    GotoDlgCtrl(kPoints);
    return false;
  }
  for (int r = 0; r < n; ++r)
    if (!ReadDateAndTime(date_[r], time_[r], DateId(r), TimeId(r), x_[r])) return false;
  for (int i = 1; i < n; ++i) {
    for (int j = 0; j < i; ++j) {
      if (x_[i] - x_[j] == 0) {
        MessageBox(Format(kDuplicateMoment, j + 1, i + 1), Icon::Warning);
        return false;
      }
    }
  }
  return true;
}

bool CPointTableDlg::ReadValues(int decimal, int hours, const std::string& noFormat,
                                const std::string* texts, int (*valueId)(int),
                                const std::string& decimalSyntax,
                                const std::string& sexagesimalSyntax, double* values) {
  const int checked = GetCheckedRadioButton(decimal, hours);
  if (checked == 0) {
    MessageBox(noFormat, Icon::Warning);
    return false;
  }
  const DecimalRule decimalRule = {decimalSyntax.c_str()};
  const SexagesimalRule sexagesimalRule = {sexagesimalSyntax.c_str(), 0.0, nullptr};
  for (int r = 0; r < points_; ++r) {
    const bool ok = checked == decimal
                        ? ReadDecimalField(texts[r], valueId(r), decimalRule, values[r])
                        : ReadSexagesimalField(texts[r], valueId(r), sexagesimalRule, values[r]);
    if (!ok) return false;
  }
  return true;
}

CPointTableDlg::Unit CPointTableDlg::CheckedUnit(int decimal, int degrees,
                                                 int hours) const {
  const int checked = GetCheckedRadioButton(decimal, hours);
  if (checked == decimal) return Unit::Decimal;
  return checked == degrees ? Unit::Degrees : Unit::Hours;
}

std::string CPointTableDlg::ValueText(Unit unit, double value, double hoursOffset) {
  switch (unit) {
    case Unit::Decimal:
      return Format("%lf", value);
    case Unit::Degrees:
      return FormatDegrees(value, 0, 180);
    case Unit::Hours:
      break;
  }
  return FormatHours(value, "", 1, hoursOffset);
}
