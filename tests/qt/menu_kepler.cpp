// The real windows of the calculator menu, the about box and the orbital
// speed form.
#include <QtTest>

#include "CalculatorMenu.h"
#include "QtFormHarness.h"
#include "ZenkoVersion.h"

class MenuKeplerTest : public QObject {
  Q_OBJECT

 private slots:
  void menuIsBuiltFromItsTable() {
    FormHarness harness;
    CalculatorMenu menu;
    int result = harness.Run(menu, [](FormWindow& window) {
      CheckBuiltFromTable(window);
      QCOMPARE(window.windowTitle(), QStringLiteral("Utilitaires du Club Zenko"));
      const int order[] = {1000, 1001, 1009, 1007, 1002, 1006, 1003, 1004, 1005, 1130};
      const char* labels[] = {"&Interpolation", "&Zéro et extremum", "Triangles p&lans",
                              "Triangles &sphériques", "&Jour julien et équation du temps",
                              "&Temps sidéral", "Coordonnées &géocentriques",
                              "&Précession et mouvement propre",
                              "&Coord. équatoriales et horizontales", "Vitesses orbitales"};
      int previousY = -1;
      for (int i = 0; i < 10; ++i) {
        auto* radio = WidgetOf<QRadioButton>(window, order[i]);
        QVERIFY(radio);
        QCOMPARE(radio->text(), QString::fromUtf8(labels[i]));
        QVERIFY(!radio->isChecked());
        QVERIFY(radio->y() > previousY);
        previousY = radio->y();
      }
      QVERIFY(StaticTexts(window).contains(QStringLiteral("Utilitaires :")));
      QVERIFY(WidgetOf<QPushButton>(window, 1)->isDefault());
    });
    QCOMPARE(result, int(IDCANCEL));  // closed with Escape
  }

  void okWithNothingCheckedDoesNothingAndEscapeEnds() {
    FormHarness harness;
    CalculatorMenu menu;
    bool stillOpen = false;
    harness.Run(menu, [&](FormWindow& window) {
      Press(window, 1);
      stillOpen = window.isVisible() && harness.Platform().Windows().size() == 1;
      QTest::keyClick(&window, Qt::Key_Escape);
      QVERIFY(!window.isVisible());
    });
    QVERIFY(stillOpen);
  }

