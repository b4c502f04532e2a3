#include "app/Dialog.h"

#include <cmath>

#include "app/Clock.h"
#include "textfmt/Parse.h"

namespace {
Platform*& CurrentPlatform() {
  static Platform* platform = nullptr;
  return platform;
}

std::map<int, FormFactory>& Registry() {
  static std::map<int, FormFactory> registry;
  return registry;
}
}  // namespace

Platform* Platform::Current() { return CurrentPlatform(); }

Platform* Platform::Install(Platform* platform) {
  Platform* previous = CurrentPlatform();
  CurrentPlatform() = platform;
  return previous;
}

CDialog::CDialog(const FormTemplate& form, CDialog* owner)
    : form_(form), owner_(owner) {
  for (const Control& c : form_.controls)
    if (c.kind == Kind::Button && (c.flags & kDefault)) defaultButton_ = c.id;
}

CDialog::~CDialog() = default;

int CDialog::DoModal() {
  Platform* platform = Platform::Current();
  return platform ? platform->RunModal(*this) : IDCANCEL;
}

std::string CDialog::OwnerTitle() const {
  return owner_ ? owner_->Title() : std::string();
}

void CDialog::Attach(DialogHost* host) { host_ = host; }

void CDialog::OnInitDialog() { UpdateData(false); }

void CDialog::OnCommand(int id) {
  auto handler = handlers_.find(id);
  if (handler != handlers_.end()) {
    handler->second();
    return;
  }
  for (const HelpButton& help : form_.help) {
    if (help.id == id) {
      OpenHelpTopic(help.topic);
      return;
    }
  }
  if (id == IDOK) OnOK();
  if (id == IDCANCEL) OnCancel();
}

void CDialog::OnDoubleClicked(int) {}
void CDialog::OnRButtonUp() {}
void CDialog::OnContextHelp() {
  if (!form_.topic.empty()) OpenHelpTopic(form_.topic);
}
void CDialog::OnSysCommand(int) {}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnNow() {
  if (!HasNow()) return;
  std::optional<NowTexts> now = TextsOfInstant(CurrentUt());
  if (!now) return;
  SetDlgItemText(nowFields_.date, now->date);
  if (nowFields_.time) SetDlgItemText(nowFields_.time, now->time);
  if (nowFields_.julianDay) SetDlgItemText(nowFields_.julianDay, now->julianDay);
}

void CDialog::SetNowFields(int date, int time, int julianDay) {
  nowFields_ = {date, time, julianDay};
}

void CDialog::BindText(int id, std::string& member) {
  texts_.emplace_back(id, &member);
}

void CDialog::BindNumber(int id, int& member) {
  numbers_.emplace_back(id, &member);
}

void CDialog::OnButton(int id, std::function<void()> handler) {
  handlers_[id] = std::move(handler);
}

bool CDialog::UpdateData(bool saveAndValidate) {
  if (!host_) return false;
  bool ok = true;
  if (saveAndValidate) {
    for (auto& [id, member] : texts_) *member = host_->GetText(id);
    for (auto& [id, member] : numbers_) {
      int value = 0;
      if (ParseWholeNumber(host_->GetText(id), value)) {
        *member = value;
      } else if (ok) {
        ok = false;
        MessageBox("Tapez un nombre entier.", Icon::Warning);
        GotoDlgCtrl(id);
      }
    }
  } else {
    for (auto& [id, member] : texts_) {
      *member = ShownText(id, *member);
      host_->SetText(id, *member);
    }
    for (auto& [id, member] : numbers_)
      host_->SetText(id, std::to_string(*member));
  }
  return ok;
}

std::string CDialog::ShownText(int id, const std::string& text) const {
  const Control* control = form_.Find(id);
  if (control && control->kind == Kind::Result)
    return WithoutNegativeZero(text);
  return text;
}

void CDialog::GotoDlgCtrl(int id) {
  if (host_) host_->Focus(id);
}

void CDialog::MessageBox(const std::string& text, Icon icon) {
  ShowMessage(text, icon);
}

void CDialog::EndDialog(int result) {
  if (host_) host_->End(result);
}

void CDialog::SetDefID(int id) {
  defaultButton_ = id;
  if (host_) host_->SetDefaultButton(id);
}

int CDialog::GetCheckedRadioButton(int first, int last) const {
  if (!host_) return 0;
  for (int id = first; id <= last; ++id) {
    const Control* c = form_.Find(id);
    if (c && c->kind == Kind::Radio && host_->IsChecked(id)) return id;
  }
  return 0;
}

bool CDialog::IsDlgButtonChecked(int id) const {
  return host_ && host_->IsChecked(id);
}

void CDialog::CheckDlgButton(int id, bool checked) {
  if (host_) host_->SetChecked(id, checked);
}

std::string CDialog::GetDlgItemText(int id) const {
  return host_ ? host_->GetText(id) : std::string();
}

void CDialog::SetDlgItemText(int id, const std::string& text) {
  if (host_) host_->SetText(id, ShownText(id, text));
}

void CDialog::OpenHelpTopic(const std::string& topic) {
  Platform* platform = Platform::Current();
  if (!platform) return;
  platform->OpenHelp(topic.empty() ? std::string("Zenko.chm")
                                   : "Zenko.chm::/" + topic + "_frameset.htm");
}

bool CDialog::CheckFinite(std::initializer_list<double> values) {
  for (double v : values) {
    if (!std::isfinite(v)) {
      MessageBox("Calcul impossible : le résultat n'est pas un nombre fini.",
                 Icon::Warning);
      return false;
    }
  }
  return true;
}

bool CDialog::ReadDateAndTime(const std::string& date, const std::string& time,
                              int dateId, int timeId, JulianDay& jd, bool* epoch) {
  DateStatusPair status = ReadDateTimeAsJulianDay(date, time, jd);
  if (status.date <= 0) {
    GotoDlgCtrl(dateId);
    return false;
  }
  if (status.date != 2 && status.time != 1) {
    GotoDlgCtrl(timeId);
    return false;
  }
  if (epoch) *epoch = status.date == 2;
  return true;
}

bool RegisterForm(int templateId, FormFactory factory) {
  Registry()[templateId] = std::move(factory);
  return true;
}

std::unique_ptr<CDialog> CreateForm(int templateId, CDialog* owner) {
  auto found = Registry().find(templateId);
  if (found == Registry().end()) return nullptr;
  return found->second(owner);
}

std::vector<int> RegisteredForms() {
  std::vector<int> ids;
  for (const auto& entry : Registry()) ids.push_back(entry.first);
  return ids;
}
