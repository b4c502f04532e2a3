// Resolution of a spherical triangle from three of its six parts.
#pragma once
#include <array>
#include <string>

#include "TriangleDlg.h"
#include "TriangleMath.h"

class CSphericalTriangleDlg : public CTriangleDlg {
 public:
  explicit CSphericalTriangleDlg(CDialog* owner);
  static const FormTemplate& Form();

 private:
  using Ids = std::array<int, 3>;
  using Values = std::array<double, 3>;

  // Reads three fields in order, each completely before the next; on a
  // failure shows its message, focuses the field when the rule says so and
  // returns false.
  bool ReadThreeAngles(triangle::AngleFormat format,
                       const std::array<const std::string*, 3>& texts,
                       const Ids& ids, Values& values);
  std::array<std::string, 3> WriteThreeAngles(triangle::AngleFormat format,
                                              const Values& values) const;

  // The start of every press: fields read, format taken, the button made
  // the default one, the three data fields read.
  bool BeginPress(int button, const Ids& ids, triangle::AngleFormat& format,
                  Values& values);
  // Writes the values into the fields (result fields, or data fields for
  // the complementary triangle).
  void Put(triangle::AngleFormat format, const Ids& ids, const Values& values,
           bool colonForm = false);
  // An ambiguous case's button: the solution it stands for, or the notice
  // that there is a single solution or none.
  void PutChosen(triangle::AngleFormat format, const Ids& ids,
                 const triangle::TwoSolutions& s, bool secondButton, const char* single,
                 const char* none);

  void OnAngleSideSide();
  void OnSideAngleAngle();
  void OnThreeSides();
  void OnThreeAngles();
  void OnSideSideAngle(int button);
  void OnAngleAngleSide(int button);
  void OnComplementary();
};
