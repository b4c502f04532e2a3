#include "WebPlatform.h"

#include <emscripten.h>

#include <cstdlib>
#include <map>
#include <utility>

#include "Clock.h"
#include "FieldLabels.h"
#include "Json.h"
#include "WebSite.h"

// The page's side (page.js): the windows, the message box, the events.
// clang-format off
EM_JS(void, zenko_open_form, (const char* json, int depth), {
  ZenkoPage.openForm(UTF8ToString(json), depth);
});
EM_JS(void, zenko_close_form, (int depth, int result), { ZenkoPage.closeForm(depth, result); });
EM_JS(void, zenko_show_form, (int depth, int focused), {
  ZenkoPage.showForm(depth, focused !== 0);
});
EM_JS(void, zenko_set_text, (int depth, int id, const char* text), {
  ZenkoPage.setText(depth, id, UTF8ToString(text));
});
EM_JS(void, zenko_set_checked, (int depth, int id, int checked), {
  ZenkoPage.setChecked(depth, id, checked !== 0);
});
EM_JS(void, zenko_focus, (int depth, int id), { ZenkoPage.focus(depth, id); });
EM_JS(void, zenko_set_default, (int depth, int id), { ZenkoPage.setDefault(depth, id); });
EM_JS(char*, zenko_get_text, (int depth, int id), {
  var text = ZenkoPage.getText(depth, id);
  var size = lengthBytesUTF8(text) + 1;
  var at = _malloc(size);
  if (at) stringToUTF8(text, at, size);
  return at;
});
EM_JS(int, zenko_is_checked, (int depth, int id), {
  return ZenkoPage.isChecked(depth, id) ? 1 : 0;
});
EM_JS(void, zenko_open_help, (const char* page), {
  ZenkoPage.openHelp(UTF8ToString(page));
});
EM_ASYNC_JS(void, zenko_message_box, (const char* text, int icon), {
  var shown = UTF8ToString(text);
  await ZenkoPage.messageBox(shown, icon);
});
EM_ASYNC_JS(int, zenko_next_event, (int depth), {
  return await ZenkoPage.nextEvent(depth);
});
EM_JS(int, zenko_event_arg, (), { return ZenkoPage.eventArg(); });
// The window's tool row (tools.js): "Maintenant (TU)", "Copier les résultats".
EM_JS(void, zenko_tools, (int depth, int now, int copy), {
  ZenkoTools.attach(depth, now !== 0, copy !== 0);
});
EM_JS(void, zenko_copy, (const char* text), { ZenkoTools.copy(UTF8ToString(text)); });
// The browser's clock in Universal Time: year, month, day, hour, minute, second.
EM_JS(void, zenko_clock, (int* out), {
  var t = ZenkoTools.now();
  for (var i = 0; i < 6; ++i) HEAP32[(out >> 2) + i] = t[i] | 0;
});
// clang-format on

namespace {

// What the page reports (page.js sends the same numbers).
enum PageEvent {
  kCommand = 1,      // a button pressed or a radio button checked (its id)
  kDoubleClick = 2,  // a double-click on a radio button that reports them
  kRightButton = 3,  // the right button released over the form itself
  kSysCommand = 4,   // an entry of the window's menu (its command)
  kCancel = 5,       // Escape or the window's close box
  kContextHelp = 6,  // the title bar's help button
  kImportSite = 7,   // a file chosen for "Importer Zenko.loc"
  kNow = 8,          // "Maintenant (TU)": the form's own action
  kCopy = 9,         // "Copier les résultats": the fields as text
};

UtInstant PageClock() {
  int t[6] = {};
  zenko_clock(t);
  return UtInstant{t[0], t[1], t[2], t[3], t[4], t[5]};
}

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::Group: return "group";
    case Kind::Label: return "label";
    case Kind::Edit: return "edit";
    case Kind::Number: return "number";
    case Kind::Result: return "result";
    case Kind::Radio: return "radio";
    case Kind::Button: return "button";
  }
  return "label";
}

}  // namespace

