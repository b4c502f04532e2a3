// A form's control table: what the hosts build a window from.
// Positions and sizes are in pixels; the order of the table is the tab order.
#pragma once
#include <string>
#include <utility>
#include <vector>

enum class Kind {
  Group,   // titled frame drawn behind other controls
  Label,   // static text
  Edit,    // single-line input, right-aligned unless kCenter
  Number,  // whole-number input converted by the layer on every read
  Result,  // read-only text the form fills; selectable and copyable
  Radio,   // automatic radio button; kGroupStart begins a new group
  Button,  // push button
};

enum ControlFlag : unsigned {
  kNoFlag = 0,
  kDefault = 1u << 0,     // the default button (Enter)
  kGroupStart = 1u << 1,  // first radio button of a group
  kNoTab = 1u << 2,       // not reached with the Tab key
  kCenter = 1u << 3,      // centred text
  kNotify = 1u << 4,      // reports double-clicks
  kLeft = 1u << 5,        // left-aligned text for edits and results
};

inline constexpr int kStatic = -1;  // id of labels and frames

struct Control {
  Kind kind;
  int id;
  std::string text;
  int x, y, w, h;
  unsigned flags = kNoFlag;
};

struct HelpButton {
  int id;
  std::string topic;  // empty: the help file at its default page
};

struct SysMenuEntry {
  int command;
  std::string text;
};

struct FormTemplate {
  int id = 0;
  std::string title;
  int width = 0;
  int height = 0;
  std::vector<Control> controls;
  std::vector<HelpButton> help;  // buttons that open a help topic
  std::string topic;             // the form's own topic (context help)
  bool contextHelp = false;      // question-mark button in the title bar
  std::vector<SysMenuEntry> sysMenu;

  const Control* Find(int controlId) const {
    if (controlId == kStatic) return nullptr;
    for (const Control& c : controls)
      if (c.id == controlId) return &c;
    return nullptr;
  }
};

// Shorthands for writing control tables.
inline Control Group(std::string text, int x, int y, int w, int h) {
  return {Kind::Group, kStatic, std::move(text), x, y, w, h, kNoTab};
}
inline Control Label(std::string text, int x, int y, int w, int h,
                     unsigned flags = kNoFlag) {
  return {Kind::Label, kStatic, std::move(text), x, y, w, h, flags | kNoTab};
}
inline Control Edit(int id, int x, int y, int w, int h = 22,
                    unsigned flags = kNoFlag) {
  return {Kind::Edit, id, "", x, y, w, h, flags};
}
inline Control Number(int id, int x, int y, int w, int h = 22,
                      unsigned flags = kNoFlag) {
  return {Kind::Number, id, "", x, y, w, h, flags};
}
inline Control Result(int id, int x, int y, int w, int h = 22,
                      unsigned flags = kNoFlag) {
  return {Kind::Result, id, "", x, y, w, h, flags | kNoTab};
}
inline Control Radio(int id, std::string text, int x, int y, int w, int h = 22,
                     unsigned flags = kNoFlag) {
  return {Kind::Radio, id, std::move(text), x, y, w, h, flags};
}
inline Control Button(int id, std::string text, int x, int y, int w = 90,
                      int h = 28, unsigned flags = kNoFlag) {
  return {Kind::Button, id, std::move(text), x, y, w, h, flags};
}
