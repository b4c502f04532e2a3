// Azimuth and altitude of a star from its right ascension and declination,
// the site's longitude and latitude, a date and a Universal Time.
#pragma once
#include <optional>
#include <string>

#include "Dialog.h"

class CEquatorial2HorizontalDlg : public CDialog {
 public:
  explicit CEquatorial2HorizontalDlg(CDialog* owner);
  static const FormTemplate& Form();
  void OnInitDialog() override;
  void OnCancel() override;

 private:
  void OnCompute();
  void OnSave();
  bool OpenedFromPrecession() const;
  // Reads a site coordinate for saving: true with the value (0.0 for an
  // empty text); false, focus on the field, when the text is refused.
  bool ReadSaveValue(const std::string& text, int id,
                     const SexagesimalRule& rule, double& value);

  std::string rightAscension_, declination_, longitude_, latitude_, date_,
      time_, azimuth_, altitude_;
  double siteLongitude_ = 0.0, siteLatitude_ = 0.0;
  // The texts the site file put into the longitude and latitude fields when
  // the form opened; a field still holding its text is saved as the file
  // holds it. Not set when the file could not be read, and dropped once the
  // field has been saved from its text: from then on it is the user's.
  std::optional<std::string> filledLongitude_, filledLatitude_;
};
