// What the spherical and the plane triangle forms share: the angle format
// taken from their three format buttons and the reading of a number in
// that format with its syntax message.
#pragma once
#include <string>

#include "Dialog.h"
#include "TriangleMath.h"

class CTriangleDlg : public CDialog {
 public:
  using CDialog::CDialog;

 protected:
  // The format of the checked one of the three format buttons; None when
  // no button is checked.
  triangle::AngleFormat CheckedFormat(int decimalId, int sexagesimalId,
                                      int radiansId) const;
  // Reads the field id's text in the format: sexagesimal degrees, or a
  // decimal number of degrees or radians (plane sides are read as decimal
  // degrees are). A syntax error shows the format's message; any failure
  // moves the focus to the field and returns false.
  bool ReadInFormat(triangle::AngleFormat format, const std::string& text, int id,
                    double& value);
};
