#include "app/qt/QtPlatform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>
#include <QWhatsThis>

namespace {
QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
  }
  return QMessageBox::Critical;
}

void ShowBox(const std::string& text, Icon icon) {
  QMessageBox box(BoxIcon(icon), QStringLiteral("Zenko"), FromUtf8(text),
                  QMessageBox::Ok, QApplication::activeModalWidget());
  box.exec();
}
}  // namespace

FormWindow::FormWindow(CDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  const FormTemplate& form = dialog.Template();
  setWindowTitle(FromUtf8(form.title));
  setFixedSize(form.width, form.height);
  Qt::WindowFlags flags = windowFlags();
  if (form.contextHelp) {
    flags |= Qt::WindowContextHelpButtonHint;
  } else {
    flags &= ~Qt::WindowContextHelpButtonHint;
  }
  setWindowFlags(flags);
  Build();
}

void FormWindow::Build() {
  const FormTemplate& form = dialog_.Template();
  QButtonGroup* group = nullptr;
  std::vector<QWidget*> groups;
  QWidget* previousTab = nullptr;
  for (const Control& c : form.controls) {
    QWidget* w = nullptr;
    QString text = FromUtf8(c.text);
    switch (c.kind) {
      case Kind::Group: {
        auto* box = new QGroupBox(text, this);
        box->installEventFilter(this);
        groups.push_back(box);
        w = box;
        break;
      }
      case Kind::Label: {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(c.text.find('\n') == std::string::npos &&
                           c.h > 30);
        if (c.flags & kCenter) label->setAlignment(Qt::AlignCenter);
        label->installEventFilter(this);
        w = label;
        break;
      }
      case Kind::Edit:
      case Kind::Number:
      case Kind::Result: {
        auto* edit = new QLineEdit(this);
        Qt::Alignment align = Qt::AlignRight;
        if (c.flags & kCenter) align = Qt::AlignHCenter;
        if (c.flags & kLeft) align = Qt::AlignLeft;
        edit->setAlignment(align | Qt::AlignVCenter);
        if (c.kind == Kind::Result) {
          edit->setReadOnly(true);
          edit->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
        }
        w = edit;
        break;
      }
      case Kind::Radio: {
        auto* radio = new QRadioButton(text, this);
        if (!group || (c.flags & kGroupStart)) {
          group = new QButtonGroup(this);
          group->setExclusive(true);
          radioGroups_.push_back(group);
        }
        group->addButton(radio);
        int id = c.id;
        connect(radio, &QRadioButton::clicked, this,
                [this, id] { dialog_.OnCommand(id); });
        if (c.flags & kNotify) {
          radio->installEventFilter(this);
          doubleClickIds_[radio] = id;
        }
        w = radio;
        break;
      }
      case Kind::Button: {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(true);
        if (c.flags & kDefault) button->setDefault(true);
        int id = c.id;
        connect(button, &QPushButton::clicked, this,
                [this, id] { dialog_.OnCommand(id); });
        w = button;
        break;
      }
    }
    w->setGeometry(c.x, c.y, c.w, c.h);
    if (c.id != kStatic) {
      w->setObjectName(QStringLiteral("id%1").arg(c.id));
      widgets_[c.id] = w;
    }
    if (c.kind != Kind::Group && c.kind != Kind::Label) {
      if (c.flags & kNoTab) {
        w->setFocusPolicy(Qt::ClickFocus);
      } else {
        w->setFocusPolicy(Qt::StrongFocus);
        if (previousTab) QWidget::setTabOrder(previousTab, w);
        previousTab = w;
      }
    }
  }
  for (QWidget* box : groups) box->lower();
}

QWidget* FormWindow::Widget(int id) const {
  auto it = widgets_.find(id);
  return it == widgets_.end() ? nullptr : it->second;
}

std::string FormWindow::GetText(int id) const {
  QWidget* w = Widget(id);
  QString text;
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    text = edit->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    text = button->text();
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    text = label->text();
  }
  QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void FormWindow::SetText(int id, const std::string& text) {
  QWidget* w = Widget(id);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    edit->setText(FromUtf8(text));
    edit->setCursorPosition(0);
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(FromUtf8(text));
  }
}

bool FormWindow::IsChecked(int id) const {
  auto* button = qobject_cast<QAbstractButton*>(Widget(id));
  return button && button->isCheckable() && button->isChecked();
}

void FormWindow::SetChecked(int id, bool checked) {
  auto* button = qobject_cast<QRadioButton*>(Widget(id));
  if (!button) return;
  QButtonGroup* group = button->group();
  if (!checked && group) group->setExclusive(false);
  button->setChecked(checked);
  if (!checked && group) group->setExclusive(true);
}

