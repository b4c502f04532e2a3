#include "NightVision.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <optional>

namespace {

// Red on near-black: the eye kept dark-adapted, no role brighter than the
// text itself.
const QColor kText(0xe0, 0x20, 0x10);
const QColor kDimText(0x90, 0x18, 0x0c);
const QColor kWindow(0x10, 0x00, 0x00);
const QColor kBase(0x2a, 0x04, 0x02);

// The style draws field frames a shade darker than the window, which on a
// black window is no frame at all: they are drawn in red instead, brighter
// around the field that has the focus.
const char kNightSheet[] =
    "QLineEdit { border: 1px solid #701008; border-radius: 2px; padding: 1px 3px; }"
    "QLineEdit:focus { border-color: #d02010; }";

struct Saved {
  QPalette application;
  QPalette toolTip;
  QString sheet;
  bool menuIconsHidden;
};
std::optional<Saved>& Before() {
  static std::optional<Saved> saved;
  return saved;
}

// A message box's icon drawn again in shades of red, at its own alpha.
QPixmap Reddened(const QPixmap& pixmap) {
  QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      int gray = qGray(line[x]);
      line[x] = qRgba(gray * kText.red() / 255, 0, 0, qAlpha(line[x]));
    }
  }
  QPixmap out = QPixmap::fromImage(image);
  out.setDevicePixelRatio(pixmap.devicePixelRatio());
  return out;
}

QIcon Reddened(const QIcon& icon, QSize size, qreal ratio) {
  return QIcon(Reddened(icon.pixmap(size, ratio)));
}

// Qt draws a field's text cursor by inverting the pixels under it, which on
// a dark field gives a bright bar. In night vision the fields take a style
// whose cursor has no width, and the watcher draws a thin red one instead.
class NoCaretStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_TextCursorWidth) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};
QStyle* CaretStyle() {
  static QStyle* style = new NoCaretStyle(QStyleFactory::create(QApplication::style()->name()));
  return style;
}

bool Editable(QObject* object) {
  auto* edit = qobject_cast<QLineEdit*>(object);
  return edit && !edit->isReadOnly();
}
const char kCaretless[] = "zenkoNightCaret";
void TakeCaretStyle(QWidget* w) {
  if (!Editable(w) || w->property(kCaretless).toBool()) return;
  w->setStyle(CaretStyle());
  w->setProperty(kCaretless, true);
}

// While night vision is on: reddens the icons of every message box shown,
// its buttons' included, and draws the text cursor of the field that has
// the focus as a thin red bar.
class NightWatcher : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        auto* icon = box->findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
        if (icon && !icon->pixmap().isNull()) icon->setPixmap(Reddened(icon->pixmap()));
      }
      if (auto* button = qobject_cast<QAbstractButton*>(watched); button && !button->icon().isNull())
        button->setIcon(Reddened(button->icon(), button->iconSize(), button->devicePixelRatio()));
      if (watched->isWidgetType()) TakeCaretStyle(static_cast<QWidget*>(watched));
    } else if (e->type() == QEvent::Paint && !painting_ && Editable(watched)) {
      auto* edit = static_cast<QLineEdit*>(watched);
      if (edit->hasFocus()) {
        painting_ = true;
        QCoreApplication::sendEvent(edit, e);  // the field as Qt draws it
        painting_ = false;
        // Qt's cursor rectangle reaches 5 pixels left of the cursor itself.
        QRect around = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        int width = std::max(1, QApplication::style()->pixelMetric(QStyle::PM_TextCursorWidth));
        QPainter painter(edit);
        painter.fillRect(QRect(around.left() + 5, around.top(), width, around.height() - 1), kText);
        return true;
      }
    }
    return QObject::eventFilter(watched, e);
  }

 private:
  bool painting_ = false;
};
NightWatcher& Watcher() {
  static NightWatcher watcher;
  return watcher;
}

