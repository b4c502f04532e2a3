// Julian Day of a date and time, Greenwich sidereal time and equation of
// time, and the date and time of a Julian Day.
#pragma once
#include <string>

#include "Dialog.h"

// "%.0lfm %.1lfs" of the whole minutes and the unsigned seconds, "-0m ..."
// below one minute before zero; no carry of 60.0 seconds.
std::string FormatEquationOfTime(double minutes);

class CJulianDayDlg : public CDialog {
 public:
  explicit CJulianDayDlg(CDialog* owner);
  static const FormTemplate& Form();

 private:
  void OnDateToJulianDay();
  void OnCopy();
  void OnJulianDayToDate();

  std::string date_, time_, julianDay_, sidereal_, equation_;
  std::string julianDayIn_, dateOut_, timeOut_;
};
