// What zenko-batch knows of each calculator beyond its control table: the
// short French column names, the value formats shown by --champs, the names
// of the radio choices and of the buttons a row may press.
#pragma once
#include <string>
#include <vector>

struct BatchColumn {
  int id;              // input or result field
  const char* name;    // short name, lower case, ASCII
  const char* format;  // what to type, or what is printed
};

struct BatchChoice {
  int id;              // one radio button
  const char* name;
};

// A group of radio buttons, set through one column named after it; the
// column's id is the id of the group's first button.
struct BatchGroup {
  int id;
  const char* name;
  const char* what;
  std::vector<BatchChoice> choices;
};

struct BatchButton {
  int id;
  const char* name;
};

struct BatchForm {
  int form;
  std::vector<BatchColumn> inputs;
  std::vector<BatchGroup> groups;
  std::vector<BatchColumn> results;  // in screen order
  std::vector<BatchButton> buttons;  // the first is pressed by default
};

// The description of a form, or nullptr for a form batch does not run.
const BatchForm* FindBatchForm(int form);
const std::vector<BatchForm>& BatchForms();

// Lower case with the accents of French letters dropped, so that "Équinoxe"
// names the column "equinoxe".
std::string FoldName(const std::string& text);
