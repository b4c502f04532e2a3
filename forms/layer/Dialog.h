// The form layer: every calculator is a CDialog written only against it.
// A host (real windows, or the headless script driver) implements
// DialogHost for each open form and Platform for the whole run.
#pragma once
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "FormTemplate.h"
#include "Calendar.h"
#include "Printf.h"
#include "Report.h"
#include "StatusTexts.h"

enum DialogResult { IDOK = 1, IDCANCEL = 2 };

class CDialog;

// The window a host made for one open form.
class DialogHost {
 public:
  virtual ~DialogHost() = default;
  virtual std::string GetText(int id) const = 0;
  virtual void SetText(int id, const std::string& text) = 0;
  virtual bool IsChecked(int id) const = 0;
  virtual void SetChecked(int id, bool checked) = 0;
  // Moves the keyboard focus; an edit field gets its whole text selected.
  virtual void Focus(int id) = 0;
  virtual void SetDefaultButton(int id) = 0;
  // Ends the modal run of the form with this result.
  virtual void End(int result) = 0;
};

// What the forms keep across their openings for one run of a program, and
// not beyond it. The host's platform owns it; a fresh one stands for a
// freshly started program.
struct RunState {
  // km/s per unit of the orbital speed form's data; 0.0 until a unit is
  // chosen.
  double orbitalSpeedUnit = 0.0;
};

class Platform {
 public:
  virtual ~Platform() = default;
  // Builds the form's window, attaches it, calls OnInitDialog and runs it
  // modally until it ends; returns the result.
  virtual int RunModal(CDialog& dialog) = 0;
  // Opens the help at a topic such as "JulianDay", or at its default page
  // for ""; failures are silent.
  virtual void OpenHelp(const std::string& topic) = 0;
  // A modal box with one OK button; returns when it is acknowledged. Every
  // box of the forms and of the layer (ShowMessage) arrives here.
  virtual void ShowMessageBox(const std::string& text, Icon icon) = 0;

  // The state of this run, kept until the platform ends or restarts it.
  RunState& State() { return state_; }
  void RestartState() { state_ = RunState{}; }

  static Platform* Current();
  // Makes platform the current one (nullptr for none); returns the
  // previous one.
  static Platform* Install(Platform* platform);

 private:
  RunState state_;
};

// The part every host's RunModal shares: attaches the form to the window
// the host made for it, initialises it, runs the host's modal loop (which
// returns the form's result) and detaches the form again.
int RunAttached(CDialog& dialog, DialogHost& window,
                const std::function<int()>& modalLoop);

// A sexagesimal input: the message for a syntax error, the largest
// magnitude accepted (none when rangeMessage is null) and the message
// beyond it.
struct SexagesimalRule {
  const char* formatMessage;
  double bound;
  const char* rangeMessage;
};
// A decimal input: the message for a text that is not a decimal number,
// with its icon. With required set an empty field brings the message too
// (otherwise it only moves the focus); with positive set, so does a value
// of zero or less.
struct DecimalRule {
  const char* message;
  Icon icon = Icon::Error;
  bool required = false;
  bool positive = false;
};

// The rules several forms share, with their texts.
extern const SexagesimalRule kLongitudeRule;    // ±ddd:mm:ss, within 180°
extern const SexagesimalRule kLatitudeRule;     // ±dd:mm:ss, within 90°
extern const SexagesimalRule kDeclinationRule;  // ±dd:mm:ss, within 90°

class CDialog {
 public:
  CDialog(const FormTemplate& form, CDialog* owner);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Runs the form modally through the current platform.
  int DoModal();

  const FormTemplate& Template() const { return form_; }
  CDialog* Owner() const { return owner_; }
  const std::string& Title() const { return form_.title; }
  int GetDefID() const { return defaultButton_; }
  bool IsOpen() const { return host_ != nullptr; }
  // Current text of one of this form's controls (a form reads its owner's
  // fields this way).
  std::string GetDlgItemText(int id) const;

  // Called by hosts.
  void Attach(DialogHost* host);
  virtual void OnInitDialog();
  virtual void OnCommand(int id);  // a button pressed or a radio checked
  virtual void OnDoubleClicked(int id);
  virtual void OnRButtonUp();      // right button released over the form
  virtual void OnContextHelp();    // the title bar's help button
  virtual void OnSysCommand(int command);
  virtual void OnOK();             // "&Retour", or OK
  virtual void OnCancel();         // "&Exit", Escape, the close box

  // "Maintenant": fills the form's date field, and its time and Julian Day
  // fields where it has them, with the current Universal Time (Clock.h).
  // Only those fields change: no check, no message, the focus stays.
  struct NowFieldIds {
    int date = 0, time = 0, julianDay = 0;  // 0: the form has no such field
  };
  const NowFieldIds& NowFields() const { return nowFields_; }
  bool HasNow() const { return nowFields_.date != 0; }
  virtual void OnNow();

