// Orbital speeds at perihelion and aphelion of an elliptical orbit.
#pragma once
#include "Dialog.h"

class CKeplerSpeedDlg : public CDialog {
 public:
  explicit CKeplerSpeedDlg(CDialog* owner);
  static const FormTemplate& Form();

 private:
  void OnRecord();

  std::string axis_, eccentricity_, period_, perihelion_, aphelion_;
};