std::string FormJson(const FormTemplate& form) {
  std::string out = "{\"id\":" + std::to_string(form.id) + ",\"title\":";
  AppendJsonString(out, form.title);
  out += ",\"example\":";
  AppendJsonString(out, form.example);
  out += ",\"contextHelp\":";
  out += form.contextHelp ? "true" : "false";
  out += ",\"controls\":[";
  // Each field's name for assistive technologies: the label the copy of
  // the results gives it.
  std::map<int, std::string> labels;
  for (const LabelledField& field : LabelledFields(form)) labels[field.id] = field.label;
  // A radio button without a text (a second column of choices) is named by
  // the choice at its place in a group that has texts, and by its group.
  for (const TableGroup& group : form.table.groups) {
    for (std::size_t k = 0; k < group.choices.size(); ++k) {
      const Control* radio = form.Find(group.choices[k].id);
      if (!radio || !CleanLabel(radio->text).empty()) continue;
      std::string name;
      for (const TableGroup& other : form.table.groups) {
        const Control* named = k < other.choices.size() ? form.Find(other.choices[k].id) : nullptr;
        if (named && !CleanLabel(named->text).empty()) {
          name = CleanLabel(named->text) + ", ";
          break;
        }
      }
      labels[radio->id] = name + group.what;
    }
  }
  std::map<int, std::string> groups;
  for (const TableGroup& group : form.table.groups)
    if (!group.choices.empty()) groups[group.choices.front().id] = group.what;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const Control& c = form.controls[i];
    if (i) out += ',';
    out += "{\"kind\":\"";
    out += KindName(c.kind);
    out += "\",\"id\":" + std::to_string(c.id) + ",\"text\":";
    AppendJsonString(out, c.text);
    out += ",\"row\":" + std::to_string(c.at.row) + ",\"col\":" + std::to_string(c.at.col) +
           ",\"rowSpan\":" + std::to_string(c.at.rowSpan) +
           ",\"colSpan\":" + std::to_string(c.at.colSpan) +
           ",\"flags\":" + std::to_string(c.flags) + ",\"chars\":" + std::to_string(c.chars) +
           ",\"parent\":" + std::to_string(form.ContainerOf(i)) + ",\"shortcut\":";
    AppendJsonString(out, c.shortcut);
    out += ",\"hint\":";
    const Hint* hint = form.FindHint(c.id);
    AppendJsonString(out, hint ? hint->text : std::string());
    const auto group = groups.find(c.id);
    if (group != groups.end()) {
      out += ",\"group\":";
      AppendJsonString(out, group->second);
    }
    const auto label = labels.find(c.id);
    if (label != labels.end()) {
      out += ",\"label\":";
      AppendJsonString(out, label->second);
    }
    out += '}';
  }
  out += "],\"sysMenu\":[";
  for (std::size_t i = 0; i < form.sysMenu.size(); ++i) {
    if (i) out += ',';
    out += "{\"command\":" + std::to_string(form.sysMenu[i].command) + ",\"text\":";
    AppendJsonString(out, form.sysMenu[i].text);
    out += '}';
  }
  out += "]}";
  return out;
}

WebWindow::WebWindow(const FormTemplate& form, int depth)
    : HeadlessWindow(form), form_(form), depth_(depth) {
  zenko_open_form(FormJson(form).c_str(), depth_);
}

WebWindow::~WebWindow() { zenko_close_form(depth_, result_); }

void WebWindow::SetText(int id, const std::string& text) {
  HeadlessWindow::SetText(id, text);
  if (form_.Find(id)) zenko_set_text(depth_, id, text.c_str());
}

void WebWindow::SetChecked(int id, bool checked) {
  // As in the windows' exclusive groups: checking one unchecks the others.
  if (checked)
    CheckRadio(id);
  else
    HeadlessWindow::SetChecked(id, false);
  const Control* c = form_.Find(id);
  if (c && c->kind == Kind::Radio) zenko_set_checked(depth_, id, checked ? 1 : 0);
}

void WebWindow::Focus(int id) {
  if (!form_.Find(id)) return;
  focused_ = true;
  zenko_focus(depth_, id);
}

void WebWindow::SetDefaultButton(int id) { zenko_set_default(depth_, id); }

void WebWindow::End(int result) {
  ended_ = true;
  result_ = result;
}

void WebWindow::Sync() {
  for (const Control& c : form_.controls) {
    if (c.kind == Kind::Edit || c.kind == Kind::Number) {
      char* text = zenko_get_text(depth_, c.id);
      if (text) {
        HeadlessWindow::SetText(c.id, text);
        std::free(text);
      }
    } else if (c.kind == Kind::Radio) {
      HeadlessWindow::SetChecked(c.id, zenko_is_checked(depth_, c.id) != 0);
    }
  }
}

WebPlatform::WebPlatform() {
  previous_ = Platform::Install(this);
  previousClock_ = SetClockSource(PageClock);
}

WebPlatform::~WebPlatform() {
  SetClockSource(std::move(previousClock_));
  Platform::Install(previous_);
}

int WebPlatform::RunModal(CDialog& dialog) {
  const int depth = static_cast<int>(windows_.size());
  RefreshSite();
  WebWindow window(dialog.Template(), depth);
  windows_.push_back(&window);
  const int result = RunAttached(dialog, window, [&] {
    zenko_tools(depth, dialog.HasNow() ? 1 : 0, HasFields(dialog.Template()) ? 1 : 0);
    zenko_show_form(depth, window.Focused() ? 1 : 0);
    while (!window.Ended()) {
      const int event = zenko_next_event(depth);
      const int arg = zenko_event_arg();
      window.Sync();
      RefreshSite();
      switch (event) {
        case kCommand: dialog.OnCommand(arg); break;
        case kDoubleClick: dialog.OnDoubleClicked(arg); break;
        case kRightButton: dialog.OnRButtonUp(); break;
        case kSysCommand: dialog.OnSysCommand(arg); break;
        case kCancel: dialog.OnCancel(); break;
        case kContextHelp: dialog.OnContextHelp(); break;
        case kImportSite:
          if (depth == 0) ImportSite();
          break;
        case kNow: dialog.OnNow(); break;
        case kCopy:
          zenko_copy(FieldsAsText(dialog.Template(), [&window](int id) {
                       return window.GetText(id);
                     }).c_str());
          break;
        default: break;
      }
    }
    return window.Result();
  });
  windows_.pop_back();
  return result;
}

void WebPlatform::OpenHelp(const std::string& topic) {
  const std::string page = topic.empty() ? "index.htm" : topic + "_frameset.htm";
  if (page.find('/') != std::string::npos || page.find("..") != std::string::npos) return;
  zenko_open_help(("help/" + page).c_str());
}

void WebPlatform::ShowMessageBox(const std::string& text, Icon icon) {
  zenko_message_box(text.c_str(), static_cast<int>(icon));
}
