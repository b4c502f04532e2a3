// What the spherical and the plane triangle forms share: the angle format
// taken from their three format buttons and the reading of a number in
// that format with its syntax message.
#pragma once
#include <string>

#include "Dialog.h"
#include "TriangleMath.h"
#include "ParseStatus.h"

class CTriangleDlg : public CDialog {
 public:
  using CDialog::CDialog;

 protected:
  // The format of the checked one of the three format buttons; None when
  // no button is checked.
  triangle::AngleFormat CheckedFormat(int decimalId, int sexagesimalId,
                                      int radiansId) const;
  // Parses text in the format: sexagesimal degrees, or a decimal number of
  // degrees or radians (plane sides are read as decimal degrees are). A
  // syntax error shows the format's message; nothing else is shown and the
  // focus does not move.
  ParseStatus ParseInFormat(triangle::AngleFormat format, const std::string& text,
                            double& value);
};
