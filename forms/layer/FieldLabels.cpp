#include "FieldLabels.h"

namespace {
// Tabs and line breaks would split the line or the cell.
std::string OneLine(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return out;
}
}  // namespace

std::string CleanLabel(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') continue;
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    if (c == ' ' && out.empty()) continue;
    out += c;
  }
  while (!out.empty() && (out.back() == ':' || out.back() == ' ')) out.pop_back();
  return out;
}

bool HasFields(const FormTemplate& form) {
  for (const Control& c : form.controls)
    if (c.kind == Kind::Edit || c.kind == Kind::Number || c.kind == Kind::Result) return true;
  return false;
}

std::vector<LabelledField> LabelledFields(const FormTemplate& form) {
  std::vector<LabelledField> fields;
  std::string nearest;
  for (const Control& c : form.controls) {
    if (c.kind == Kind::Label || c.kind == Kind::Group) {
      std::string label = CleanLabel(c.text);
      if (!label.empty()) nearest = label;
      continue;
    }
    if (c.kind != Kind::Edit && c.kind != Kind::Number && c.kind != Kind::Result)
      continue;
    const Hint* hint = form.FindHint(c.id);
    fields.push_back({c.id, hint && !hint->label.empty() ? hint->label : nearest});
    nearest.clear();
  }
  return fields;
}

std::string FieldsAsText(const FormTemplate& form,
                         const std::function<std::string(int id)>& textOf) {
  std::string text;
  for (const LabelledField& field : LabelledFields(form))
    text += field.label + '\t' + OneLine(textOf(field.id)) + '\n';
  return text;
}
