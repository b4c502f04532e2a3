// At the telescope: "Maintenant (TU)" from a fixed clock, night vision on
// every window and message box and back, the copy of all fields to the
// clipboard, and a format tooltip on every input field.
#include <QClipboard>
#include <QMenu>
#include <QToolTip>
#include <QtTest>
#include <cstdio>
#include <filesystem>
#include <map>
#include <unistd.h>

#include "CalculatorMenu.h"
#include "Clock.h"
#include "FormPicture.h"
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

QStringList ActionTexts(QMenu* menu) {
  QStringList texts;
  for (QAction* action : menu->actions()) texts << action->text();
  return texts;
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
  int lightest = 0;
  QPoint at;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QColor c = QColor::fromRgb(image.pixel(x, y));
      int light = std::max(c.lightness(), std::max(c.green(), c.blue()) * 2);
      if (light > lightest) {
        lightest = light;
        at = QPoint(x, y);
      }
    }
  QVERIFY2(lightest <= 130, qPrintable(QStringLiteral("%1: a pixel of lightness %2 at %3, %4")
                                           .arg(where).arg(lightest).arg(at.x()).arg(at.y())));
}

// A run in a directory of its own holding an empty site file, so that the
// forms reading it open without a message.
class SiteDirectory {
 public:
  SiteDirectory() {
    previous_ = std::filesystem::current_path();
    char pattern[] = "/tmp/zenko-qt-now-XXXXXX";
    dir_ = mkdtemp(pattern);
    std::filesystem::current_path(dir_);
    std::FILE* file = std::fopen("Zenko.loc", "wb");
    const char zeros[16] = {};
    std::fwrite(zeros, 1, 16, file);
    std::fclose(file);
  }
  ~SiteDirectory() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
  }

 private:
  std::filesystem::path previous_, dir_;
};

}  // namespace

class TelescopeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    SetClockSource([] { return UtInstant{2025, 3, 21, 21, 30, 5}; });
  }
  void cleanup() {
    SetClockSource({});
    SetNightVision(false);
  }

  // Ctrl+M fills the date, time (and on 130 the Julian Day) from the clock;
  // the focus stays on the field the user was in; nothing else changes.
  void ctrlMFillsTheFieldsFromTheClock() {
    SiteDirectory site;
    struct Case {
      int form;
      int focused;                       // where the user is typing
      std::map<int, QString> expected;   // the fields the action fills
    };
    const Case cases[] = {
        // 2460756.3958912: 2451544.5 + 9211 days + 77405 s / 86400 s (by hand).
        {130, 1025, {{1018, "21/03/2025"}, {1025, "21:30:05"}, {1020, "2460756.3958912"}}},
        {135, 1057, {{1018, "21/03/2025"}, {1025, "21:30:05"}}},
        {134, 1042, {{1018, "21/03/2025"}, {1025, "21:30:05"}}},
        {132, 1042, {{1046, "21/03/2025"}}},
    };
    for (const Case& test : cases) {
      FormHarness harness;
      std::unique_ptr<CDialog> form = CreateForm(test.form, nullptr);
      harness.Run(*form, [&](FormWindow& window) {
        Type(window, test.focused, QStringLiteral("1:2:3"));
        for (const auto& [id, text] : test.expected) {
          if (id != test.focused) WidgetOf<QLineEdit>(window, id)->setText("x");
        }
        std::vector<SeenBox> boxes = harness.AnswerBoxes(
            [&] { PressKey(window, Qt::Key_M, Qt::ControlModifier); });
        QVERIFY(boxes.empty());
        for (const auto& [id, text] : test.expected)
          QCOMPARE(TextOf(window, id), text);
        if (test.expected.count(test.focused) == 0)
          QCOMPARE(TextOf(window, test.focused), QStringLiteral("1:2:3"));
        QCOMPARE(QApplication::focusWidget(), window.Widget(test.focused));
      });
    }
  }

  void nowIsInTheFieldsContextMenuOnlyWhereItExists() {
    FormHarness harness;
    std::unique_ptr<CDialog> form = CreateForm(130, nullptr);
    harness.Run(*form, [&](FormWindow& window) {
      std::unique_ptr<QMenu> date(FieldContextMenu(window, WidgetOf<QLineEdit>(window, 1018)));
      QAction* now = ActionNamed(date.get(), QStringLiteral("Maintenant (TU)"));
      QVERIFY(now);
      QCOMPARE(now->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
      QVERIFY(!ActionNamed(date.get(), QStringLiteral("Copier les résultats")));
      now->trigger();
      QCOMPARE(TextOf(window, 1018), QStringLiteral("21/03/2025"));
      QCOMPARE(TextOf(window, 1020), QStringLiteral("2460756.3958912"));
      QCOMPARE(TextOf(window, 1022), QString());  // nothing computed
      std::unique_ptr<QMenu> result(FieldContextMenu(window, WidgetOf<QLineEdit>(window, 1022)));
      QVERIFY(ActionNamed(result.get(), QStringLiteral("Copier les résultats")));
      QVERIFY(!ActionNamed(result.get(), QStringLiteral("Maintenant (TU)")));
    });
    std::unique_ptr<CDialog> kepler = CreateForm(164, nullptr);
    harness.Run(*kepler, [&](FormWindow& window) {
      PressKey(window, Qt::Key_M, Qt::ControlModifier);
      for (int id : {1095, 1121, 1122}) {
        QCOMPARE(TextOf(window, id), QString());
        std::unique_ptr<QMenu> menu(FieldContextMenu(window, WidgetOf<QLineEdit>(window, id)));
        QVERIFY(!ActionTexts(menu.get()).contains(QStringLiteral("Maintenant (TU)")));
      }
    });
  }

  // The worked example of the Julian Day form (01/01/2000 12:00:00 gives
  // 2451545.0000000, 18h 41m 50.5s and 3m 18.3s), copied with Ctrl+Shift+C.
  void copyPutsEveryFieldOnTheClipboard() {
    FormHarness harness;
    std::unique_ptr<CDialog> form = CreateForm(130, nullptr);
    harness.Run(*form, [&](FormWindow& window) {
      QApplication::clipboard()->setText(QStringLiteral("before"));
      Type(window, 1018, QStringLiteral("01/01/2000"));
      Type(window, 1025, QStringLiteral("12:00:00"));
      Press(window, 1019);
      WidgetOf<QLineEdit>(window, 1018)->setFocus();  // typing in a field
      PressKey(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
      QCOMPARE(QApplication::clipboard()->text(),
               QString::fromUtf8("Entrez la date (jj/mm/aaaa   ou Jaaaa)\t01/01/2000\n"
                                 "et l'heure UT (hh:mm:ss.s)\t12:00:00\n"
                                 "Jour julien\t2451545.0000000\n"
                                 "Temps sidéral à Greenwich\t18h 41m 50.5s\n"
                                 "Équation du temps\t3m 18.3s\n"
                                 "Entrez le jour julien\t\n"
                                 "Date\t\n"
                                 "Heure\t\n"));
      // The result field's context menu entry does the same.
      QApplication::clipboard()->setText(QStringLiteral("before"));
      std::unique_ptr<QMenu> menu(FieldContextMenu(window, WidgetOf<QLineEdit>(window, 1067)));
      ActionNamed(menu.get(), QStringLiteral("Copier les résultats"))->trigger();
      QVERIFY(QApplication::clipboard()->text().startsWith("Entrez la date"));
    });
  }

  void everyInputFieldHasATooltip() {
    int fields = 0;
    for (int id : RegisteredForms()) {
      FormSnapshot snapshot(id);
      FormWindow& window = snapshot.Window();
      const CDialog& form = window.Form();
      for (const Control& c : form.Template().controls) {
        if (c.kind != Kind::Edit && c.kind != Kind::Number) continue;
        ++fields;
        QString tip = window.Widget(c.id)->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("ex. ")),
                 qPrintable(QStringLiteral("form %1 field %2").arg(id).arg(c.id)));
        const CDialog::NowFieldIds& now = form.NowFields();
        bool nowField = form.HasNow() && (c.id == now.date || c.id == now.time ||
                                          c.id == now.julianDay);
        QCOMPARE(tip.contains(QStringLiteral("Ctrl+M")), nowField);
      }
    }
    QVERIFY(fields > 60);
    FormSnapshot sidereal(135);
    QVERIFY(sidereal.Window().Widget(1018)->toolTip().startsWith(
        QString::fromUtf8("jj/mm/[-]aaaa ou Jaaaa — ex. 21/03/2025, J2000")));
    QVERIFY(sidereal.Window().Widget(1057)->toolTip().startsWith(
        QString::fromUtf8("±ddd:mm:ss")));
  }

  // Ctrl+N darkens the menu, a calculator over it and a message box; a
  // second Ctrl+N brings the first palette back.
  void nightVisionDarkensEveryWindowAndComesBack() {
    const QPalette before = QApplication::palette();
    const QPalette tipsBefore = QToolTip::palette();
    FormHarness harness;
    CalculatorMenu menu;
    bool calculatorSeen = false, boxSeen = false;
    harness.WhenShown(130, [&](FormWindow& window) {
      calculatorSeen = true;
      CheckNightPalette(window.palette(), "calculator");
      for (int id : {1018, 1022}) CheckNightPalette(window.Widget(id)->palette(), "field");
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
      // The menu window's context menu offers the switch beside "A propos".
      QMenu entries;
      AddNightVisionEntry(entries);
      QAction* night = ActionNamed(&entries, QStringLiteral("Vision de nuit"));
      QVERIFY(night && night->isCheckable() && !night->isChecked());
      PressKey(window, Qt::Key_N, Qt::ControlModifier);
      QVERIFY(NightVisionOn());
      CheckNightPalette(QApplication::palette(), "application");
      CheckNightPalette(window.palette(), "menu");
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
