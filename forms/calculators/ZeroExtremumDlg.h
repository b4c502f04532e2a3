// Zero and extremum of a function of the date and time tabulated at 2 to 5
// points, inside the span of the points.
#pragma once
#include <string>

#include "PointTableDlg.h"

class CZeroExtremumDlg : public CPointTableDlg {
 public:
  explicit CZeroExtremumDlg(CDialog* owner);
  static const FormTemplate& Form();

 private:
  // Checks and loads the first n points; false after a failure (message
  // and focus done).
  bool ReadPoints();
  void OnZero();
  void OnExtremum();
  // Date and time texts of a result; false (with the warning) for a Julian
  // Day the calendar cannot turn into a date.
  bool FormatMoment(double jd, std::string& date, std::string& time);

  std::string value_[5];
  std::string resultDate_, resultTime_, resultValue_;
  int format_ = 0;  // checked format button after ReadPoints
  double y_[5] = {};
};
