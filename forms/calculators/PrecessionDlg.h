// Precession of the equinoxes and proper motion of a star, between an
// initial epoch (also its equinox) and a final epoch and equinox.
#pragma once
#include <string>

#include "Dialog.h"

class CPrecessionDlg : public CDialog {
 public:
  explicit CPrecessionDlg(CDialog* owner);
  static const FormTemplate& Form();

 private:
  void OnCompute();
  void OnHorizontal();

  std::string initialEpoch_ = "J2000";
  std::string rightAscension_, declination_;
  std::string motionRightAscension_, motionDeclination_;
  std::string finalEpoch_, finalEquinox_;
  std::string resultRightAscension_, resultDeclination_;
};
