// The real window of the Julian Day form: its controls, labels, default
// button and frames, Enter in a field, and the focus after a message.
#include <QtTest>

#include "JulianDayDlg.h"
#include "QtFormHarness.h"

namespace {
QGroupBox* GroupTitled(FormWindow& window, const QString& title) {
  for (auto* group : window.findChildren<QGroupBox*>())
    if (group->title() == title) return group;
  return nullptr;
}

bool Inside(QGroupBox* group, FormWindow& window, int id) {
  QWidget* w = window.Widget(id);
  return group && w && group->isAncestorOf(w) &&
         group->rect().contains(QRect(w->mapTo(group, QPoint(0, 0)), w->size()));
}
}  // namespace

class JulianDayTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsLabelsAndFrames() {
    FormHarness harness;
    CJulianDayDlg form(nullptr);
    harness.Run(form, [](FormWindow& window) {
      CheckBuiltFromTable(window);
      QCOMPARE(window.windowTitle(),
               QString::fromUtf8("Jour julien, temps sidéral à Greenwich et équation du temps"));
      QStringList statics = StaticTexts(window);
      for (const char* label :
           {"Entrez la date (jj/mm/aaaa   ou Jaaaa) :", "et l'heure UT (hh:mm:ss.s) :",
            "Jour julien :", "Temps sidéral à Greenwich :", "Équation du temps :",
            "Entrez le jour julien :", "Date :", "Heure :"})
        QVERIFY2(statics.contains(QString::fromUtf8(label)), label);
      QVERIFY(WidgetOf<QPushButton>(window, 1019)->isDefault());
      QVERIFY(!WidgetOf<QPushButton>(window, 1021)->isDefault());
      QCOMPARE(WidgetOf<QPushButton>(window, 1024)->text(), QStringLiteral("Co&pie"));
      QCOMPARE(WidgetOf<QPushButton>(window, 1021)->text(), QStringLiteral("Ca&lcul"));
      QCOMPARE(TextOf(window, 1025), QStringLiteral("0:0:0"));
      QCOMPARE(TextOf(window, 1018), QString());

      QGroupBox* upper = GroupTitled(window, QStringLiteral("Calcul du jour julien"));
      QGroupBox* middle = GroupTitled(window, QString());
      QGroupBox* lower =
          GroupTitled(window, QString::fromUtf8("Calcul de la date et de l'heure"));
      QVERIFY(upper && middle && lower);
      for (int id : {1018, 1025, 1019, 1024, 1022}) QVERIFY(Inside(upper, window, id));
      for (int id : {1067, 1056}) QVERIFY(Inside(middle, window, id));
      for (int id : {1020, 1021, 1023, 1028}) QVERIFY(Inside(lower, window, id));
    });
  }

  void enterComputesAndAMessageSelectsTheField() {
    FormHarness harness;
    CJulianDayDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      Type(window, 1018, QStringLiteral("01/01/2000"));
      Type(window, 1025, QStringLiteral("12:00:00"));
      auto seen = harness.AnswerBoxes([&] {
        QTest::keyClick(WidgetOf<QLineEdit>(window, 1025), Qt::Key_Return);
      });
      QVERIFY(seen.empty());
      QCOMPARE(TextOf(window, 1022), QStringLiteral("2451545.0000000"));
      QCOMPARE(TextOf(window, 1067), QStringLiteral("18h 41m 50.5s"));
      QCOMPARE(TextOf(window, 1056), QStringLiteral("3m 18.3s"));
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(WidgetOf<QPushButton>(window, 1024)));

      Press(window, 1024);
      QCOMPARE(TextOf(window, 1020), QStringLiteral("2451545.0000000"));
      Type(window, 1020, QStringLiteral("12a"));
      seen = harness.AnswerBoxes([&] { Press(window, 1021); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].icon, QMessageBox::Critical);
      QCOMPARE(seen[0].text,
               QString::fromUtf8("Erreur de saisie du jour julien.\n\nRecommencez !"));
      auto* edit = WidgetOf<QLineEdit>(window, 1020);
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(edit));
      QCOMPARE(edit->selectedText(), QStringLiteral("12a"));
      QCOMPARE(TextOf(window, 1023), QString());
    });
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  JulianDayTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "julianday.moc"
