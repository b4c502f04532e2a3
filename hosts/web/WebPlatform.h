// The forms in a web page: each open form is a window whose texts and
// checks live here (as in the headless window) and are mirrored to the
// page by its script (page.js). A modal run waits for the page's next
// event without blocking the browser (Asyncify suspends the module).
#pragma once
#include <string>
#include <vector>

#include "Clock.h"
#include "Dialog.h"
#include "HeadlessWindow.h"

class WebWindow : public HeadlessWindow {
 public:
  // Builds the form's window in the page, over the windows below it.
  WebWindow(const FormTemplate& form, int depth);
  ~WebWindow() override;
  WebWindow(const WebWindow&) = delete;
  WebWindow& operator=(const WebWindow&) = delete;

  void SetText(int id, const std::string& text) override;
  void SetChecked(int id, bool checked) override;
  void Focus(int id) override;
  void SetDefaultButton(int id) override;
  void End(int result) override;

  // Takes in what the user typed and checked in the page.
  void Sync();
  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  bool Focused() const { return focused_; }

 private:
  const FormTemplate& form_;
  int depth_;
  bool ended_ = false;
  int result_ = 0;
  bool focused_ = false;
};

class WebPlatform : public Platform {
 public:
  WebPlatform();
  ~WebPlatform() override;
  WebPlatform(const WebPlatform&) = delete;
  WebPlatform& operator=(const WebPlatform&) = delete;

  int RunModal(CDialog& dialog) override;
  // Opens help/<topic>_frameset.htm (help/index.htm for "") in a new tab.
  void OpenHelp(const std::string& topic) override;
  void ShowMessageBox(const std::string& text, Icon icon) override;

 private:
  std::vector<WebWindow*> windows_;
  Platform* previous_;
  ClockSource previousClock_;  // the page's clock serves "Maintenant" meanwhile
};

// The form's control table as the page's script reads it (JSON).
std::string FormJson(const FormTemplate& form);
