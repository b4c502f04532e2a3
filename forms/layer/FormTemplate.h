// A form's control table: what the hosts build a window from.
// The table says where each control stands as a cell of a grid of rows
// and columns (with spans), never in pixels: the hosts lay the grid out at
// the current font. All cells of a form are counted in one grid; a frame
// (Group) holds every control whose cell lies inside its own, and lays them
// out in a grid of its own, so that columns line up inside a frame and
// frames side by side need not share their rows. The order of the table is
// the tab order.
#pragma once
#include <string>
#include <utility>
#include <vector>

enum class Kind {
  Group,   // titled frame holding the controls inside its cell
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
  kNoFrame = 1u << 6,     // a group that only keeps its members together
  kPackLeft = 1u << 7,    // keeps its own width at the left of its cell
  kPackCenter = 1u << 8,  // keeps its own width in the middle of its cell
  kPackRight = 1u << 9,   // keeps its own width at the right of its cell
  kWrap = 1u << 10,       // a label whose words wrap within its cell
  // A frame drawn around cells of the grid that holds it: its members line
  // up with their neighbours outside it instead of in a grid of their own.
  kAround = 1u << 11,
  kStretchRow = 1u << 12,     // this row of the grid takes the room left over
  kStretchColumn = 1u << 13,  // this column of the grid takes the room left over
};

inline constexpr int kStatic = -1;  // id of labels and frames

// A place in the form's grid.
struct Cell {
  int row = 0;
  int col = 0;
  int rowSpan = 1;
  int colSpan = 1;

  bool Contains(const Cell& other) const {
    return other.row >= row && other.col >= col &&
           other.row + other.rowSpan <= row + rowSpan &&
           other.col + other.colSpan <= col + colSpan;
  }
};

struct Control {
  Kind kind;
  int id;
  std::string text;
  Cell at;
  unsigned flags = kNoFlag;
  int chars = 0;         // width of a field (least width of a result or
                         // wrapped label), in average characters
  std::string shortcut;  // key sequence such as "Ctrl+1" (radio buttons)
};

struct HelpButton {
  int id;
  std::string topic;  // empty: the help file at its default page
};

// A field's tooltip: what it accepts, with an example. label names the field
// (for the copy of the results) where no label of its own precedes it in the
// table; empty: that preceding label.
struct Hint {
  int id;
  std::string text;
  std::string label = {};
};

struct SysMenuEntry {
  int command;
  std::string text;
};

// What zenko-batch reads and writes of a form, one column per field: a
// short name (lower case, ASCII) and what to type or what is printed.
struct TableField {
  int id;
  std::string name;
  std::string format;
};

struct TableChoice {
  int id;  // one radio button
  std::string name;
};

// A group of radio buttons, set through one column named after it; the
// column's id is the id of the group's first button.
struct TableGroup {
  int id;
  std::string name;
  std::string what;
  std::vector<TableChoice> choices;
};

// A button a row of a table may press.
struct TableButton {
  int id;
  std::string name;
};

// A form as a table: no buttons, the form is not run over tables.
struct TableColumns {
  std::vector<TableField> inputs;
  std::vector<TableGroup> groups;
  std::vector<TableField> results;   // in screen order
  std::vector<TableButton> buttons;  // the first is pressed by default
};

// The lines of a worked example played on a freshly opened form (its
// picture): "set ID TEXT" types into a field, "click ID" presses a button
// or checks a radio button.
inline std::string SetStep(int id, const std::string& text) {
  return "set " + std::to_string(id) + " " + text + "\n";
}
inline std::string ClickStep(int id) { return "click " + std::to_string(id) + "\n"; }

struct FormTemplate {
  int id = 0;
  std::string title;
  std::vector<Control> controls;
  std::vector<HelpButton> help;  // buttons that open a help topic
  std::string topic;             // the form's own topic (context help)
  bool contextHelp = false;      // question-mark button in the title bar
  std::vector<SysMenuEntry> sysMenu;
  std::vector<Hint> hints;       // tooltips of the input fields
  TableColumns table;            // the form in zenko-batch
  std::string example;           // worked example (SetStep, ClickStep)

  const Hint* FindHint(int controlId) const {
    for (const Hint& h : hints)
      if (h.id == controlId) return &h;
    return nullptr;
  }

  const Control* Find(int controlId) const {
    if (controlId == kStatic) return nullptr;
    for (const Control& c : controls)
      if (c.id == controlId) return &c;
    return nullptr;
  }

  // The innermost group whose cell holds control `index` (an index into
  // controls), or -1 when the window itself holds it; frames drawn around
  // cells (kAround) and stretch marks hold nothing.
  int ContainerOf(std::size_t index) const {
    int best = -1;
    const Cell& at = controls[index].at;
    for (std::size_t g = 0; g < controls.size(); ++g) {
      if (g == index || controls[g].kind != Kind::Group) continue;
      if (controls[g].flags & (kAround | kStretchRow | kStretchColumn)) continue;
      if (!controls[g].at.Contains(at)) continue;
      if (best < 0 || controls[static_cast<std::size_t>(best)].at.Contains(controls[g].at))
        best = static_cast<int>(g);
    }
    return best;
  }
};

// Shorthands for writing control tables.
inline Control Group(std::string text, Cell at, unsigned flags = kNoFlag) {
  return {Kind::Group, kStatic, std::move(text), at, flags | kNoTab, 0, {}};
}
// A frameless group: lays its members out together, draws nothing.
inline Control Box(Cell at) { return {Kind::Group, kStatic, "", at, kNoTab | kNoFrame, 0, {}}; }
// Marks a row or a column of the grid that holds the cell as the one that
// takes the room left over (a frame or a spanning control being larger than
// what lies beside it); the other rows and columns keep their natural size.
inline Control StretchRow(Cell at) {
  return {Kind::Group, kStatic, "", at, kNoTab | kNoFrame | kStretchRow, 0, {}};
}
inline Control StretchColumn(Cell at) {
  return {Kind::Group, kStatic, "", at, kNoTab | kNoFrame | kStretchColumn, 0, {}};
}
inline Control Label(std::string text, Cell at, unsigned flags = kNoFlag, int chars = 0) {
  return {Kind::Label, kStatic, std::move(text), at, flags | kNoTab, chars, {}};
}
inline Control Edit(int id, Cell at, unsigned flags = kNoFlag, int chars = 0) {
  return {Kind::Edit, id, "", at, flags, chars, {}};
}
inline Control Number(int id, Cell at, unsigned flags = kNoFlag, int chars = 0) {
  return {Kind::Number, id, "", at, flags, chars, {}};
}
inline Control Result(int id, Cell at, unsigned flags = kNoFlag, int chars = 0) {
  return {Kind::Result, id, "", at, flags | kNoTab, chars, {}};
}
inline Control Radio(int id, std::string text, Cell at, unsigned flags = kNoFlag,
                     std::string shortcut = "") {
  return {Kind::Radio, id, std::move(text), at, flags, 0, std::move(shortcut)};
}
inline Control Button(int id, std::string text, Cell at, unsigned flags = kNoFlag) {
  return {Kind::Button, id, std::move(text), at, flags, 0, {}};
}
