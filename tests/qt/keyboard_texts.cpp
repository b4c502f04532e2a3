// What the real windows offer beyond the forms themselves: Qt's own texts
// in French, the first field's text selected, the triangle formats chosen
// from the keyboard, a long result readable in its tooltip, and title bars
// without buttons that could do nothing, on windows that keep their size.
#include <QtTest>

#include <QMenu>
#include <QToolTip>

#include "FormPicture.h"
#include "KeplerSpeedDlg.h"
#include "PlaneTriangleDlg.h"
#include "PrecessionDlg.h"
#include "QtFormHarness.h"

namespace {
constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;
const Qt::WindowFlags kTitleButtons = Qt::CustomizeWindowHint | Qt::WindowMaximizeButtonHint |
                                      Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}  // namespace

class KeyboardTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void contextMenuOfAFieldIsInFrench() {
    QVERIFY2(QtPlatform::LoadQtTranslation(), "qtbase_fr is not installed");
    FormSnapshot snapshot(132);
    std::unique_ptr<QMenu> menu(
        WidgetOf<QLineEdit>(snapshot.Window(), 1041)->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) texts << action->text().remove('&').section('\t', 0, 0);
    QVERIFY2(texts.contains(QStringLiteral("Copier")) &&
                 texts.contains(QString::fromUtf8("Tout sélectionner")),
             qPrintable(texts.join('|')));
  }

  void precessionFormOpensWithItsEpochSelected() {
    FormHarness harness;
    CPrecessionDlg form(nullptr);
    harness.Run(form, [](FormWindow& window) {
      QVERIFY(QTest::qWaitForWindowActive(&window));
      auto* edit = qobject_cast<QLineEdit*>(window.focusWidget());
      QVERIFY(edit && edit->objectName() == QStringLiteral("id1041"));
      QCOMPARE(edit->selectedText(), QStringLiteral("J2000"));
      QTest::keyClicks(edit, QStringLiteral("J1950"));  // replaces the epoch
      QCOMPARE(edit->text(), QStringLiteral("J1950"));
    });
  }

  void triangleFormatsAreChosenFromTheKeyboard() {
    FormHarness harness;
    CPlaneTriangleDlg form(nullptr);
    harness.Run(form, [](FormWindow& window) {
      QVERIFY(QTest::qWaitForWindowActive(&window) && window.focusWidget());
      auto* decimal = WidgetOf<QRadioButton>(window, 1102);
      auto* sexagesimal = WidgetOf<QRadioButton>(window, 1124);
      auto* radians = WidgetOf<QRadioButton>(window, 1123);
      QCOMPARE(decimal->focusPolicy(), Qt::ClickFocus);  // out of the tab order
      QTest::keyClick(window.focusWidget(), Qt::Key_2, Qt::ControlModifier);
      QVERIFY(sexagesimal->isChecked() && !decimal->isChecked());
      QCOMPARE(window.focusWidget(), sexagesimal);
      // The arrow keys move within the group, checking as they go.
      QTest::keyClick(sexagesimal, Qt::Key_Down);
      QVERIFY(radians->isChecked());
      QTest::keyClick(radians, Qt::Key_Up);
      QTest::keyClick(window.focusWidget(), Qt::Key_Up);
      QVERIFY(decimal->isChecked());
      QTest::keyClick(window.focusWidget(), Qt::Key_3, Qt::ControlModifier);
      QVERIFY(radians->isChecked());
    });
  }

  void longResultShowsItsBeginningAndTooltip() {
    FormHarness harness;
    harness.Platform().SetMessageShower([](const std::string&, Icon) {});
    FormSnapshot snapshot(164);
    // a = 10^24 AU: speeds far longer than their fields.
    snapshot.Play("click 1136\nset 1095 1000000000000000000000000\nset 1121 0,5\n"
                  "set 1122 1\nclick 1129\n");
    FormWindow& window = snapshot.Window();
    window.show();
    QApplication::processEvents();
    auto* result = WidgetOf<QLineEdit>(window, 1127);
    QVERIFY2(result->text().size() > 25 && !FormWindow::TextFits(result),
             qPrintable(result->text()));
    QCOMPARE(result->cursorPosition(), 0);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), result->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(result, &help);
    QCOMPARE(QToolTip::text(), result->text());
    QToolTip::hideText();
    window.hide();
  }

  // Title bars without maximise and minimise buttons; a window manager may
  // still ask a fixed-size window to be maximised or shown full screen:
  // the window goes back to its normal state and keeps its size, while
  // minimising stays the window manager's business.
  void windowsOfferNoUselessButtonsAndRefuseToGrow() {
    for (int id : {102, 100, 131, 164}) {
      FormSnapshot snapshot(id);
      FormWindow& window = snapshot.Window();
      QCOMPARE(window.windowFlags() & kTitleButtons,
               Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
      QCOMPARE(bool(window.windowFlags() & Qt::WindowContextHelpButtonHint),
               window.Form().Template().contextHelp);
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      const QSize before = window.size();
      for (Qt::WindowState asked : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        window.setWindowState(asked);
        QTRY_VERIFY2(!(window.windowState() & kLarger), qPrintable(QString::number(id)));
        QCOMPARE(window.size(), before);
      }
      window.setWindowState(Qt::WindowMinimized);
      QApplication::processEvents();
      QVERIFY(window.windowState() & Qt::WindowMinimized);
      window.hide();
    }
    // A message box (the orbital speed form without a unit): the same.
    FormHarness harness;
    CKeplerSpeedDlg form(nullptr);
    harness.Run(form, [&](FormWindow& window) {
      QCOMPARE(harness.AnswerBoxes([&] { Press(window, 1129); }, [](QMessageBox& box) {
        QCOMPARE(box.windowFlags() & (kTitleButtons & ~Qt::WindowCloseButtonHint), Qt::CustomizeWindowHint);
        box.setWindowState(Qt::WindowFullScreen);
        QTRY_VERIFY(!(box.windowState() & kLarger));
      }).size(), 1u);
    });
  }
};

ZENKO_QT_TEST_MAIN(KeyboardTextsTest)

#include "keyboard_texts.moc"
