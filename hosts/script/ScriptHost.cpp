#include "ScriptHost.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Clock.h"
#include "Dialog.h"
#include "FieldLabels.h"
#include "HeadlessWindow.h"
#include "Bytes.h"
#include "Printf.h"
#include "Report.h"
#include "LineReader.h"
#include "SiteFile.h"
#include "StdStreams.h"

namespace {

const char kSiteFile[] = "Zenko.loc";
// Forms open at once, the menu included; far more than any use needs.
constexpr std::size_t kMaxOpenForms = 64;

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\\') {
      out += "\\\\";
    } else {
      out += c;
    }
  }
  return out;
}

const char* IconName(Icon icon) {
  switch (icon) {
    case Icon::Error: return "error";
    case Icon::Warning: return "warning";
    case Icon::Information: return "information";
  }
  return "error";
}

// Whole decimal number, optionally signed, fitting an int.
bool ParseId(const std::string& text, int& id) {
  if (text.empty() || text.size() > 9) return false;
  std::size_t i = (text[0] == '-') ? 1 : 0;
  if (i == text.size()) return false;
  for (std::size_t k = i; k < text.size(); ++k)
    if (text[k] < '0' || text[k] > '9') return false;
  id = std::atoi(text.c_str());
  return true;
}

class ScriptPlatform;

// One open form: the controls' texts and check states; the form's own
// focus moves and result texts are reported.
class ScriptWindow : public HeadlessWindow {
 public:
  ScriptWindow(ScriptPlatform& platform, CDialog& dialog)
      : HeadlessWindow(dialog.Template()), dialog_(dialog), platform_(platform) {}

  void SetText(int id, const std::string& text) override;
  void Focus(int id) override;
  void End(int result) override {
    ended_ = true;
    result_ = result;
  }

  CDialog& dialog_;
  bool ended_ = false;
  int result_ = IDCANCEL;

 private:
  ScriptPlatform& platform_;
};

class ScriptPlatform : public Platform {
 public:
  ScriptPlatform(std::istream& in, std::ostream& out, std::ostream& err,
                 ResultObserver observer)
      : in_(in), out_(out), err_(err), observer_(std::move(observer)) {}

  void ResultWritten(const CDialog& dialog, int id, const std::string& text) {
    if (observer_) observer_(dialog.Template().id, id, text);
  }

  int RunModal(CDialog& dialog) override;
  // The compiled help's address of the topic.
  void OpenHelp(const std::string& topic) override {
    Print(topic.empty() ? std::string("help Zenko.chm")
                        : "help Zenko.chm::/" + topic + "_frameset.htm");
  }
  void ShowMessageBox(const std::string& text, Icon icon) override {
    Print(std::string("message ") + IconName(icon) + " " + Escape(text));
  }
  // A failed write ends the script: nothing more is run or written.
  void Print(const std::string& line) {
    if (stopping_) return;
    out_ << line << '\n';
    if (!out_) {
      status_ = 2;
      stopping_ = true;
    }
  }

  // Runs commands until the input ends; returns the exit status.
  int Run() {
    while (!stopping_ && Step()) {
    }
    return status_;
  }

 private:
  bool Step();  // one command; false at the end of the input
  void Execute(const std::string& line);
  void Fail(const std::string& why) {
    err_ << "error: " << Shown(why) << '\n';
    status_ = 2;
    stopping_ = true;
  }
  ScriptWindow* Top() { return windows_.empty() ? nullptr : windows_.back(); }
  // The top form and its control id, or a reported error.
  const Control* TopControl(const std::string& idText, int& id);
  void Site(const std::string& args);
  void SiteShow();

  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  ResultObserver observer_;
  std::vector<ScriptWindow*> windows_;
  bool stopping_ = false;  // input ended or failed: unwind silently
  bool finished_ = false;  // the last form has closed
  bool announce_ = true;   // a form opening another one prints "open N"
  LineReader lines_{in_.rdbuf(), std::string().max_size()};  // no line is cut
  int status_ = 0;
};

void ScriptWindow::SetText(int id, const std::string& text) {
  const Control* control = dialog_.Template().Find(id);
  if (!control) return;
  HeadlessWindow::SetText(id, text);
  if (control->kind == Kind::Result) platform_.ResultWritten(dialog_, id, text);
}

