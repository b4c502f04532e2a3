// The real windows of the interpolation and the zero and extremum forms.
#include <QtTest>

#include "InterpolationDlg.h"
#include "ZeroExtremumDlg.h"
#include "QtFormHarness.h"

namespace {

void RightRelease(QWidget* w) {
  QTest::mouseRelease(w, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
}

QLabel* LabelWithText(FormWindow& window, const QString& text) {
  for (auto* label : window.findChildren<QLabel*>())
    if (label->text() == text) return label;
  return nullptr;
}

}  // namespace

class InterpFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void interpolationGridAndVariationReport() {
    FormHarness harness;
    CInterpolationDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      CheckBuiltFromTable(window);
      QVERIFY(window.windowFlags() & Qt::WindowContextHelpButtonHint);
      // The title bar's question mark opens the form's topic.
      QEvent whatsThis(QEvent::EnterWhatsThisMode);
      QApplication::sendEvent(&window, &whatsThis);
      QCOMPARE(harness.helpPages.size(), size_t(1));
      QVERIFY(harness.helpPages[0].endsWith(QStringLiteral("Interpolation_frameset.htm")));
      for (int id : {1001, 1005, 1009, 1013, 1017, 1022})
        QCOMPARE(TextOf(window, id), QStringLiteral("0:0:0"));
      for (int id : {1000, 1002, 1003, 1018, 1019, 1021})
        QCOMPARE(TextOf(window, id), QString());
      QCOMPARE(TextOf(window, 1023), QStringLiteral("3"));
      for (int id : {1024, 1027, 1028, 1029, 1030, 1031})
        QVERIFY(!WidgetOf<QRadioButton>(window, id)->isChecked());
      QVERIFY(WidgetOf<QPushButton>(window, 1020)->isDefault());

      Type(window, 1023, QStringLiteral("2"));
      Type(window, 1000, QStringLiteral("1/1/2000"));
      Type(window, 1004, QStringLiteral("2/1/2000"));
      Type(window, 1002, QStringLiteral("10"));
      Type(window, 1006, QStringLiteral("20"));
      Type(window, 1021, QStringLiteral("1/1/2000"));
      Type(window, 1022, QStringLiteral("6:0:0"));
      Check(window, 1024);
      // Enter in a field runs Calcul; the focus goes to Retour.
      auto seen = harness.AnswerBoxes([&] {
        QTest::keyClick(WidgetOf<QLineEdit>(window, 1022), Qt::Key_Return);
      });
      QCOMPARE(seen.size(), size_t(0));
      QCOMPARE(TextOf(window, 1025), QStringLiteral("12.500000"));
      QCOMPARE(window.focusWidget(), window.Widget(1));

      // Over an edit field or a button: no report.
      seen = harness.AnswerBoxes([&] {
        RightRelease(window.Widget(1002));
        RightRelease(window.Widget(1020));
      });
      QCOMPARE(seen.size(), size_t(0));
      // Over a label, and over the form itself: the report.
      QLabel* label = LabelWithText(window, QStringLiteral("Fonction 1"));
      QVERIFY(label);
      seen = harness.AnswerBoxes([&] {
        RightRelease(label);
        QTest::mouseRelease(&window, Qt::RightButton, Qt::NoModifier,
                            QPoint(window.width() - 5, window.height() - 5));
      });
      QCOMPARE(seen.size(), size_t(2));
      for (const SeenBox& box : seen) {
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.text,
                 QString::fromUtf8("Variation du terme de plus haut degré entre les 2 "
                                   "points extrêmes :\n\n 10.000000"));
      }
    });
  }

  void zeroExtremumEnterRunsInitialisation() {
    FormHarness harness;
    CZeroExtremumDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      CheckBuiltFromTable(window);
      QVERIFY(!(window.windowFlags() & Qt::WindowContextHelpButtonHint));
      QVERIFY(WidgetOf<QPushButton>(window, 5)->isDefault());
      QCOMPARE(TextOf(window, 1017), QStringLiteral("0:0:0"));
      Type(window, 1023, QStringLiteral("2"));
      Type(window, 1000, QStringLiteral("1/1/2000"));
      Type(window, 1001, QStringLiteral("12:0:0"));
      Type(window, 1004, QStringLiteral("3/1/2000"));
      Type(window, 1005, QStringLiteral("12:0:0"));
      Type(window, 1072, QStringLiteral("-1"));
      Check(window, 1076);
      // Row 2 value missing: Enter initialises, the focus goes to it silently.
      auto seen = harness.AnswerBoxes([&] {
        QTest::keyClick(WidgetOf<QLineEdit>(window, 1072), Qt::Key_Return);
      });
      QCOMPARE(seen.size(), size_t(0));
      QCOMPARE(window.focusWidget(), window.Widget(1073));
      Type(window, 1073, QStringLiteral("1"));
      seen = harness.AnswerBoxes([&] {
        QTest::keyClick(WidgetOf<QLineEdit>(window, 1073), Qt::Key_Return);
      });
      QCOMPARE(seen.size(), size_t(0));
      QCOMPARE(TextOf(window, 1079), QString());  // nothing shown by Initialisation
      Press(window, 1022);
      QCOMPARE(TextOf(window, 1079), QStringLiteral("2/1/2000"));
      QCOMPARE(TextOf(window, 1080), QStringLiteral("12h 0m 0.0s"));
      QCOMPARE(TextOf(window, 1029), QStringLiteral("0."));
      QCOMPARE(window.focusWidget(), window.Widget(1022));
    });
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  InterpFormsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "interp_forms.moc"
