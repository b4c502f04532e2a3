#include "PointTableDlg.h"

#include "Angles.h"
#include "Printf.h"
#include "TableTexts.h"

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
  return ReadPointMoments(points_, kPoints, date_, time_, DateId, TimeId, x_);
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
  return ReadPointValues(checked == decimal, texts, points_, valueId, decimalSyntax,
                         sexagesimalSyntax, values);
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
