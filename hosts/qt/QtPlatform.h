// The real windows: one generic builder makes a QDialog from a form's
// control table and runs the form in it.
#pragma once
#include <QDialog>
#include <QSize>
#include <QString>
#include <functional>
#include <map>
#include <vector>

#include "Dialog.h"

class QButtonGroup;
class QLineEdit;
class QUrl;
class QWidget;

// The program's texts are UTF-8.
QString FromUtf8(const std::string& text);

class FormWindow : public QDialog, public DialogHost {
 public:
  FormWindow(CDialog& dialog, QWidget* parent);

  std::string GetText(int id) const override;
  void SetText(int id, const std::string& text) override;
  bool IsChecked(int id) const override;
  void SetChecked(int id, bool checked) override;
  void Focus(int id) override;
  void SetDefaultButton(int id) override;
  void End(int result) override;

  CDialog& Form() const { return dialog_; }
  // The widget made for a control id (nullptr for none); every widget is
  // also named "id<N>" for tests and tools.
  QWidget* Widget(int id) const;

  void reject() override;  // Escape and the close box act as "&Exit"
  void setVisible(bool visible) override;

  // Whether a field's whole text is in view.
  static bool TextFits(const QLineEdit* edit);

  // Replaces the room the screen leaves to windows (tests, pictures of
  // whole windows); an invalid size gives the screen's own back. Returns
  // the size replaced.
  static QSize SetAvailableSize(QSize size);

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  void Build();
  // A window larger than the room its screen leaves shows its content in a
  // scroll area, and fits.
  void FitScreen();

  CDialog& dialog_;
  std::map<int, QWidget*> widgets_;
  std::vector<QButtonGroup*> radioGroups_;
  std::map<QObject*, int> doubleClickIds_;
};

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;
  int RunModal(CDialog& dialog) override;
  void OpenHelp(const std::string& topic) override;
  void ShowMessageBox(const std::string& text, Icon icon) override;
  // Replaces the modal message box (tools that must never wait on one).
  void SetMessageShower(std::function<void(const std::string& text, Icon icon)> shower);

  // Loads Qt's French translation (once); false when it is not installed.
  static bool LoadQtTranslation();
  // The help page of a topic ("" for the default page), beside the
  // program or where an installation puts it; empty when the page does not
  // exist.
  static QString HelpPage(const std::string& topic);
  // Replaces the opening of pages in the user's browser (tests); the
  // opener says whether a browser took the address.
  void SetHelpOpener(std::function<bool(const QUrl& address)> opener);
  // The windows now open, the top one last.
  const std::vector<FormWindow*>& Windows() const { return windows_; }

 private:
  std::vector<FormWindow*> windows_;
  std::function<bool(const QUrl&)> opener_;
  std::function<void(const std::string&, Icon)> shower_;
  Platform* previous_;
};
