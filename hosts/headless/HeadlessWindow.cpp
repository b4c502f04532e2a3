#include "HeadlessWindow.h"

HeadlessWindow::HeadlessWindow(const FormTemplate& form) {
  int group = 0;
  for (const Control& c : form.controls) {
    if (c.id == kStatic) continue;
    if (c.kind == Kind::Radio && (c.flags & kGroupStart)) ++group;
    const bool field = c.kind == Kind::Edit || c.kind == Kind::Number || c.kind == Kind::Result;
    const std::string text = field ? std::string() : c.text;
    slots_.push_back({c.id, c.kind, text, text, false, c.kind == Kind::Radio ? group : 0});
  }
}

const HeadlessWindow::Slot* HeadlessWindow::Find(int id) const {
  for (const Slot& s : slots_)
    if (s.id == id) return &s;
  return nullptr;
}

std::string HeadlessWindow::GetText(int id) const {
  const Slot* s = Find(id);
  return s ? s->text : std::string();
}

void HeadlessWindow::SetText(int id, const std::string& text) {
  if (Slot* s = Find(id)) s->text = text;
}

bool HeadlessWindow::IsChecked(int id) const {
  const Slot* s = Find(id);
  return s && s->checked;
}

void HeadlessWindow::SetChecked(int id, bool checked) {
  Slot* s = Find(id);
  if (s && s->kind == Kind::Radio) s->checked = checked;
}

void HeadlessWindow::CheckRadio(int id) {
  const Slot* chosen = Find(id);
  if (!chosen || chosen->kind != Kind::Radio) return;
  const int group = chosen->group;
  for (Slot& s : slots_)
    if (s.kind == Kind::Radio && s.group == group) s.checked = s.id == id;
}

void HeadlessWindow::Reset() {
  for (Slot& s : slots_) {
    s.text = s.initial;
    s.checked = false;
  }
}
