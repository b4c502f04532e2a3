#include "QtPlatform.h"

#include <QApplication>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHelpEvent>
#include <QKeySequence>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QShortcut>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QStyle>
#include <QToolTip>
#include <QTranslator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSaveFile>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <QWhatsThis>
#include <algorithm>
#include <utility>

#include "NightVision.h"
#include "TelescopeActions.h"

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

namespace {
QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
  }
  return QMessageBox::Critical;
}

// A window that keeps the size of its content has nothing to show in a
// larger frame. The title bar offers no way to maximise it, yet a window
// manager's menu, a key or a pager may still ask for maximised or full
// screen; full screen would take its title bar and close box away. Such a
// state is handed back at once, and the window stays as it was.
constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;

class KeepsItsSize : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::WindowStateChange && watched->isWidgetType()) {
      auto* window = static_cast<QWidget*>(watched);
      if (window->windowState() & kLarger) {
        // Queued: changed back once the window system's change is taken in.
        QMetaObject::invokeMethod(
            window, [window] { window->setWindowState(window->windowState() & ~kLarger); },
            Qt::QueuedConnection);
      }
    }
    return QObject::eventFilter(watched, e);
  }
};

void ShowBox(const std::string& text, Icon icon) {
  QMessageBox box(BoxIcon(icon), QStringLiteral("Zenko"), FromUtf8(text),
                  QMessageBox::Ok, QApplication::activeModalWidget());
  // A message has a close box only: nothing to minimise or maximise.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                     Qt::MSWindowsFixedSizeDialogHint);
  KeepsItsSize keeper;
  box.installEventFilter(&keeper);
  box.exec();
}
}  // namespace

FormWindow::FormWindow(CDialog& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
  const FormTemplate& form = dialog.Template();
  setWindowTitle(FromUtf8(form.title));
  // The window takes the size of its content and keeps it: a title bar
  // with a close box (and the help button when the form has one), no
  // minimise or maximise button that could not do anything.
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint;
  if (form.contextHelp) flags |= Qt::WindowContextHelpButtonHint;
  setWindowFlags(flags);
  installEventFilter(new KeepsItsSize(this));
  Build();
  InstallTelescopeActions(*this);
}

namespace {
// Width of `chars` average characters of the widget's font, plus the frame
// around a field's text.
int CharsWidth(const QWidget* w, int chars) {
  return w->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) +
         w->fontMetrics().averageCharWidth() * 2;
}

// A label whose words wrap at a width of its own (in characters), and that
// asks the layout for the height of its lines at that width. Unlike a
// label that trades its height for the width it is given, it lets the
// window take the size of its content without squeezing its neighbours.
class WrappedLabel : public QLabel {
 public:
  WrappedLabel(const QString& text, int chars, QWidget* parent)
      : QLabel(text, parent), chars_(chars > 0 ? chars : 40) {
    setWordWrap(true);
  }
  bool hasHeightForWidth() const override { return false; }
  QSize sizeHint() const override {
    int width = CharsWidth(this, chars_);
    return {width, QLabel::heightForWidth(width)};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 private:
  int chars_;
};

Qt::Alignment PackAlignment(unsigned flags) {
  if (flags & kPackLeft) return Qt::AlignLeft | Qt::AlignVCenter;
  if (flags & kPackCenter) return Qt::AlignHCenter | Qt::AlignVCenter;
  if (flags & kPackRight) return Qt::AlignRight | Qt::AlignVCenter;
  return {};
}

}  // namespace

