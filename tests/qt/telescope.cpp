// At the telescope: "Maintenant (TU)" from a fixed clock, and night vision
// on every window and message box and back.
#include <QClipboard>
#include <QMenu>
#include <QProxyStyle>
#include <QToolTip>
#include <QtTest>

#include "CalculatorMenu.h"
#include "Clock.h"
#include "NightVision.h"
#include "TelescopeActions.h"
#include "QtFormHarness.h"

namespace {

// A key as the user types it in the active window, and what follows from it
// drawn.
void PressKey(FormWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
  QTest::keyClick(target, key, modifiers);
  QApplication::processEvents();
}

QAction* ActionNamed(QMenu* menu, const QString& text) {
  for (QAction* action : menu->actions())
    if (action->text() == text) return action;
  return nullptr;
}

// Night vision keeps every colour dark and red: no role lighter than the
// text (HSL lightness 120 of 255), hardly any green or blue.
void CheckNightPalette(const QPalette& palette, const char* where) {
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      if (role == QPalette::NoRole) continue;
      QColor c = palette.color(group, static_cast<QPalette::ColorRole>(role));
      QVERIFY2(c.lightness() <= 120 && c.green() <= 0x30 && c.blue() <= 0x30,
               qPrintable(QStringLiteral("%1: group %2 role %3 is %4")
                              .arg(where).arg(group).arg(role).arg(c.name())));
    }
  }
  // Texts stand out from what they are drawn on.
  for (auto [text, back] : {std::pair{QPalette::WindowText, QPalette::Window},
                            std::pair{QPalette::Text, QPalette::Base},
                            std::pair{QPalette::ButtonText, QPalette::Button},
                            std::pair{QPalette::HighlightedText, QPalette::Highlight},
                            std::pair{QPalette::ToolTipText, QPalette::ToolTipBase}})
    QVERIFY2(palette.color(text).lightness() - palette.color(back).lightness() >= 70, where);
  QVERIFY2(palette.color(QPalette::Disabled, QPalette::Text).lightness() -
                   palette.color(QPalette::Disabled, QPalette::Base).lightness() >= 40,
           where);
}

// No light pixel anywhere on what the window shows.
void CheckDarkImage(const QImage& shown, const char* where) {
  QImage image = shown.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QColor c = QColor::fromRgb(image.pixel(x, y));
      if (std::max(c.lightness(), std::max(c.green(), c.blue()) * 2) > 130)
        QFAIL(qPrintable(QStringLiteral("%1: a light pixel at %2, %3").arg(where).arg(x).arg(y)));
    }
}

// The text cursors drawn on the window: per field, the columns of the
// cursor's red over most of a line's height inside the field's frame
// (digits are shorter).
std::vector<int> CaretWidths(FormWindow& window) {
  const QImage image = window.grab().toImage();
  const qreal r = image.devicePixelRatio();
  std::vector<int> widths;
  for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
    const QRect in(edit->mapTo(&window, QPoint(2, 2)) * r, (edit->size() - QSize(4, 4)) * r);
    int columns = 0;
    for (int x = in.left(); x <= in.right(); ++x) {
      int run = 0, longest = 0;
      for (int y = in.top(); y <= in.bottom(); ++y) {
        run = qRed(image.pixel(x, y)) >= 0xc0 && qGreen(image.pixel(x, y)) < 0x40 ? run + 1 : 0;
        longest = std::max(longest, run);
      }
      columns += longest >= edit->fontMetrics().height() * r * 0.8;
    }
    if (columns > 0) widths.push_back(columns);
  }
  return widths;
}

// Dialog buttons with the style's icons, as some desktops show them.
class ButtonIconsStyle : public QProxyStyle {
  int styleHint(StyleHint hint, const QStyleOption* o, const QWidget* w,
                QStyleHintReturn* r) const override {
    return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, o, w, r);
  }
};

}  // namespace

class TelescopeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { SetClockSource([] { return UtInstant{2025, 3, 21, 21, 30, 5}; }); }
  void cleanup() {
    SetClockSource({});
    SetNightVision(false);
  }

  // Ctrl+M, or the field's context menu, fills the date, time and Julian Day
  // from the clock (the values for every form: transcripts now*); the focus
  // stays in the field the user was typing in.
  void nowFillsTheFieldsFromTheClock() {
    FormHarness harness;
    std::unique_ptr<CDialog> form = CreateForm(130, nullptr);
    harness.Run(*form, [&](FormWindow& window) {
      Type(window, 1025, QStringLiteral("1:2:3"));
      QVERIFY(harness.AnswerBoxes([&] { PressKey(window, Qt::Key_M, Qt::ControlModifier); }).empty());
      // 2460756.3958912: 2451544.5 + 9211 days + 77405 s / 86400 s (by hand).
      QCOMPARE(TextOf(window, 1020), QStringLiteral("2460756.3958912"));
      QCOMPARE(QApplication::focusWidget(), window.Widget(1025));
      WidgetOf<QLineEdit>(window, 1018)->clear();
      std::unique_ptr<QMenu> date(FieldContextMenu(window, WidgetOf<QLineEdit>(window, 1018)));
      QAction* now = ActionNamed(date.get(), QStringLiteral("Maintenant (TU)"));
      QVERIFY(now && now->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_M));
      // The field's tooltip is its format hint, naming the shortcut.
      const QString tip = window.Widget(1018)->toolTip();
      QVERIFY2(tip.contains(QStringLiteral("ex. ")) && tip.contains(QStringLiteral("Ctrl+M")), qPrintable(tip));
      now->trigger();
      QCOMPARE(TextOf(window, 1018), QStringLiteral("21/03/2025"));
      std::unique_ptr<QMenu> result(FieldContextMenu(window, WidgetOf<QLineEdit>(window, 1022)));
      QVERIFY(!ActionNamed(result.get(), QStringLiteral("Maintenant (TU)")));
      // Ctrl+Shift+C copies every field: its label as the form shows it,
      // in screen order, a tab, its text (a tab in it made a blank).
      WidgetOf<QLineEdit>(window, 1067)->setText(QStringLiteral("bad\ttext"));
      PressKey(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
      QCOMPARE(QApplication::clipboard()->text(),
               QString::fromUtf8("Entrez la date (jj/mm/aaaa   ou Jaaaa)\t21/03/2025\n"
                                 "et l'heure UT (hh:mm:ss.s)\t21:30:05\nJour julien\t\n"
                                 "Temps sidéral à Greenwich\tbad text\nÉquation du temps\t\n"
                                 "Entrez le jour julien\t2460756.3958912\nDate\t\nHeure\t\n"));
    });
  }

  // Ctrl+N darkens the menu, a calculator over it and a message box, its
  // button's icon included; the text cursor is one thin red bar, in the
  // field that has the focus, before and after a message. A second Ctrl+N
  // brings the first palette back.
  void nightVisionDarkensEveryWindowAndComesBack() {
    QApplication::setStyle(new ButtonIconsStyle);
    const QPalette before = QApplication::palette();
    const QPalette tipsBefore = QToolTip::palette();
    FormHarness harness;
    CalculatorMenu menu;
    bool calculatorSeen = false, boxSeen = false;
    harness.WhenShown(130, [&](FormWindow& window) {
      calculatorSeen = true;
      Type(window, 1018, QStringLiteral("1/13/2000"));  // selected text in the field
      WidgetOf<QLineEdit>(window, 1018)->selectAll();
      CheckDarkImage(window.grab().toImage(), "calculator");
      // A message box in night vision, icon included.
      QTimer timer;
      timer.setInterval(5);
      QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        timer.stop();
        boxSeen = true;
        QCOMPARE(box->icon(), QMessageBox::Critical);
        CheckNightPalette(box->palette(), "message box");
        CheckDarkImage(box->grab().toImage(), "message box");
        box->button(QMessageBox::Ok)->click();
      });
      timer.start();
      Press(window, 1019);
      QTest::keyClick(&window, Qt::Key_Escape);
    });
    harness.WhenShown(102, [&](FormWindow& window) {
      QVERIFY(!NightVisionOn());
      PressKey(window, Qt::Key_N, Qt::ControlModifier);
      QVERIFY(NightVisionOn());
      CheckNightPalette(QApplication::palette(), "application");
      CheckNightPalette(QToolTip::palette(), "tooltips");
      CheckDarkImage(window.grab().toImage(), "menu");
      Check(window, 1002);
      Press(window, 1);  // opens 130, handled above; Exit there ends the menu
    });
    menu.DoModal();
    QVERIFY(calculatorSeen);
    QVERIFY(boxSeen);
    // Back by the same key, on any window.
    FormHarness again;
    std::unique_ptr<CDialog> form = CreateForm(164, nullptr);
    again.Run(*form, [&](FormWindow& window) {
      QVERIFY(NightVisionOn());
      window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&window));
      auto oneThinCaret = [&] {
        std::vector<int> widths = CaretWidths(window);
        return widths.size() == 1 && widths[0] <= 2 * window.devicePixelRatio();
      };
      Check(window, 1136);
      Type(window, 1095, QStringLiteral("1"));
      Type(window, 1121, QStringLiteral("2"));
      Type(window, 1122, QStringLiteral("1"));
      QVERIFY(oneThinCaret());
      // The eccentricity is refused and gets the focus.
      QCOMPARE(again.AnswerBoxes([&] { QTest::keyClick(window.Widget(1122), Qt::Key_Return); }).size(), 1u);
      QCOMPARE(window.focusWidget(), window.Widget(1121));
      window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&window));
      QVERIFY(oneThinCaret());
      PressKey(window, Qt::Key_N, Qt::ControlModifier);
      QVERIFY(!NightVisionOn());
      QVERIFY(QApplication::palette() == before);
      QVERIFY(QToolTip::palette() == tipsBefore);
      QVERIFY(window.palette().color(QPalette::Window) == before.color(QPalette::Window));
    });
  }
};

QTEST_MAIN(TelescopeTest)
#include "telescope.moc"