// Widgets with a style sheet that names palette colours take the new ones
// only when the sheet is applied again.
void RefreshStyleSheets() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    for (QWidget* w : top->findChildren<QWidget*>()) {
      QString sheet = w->styleSheet();
      if (sheet.isEmpty()) continue;
      w->setStyleSheet(QString());
      w->setStyleSheet(sheet);
    }
  }
}

}  // namespace

QPalette NightPalette() {
  QPalette p;
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Window, kWindow);
    p.setColor(group, QPalette::WindowText, kText);
    p.setColor(group, QPalette::Base, kBase);
    p.setColor(group, QPalette::AlternateBase, QColor(0x24, 0x04, 0x02));
    p.setColor(group, QPalette::ToolTipBase, QColor(0x28, 0x04, 0x02));
    p.setColor(group, QPalette::ToolTipText, kText);
    p.setColor(group, QPalette::PlaceholderText, kDimText);
    p.setColor(group, QPalette::Text, kText);
    p.setColor(group, QPalette::Button, QColor(0x22, 0x03, 0x02));
    p.setColor(group, QPalette::ButtonText, kText);
    p.setColor(group, QPalette::BrightText, kText);
    p.setColor(group, QPalette::Light, QColor(0x50, 0x08, 0x04));
    p.setColor(group, QPalette::Midlight, QColor(0x38, 0x05, 0x03));
    p.setColor(group, QPalette::Mid, QColor(0x2c, 0x04, 0x02));
    p.setColor(group, QPalette::Dark, QColor(0x08, 0x00, 0x00));
    p.setColor(group, QPalette::Shadow, QColor(0x00, 0x00, 0x00));
    p.setColor(group, QPalette::Highlight, QColor(0x58, 0x0a, 0x04));
    p.setColor(group, QPalette::HighlightedText, kText);
    p.setColor(group, QPalette::Link, kText);
    p.setColor(group, QPalette::LinkVisited, kDimText);
  }
  // Disabled: the same, with dimmer texts.
  for (int role = 0; role < QPalette::NColorRoles; ++role) {
    auto r = static_cast<QPalette::ColorRole>(role);
    p.setColor(QPalette::Disabled, r, p.color(QPalette::Active, r));
  }
  for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                QPalette::HighlightedText, QPalette::ToolTipText,
                                QPalette::BrightText, QPalette::Link})
    p.setColor(QPalette::Disabled, r, kDimText);
  return p;
}

bool NightVisionOn() { return Before().has_value(); }

void SetNightVision(bool on) {
  if (on == NightVisionOn()) return;
  if (on) {
    Before() = Saved{QApplication::palette(), QToolTip::palette(), qApp->styleSheet(),
                     QApplication::testAttribute(Qt::AA_DontShowIconsInMenus)};
    CaretStyle();  // made from the day style, before the night sheet
    QApplication::setPalette(NightPalette());
    qApp->setStyleSheet(Before()->sheet + QString::fromLatin1(kNightSheet));
    QToolTip::setPalette(NightPalette());
    qApp->installEventFilter(&Watcher());
    for (QWidget* w : QApplication::allWidgets()) TakeCaretStyle(w);
    QApplication::setAttribute(Qt::AA_DontShowIconsInMenus, true);
  } else {
    qApp->removeEventFilter(&Watcher());
    for (QWidget* w : QApplication::allWidgets()) {
      if (!w->property(kCaretless).toBool()) continue;
      w->setStyle(nullptr);
      w->setProperty(kCaretless, QVariant());
    }
    QApplication::setAttribute(Qt::AA_DontShowIconsInMenus, Before()->menuIconsHidden);
    QApplication::setPalette(Before()->application);
    QToolTip::setPalette(Before()->toolTip);
    qApp->setStyleSheet(Before()->sheet);
    Before().reset();
  }
  RefreshStyleSheets();
}

void ToggleNightVision() { SetNightVision(!NightVisionOn()); }

void AddNightVisionEntry(QMenu& menu) {
  QAction* action = menu.addAction(QStringLiteral("Vision de nuit"));
  action->setCheckable(true);
  action->setChecked(NightVisionOn());
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  QObject::connect(action, &QAction::triggered, [] { ToggleNightVision(); });
}