void FormWindow::Build() {
  const FormTemplate& form = dialog_.Template();
  QButtonGroup* group = nullptr;
  QWidget* previousTab = nullptr;
  std::vector<QWidget*> made(form.controls.size(), nullptr);
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const Control& c = form.controls[i];
    QWidget* w = nullptr;
    QString text = FromUtf8(c.text);
    switch (c.kind) {
      case Kind::Group: {
        if (c.flags & (kStretchRow | kStretchColumn)) continue;
        if (c.flags & kNoFrame) {
          w = new QWidget(this);
        } else {
          w = new QGroupBox(text, this);
        }
        w->installEventFilter(this);
        break;
      }
      case Kind::Label: {
        auto* label = (c.flags & kWrap) ? new WrappedLabel(text, c.chars, this)
                                        : new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
        if (c.flags & kCenter) align = Qt::AlignCenter;
        label->setAlignment(align);
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
        // An input field sized in characters keeps that width; a result
        // sized so is at least that wide and may fill its cell.
        if (c.chars > 0 && c.kind == Kind::Result) edit->setMinimumWidth(CharsWidth(edit, c.chars));
        if (c.chars > 0 && c.kind != Kind::Result) edit->setFixedWidth(CharsWidth(edit, c.chars));
        if (c.kind == Kind::Result) {
          edit->setReadOnly(true);
          // The window's colour behind a result (a palette rather than a
          // style sheet, which would change the field's size after layout).
          QPalette palette = edit->palette();
          palette.setColor(QPalette::Base, palette.color(QPalette::Window));
          edit->setPalette(palette);
          edit->installEventFilter(this);
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
        if (!c.shortcut.empty()) {
          // A radio button out of the tab order is still chosen from the
          // keyboard: its shortcut checks it and gives it the focus, from
          // where the arrow keys move within its group.
          QKeySequence key(FromUtf8(c.shortcut));
          auto* shortcut = new QShortcut(key, this);
          connect(shortcut, &QShortcut::activated, radio, [radio] {
            radio->setFocus(Qt::ShortcutFocusReason);
            if (!radio->isChecked()) radio->click();
          });
          radio->setToolTip(QStringLiteral("Raccourci : %1")
                                .arg(key.toString(QKeySequence::NativeText)));
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
    made[i] = w;
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

  // Each group lays out the controls inside its cell, counted from its own
  // corner; the window lays out the rest.
  auto* top = new QGridLayout(this);
  top->setSizeConstraint(QLayout::SetFixedSize);
  std::map<int, QGridLayout*> grids;
  std::vector<std::size_t> arounds;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const Control& c = form.controls[i];
    if (c.kind != Kind::Group || (c.flags & (kAround | kStretchRow | kStretchColumn))) continue;
    auto* grid = new QGridLayout(made[i]);
    if (c.flags & kNoFrame) grid->setContentsMargins(0, 0, 0, 0);
    grids[static_cast<int>(i)] = grid;
  }
  grids[-1] = top;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const Control& c = form.controls[i];
    int container = form.ContainerOf(i);
    Cell origin{0, 0, 0, 0};
    if (container >= 0) origin = form.controls[static_cast<std::size_t>(container)].at;
    Cell local{c.at.row - origin.row, c.at.col - origin.col, c.at.rowSpan, c.at.colSpan};
    Qt::Alignment align = PackAlignment(c.flags);
    if (c.flags & (kStretchRow | kStretchColumn)) {
      if (c.flags & kStretchRow) grids[container]->setRowStretch(local.row, 1);
      if (c.flags & kStretchColumn) grids[container]->setColumnStretch(local.col, 1);
      continue;
    }
    if (c.kind == Kind::Group && (c.flags & kAround)) {
      // The frame lies behind its cells; a row under them, one margin
      // high, keeps its lower edge off the last control.
      QGridLayout* grid = grids[container];
      int margin = made[i]->style()->pixelMetric(QStyle::PM_LayoutBottomMargin);
      grid->addItem(new QSpacerItem(0, margin, QSizePolicy::Minimum, QSizePolicy::Fixed),
                    local.row + local.rowSpan, local.col, 1, local.colSpan);
      grid->addWidget(made[i], local.row, local.col, local.rowSpan + 1, local.colSpan);
      made[i]->lower();
      arounds.push_back(i);
      continue;
    }
    for (std::size_t a : arounds)
      if (form.controls[a].at.Contains(c.at)) align = Qt::AlignHCenter | Qt::AlignVCenter;
    grids[container]->addWidget(made[i], local.row, local.col, local.rowSpan, local.colSpan,
                                align);
  }
  // A frame around cells leaves a margin on both sides of what it holds.
  for (std::size_t a : arounds) {
    int widest = 0;
    for (std::size_t i = 0; i < form.controls.size(); ++i)
      if (i != a && made[i] && form.controls[a].at.Contains(form.controls[i].at))
        widest = std::max(widest, made[i]->sizeHint().width());
    int margin = made[a]->style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    made[a]->setMinimumWidth(widest + 2 * margin);
  }
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

namespace {
QSize& AvailableSize() {
  static QSize size;
  return size;
}
}  // namespace

QSize FormWindow::SetAvailableSize(QSize size) { return std::exchange(AvailableSize(), size); }

void FormWindow::FitScreen() {
  if (findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly)) return;
  QSize room = AvailableSize();
  if (!room.isValid()) {
    const QScreen* shown = screen();
    if (!shown) return;
    room = shown->availableGeometry().size();
    // The window manager's frame, as it is around the window below.
    if (QWidget* under = parentWidget(); under && under->windowHandle()) {
      const QMargins frame = under->windowHandle()->frameMargins();
      room -= QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    }
  }
  layout()->activate();
  const QSize whole = sizeHint();
  if (whole.width() <= room.width() && whole.height() <= room.height()) return;
  // The content moves, its layout and its widgets with it, into a widget
  // that the scroll area shows.
  auto* content = new QWidget;
  content->setLayout(layout());
  auto* area = new QScrollArea(this);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidget(content);
  // The field or button that takes the focus comes into view.
  connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
    if (now && area->widget()->isAncestorOf(now)) area->ensureWidgetVisible(now);
  });
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(area);
  content->adjustSize();
  const QSize inside = content->size();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
  // A scroll bar one way takes room the other way.
  QSize fitted = inside.boundedTo(room);
  if (inside.height() > room.height())
    fitted.rwidth() = std::min(inside.width() + bar, room.width());
  if (inside.width() > fitted.width())
    fitted.rheight() = std::min(inside.height() + bar, room.height());
  // The fixed size the content's layout gave the window is lifted.
  setMinimumSize(0, 0);
  setMaximumSize(inside + QSize(bar, bar));
  resize(fitted);
}

