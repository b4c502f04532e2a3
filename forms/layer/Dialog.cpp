#include "Dialog.h"

#include <cmath>
#include <utility>

#include "Clock.h"
#include "Parse.h"
#include "Printf.h"

namespace {
Platform*& CurrentPlatform() {
  static Platform* platform = nullptr;
  return platform;
}
}  // namespace

const SexagesimalRule kLongitudeRule = {
    "Erreur de saisie de la longitude :\nle format est ±ddd:mm:ss\n\n"
    "Recommencez !",
    180.0,
    "Vous avez entré une valeur non valide pour la longitude.\nCelle-ci "
    "doit être comprise entre -180 et 180 degrés."};
const SexagesimalRule kLatitudeRule = {
    "Erreur de saisie de la latitude :\nle format est ±dd:mm:ss\n\n"
    "Recommencez !",
    90.0,
    "Vous avez entré une valeur non valide pour la latitude.\nCelle-ci "
    "doit être comprise entre -90 et 90 degrés."};
const SexagesimalRule kDeclinationRule = {
    "Erreur de saisie de la déclinaison :\nle format est ±dd:mm:ss\n\n"
    "Recommencez !",
    90.0,
    "Vous avez entré une valeur non valide pour la déclinaison.\nCelle-ci "
    "doit être comprise entre -90 et 90 degrés."};

Platform* Platform::Current() { return CurrentPlatform(); }

Platform* Platform::Install(Platform* platform) {
  return std::exchange(CurrentPlatform(), platform);
}

// A box shows no negative zero, like a result field.
void ShowMessage(const std::string& text, Icon icon) {
  if (Platform* platform = Platform::Current())
    platform->ShowMessageBox(WithoutNegativeZero(text), icon);
}

int RunAttached(CDialog& dialog, DialogHost& window,
                const std::function<int()>& modalLoop) {
  dialog.Attach(&window);
  dialog.OnInitDialog();
  const int result = modalLoop();
  dialog.Attach(nullptr);
  return result;
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

void CDialog::MessageBox(const std::string& text, Icon icon) { ShowMessage(text, icon); }

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

RunState& CDialog::State() {
  Platform* platform = Platform::Current();
  return platform ? platform->State() : ownState_;
}

void CDialog::OpenHelpTopic(const std::string& topic) {
  Platform* platform = Platform::Current();
  if (!platform) return;
  platform->OpenHelp(topic);
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
  const DateStatusPair status = ReadDateTimeAsJulianDay(date, time, jd);
  ShowStatus(status);
  const bool isEpoch = status.date == ParseStatus::Epoch;
  if (status.date != ParseStatus::Ok && !isEpoch) {
    GotoDlgCtrl(dateId);
    return false;
  }
  if (!isEpoch && status.time != ParseStatus::Ok) {
    GotoDlgCtrl(timeId);
    return false;
  }
  if (epoch) *epoch = isEpoch;
  return true;
}

bool CDialog::ReadSexagesimalField(const std::string& text, int id,
                                   const SexagesimalRule& rule, double& value) {
  const FieldStatus status = ShowStatus(ParseSexagesimal(text, value));
  bool ok = status == kFieldOk;
  if (status == kFieldSyntax) MessageBox(rule.formatMessage, Icon::Error);
  if (ok && rule.rangeMessage && std::fabs(value) > rule.bound) {
    MessageBox(rule.rangeMessage, Icon::Error);
    ok = false;
  }
  if (!ok) GotoDlgCtrl(id);
  return ok;
}

bool CDialog::ReadDecimalField(const std::string& text, int id,
                               const DecimalRule& rule, double& value) {
  // A decimal number has no message of its own: Ok, Empty or Syntax.
  const ParseStatus status = ParseDecimalField(text, value);
  if (status == ParseStatus::Ok && !(rule.positive && value <= 0.0)) return true;
  if (status != ParseStatus::Empty || rule.required) MessageBox(rule.message, rule.icon);
  GotoDlgCtrl(id);
  return false;
}

bool CDialog::CheckJulianDayForDate(double jd) {
  if (jd < 0.0) {
    MessageBox(
        "Le programme ne peut (provisoirement?) calculer\nla date pour un "
        "jour julien négatif.",
        Icon::Warning);
    return false;
  }
  if (!(jd < kLargestJulianDay)) {
    MessageBox(
        "Le programme ne peut calculer\nla date pour un jour julien aussi "
        "grand.",
        Icon::Warning);
    return false;
  }
  return true;
}

void FormRegistry::Add(int templateId, FormFactory factory) {
  if (!factories_.emplace(templateId, std::move(factory)).second)
    duplicates_.push_back(templateId);
}

std::unique_ptr<CDialog> FormRegistry::Create(int templateId, CDialog* owner) const {
  auto found = factories_.find(templateId);
  if (found == factories_.end()) return nullptr;
  return found->second(owner);
}

std::vector<int> FormRegistry::Ids() const {
  std::vector<int> ids;
  for (const auto& entry : factories_) ids.push_back(entry.first);
  return ids;
}

std::string FormRegistry::Problems(const std::vector<int>& required) const {
  std::string problems;
  for (int id : duplicates_)
    problems += Format("form %d is registered twice\n", id);
  for (int id : required)
    if (factories_.count(id) == 0)
      problems += Format("form %d is missing from this program\n", id);
  return problems;
}

FormRegistry& Forms() {
  static FormRegistry registry;
  return registry;
}

bool RegisterForm(int templateId, FormFactory factory) {
  Forms().Add(templateId, std::move(factory));
  return true;
}

std::unique_ptr<CDialog> CreateForm(int templateId, CDialog* owner) {
  return Forms().Create(templateId, owner);
}

std::vector<int> RegisteredForms() { return Forms().Ids(); }