void FormWindow::Focus(int id) {
  QWidget* w = Widget(id);
  if (!w) return;
  w->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
}

void FormWindow::SetDefaultButton(int id) {
  // Clear every button first: a button that is the default only because it
  // has the focus must still become the form's own default, the one that
  // Qt restores when the focus leaves it.
  for (auto& [other, w] : widgets_)
    if (auto* button = qobject_cast<QPushButton*>(w)) button->setDefault(false);
  if (auto* button = qobject_cast<QPushButton*>(Widget(id))) button->setDefault(true);
}

void FormWindow::End(int result) { done(result); }

void FormWindow::reject() { dialog_.OnCancel(); }

bool FormWindow::event(QEvent* e) {
  if (e->type() == QEvent::EnterWhatsThisMode) {
    QWhatsThis::leaveWhatsThisMode();
    dialog_.OnContextHelp();
    return true;
  }
  return QDialog::event(e);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseButtonDblClick) {
    auto it = doubleClickIds_.find(watched);
    if (it != doubleClickIds_.end()) {
      int id = it->second;
      // Let the radio button take the first click, then act on the pair.
      QMetaObject::invokeMethod(this, [this, id] { dialog_.OnDoubleClicked(id); },
                                Qt::QueuedConnection);
    }
  }
  if (e->type() == QEvent::MouseButtonRelease &&
      (qobject_cast<QLabel*>(watched) || qobject_cast<QGroupBox*>(watched))) {
    auto* mouse = static_cast<QMouseEvent*>(e);
    if (mouse->button() == Qt::RightButton) {
      dialog_.OnRButtonUp();
      return true;
    }
  }
  return QDialog::eventFilter(watched, e);
}

void FormWindow::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) {
    // Buttons and fields pass a right-button release on to the window; only
    // the form itself (labels and frames are filtered above) reports it.
    QWidget* under = childAt(e->position().toPoint());
    if (!under || qobject_cast<QLabel*>(under) || qobject_cast<QGroupBox*>(under))
      dialog_.OnRButtonUp();
    return;
  }
  QDialog::mouseReleaseEvent(e);
}

void FormWindow::contextMenuEvent(QContextMenuEvent* e) {
  const FormTemplate& form = dialog_.Template();
  if (form.sysMenu.empty()) return QDialog::contextMenuEvent(e);
  QMenu menu(this);
  for (const SysMenuEntry& entry : form.sysMenu) {
    int command = entry.command;
    menu.addSeparator();
    menu.addAction(FromUtf8(entry.text), this,
                   [this, command] { dialog_.OnSysCommand(command); });
  }
  menu.exec(e->globalPos());
}

QtPlatform::QtPlatform() {
  previous_ = Platform::Install(this);
}

QtPlatform::~QtPlatform() { Platform::Install(previous_); }

void QtPlatform::ShowMessageBox(const std::string& text, Icon icon) {
  if (shower_) {
    shower_(text, icon);
  } else {
    ShowBox(text, icon);
  }
}

void QtPlatform::SetMessageShower(
    std::function<void(const std::string& text, Icon icon)> shower) {
  shower_ = std::move(shower);
}

int QtPlatform::RunModal(CDialog& dialog) {
  QWidget* parent = windows_.empty() ? nullptr : windows_.back();
  FormWindow window(dialog, parent);
  if (!QApplication::windowIcon().isNull())
    window.setWindowIcon(QApplication::windowIcon());
  windows_.push_back(&window);
  const int result = RunAttached(dialog, window, [&window] { return window.exec(); });
  windows_.pop_back();
  return result;
}

QString QtPlatform::HelpPage(const std::string& address) {
  const std::string prefix = "Zenko.chm::/";
  QString page;
  if (address == "Zenko.chm") {
    page = QStringLiteral("index.htm");
  } else if (address.rfind(prefix, 0) == 0) {
    page = FromUtf8(address.substr(prefix.size()));
  } else {
    return QString();
  }
  if (page.contains(QLatin1Char('/')) || page.contains(QLatin1String("..")))
    return QString();
  QString path = QDir(QCoreApplication::applicationDirPath())
                     .filePath(QStringLiteral("help/") + page);
  return QFileInfo(path).isFile() ? path : QString();
}

void QtPlatform::OpenHelp(const std::string& address) {
  QString page = HelpPage(address);
  if (page.isEmpty()) return;
  if (opener_) {
    opener_(page);
  } else {
    QDesktopServices::openUrl(QUrl::fromLocalFile(page));
  }
}

void QtPlatform::SetHelpOpener(std::function<void(const QString&)> opener) {
  opener_ = std::move(opener);
}