void FormWindow::setVisible(bool visible) {
  if (visible) FitScreen();
  QDialog::setVisible(visible);
  if (!visible) return;
  // The field that gets the first focus has its whole text selected, as
  // when it is reached with the Tab key.
  QWidget* first = focusWidget();
  if (!first) {
    first = nextInFocusChain();
    while (first != this && !(first->focusPolicy() & Qt::TabFocus)) first = first->nextInFocusChain();
  }
  if (auto* edit = qobject_cast<QLineEdit*>(first)) {
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
  }
}

bool FormWindow::TextFits(const QLineEdit* edit) {
  // The field's frame and Qt's own margin of 2 pixels on each side of the
  // text.
  QMargins margins = edit->textMargins();
  int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
  int room = edit->contentsRect().width() - margins.left() - margins.right() - 2 * frame - 4;
  return edit->fontMetrics().horizontalAdvance(edit->text()) <= room;
}

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
  // Labels, frames and frameless groups are the form itself to the mouse.
  bool control = qobject_cast<QAbstractButton*>(watched) || qobject_cast<QLineEdit*>(watched);
  if (e->type() == QEvent::MouseButtonRelease && !control) {
    auto* mouse = static_cast<QMouseEvent*>(e);
    // A release that a field or a button inside a frame passed on to the
    // frame is not the form's.
    QWidget* under = static_cast<QWidget*>(watched)->childAt(mouse->position().toPoint());
    bool overControl = qobject_cast<QAbstractButton*>(under) || qobject_cast<QLineEdit*>(under);
    if (mouse->button() == Qt::RightButton && !overControl) {
      dialog_.OnRButtonUp();
      return true;
    }
  }
  // A result longer than its field shows its beginning; the tooltip holds
  // the whole text.
  if (e->type() == QEvent::ToolTip) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit && edit->isReadOnly() && !TextFits(edit)) {
      QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), edit->text(), edit);
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
    if (!qobject_cast<QAbstractButton*>(under) && !qobject_cast<QLineEdit*>(under))
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
  AddNightVisionEntry(menu);
  menu.exec(e->globalPos());
}

