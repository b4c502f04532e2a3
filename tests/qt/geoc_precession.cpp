// The real windows of the geocentric coordinates and precession forms.
#include <QtTest>

#include "GeocCoordDlg.h"
#include "PrecessionDlg.h"
#include "QtFormHarness.h"

namespace {

// No two controls overlap, every control lies inside its window and its
// frame, and every text fits.
void CheckLayout(FormWindow& window) {
  QStringList problems = LayoutProblems(window);
  QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

class GeocPrecessionTest : public QObject {
  Q_OBJECT

 private slots:
  void geocentricFormIsBuiltFromItsTable() {
    FormHarness harness;
    CGeocCoordDlg form(nullptr);
    harness.Run(form, [](FormWindow& window) {
      CheckBuiltFromTable(window);
      CheckLayout(window);
      QCOMPARE(window.windowTitle(), Utf8("Coordonnées géocentriques"));
      QVERIFY(WidgetOf<QPushButton>(window, 1017)->isDefault());
      QCOMPARE(TextOf(window, 1009), QStringLiteral("0"));
      QCOMPARE(TextOf(window, 1007), QString());
      QCOMPARE(TextOf(window, 1013), QString());
    });
  }

  void geocentricHeightAndResults() {
    FormHarness harness;
    CGeocCoordDlg form(nullptr);
    int result = harness.Run(form, [&](FormWindow& window) {
      auto* height = WidgetOf<QLineEdit>(window, 1009);
      // A height with decimals: the warning, then the field focused with its
      // whole text selected; no result appears.
      Type(window, 1007, QStringLiteral("45:0:0"));
      Type(window, 1009, QStringLiteral("12.5"));
      auto seen = harness.AnswerBoxes([&] {
        QTest::keyClick(WidgetOf<QLineEdit>(window, 1007), Qt::Key_Return);
      });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].icon, QMessageBox::Warning);
      QCOMPARE(seen[0].text, QStringLiteral("Tapez un nombre entier."));
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(height));
      QCOMPARE(height->selectedText(), QStringLiteral("12.5"));
      QCOMPARE(TextOf(window, 1015), QString());

      // "&Retour" with that height: the same warning, and the form stays.
      seen = harness.AnswerBoxes([&] { Press(window, 1); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].text, QStringLiteral("Tapez un nombre entier."));
      QVERIFY(window.isVisible());
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(height));

      // Typing replaces the selection; the number comes back without blanks.
      QTest::keyClicks(height, QStringLiteral(" 12 "));
      seen = harness.AnswerBoxes([&] { Press(window, 1017); });
      QVERIFY(seen.empty());
      QCOMPARE(TextOf(window, 1009), QStringLiteral("12"));
      QCOMPARE(TextOf(window, 1013), Utf8("44° 48' 27\""));
      QCOMPARE(TextOf(window, 1015), QStringLiteral("6367505 m"));
      QCOMPARE(TextOf(window, 1016), QStringLiteral("0.703553 a"));
      QCOMPARE(TextOf(window, 1014), QStringLiteral("0.708295 a"));
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(WidgetOf<QPushButton>(window, 1)));

