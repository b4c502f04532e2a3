// The main window: the list of calculators, and the about box.
#pragma once
#include <vector>

#include "Dialog.h"

class CalculatorMenu : public CDialog {
 public:
  explicit CalculatorMenu(CDialog* owner = nullptr);
  void OnOK() override;
  void OnDoubleClicked(int id) override;
  void OnSysCommand(int command) override;

  static const FormTemplate& Form();
  // Template of the calculator opened by a menu entry; 0 for none.
  static int CalculatorOf(int radioId);
  // The forms every program must hold: the menu and its ten calculators.
  static std::vector<int> RequiredForms();
};

class AboutBox : public CDialog {
 public:
  explicit AboutBox(CDialog* owner);
  static const FormTemplate& Form();
};

inline constexpr int kAboutCommand = 16;
