// Builds a form's real window without running it, plays a worked example
// on it, and renders it to an image (for the README and the help pages).
#pragma once
#include <QImage>
#include <memory>
#include <string>

#include "QtPlatform.h"

class FormSnapshot {
 public:
  // Builds the window of the form with this template id; nullptr-like
  // (valid() false) when no such form is built into the program.
  explicit FormSnapshot(int templateId);
  ~FormSnapshot();

  bool valid() const { return window_ != nullptr; }
  FormWindow& Window() { return *window_; }
  // Plays lines "set ID TEXT" and "click ID" (the driver's syntax).
  void Play(const std::string& script);
  // Plays the worked example the form's template gives for its picture.
  void PlayExample() { Play(form_ ? form_->Template().example : std::string()); }
  QImage Render();

 private:
  std::unique_ptr<CDialog> form_;
  std::unique_ptr<FormWindow> window_;
  QSize room_;  // the windows' room before this snapshot
};