      // A latitude out of range: the stop icon, the focus on the latitude,
      // the results unchanged.
      Type(window, 1007, QStringLiteral("90:00:01"));
      seen = harness.AnswerBoxes([&] { Press(window, 1017); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].icon, QMessageBox::Critical);
      QCOMPARE(seen[0].text, Utf8("Vous avez entré une valeur non valide pour la latitude.\n"
                                  "Celle-ci doit être comprise entre -90 et 90 degrés."));
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(WidgetOf<QLineEdit>(window, 1007)));
      QCOMPARE(TextOf(window, 1015), QStringLiteral("6367505 m"));

      // The pole.
      Type(window, 1007, QStringLiteral("90:00:00"));
      Type(window, 1009, QStringLiteral("0"));
      Press(window, 1017);
      QCOMPARE(TextOf(window, 1013), Utf8("90° 0' 0\""));
      QCOMPARE(TextOf(window, 1014), QStringLiteral("0.000000 a"));
      QCOMPARE(TextOf(window, 1016), QStringLiteral("0.996647 a"));
      Press(window, 1109);
      Press(window, 1);
    });
    QCOMPARE(result, int(IDOK));
    QCOMPARE(harness.helpPages.size(), size_t(1));
    QVERIFY(harness.helpPages[0].endsWith(QStringLiteral("help/GeocCoord_frameset.htm")));
  }

  void precessionFormIsBuiltFromItsTable() {
    FormHarness harness;
    CPrecessionDlg form(nullptr);
    harness.Run(form, [](FormWindow& window) {
      CheckBuiltFromTable(window);
      CheckLayout(window);
      QCOMPARE(window.windowTitle(), Utf8("Précession des équinoxes et mouvements propres"));
      QVERIFY(WidgetOf<QPushButton>(window, 1017)->isDefault());
      QCOMPARE(TextOf(window, 1041), QStringLiteral("J2000"));
      for (int id : {1042, 1043, 1044, 1045, 1046, 1047, 1052, 1053})
        QCOMPARE(TextOf(window, id), QString());
    });
  }

  void precessionComputesAndReportsInOrder() {
    FormHarness harness;
    CPrecessionDlg form(nullptr);
    int result = harness.Run(form, [&](FormWindow& window) {
      // An empty right ascension: no box, the focus on it.
      auto seen = harness.AnswerBoxes([&] { Press(window, 1017); });
      QVERIFY(seen.empty());
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(WidgetOf<QLineEdit>(window, 1042)));

      Type(window, 1042, QStringLiteral("12:0:0"));
      Type(window, 1043, QStringLiteral("30:0:0"));
      Type(window, 1044, QStringLiteral("0,5x"));
      seen = harness.AnswerBoxes([&] { Press(window, 1017); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].icon, QMessageBox::Critical);
      QCOMPARE(seen[0].text, Utf8("Erreur de saisie du mouvement propre en ascension droite.\n"
                                  "Le format est  ± s . ssss\n\nRecommencez !"));
      auto* motion = WidgetOf<QLineEdit>(window, 1044);
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(motion));
      QCOMPARE(motion->selectedText(), QStringLiteral("0,5x"));

      // No motion: the final epoch is not read, whatever it holds.
      QTest::keyClicks(motion, QStringLiteral("0"));
      Type(window, 1045, QStringLiteral("0"));
      Type(window, 1046, QStringLiteral("n'importe quoi"));
      Type(window, 1047, QStringLiteral("J2050"));
      seen = harness.AnswerBoxes([&] {
        QTest::keyClick(WidgetOf<QLineEdit>(window, 1047), Qt::Key_Return);
      });
      QVERIFY(seen.empty());
      QCOMPARE(TextOf(window, 1052), QStringLiteral("12h 2m 33.557s"));
      QCOMPARE(TextOf(window, 1053), Utf8("29° 43' 17.97\""));
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(WidgetOf<QPushButton>(window, 1061)));

      // With a motion the final epoch is read and refused.
      Type(window, 1045, QStringLiteral("1"));
      seen = harness.AnswerBoxes([&] { Press(window, 1017); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].text, Utf8("Erreur de saisie de la date.\nLe format est  jj/mm/[-]aaaa"
                                  "\n\nRecommencez !"));
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(WidgetOf<QLineEdit>(window, 1046)));
      QCOMPARE(TextOf(window, 1052), QStringLiteral("12h 2m 33.557s"));
      Press(window, 1111);
      Press(window, 1);
    });
    QCOMPARE(result, int(IDOK));
    QCOMPARE(harness.helpPages.size(), size_t(1));
    QVERIFY(harness.helpPages[0].endsWith(QStringLiteral("help/Precession_frameset.htm")));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  GeocPrecessionTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "geoc_precession.moc"