bool QtPlatform::LoadQtTranslation() {
  // Qt's own texts (the fields' context menus, the standard buttons) in
  // French, from the translations installed with Qt.
  static QPointer<QTranslator> translator;
  if (translator) return true;
  auto* candidate = new QTranslator(QCoreApplication::instance());
  if (!candidate->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete candidate;
    return false;
  }
  QCoreApplication::installTranslator(candidate);
  translator = candidate;
  return true;
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

QString QtPlatform::HelpPage(const std::string& topic) {
  const QString page = topic.empty() ? QStringLiteral("index.htm")
                                     : FromUtf8(topic) + QStringLiteral("_frameset.htm");
  if (page.contains(QLatin1Char('/')) || page.contains(QLatin1String("..")))
    return QString();
  // Beside the program (the build tree), then where an installation puts
  // the help: <prefix>/share/zenko/help for the program in <prefix>/bin.
  const QDir programDir(QCoreApplication::applicationDirPath());
  for (const QString& helpDir : {QStringLiteral("help/"),
                                 QStringLiteral("../share/zenko/help/")}) {
    QString path = QDir::cleanPath(programDir.filePath(helpDir + page));
    if (QFileInfo(path).isFile()) return path;
  }
  return QString();
}

namespace {
// In night vision the help is opened with "#nuit" after the page's address,
// which the pages' script reads to show them red on black. A browser is
// handed that address through a small page that only leads to it: xdg-open
// takes a file's address with a fragment for a file that does not exist.
// Without that page (nowhere to write it), the address itself.
QUrl NightHelpUrl(const QString& page) {
  QUrl night = QUrl::fromLocalFile(page);
  night.setFragment(QStringLiteral("nuit"));
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (dir.isEmpty() || !QDir().mkpath(dir)) return night;
  const QString path = QDir(dir).filePath(QStringLiteral("aide-nuit.htm"));
  const QString address = QString::fromLatin1(night.toEncoded()).toHtmlEscaped();
  const QByteArray html =
      QStringLiteral("<!DOCTYPE html>\n<html lang=\"fr\"><head><meta charset=\"utf-8\">"
                     "<title>Aide</title>\n<meta http-equiv=\"refresh\" content=\"0; url=%1\">\n"
                     "</head><body style=\"background: #100000\"></body></html>\n")
          .arg(address)
          .toUtf8();
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size() || !file.commit())
    return night;
  return QUrl::fromLocalFile(path);
}
}  // namespace

void QtPlatform::OpenHelp(const std::string& topic) {
  QString page = HelpPage(topic);
  if (page.isEmpty()) return;
  const QUrl url = NightVisionOn() ? NightHelpUrl(page) : QUrl::fromLocalFile(page);
  const bool opened = opener_ ? opener_(url) : QDesktopServices::openUrl(url);
  if (opened) return;
  const QByteArray path = QDir::toNativeSeparators(page).toUtf8();
  ShowMessageBox("Impossible d'ouvrir l'aide dans un navigateur.\n"
                 "Ouvrez vous-même la page :\n" +
                     std::string(path.constData(), static_cast<std::size_t>(path.size())),
                 Icon::Warning);
}

void QtPlatform::SetHelpOpener(std::function<bool(const QUrl&)> opener) {
  opener_ = std::move(opener);
}
