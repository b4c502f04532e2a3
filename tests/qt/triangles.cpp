// The real windows of the spherical (144) and plane (146) triangle forms:
// controls, labels, layout, tab order, initial focus and default button,
// and a few presses through the widgets.
#include <QtTest>

#include "PlaneTriangleDlg.h"
#include "SphericalTriangleDlg.h"
#include "QtFormHarness.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// No two controls or frames overlap, every control lies in the form and
// in its frame, and every text is shown whole in its widget.
void CheckLayout(FormWindow& window) {
  QStringList problems = LayoutProblems(window);
  QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

// The ids reached by pressing Tab from the focused widget, until the focus
// comes back to where it started.
QList<int> TabCycle(FormWindow& window) {
  QList<int> ids;
  QWidget* start = window.focusWidget();
  for (int i = 0; i < 60; ++i) {
    QWidget* w = window.focusWidget();
    if (!w) break;
    ids << w->objectName().mid(2).toInt();
    QTest::keyClick(w, Qt::Key_Tab);
    if (window.focusWidget() == start) break;
  }
  return ids;
}

void CheckFields(FormWindow& window) {
  for (int id : {1095, 1096, 1097, 1088, 1089, 1090, 1091, 1092, 1093, 1098, 1099, 1100}) {
    auto* edit = WidgetOf<QLineEdit>(window, id);
    QVERIFY(edit);
    QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(edit->text(), QString());
    bool result = id == 1091 || id == 1092 || id == 1093 || id >= 1098;
    QCOMPARE(edit->isReadOnly(), result);
  }
  for (int id : {1102, 1124, 1123}) QVERIFY(!WidgetOf<QRadioButton>(window, id)->isChecked());
  QCOMPARE(TextOf(window, 1102), Utf8("degrés décimaux (ddd.ddddd)"));
  QCOMPARE(TextOf(window, 1124), Utf8("degrés sexagésimaux (ddd:mm:ss.s)"));
  QCOMPARE(TextOf(window, 1123), Utf8("radians (r.rrrrrrr)"));
}

}  // namespace

class TriangleFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void sphericalFormIsBuiltFromItsTable() {
    FormHarness harness;
    CSphericalTriangleDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      CheckBuiltFromTable(window);
      CheckLayout(window);
      CheckFields(window);
      QCOMPARE(window.windowTitle(), Utf8("Résolution du triangle sphérique"));
      QStringList statics = StaticTexts(window);
      for (const char* text : {"Calculs :", "Formats :", "Données :", "Résultats :",
                               "Entrez 3 des 6 quantités suivantes :", "a", "b", "c", "A",
                               "B", "C"})
        QVERIFY2(statics.contains(Utf8(text)), text);
      QCOMPARE(statics.count(Utf8("(1ère solution)")), 2);
      QCOMPARE(statics.count(Utf8("(2ème solution)")), 2);
      const int buttons[] = {1103, 1111, 1112, 1113, 1114, 1115, 1116, 1117};
      const char* labels[] = {"(A, b, c) -> (a, B, C)", "(a, B, C) -> (A, b, c)",
                              "(a, b, c) -> (A, B, C)", "(A, B, C) -> (a, b, c)",
                              "(a, b, A) -> (B, C, c)", "(a, b, A) -> (B, C, c)",
                              "(A, B, a) -> (b, c, C)", "(A, B, a) -> (b, c, C)"};
      for (int i = 0; i < 8; ++i) QCOMPARE(TextOf(window, buttons[i]), Utf8(labels[i]));
      QCOMPARE(TextOf(window, 1104), Utf8("Effacer"));
      QCOMPARE(TextOf(window, 1105), Utf8("Triangle complémentaire"));
      QCOMPARE(TextOf(window, 1), Utf8("&Retour"));
      QCOMPARE(TextOf(window, 2), Utf8("&Exit"));
      QCOMPARE(TextOf(window, 1118), Utf8("&Aide"));

