// The input and result fields of a form with the label that names each one,
// and the plain-text copy of all of them ("Copier les résultats").
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "FormTemplate.h"

struct LabelledField {
  int id;
  std::string label;
};

// A label as a name: without "&", leading blanks and the trailing ":" and
// blanks; a line break becomes a blank.
std::string CleanLabel(const std::string& text);

// Every input and result field in table order (which is the screen order),
// named by its hint's label, otherwise by the nearest label or frame title
// between the previous field and it; empty when there is none.
std::vector<LabelledField> LabelledFields(const FormTemplate& form);

// Whether the form has an input or result field, and so the action
// "Copier les résultats".
bool HasFields(const FormTemplate& form);

// One line per field: its label, a tab, its text (textOf gives it; a line
// break in it becomes a blank). Lines end with "\n".
std::string FieldsAsText(const FormTemplate& form,
                         const std::function<std::string(int id)>& textOf);
