// What the spherical and the plane triangle forms share: their common
// fields and buttons, the angle format taken from the three format buttons,
// the reading of a number in that format, the writing of angles and sides
// with a decimal comma, and their columns in a table.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "Dialog.h"
#include "TriangleMath.h"

namespace triangle_form {
// Ids both triangle forms give the same controls.
enum : int {
  kSideA = 1095,
  kSideB = 1096,
  kSideC = 1097,
  kAngleA = 1088,
  kAngleB = 1089,
  kAngleC = 1090,
  kResultSideA = 1091,
  kResultSideB = 1092,
  kResultSideC = 1093,
  kResultAngleA = 1098,
  kResultAngleB = 1099,
  kResultAngleC = 1100,
  kDecimal = 1102,
  kRadians = 1123,
  kSexagesimal = 1124,
  kAngleSideSide = 1103,   // (A, b, c) -> (a, B, C)
  kSideAngleAngle = 1111,  // (a, B, C) -> (A, b, c)
  kThreeSides = 1112,
  kSideSideAngle1 = 1114,  // (a, b, A), first and second solutions
  kSideSideAngle2 = 1115,
  kClear = 1104,
};
}  // namespace triangle_form

class CTriangleDlg : public CDialog {
 public:
  // Binds the twelve fields and the "Effacer" button.
  CTriangleDlg(const FormTemplate& form, CDialog* owner);

  // The table columns of a triangle form: the six data, the angle format
  // and the six results; a row may press the buttons given.
  static TableColumns Columns(std::vector<TableButton> buttons);

 protected:
  // The format of the checked one of the three format buttons; None when
  // no button is checked.
  triangle::AngleFormat CheckedFormat() const;
  // The start of every press: fields read, format taken, the button made
  // the default one (Enter repeats the last computation, even one that
  // failed).
  triangle::AngleFormat BeginPress(int button);
  // Reads the field id's text in the format: sexagesimal degrees, or a
  // decimal number of degrees or radians (plane sides are read as decimal
  // degrees are). A syntax error shows the format's message; any failure
  // moves the focus to the field and returns false.
  bool ReadInFormat(triangle::AngleFormat format, const std::string& text, int id,
                    double& value);

  // The range an angle field must lie in, with its messages; the focus
  // goes back to a field out of range always, or only in decimal degrees.
  struct AngleRange {
    bool (*inRange)(triangle::AngleFormat format, double value);
    const char* degreeMessage;
    const char* radianMessage;
    bool focusAlways;
  };
  // Reads an angle field in a format other than None: a syntax error
  // focuses the field, a value out of range shows the range's message;
  // false after a failure. radians gets the angle read.
  bool ReadAngleField(triangle::AngleFormat format, const std::string& text, int id,
                      const AngleRange& range, double& radians);

  // An angle in radians written in the format, with a decimal comma:
  // "%.5lf" of degrees or radians, or whole-second degrees in [0, 360).
  // Empty for AngleFormat::None.
  static std::string AngleText(triangle::AngleFormat format, double radians);
  // A plane side: "%.5lf" with a decimal comma.
  static std::string SideText(double value);

  // The fields' texts by id, exchanged by UpdateData.
  std::map<int, std::string> texts_;

 private:
  void OnClear();
};