void ScriptWindow::Focus(int id) { platform_.Print(Format("focus %d", id)); }

int ScriptPlatform::RunModal(CDialog& dialog) {
  if (stopping_) return IDCANCEL;
  // Each open form holds a frame of the native stack: refuse a depth that
  // could exhaust it instead of crashing.
  if (windows_.size() >= kMaxOpenForms) {
    Fail(Format("too many nested forms (at most %zu)", kMaxOpenForms));
    return IDCANCEL;
  }
  if (announce_ && dialog.Owner())
    Print(Format("open %d", dialog.Template().id));
  announce_ = true;
  ScriptWindow window(*this, dialog);
  windows_.push_back(&window);
  RunAttached(dialog, window, [this, &window] {
    while (!window.ended_ && !stopping_) {
      if (!Step()) stopping_ = true;
    }
    return window.result_;
  });
  windows_.pop_back();
  if (dialog.Template().id == StartFormId()) {
    Print("exit");
  } else {
    Print(window.result_ == IDOK ? "close ok" : "close cancel");
  }
  if (windows_.empty()) finished_ = true;
  return window.result_;
}

bool ScriptPlatform::Step() {
  std::string line;
  if (!lines_.Next(line)) return false;
  if (line.empty() || line[0] == '#' || finished_) return true;
  Execute(line);
  return true;
}

const Control* ScriptPlatform::TopControl(const std::string& idText, int& id) {
  ScriptWindow* top = Top();
  if (!top) {
    Fail("no form is open");
    return nullptr;
  }
  const Control* control = nullptr;
  if (ParseId(idText, id)) control = top->dialog_.Template().Find(id);
  if (!control)
    Fail(Format("unknown control id '%s' on form %d", idText.c_str(),
                top->dialog_.Template().id));
  return control;
}

void ScriptPlatform::Execute(const std::string& line) {
  std::size_t space = line.find(' ');
  std::string command = line.substr(0, space);
  std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
  std::string first = rest.substr(0, rest.find(' '));
  std::string text =
      rest.find(' ') == std::string::npos ? "" : rest.substr(rest.find(' ') + 1);
  int id = 0;

  if (command == "site") {
    Site(rest);
  } else if (command == "siteshow" && rest.empty()) {
    SiteShow();
  } else if (command == "open") {
    std::unique_ptr<CDialog> form;
    if (ParseId(rest, id))
      form = CreateForm(id, Top() ? &Top()->dialog_ : nullptr);
    if (!form) return Fail("unknown form '" + rest + "'");
    announce_ = false;
    form->DoModal();
  } else if (command == "set") {
    const Control* c = TopControl(first, id);
    if (!c) return;
    if (c->kind != Kind::Edit && c->kind != Kind::Number)
      return Fail(Format("control %d is not an input field", id));
    Top()->SetText(id, text);
  } else if (command == "get" && rest.find(' ') == std::string::npos) {
    const Control* c = TopControl(rest, id);
    if (!c) return;
    if (c->kind == Kind::Radio) {
      Print(Format("%d=%d", id, Top()->IsChecked(id) ? 1 : 0));
    } else {
      Print(Format("%d=", id) + Top()->GetText(id));
    }
  } else if ((command == "click" || command == "dblclick") &&
             rest.find(' ') == std::string::npos) {
    const Control* c = TopControl(rest, id);
    if (!c) return;
    ScriptWindow* top = Top();
    if (c->kind == Kind::Radio) {
      top->CheckRadio(id);
      top->dialog_.OnCommand(id);
      if (command == "dblclick" && !top->ended_ && (c->flags & kNotify))
        top->dialog_.OnDoubleClicked(id);
    } else if (c->kind == Kind::Button) {
      top->dialog_.OnCommand(id);
      // A push button takes a double-click as two presses.
      if (command == "dblclick" && !top->ended_ && Top() == top)
        top->dialog_.OnCommand(id);
    } else {
      Fail(Format("control %d cannot be clicked", id));
    }
  } else if (command == "rclick" && rest.empty()) {
    if (!Top()) return Fail("no form is open");
    Top()->dialog_.OnRButtonUp();
  } else if (command == "clock") {
    std::optional<UtInstant> instant = ParseUtInstant(rest);
    if (!instant) return Fail("bad clock command '" + line + "'");
    UtInstant fixed = *instant;
    SetClockSource([fixed] { return fixed; });
  } else if (command == "now" && rest.empty()) {
    if (!Top()) return Fail("no form is open");
    Top()->dialog_.OnNow();  // nothing on a form without the action
  } else if (command == "copy" && rest.empty()) {
    // What "Copier les résultats" puts on the clipboard, one line per field.
    ScriptWindow* top = Top();
    if (!top) return Fail("no form is open");
    std::istringstream copied(FieldsAsText(top->dialog_.Template(),
                                           [top](int field) { return top->GetText(field); }));
    for (std::string field; std::getline(copied, field);) Print("copy " + Escape(field));
  } else if (command == "key" && (rest == "escape" || rest == "enter")) {
    ScriptWindow* top = Top();
    if (!top) return Fail("no form is open");
    if (rest == "escape") {
      top->dialog_.OnCancel();
    } else if (top->dialog_.GetDefID() != 0) {
      top->dialog_.OnCommand(top->dialog_.GetDefID());
    }
  } else {
    Fail("unknown command '" + line + "'");
  }
}

