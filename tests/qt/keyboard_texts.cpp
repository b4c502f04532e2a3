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
// Opens the orbital speed form, asks it for a calculation with nothing
// typed (a message box), and hands the box to `step` at each tick until
// `step` says it is done; the box is then closed with OK.
void WithAMessageBox(const std::function<bool(QMessageBox&)>& step) {
  FormHarness harness;
  CKeplerSpeedDlg form(nullptr);
  harness.Run(form, [&](FormWindow& window) {
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      if (step(*box)) box->button(QMessageBox::Ok)->click();
    });
    timer.start();
    Press(window, 1129);
    timer.stop();
  });
}
}  // namespace

class KeyboardTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void contextMenuOfAFieldIsInFrench() {
    QVERIFY2(QtPlatform::LoadQtTranslation(), "qtbase_fr is not installed");
    FormSnapshot snapshot(132);
    auto* edit = WidgetOf<QLineEdit>(snapshot.Window(), 1041);
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) texts << action->text().remove('&').section('\t', 0, 0);
    QVERIFY2(texts.contains(QStringLiteral("Copier")), qPrintable(texts.join('|')));
    QVERIFY2(texts.contains(QString::fromUtf8("Tout sélectionner")), qPrintable(texts.join('|')));
  }

  void precessionFormOpensWithItsEpochSelected() {
    FormHarness harness;
    CPrecessionDlg form(nullptr);
    harness.Run(form, [](FormWindow& window) {
      QVERIFY(QTest::qWaitForWindowActive(&window));
      auto* edit = qobject_cast<QLineEdit*>(window.focusWidget());
      QVERIFY(edit);
      QCOMPARE(edit->objectName(), QStringLiteral("id1041"));
      QCOMPARE(edit->text(), QStringLiteral("J2000"));
      QCOMPARE(edit->selectedText(), QStringLiteral("J2000"));
      // Typing replaces the epoch instead of going before it.
      QTest::keyClicks(edit, QStringLiteral("J1950"));
      QCOMPARE(edit->text(), QStringLiteral("J1950"));
    });
  }

  void triangleFormatsAreChosenFromTheKeyboard() {
    FormHarness harness;
    CPlaneTriangleDlg form(nullptr);
    harness.Run(form, [](FormWindow& window) {
      QVERIFY(QTest::qWaitForWindowActive(&window));
      QVERIFY(window.focusWidget());
      auto* decimal = WidgetOf<QRadioButton>(window, 1102);
      auto* sexagesimal = WidgetOf<QRadioButton>(window, 1124);
      auto* radians = WidgetOf<QRadioButton>(window, 1123);
      QCOMPARE(decimal->focusPolicy(), Qt::ClickFocus);  // out of the tab order
      QTest::keyClick(window.focusWidget(), Qt::Key_2, Qt::ControlModifier);
      QVERIFY(sexagesimal->isChecked());
      QVERIFY(!decimal->isChecked());
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
    SetMessageHandler([](const std::string&, Icon) {});
    FormSnapshot snapshot(164);
    // a = 10^24 AU: speeds far longer than their fields.
    snapshot.Play("click 1136\nset 1095 1000000000000000000000000\nset 1121 0,5\n"
                  "set 1122 1\nclick 1129\n");
    FormWindow& window = snapshot.Window();
    window.show();
    QApplication::processEvents();
    auto* result = WidgetOf<QLineEdit>(window, 1127);
    QVERIFY2(result->text().size() > 25, qPrintable(result->text()));
    QVERIFY(!FormWindow::TextFits(result));
    QCOMPARE(result->cursorPosition(), 0);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), result->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(result, &help);
    QCOMPARE(QToolTip::text(), result->text());
    QToolTip::hideText();
    window.hide();
  }

  void titleBarsOfferNoUselessButtons() {
    const Qt::WindowFlags kButtons = Qt::CustomizeWindowHint | Qt::WindowMaximizeButtonHint |
                                     Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    for (int id : {102, 100, 131, 164}) {
      FormSnapshot snapshot(id);
      Qt::WindowFlags flags = snapshot.Window().windowFlags();
      QCOMPARE(flags & kButtons, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
      QCOMPARE(bool(flags & Qt::WindowContextHelpButtonHint),
               snapshot.Window().Form().Template().contextHelp);
    }
    // A message box: the same.
    Qt::WindowFlags boxFlags;
    WithAMessageBox([&](QMessageBox& box) {
      boxFlags = box.windowFlags();
      return true;
    });
    QVERIFY(boxFlags & Qt::CustomizeWindowHint);
    QVERIFY(!(boxFlags & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
  }

  // A window manager may still ask a fixed-size window to be maximised or
  // shown full screen (from its own menu, a key, a pager): the window goes
  // back to its normal state and keeps its size.
  void windowsRefuseToGrow() {
    constexpr Qt::WindowStates kLarger = Qt::WindowMaximized | Qt::WindowFullScreen;
    for (int id : {102, 164}) {
      for (Qt::WindowState asked : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        FormSnapshot snapshot(id);
        FormWindow& window = snapshot.Window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSize before = window.size();
        window.setWindowState(asked);
        QTRY_VERIFY2(!(window.windowState() & kLarger), qPrintable(QString::number(id)));
        QCOMPARE(window.size(), before);
        // Minimising stays the window manager's business.
        window.setWindowState(Qt::WindowMinimized);
        QApplication::processEvents();
        QVERIFY(window.windowState() & Qt::WindowMinimized);
        window.hide();
      }
    }
    // A message box: the same, looked at on the tick after the request.
    bool asked = false;
    bool seen = false;
    Qt::WindowStates boxState;
    WithAMessageBox([&](QMessageBox& box) {
      if (!asked) {
        asked = true;
        box.setWindowState(Qt::WindowFullScreen);
        return false;
      }
      seen = true;
      boxState = box.windowState();
      return true;
    });
    QVERIFY(seen);
    QVERIFY(!(boxState & kLarger));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  KeyboardTextsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "keyboard_texts.moc"
