// Orbital speeds at perihelion and aphelion of an elliptical orbit.
#pragma once
#include "Dialog.h"

class CKeplerSpeedDlg : public CDialog {
 public:
  explicit CKeplerSpeedDlg(CDialog* owner);
  static const FormTemplate& Form();

  // km/s per unit of the data's speed; 0.0 until a unit is chosen. Lasts
  // for the whole run of the program, not for one opening of the form.
  static double& UnitFactor();

 private:
  void OnRecord();

  std::string axis_, eccentricity_, period_, perihelion_, aphelion_;
};