 protected:
  // Text members bound by control id, exchanged by UpdateData.
  void BindText(int id, std::string& member);
  // Whole-number member; a bad text brings "Tapez un nombre entier." and
  // keeps the value held before.
  void BindNumber(int id, int& member);
  // Handler run when the button (or radio button) is pressed.
  void OnButton(int id, std::function<void()> handler);
  // Gives the form the "Maintenant" action on these fields.
  void SetNowFields(int date, int time = 0, int julianDay = 0);

  // true: fields to members; false: members to fields. Returns false when
  // a whole-number field did not hold a whole number (the other fields are
  // read all the same).
  bool UpdateData(bool saveAndValidate = true);

  void GotoDlgCtrl(int id);
  void MessageBox(const std::string& text, Icon icon);
  void EndDialog(int result);
  void SetDefID(int id);
  // First checked radio button between first and last (ids in increasing
  // order, only those of this form); 0 when none is.
  int GetCheckedRadioButton(int first, int last) const;
  bool IsDlgButtonChecked(int id) const;
  void CheckDlgButton(int id, bool checked);
  void SetDlgItemText(int id, const std::string& text);
  // The run's state (the current platform's); without a platform, this
  // opening's own.
  RunState& State();

  // Opens the help at the topic, or at its default page for "".
  void OpenHelpTopic(const std::string& topic);

  // Shared notice for a computed value that is not a finite number: shows
  // "Calcul impossible : le résultat n'est pas un nombre fini." (warning)
  // and returns false when any value is NaN or infinite.
  bool CheckFinite(std::initializer_list<double> values);

  // Reads a date and a time of day as a Julian Day the way every form does:
  // a wrong or empty date moves the focus to dateId, a wrong or empty time
  // (read unless the date is a Jaaaa epoch) to timeId, after the
  // messages of both statuses (the date's first; ShowStatus); returns false
  // then. *epoch tells whether it was Jaaaa.
  bool ReadDateAndTime(const std::string& date, const std::string& time, int dateId,
                       int timeId, JulianDay& jd, bool* epoch = nullptr);

  // Reads a sexagesimal field by its rule: the format message after a
  // syntax error, the range message beyond the bound, then the focus on
  // the field; returns false after any failure (an empty field only moves
  // the focus).
  bool ReadSexagesimalField(const std::string& text, int id,
                            const SexagesimalRule& rule, double& value);
  // Reads a decimal field by its rule: its message after a failure the
  // rule names, then the focus on the field; returns false after any
  // failure.
  bool ReadDecimalField(const std::string& text, int id, const DecimalRule& rule,
                        double& value);

  // Whether a date can be computed for this Julian Day; otherwise shows
  // the warning for a negative or a too large one and returns false (the
  // caller decides on the focus).
  bool CheckJulianDayForDate(double jd);

 private:
  // The text a control is given: a result loses the sign of a negative zero.
  std::string ShownText(int id, const std::string& text) const;

  const FormTemplate& form_;
  CDialog* owner_;
  DialogHost* host_ = nullptr;
  int defaultButton_ = 0;
  std::vector<std::pair<int, std::string*>> texts_;
  std::vector<std::pair<int, int*>> numbers_;
  std::map<int, std::function<void()>> handlers_;
  NowFieldIds nowFields_;
  RunState ownState_;
};

// Forms by template id.
using FormFactory = std::function<std::unique_ptr<CDialog>(CDialog* owner)>;
class FormRegistry {
 public:
  // Records the form; a second form with the same id is remembered as a
  // duplicate (the first one stays).
  void Add(int templateId, FormFactory factory);
  std::unique_ptr<CDialog> Create(int templateId, CDialog* owner) const;
  std::vector<int> Ids() const;
  // Empty when every required form is present exactly once; otherwise one
  // line per duplicate or missing form.
  std::string Problems(const std::vector<int>& required) const;

 private:
  std::map<int, FormFactory> factories_;
  std::vector<int> duplicates_;
};
// The program's registry, filled by each form's own source file.
FormRegistry& Forms();
bool RegisterForm(int templateId, FormFactory factory);
std::unique_ptr<CDialog> CreateForm(int templateId, CDialog* owner);
std::vector<int> RegisteredForms();

// The program the forms make up: the form every host opens first (the
// calculator menu) and the forms every program must hold. Defined by the
// forms themselves, so that a host names no form.
int StartFormId();
std::vector<int> RequiredForms();

// Registration of a form class taking (CDialog* owner); the id is the one
// of the class's template (CLASS::Form()).
#define ZENKO_REGISTER_FORM(CLASS)                                         \
  namespace {                                                              \
  const bool registered_##CLASS = RegisterForm(                            \
      CLASS::Form().id, [](CDialog* owner) -> std::unique_ptr<CDialog> {   \
        return std::make_unique<CLASS>(owner);                             \
      });                                                                  \
  }
