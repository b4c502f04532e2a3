// Interpolation of one or two functions of the date and time through 2 to
// 5 tabulated points, with the size of the highest-degree term on a
// right-button release.
#pragma once
#include <string>

#include "PointTableDlg.h"

class CInterpolationDlg : public CPointTableDlg {
 public:
  explicit CInterpolationDlg(CDialog* owner);
  static const FormTemplate& Form();

  void OnRButtonUp() override;

 private:
  void OnCalcul();
  // Reads the values of one function (1 or 2) for the points; false after
  // a failure (message and focus done).
  bool ReadFunction(int function, const std::string* texts, double* values);

  std::string f1_[5], f2_[5];
  std::string dateX_, timeX_ = "0:0:0";
  std::string result1_, result2_;
  double y1_[5] = {}, y2_[5] = {};
  double at_ = 0.0;

  std::string variation1_, variation2_;
  // Whether the row 1 Fonction 2 field was empty at the last Calcul.
  bool singleFunction_ = true;
};
