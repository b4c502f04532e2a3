// A window without a screen: the texts and check states of one form's
// controls, as the headless hosts (zenko-script, zenko-batch) keep them.
#pragma once
#include <string>
#include <vector>

#include "Dialog.h"

class HeadlessWindow : public DialogHost {
 public:
  // Fields start empty; buttons and radio buttons hold their labels.
  explicit HeadlessWindow(const FormTemplate& form);

  std::string GetText(int id) const override;
  // Only a control of the form takes a text.
  void SetText(int id, const std::string& text) override;
  bool IsChecked(int id) const override;
  // Only a radio button takes a check.
  void SetChecked(int id, bool checked) override;
  void Focus(int) override {}
  void SetDefaultButton(int) override {}
  void End(int) override {}

  // Checks a radio button and unchecks the others of its group.
  void CheckRadio(int id);
  // Back to the state of the form just built.
  void Reset();

 private:
  struct Slot {
    int id;
    Kind kind;
    std::string initial;
    std::string text;
    bool checked;
    int group;  // radio buttons: their group, counted from 1
  };
  const Slot* Find(int id) const;
  Slot* Find(int id) {
    return const_cast<Slot*>(static_cast<const HeadlessWindow*>(this)->Find(id));
  }

  std::vector<Slot> slots_;
};
