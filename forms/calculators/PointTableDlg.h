// What the interpolation and the zero-and-extremum forms share: a table of
// 2 to 5 points (date, time and one or two function values per row), its
// number of points, the reading of its moments and values, and the writing
// of a function value in the format checked for it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "Dialog.h"

class CPointTableDlg : public CDialog {
 public:
  CPointTableDlg(const FormTemplate& form, CDialog* owner);

  // Field ids of row r (0 to 4); the number of points.
  static int DateId(int r) { return 1000 + 4 * r; }
  static int TimeId(int r) { return 1001 + 4 * r; }
  static constexpr int kPoints = 1023;

  // The table columns of the five rows: date<N>, heure<N> and the value
  // column <valuePrefix><N> of valueId(r).
  static std::vector<TableField> RowColumns(int (*valueId)(int),
                                            const std::string& valuePrefix);

 protected:
  // A function value's format, by the checked one of its three buttons.
  enum class Unit { Decimal, Degrees, Hours };

  // Reads the fields and the first points_ moments into x_; false after a
  // failure (message and focus done). A bad number of points has been
  // reported then, and reading goes on with the number held before.
  bool ReadMoments();
  // Reads the first points_ values of a column in the format checked among
  // the buttons decimal, degrees, hours (increasing ids); noFormat is shown
  // when none is checked. false after a failure (message and focus done).
  bool ReadValues(int decimal, int hours, const std::string& noFormat,
                  const std::string* texts, int (*valueId)(int),
                  const std::string& decimalSyntax,
                  const std::string& sexagesimalSyntax, double* values);
  // The format checked among decimal, degrees and the third button.
  Unit CheckedUnit(int decimal, int degrees, int hours) const;
  // A value as the forms print it: "%lf", ±ddd:mm:ss within ±180°, or
  // hh:mm:ss.s in [-hoursOffset, 24 - hoursOffset).
  static std::string ValueText(Unit unit, double value, double hoursOffset = 0.0);

  std::string date_[5], time_[5];
  int points_ = 3;
  double x_[5] = {};
};
