// The real windows of the calculator menu, the about box and the orbital
// speed form, whose unit lasts across its openings in one run (the menu's
// own choices and help topics: transcript menu_flows; its widgets: the
// pictures test; the help pages opened: installed_help and triangles).
#include <QtTest>

#include "CalculatorMenu.h"
#include "QtFormHarness.h"
#include "ZenkoVersion.h"

class MenuKeplerTest : public QObject {
  Q_OBJECT

 private slots:
  void keplerUnitLastsAcrossOpeningsThroughTheMenu() {
    FormHarness harness;  // a fresh platform: no unit chosen yet
    CalculatorMenu menu;
    bool backInMenu = false;
    harness.Run(menu, [&](FormWindow& menuWindow) {
      harness.WhenShown(164, [&](FormWindow& window) {
        // Enter in a field runs the default button: no unit chosen yet.
        QCOMPARE(harness.AnswerBoxes([&] { QTest::keyClick(WidgetOf<QLineEdit>(window, 1095), Qt::Key_Return); }),
                 std::vector{QMessageBox::Warning});
        Check(window, 1136);
        Type(window, 1095, QStringLiteral("1"));
        Type(window, 1121, QStringLiteral("0"));
        Type(window, 1122, QStringLiteral("1"));
        Press(window, 1129);
        // 2 pi AU per year is 29.785 km/s (4.74047 km/s per AU/year).
        QCOMPARE(TextOf(window, 1127), QStringLiteral("29,785"));
        Press(window, 1);  // Retour
      });
      Check(menuWindow, 1130);
      Press(menuWindow, 1);
      backInMenu = menuWindow.isVisible() &&
                   WidgetOf<QRadioButton>(menuWindow, 1130)->isChecked();
      // Reopened by a double-click: the unit chosen before stays in force
      // though no choice is shown; Exit ends the whole menu.
      harness.WhenShown(164, [&](FormWindow& window) {
        QVERIFY(!WidgetOf<QRadioButton>(window, 1136)->isChecked());
        Type(window, 1095, QStringLiteral("1"));
        Type(window, 1121, QStringLiteral("0,0167"));
        Type(window, 1122, QStringLiteral("1"));
        QVERIFY(harness.AnswerBoxes([&] { Press(window, 1129); }).empty());
        QCOMPARE(TextOf(window, 1127), QStringLiteral("30,287"));
        QCOMPARE(TextOf(window, 1126), QStringLiteral("29,292"));
        Press(window, 2);
      });
      Check(menuWindow, 1130, true);
      QTRY_VERIFY(!menuWindow.isVisible());
    });
    QVERIFY(backInMenu);
  }

  void aboutBoxShowsTheVersion() {
    FormHarness harness;
    CalculatorMenu menu;
    QStringList aboutTexts;
    harness.Run(menu, [&](FormWindow& window) {
      harness.WhenShown(100, [&](FormWindow& about) {
        aboutTexts = StaticTexts(about);
        Press(about, 1);
      });
      window.Form().OnSysCommand(window.Form().Template().sysMenu.at(0).command);
      QVERIFY(window.isVisible());
    });
    // The version is the project's, the same as the package's.
    QVERIFY(aboutTexts.contains(QStringLiteral("Zenko, version " ZENKO_VERSION)));
  }
};

ZENKO_QT_TEST_MAIN(MenuKeplerTest)

#include "menu_kepler.moc"