  void keplerFormThroughTheMenu() {
    FormHarness harness;  // a fresh platform: no unit chosen yet
    CalculatorMenu menu;
    bool backInMenu = false;
    harness.Run(menu, [&](FormWindow& menuWindow) {
      harness.WhenShown(164, [&](FormWindow& window) {
        CheckBuiltFromTable(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Vitesse orbitale"));
        QVERIFY(!WidgetOf<QRadioButton>(window, 1136)->isChecked());
        QVERIFY(!WidgetOf<QRadioButton>(window, 1137)->isChecked());
        QVERIFY(WidgetOf<QPushButton>(window, 1129)->isDefault());
        QCOMPARE(WidgetOf<QLineEdit>(window, 1095)->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);

        // Enter in a field runs the default button: no unit chosen yet.
        auto seen = harness.AnswerBoxes([&] {
          QTest::keyClick(WidgetOf<QLineEdit>(window, 1095), Qt::Key_Return);
        });
        QCOMPARE(seen.size(), size_t(1));
        QCOMPARE(seen[0].icon, QMessageBox::Warning);
        QCOMPARE(seen[0].text, QString::fromUtf8("Commencez par choisir les unités dans\n"
                                                 "le premier cadre de la boîte de dialogue."));

        // A bad semi-major axis: the box, then the field focused and selected.
        Check(window, 1136);
        Type(window, 1095, QStringLiteral("abc"));
        Type(window, 1121, QStringLiteral("0"));
        Type(window, 1122, QStringLiteral("1"));
        seen = harness.AnswerBoxes([&] { Press(window, 1129); });
        QCOMPARE(seen.size(), size_t(1));
        QCOMPARE(seen[0].icon, QMessageBox::Warning);
        QCOMPARE(seen[0].text, QString::fromUtf8(
                                   "Erreur de saisie du demi-grand axe de l'ellipse.\nCorrection:"));
        auto* axis = WidgetOf<QLineEdit>(window, 1095);
        QCOMPARE(window.focusWidget(), static_cast<QWidget*>(axis));
        QCOMPARE(axis->selectedText(), QStringLiteral("abc"));
        QCOMPARE(TextOf(window, 1127), QString());

        // Typing replaces the selected text; the speeds appear with commas.
        QTest::keyClicks(axis, QStringLiteral("1"));
        QCOMPARE(axis->text(), QStringLiteral("1"));
        seen = harness.AnswerBoxes([&] { Press(window, 1129); });
        QVERIFY(seen.empty());
        QCOMPARE(TextOf(window, 1127), QStringLiteral("29,785"));
        QCOMPARE(TextOf(window, 1126), QStringLiteral("29,785"));
        Press(window, 1);  // Retour
      });
      Check(menuWindow, 1130);
      Press(menuWindow, 1);
      // Back in the menu, with the same entry checked.
      backInMenu = menuWindow.isVisible() &&
                   WidgetOf<QRadioButton>(menuWindow, 1130)->isChecked();
      // Reopened by a double-click; the unit chosen before stays in force
      // though no choice is shown; Exit ends the whole menu.
      harness.WhenShown(164, [&](FormWindow& window) {
        QVERIFY(!WidgetOf<QRadioButton>(window, 1136)->isChecked());
        QCOMPARE(TextOf(window, 1095), QString());
        Type(window, 1095, QStringLiteral("1"));
        Type(window, 1121, QStringLiteral("0,0167"));
        Type(window, 1122, QStringLiteral("1"));
        Press(window, 1129);
        QCOMPARE(TextOf(window, 1127), QStringLiteral("30,287"));
        QCOMPARE(TextOf(window, 1126), QStringLiteral("29,292"));
        Press(window, 2);
      });
      Check(menuWindow, 1130, true);
      QTRY_VERIFY(!menuWindow.isVisible());
    });
    QVERIFY(backInMenu);
  }

  void aboutBoxFromTheWindowMenu() {
    FormHarness harness;
    CalculatorMenu menu;
    QStringList aboutTexts;
    harness.Run(menu, [&](FormWindow& window) {
      QCOMPARE(window.Form().Template().sysMenu.size(), size_t(1));
      QCOMPARE(window.Form().Template().sysMenu[0].text, std::string("&A propos de Zenko..."));
      QCOMPARE(window.Form().Template().sysMenu[0].command, 16);
      harness.WhenShown(100, [&](FormWindow& about) {
        aboutTexts = StaticTexts(about);
        Press(about, 1);
      });
      window.Form().OnSysCommand(16);
      QVERIFY(window.isVisible());
    });
    QVERIFY(aboutTexts.join(' ').contains(QStringLiteral("Zenko")));
    // The version is the project's, the same as the package's.
    QVERIFY(aboutTexts.contains(QStringLiteral("Zenko, version " ZENKO_VERSION)));
  }

  void helpButtonsOpenTheirPages() {
    FormHarness harness;
    CalculatorMenu menu;
    harness.Run(menu, [&](FormWindow& window) {
      Press(window, 1064);
      Press(window, 57670);
    });
    QCOMPARE(harness.helpPages.size(), size_t(2));
    QVERIFY(harness.helpPages[0].endsWith(QStringLiteral("help/ZenkoClub_frameset.htm")));
    QVERIFY(harness.helpPages[1].endsWith(QStringLiteral("help/index.htm")));
    QCOMPARE(QtPlatform::HelpPage("Missing"), QString());
    QCOMPARE(QtPlatform::HelpPage("../secret"), QString());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  MenuKeplerTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "menu_kepler.moc"
