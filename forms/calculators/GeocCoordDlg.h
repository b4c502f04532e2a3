// Geocentric latitude and distance to the Earth's centre of a site, from
// its geographic latitude and its height above sea level.
#pragma once
#include <string>

#include "Dialog.h"

// "%.6lf a", without a minus sign on a value that prints as zero.
std::string FormatEarthRadii(double value);

class CGeocCoordDlg : public CDialog {
 public:
  explicit CGeocCoordDlg(CDialog* owner);
  static const FormTemplate& Form();

 private:
  void OnCompute();

  std::string latitude_;
  int height_ = 0;  // kept between presses as a whole number of metres
  std::string geocentricLatitude_, distance_, rhoSin_, rhoCos_;
};
