// Resolution of a plane triangle from three of its six parts.
#pragma once
#include <string>

#include "TriangleDlg.h"
#include "TriangleMath.h"

class CPlaneTriangleDlg : public CTriangleDlg {
 public:
  explicit CPlaneTriangleDlg(CDialog* owner);
  static const FormTemplate& Form();

 private:
  // Each reads one field; on a failure shows its message, focuses the
  // field when the rule says so and returns false.
  bool ReadSide(const std::string& text, int id, double& value);
  bool ReadAngle(triangle::AngleFormat format, const std::string& text, int id,
                 double& radians);
  // Sets the result field's text; without a format shows the format
  // message and leaves the field as it was.
  void WriteAngle(triangle::AngleFormat format, int id, double radians);
  void WriteSide(int id, double value);

  void OnAngleSideSide();
  void OnSideAngleAngle();
  void OnThreeSides();
  void OnSideSideAngle(int button);
};