void ScriptPlatform::Site(const std::string& args) {
  if (args == "none") {
    std::remove(kSiteFile);
    return;
  }
  std::vector<unsigned char> bytes;
  if (args.rfind("raw", 0) == 0 && (args.size() == 3 || args[3] == ' ')) {
    std::string hex;
    for (char c : args.substr(3))
      if (c != ' ') hex += c;
    if (hex.size() % 2 != 0) return Fail("odd number of hex digits");
    for (std::size_t i = 0; i < hex.size(); i += 2) {
      char* end = nullptr;
      std::string pair = hex.substr(i, 2);
      long byte = std::strtol(pair.c_str(), &end, 16);
      if (*end != '\0' || pair[0] == '-' || pair[0] == '+' || pair[0] == ' ')
        return Fail("bad hex digits '" + pair + "'");
      bytes.push_back(static_cast<unsigned char>(byte));
    }
  } else {
    std::istringstream values(args);
    std::string lonText, latText, extra;
    values >> lonText >> latText;
    char* endLon = nullptr;
    char* endLat = nullptr;
    double lon = std::strtod(lonText.c_str(), &endLon);
    double lat = std::strtod(latText.c_str(), &endLat);
    if (lonText.empty() || latText.empty() || *endLon || *endLat ||
        (values >> extra))
      return Fail("bad site command 'site " + args + "'");
    bytes.resize(16);
    StoreDoubleLE(lon, bytes.data());
    StoreDoubleLE(lat, bytes.data() + 8);
  }
  std::remove(kSiteFile);
  std::ofstream file(kSiteFile, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) Fail("cannot write Zenko.loc");
}

void ScriptPlatform::SiteShow() {
  // Refused as the forms refuse it (a pipe, a device or a directory is
  // never waited on); the bytes themselves are then shown as stored.
  double longitude = 0.0;
  double latitude = 0.0;
  SiteFileResult read = ReadSiteFile(longitude, latitude);
  if (read.status != SiteFileStatus::Ok) {
    Print(read.error == ENOENT ? "site none" : "site refused");
    return;
  }
  std::ifstream file(kSiteFile, std::ios::binary);
  std::vector<unsigned char> bytes;
  if (file) {
    bytes.assign(std::istreambuf_iterator<char>(file),
                 std::istreambuf_iterator<char>());
  }
  if (!file && bytes.empty()) {
    Print("site none");
  } else if (bytes.size() < 16) {
    Print(Format("site short %zu", bytes.size()));
  } else {
    Print(Format("site %.17g %.17g", LoadDoubleLE(bytes.data()),
                 LoadDoubleLE(bytes.data() + 8)));
  }
}

}  // namespace

int RunFormScript(std::istream& in, std::ostream& out, std::ostream& err,
                  ResultObserver observer) {
  const std::string problems = Forms().Problems(RequiredForms());
  if (!problems.empty()) {
    err << "error: " << problems;
    return 2;
  }
  ScriptPlatform platform(in, out, err, std::move(observer));
  // The system clock until a `clock` command fixes it.
  ClockSource previousClock = SetClockSource({});
  Platform* previousPlatform = Platform::Install(&platform);
  int status = platform.Run();
  Platform::Install(previousPlatform);
  SetClockSource(std::move(previousClock));
  return status;
}