      // 1103 is the default button and holds the focus.
      QVERIFY(WidgetOf<QPushButton>(window, 1103)->isDefault());
      QTRY_COMPARE(window.focusWidget(), window.Widget(1103));
      QCOMPARE(TabCycle(window), (QList<int>{1103, 1111, 1112, 1113, 1114, 1115, 1116,
                                             1117, 1095, 1096, 1097, 1088, 1089, 1090, 1,
                                             2, 1118, 1104, 1105}));
      Press(window, 1118);
    });
    QCOMPARE(harness.helpPages.size(), size_t(1));
    QVERIFY(harness.helpPages[0].endsWith(QStringLiteral("help/SphericalTriangle_frameset.htm")));
  }

  void sphericalPressesThroughTheWidgets() {
    FormHarness harness;
    CSphericalTriangleDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      // Enter runs 1103, which asks for a format.
      auto seen = harness.AnswerBoxes(
          [&] { QTest::keyClick(WidgetOf<QLineEdit>(window, 1088), Qt::Key_Return); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].icon, QMessageBox::Warning);
      QCOMPARE(seen[0].text, Utf8("Précisez le format des données :\ndegrés décimaux, "
                                  "degrés sexagésimaux ou radians."));

      Check(window, 1102);
      Type(window, 1088, QStringLiteral("40"));
      Type(window, 1096, QStringLiteral("5O"));
      Type(window, 1097, QStringLiteral("70"));
      seen = harness.AnswerBoxes([&] { Press(window, 1103); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].icon, QMessageBox::Critical);
      QCOMPARE(seen[0].text, Utf8("Erreur de saisie :\nle format est xxx.xxx\n\nRecommencez !"));
      auto* b = WidgetOf<QLineEdit>(window, 1096);
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(b));
      QCOMPARE(b->selectedText(), QStringLiteral("5O"));
      QTest::keyClicks(b, QStringLiteral("50"));
      QTest::keyClick(b, Qt::Key_Return);
      QCOMPARE(TextOf(window, 1091), QStringLiteral("39,53098"));
      QCOMPARE(TextOf(window, 1099), QStringLiteral("50,67985"));
      QCOMPARE(TextOf(window, 1100), QStringLiteral("108,38070"));
      QCOMPARE(window.focusWidget(), window.Widget(1));

      // A failed press makes its button the default: Enter in a field
      // then runs it.
      Type(window, 1095, QString());
      Press(window, 1112);
      QVERIFY(WidgetOf<QPushButton>(window, 1112)->isDefault());
      QVERIFY(!WidgetOf<QPushButton>(window, 1103)->isDefault());
      QCOMPARE(window.focusWidget(), window.Widget(1095));
      QTest::keyClicks(WidgetOf<QLineEdit>(window, 1095), QStringLiteral("50"));
      Type(window, 1096, QStringLiteral("60"));
      QTest::keyClick(WidgetOf<QLineEdit>(window, 1096), Qt::Key_Return);
      QCOMPARE(TextOf(window, 1098), QStringLiteral("54,56891"));

      // The complementary triangle writes the data fields.
      Type(window, 1088, QStringLiteral("100"));
      Type(window, 1089, QStringLiteral("120"));
      Type(window, 1090, QStringLiteral("150"));
      Press(window, 1105);
      QCOMPARE(TextOf(window, 1088), QStringLiteral("260,00000"));
      QCOMPARE(TextOf(window, 1089), QStringLiteral("240,00000"));
      QCOMPARE(TextOf(window, 1090), QStringLiteral("210,00000"));
      QVERIFY(WidgetOf<QPushButton>(window, 1105)->isDefault());

      // "Effacer" empties every field and keeps the format.
      Press(window, 1104);
      for (int id : {1095, 1088, 1091, 1098}) QCOMPARE(TextOf(window, id), QString());
      QVERIFY(WidgetOf<QRadioButton>(window, 1102)->isChecked());
      QVERIFY(WidgetOf<QPushButton>(window, 1105)->isDefault());
    });
  }

  void planeFormIsBuiltFromItsTable() {
    FormHarness harness;
    CPlaneTriangleDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      CheckBuiltFromTable(window);
      CheckLayout(window);
      CheckFields(window);
      QCOMPARE(window.windowTitle(), Utf8("Résolution du triangle plan"));
      QStringList statics = StaticTexts(window);
      for (const char* text : {"Calculs :", "Formats pour les angles A, B et C :", "Données :",
                               "Résultats :", "Entrez 3 des 6 quantités suivantes :",
                               "(1ère solution)", "(2ème solution)"})
        QVERIFY2(statics.contains(Utf8(text)), text);
      QCOMPARE(TextOf(window, 1103), Utf8("(A, b, c) -> (a, B, C)"));
      QCOMPARE(TextOf(window, 1111), Utf8("(a, B, C) -> (A, b, c)"));
      QCOMPARE(TextOf(window, 1112), Utf8("(a, b, c) -> (A, B, C)"));
      QCOMPARE(TextOf(window, 1114), Utf8("(a, b, A) -> (B, C, c)"));
      QCOMPARE(TextOf(window, 1115), Utf8("(a, b, A) -> (B, C, c)"));
      QCOMPARE(TextOf(window, 1104), Utf8("Effacer"));
      QCOMPARE(TextOf(window, 1108), Utf8("&Aide"));
      QVERIFY(!window.Widget(1113) && !window.Widget(1105));

      QVERIFY(WidgetOf<QPushButton>(window, 1103)->isDefault());
      QTRY_COMPARE(window.focusWidget(), window.Widget(1103));
      QCOMPARE(TabCycle(window), (QList<int>{1103, 1111, 1112, 1114, 1115, 1095, 1096, 1097,
                                             1088, 1089, 1090, 1, 2, 1108, 1104}));
      Press(window, 1108);
    });
    QCOMPARE(harness.helpPages.size(), size_t(1));
    QVERIFY(harness.helpPages[0].endsWith(QStringLiteral("help/FlatTriangle_frameset.htm")));
  }

  void planePressesThroughTheWidgets() {
    FormHarness harness;
    CPlaneTriangleDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      // Three sides and no format: one notice for each angle to write,
      // nothing written, the focus on the pressed button.
      Type(window, 1095, QStringLiteral("3"));
      Type(window, 1096, QStringLiteral("4"));
      Type(window, 1097, QStringLiteral("5"));
      auto seen = harness.AnswerBoxes([&] { Press(window, 1112); });
      QCOMPARE(seen.size(), size_t(3));
      for (const SeenBox& box : seen) {
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.text, Utf8("Précisez le format des données angulaires :\ndegrés "
                                "décimaux, degrés sexagésimaux ou radians."));
      }
      QCOMPARE(TextOf(window, 1098), QString());
      QCOMPARE(window.focusWidget(), window.Widget(1112));
      QVERIFY(WidgetOf<QPushButton>(window, 1112)->isDefault());

      Check(window, 1124);
      QTest::keyClick(WidgetOf<QLineEdit>(window, 1097), Qt::Key_Return);
      QCOMPARE(TextOf(window, 1098), Utf8("36° 52' 12\""));
      QCOMPARE(TextOf(window, 1099), Utf8("53° 7' 48\""));
      QCOMPARE(TextOf(window, 1100), Utf8("90° 0' 0\""));

      // The ambiguous case: the second button, then the single-triangle
      // notice when a is the longer side.
      Type(window, 1088, QStringLiteral("30:0:0"));
      Press(window, 1115);
      QCOMPARE(TextOf(window, 1093), QStringLiteral("1,22803"));
      QCOMPARE(TextOf(window, 1099), Utf8("138° 11' 23\""));
      QCOMPARE(window.focusWidget(), window.Widget(1115));
      Type(window, 1095, QStringLiteral("5"));
      seen = harness.AnswerBoxes([&] { Press(window, 1115); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].icon, QMessageBox::Information);
      QCOMPARE(seen[0].text, Utf8("Il n'existe qu'un seul triangle avec\nles côtés a et b, et "
                                  "l'angle A choisis."));
      QCOMPARE(TextOf(window, 1093), QStringLiteral("1,22803"));

      // A sum of B and C that is too large: focus on B, text selected.
      Check(window, 1102);
      Type(window, 1089, QStringLiteral("100"));
      Type(window, 1090, QStringLiteral("80"));
      seen = harness.AnswerBoxes([&] { Press(window, 1111); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0].icon, QMessageBox::Critical);
      auto* B = WidgetOf<QLineEdit>(window, 1089);
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(B));
      QCOMPARE(B->selectedText(), QStringLiteral("100"));
      Press(window, 1104);
      QCOMPARE(TextOf(window, 1093), QString());
      QVERIFY(WidgetOf<QPushButton>(window, 1111)->isDefault());
    });
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  TriangleFormsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "triangles.moc"
