// Results never show a negative zero: the text rule, and the form layer
// applying it to every result field (and to nothing else).
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "Dialog.h"
#include "ScriptHost.h"
#include "Printf.h"

namespace {

TEST(WithoutNegativeZero, OnlyTextsWhoseDigitsAreAllZeros) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"-0,00000", "0,00000"}, {"-0.000000 a", "0.000000 a"}, {"- 0h 0m 0.0s", "0h 0m 0.0s"},
      {"- 0h 0m 0.000s UT", "0h 0m 0.000s UT"}, {"- 0\xC2\xB0 0' 0.00\"", "0\xC2\xB0 0' 0.00\""},
      {"-0m 0.0s", "0m 0.0s"}, {"-0", "0"},
      // A value below zero keeps its sign; no digit, or no sign: unchanged.
      {"-0,00001", "-0,00001"}, {"- 0h 0m 0.1s", "- 0h 0m 0.1s"},
      {"- 0\xC2\xB0 29' 48\"", "- 0\xC2\xB0 29' 48\""}, {"-0m 5.0s", "-0m 5.0s"},
      {"-10,00000", "-10,00000"}, {"", ""}, {"-", "-"}, {"-nan", "-nan"}, {"12:00:00", "12:00:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(WithoutNegativeZero(c.in), c.out) << c.in;
}

// A form that fills one result field and one input field with the same
// text, whatever it is given.
FormTemplate ZeroForm() {
  FormTemplate t;
  t.id = 9911;
  t.title = "Zéros";
  t.controls = {Edit(1001, {0, 0}), Edit(1002, {1, 0}), Result(1003, {2, 0}),
                Button(1004, "&Calcul", {3, 0}), Button(1, "&Retour", {4, 0})};
  return t;
}

class CZeroDlg : public CDialog {
 public:
  explicit CZeroDlg(CDialog* owner) : CDialog(Form(), owner) {
    BindText(1001, input_);
    BindText(1002, copy_);
    BindText(1003, result_);
    OnButton(1004, [this] {
      UpdateData(true);
      copy_ = result_ = input_;
      UpdateData(false);
    });
  }
  static const FormTemplate& Form() {
    static const FormTemplate form = ZeroForm();
    return form;
  }

 private:
  std::string input_, copy_, result_;
};

ZENKO_REGISTER_FORM(CZeroDlg)

TEST(WithoutNegativeZero, EveryResultFieldOfTheFormLayer) {
  std::istringstream in(
      "open 9911\n"
      "set 1001 -0,00000\nclick 1004\nget 1002\nget 1003\n"
      "set 1001 - 0h 0m 0.0s\nclick 1004\nget 1002\nget 1003\n"
      "set 1001 -0,00002\nclick 1004\nget 1002\nget 1003\n"
      "click 1\n");
  std::ostringstream out, err;
  ASSERT_EQ(RunFormScript(in, out, err), 0) << err.str();
  // The input field keeps what the form put there; the result has no sign.
  EXPECT_EQ(out.str(),
            "1002=-0,00000\n1003=0,00000\n"
            "1002=- 0h 0m 0.0s\n1003=0h 0m 0.0s\n"
            "1002=-0,00002\n1003=-0,00002\n"
            "close ok\n");
}

}  // namespace
