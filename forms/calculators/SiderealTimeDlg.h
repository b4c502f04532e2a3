// Local sidereal time for a date, a Universal Time and a longitude.
#pragma once
#include "Dialog.h"

class CSiderealTimeDlg : public CDialog {
 public:
  explicit CSiderealTimeDlg(CDialog* owner);
  static const FormTemplate& Form();
  void OnInitDialog() override;

 private:
  void OnCompute();

  std::string date_, time_, longitude_, result_;
  double siteLongitude_ = 0.0, siteLatitude_ = 0.0;
};
