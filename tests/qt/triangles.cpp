// The real windows of the spherical (144) and plane (146) triangle forms:
// tab order, initial focus and default button, and what the widgets add to the forms (Enter, focus, selection).
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "PlaneTriangleDlg.h"
#include "SphericalTriangleDlg.h"
#include "QtFormHarness.h"

namespace {

// The ids reached by pressing Tab from the focused widget, until the focus
// comes back to where it started.
QList<int> TabCycle(FormWindow& window) {
  QList<int> ids;
  QWidget* start = window.focusWidget();
  for (int i = 0; i < 60 && window.focusWidget(); ++i) {
    ids << window.focusWidget()->objectName().mid(2).toInt();
    QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    if (window.focusWidget() == start) break;
  }
  return ids;
}

// The first computation's default button holding the focus, Tab through
// tabOrder, and the help button opening its page (the widgets built from
// the table and their layout: the pictures test).
void CheckWindow(FormHarness& harness, CDialog& form, const QList<int>& tabOrder,
                 int help, const char* page) {
  harness.Run(form, [&](FormWindow& window) {
    QVERIFY(!window.findChild<QScrollArea*>());
    QVERIFY(WidgetOf<QPushButton>(window, 1103)->isDefault());
    QTRY_COMPARE(window.focusWidget(), window.Widget(1103));
    QCOMPARE(TabCycle(window), tabOrder);
    Press(window, help);
  });
  QCOMPARE(harness.helpPages.size(), size_t(1));
  QVERIFY(harness.helpPages[0].endsWith(QString::fromUtf8(page)));
}

}  // namespace

class TriangleFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void tabOrderFocusAndHelp() {
    {
      FormHarness harness;
      CSphericalTriangleDlg form(nullptr);
      CheckWindow(harness, form,
                  {1103, 1111, 1112, 1113, 1114, 1115, 1116, 1117, 1095, 1096, 1097, 1088,
                   1089, 1090, 1, 2, 1118, 1104, 1105},
                  1118, "help/SphericalTriangle_frameset.htm");
    }
    FormHarness harness;
    CPlaneTriangleDlg form(nullptr);
    CheckWindow(harness, form,
                {1103, 1111, 1112, 1114, 1115, 1095, 1096, 1097, 1088, 1089, 1090, 1, 2, 1108,
                 1104},
                1108, "help/FlatTriangle_frameset.htm");
  }

  void enterFocusAndSelectionThroughTheWidgets() {
    FormHarness harness;
    CSphericalTriangleDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      // A syntax error focuses the field with its text selected; typing
      // replaces it, and Enter runs the default button.
      Check(window, 1102);
      Type(window, 1088, QStringLiteral("40"));
      Type(window, 1096, QStringLiteral("5O"));
      Type(window, 1097, QStringLiteral("70"));
      auto seen = harness.AnswerBoxes([&] { Press(window, 1103); });
      QCOMPARE(seen.size(), size_t(1));
      QCOMPARE(seen[0], QMessageBox::Critical);
      auto* b = WidgetOf<QLineEdit>(window, 1096);
      QCOMPARE(window.focusWidget(), static_cast<QWidget*>(b));
      QCOMPARE(b->selectedText(), QStringLiteral("5O"));
      QTest::keyClicks(b, QStringLiteral("50"));
      QTest::keyClick(b, Qt::Key_Return);
      // cos a = cos b cos c + sin b sin c cos A: a = 39.53098 degrees.
      QCOMPARE(TextOf(window, 1091), QStringLiteral("39,53098"));
      QCOMPARE(window.focusWidget(), window.Widget(1));  // focus on Retour
    });
  }

  // A window larger than the room the screen leaves shows its content with
  // scroll bars and fits (one that fits has none: the pictures), and the
  // control that takes the focus is scrolled into view.
  void aWindowLargerThanTheScreenScrolls() {
    const QSize before = FormWindow::SetAvailableSize(QSize(400, 300));
    FormHarness harness;
    CSphericalTriangleDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      auto* area = window.findChild<QScrollArea*>();
      QVERIFY(area && window.width() <= 400 && window.height() <= 300);
      QVERIFY(area->horizontalScrollBar()->isVisible() && area->verticalScrollBar()->isVisible());
      QVERIFY2(LayoutProblems(window).isEmpty(), qPrintable(LayoutProblems(window).join('\n')));
      QWidget* far = window.Widget(1105);
      auto inView = [&] {
        return area->viewport()->rect().contains(QRect(far->mapTo(area->viewport(), QPoint()), far->size()));
      };
      QVERIFY(!inView());
      far->setFocus();
      QVERIFY(inView());
    });
    FormWindow::SetAvailableSize(before);
  }
};

ZENKO_QT_TEST_MAIN(TriangleFormsTest)

#include "triangles.moc"
