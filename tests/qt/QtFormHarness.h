// Helpers for Qt tests of the real form windows (run with the offscreen
// platform): open a form as the program does, act on it while it is shown,
// and answer message boxes.
#pragma once
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <clocale>
#include <functional>
#include <vector>

#include "Dialog.h"
#include "QtPlatform.h"

class FormHarness {
 public:
  FormHarness() {
    platform_.SetHelpOpener(
        [this](const QUrl& page) { helpPages.push_back(page.toLocalFile()); return true; });
  }

  QtPlatform& Platform() { return platform_; }

  // Runs body on the window of the form with this template id as soon as it
  // is the top window (it may be opened by the test or by another form).
  void WhenShown(int templateId, std::function<void(FormWindow&)> body) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [this, timer, templateId, body] {
      const auto& windows = platform_.Windows();
      if (windows.empty()) return;
      FormWindow* top = windows.back();
      if (top->Form().Template().id != templateId || !top->isVisible()) return;
      if (QApplication::activeModalWidget() != top) return;
      timer->stop();
      timer->deleteLater();
      body(*top);
    });
    timer->start();
  }

  // Opens the form modally (as the menu does), runs body once it is shown,
  // and returns the form's result. If body leaves the form open, it is
  // closed with Escape.
  int Run(CDialog& form, std::function<void(FormWindow&)> body) {
    WhenShown(form.Template().id, [body](FormWindow& window) {
      body(window);
      if (window.isVisible()) QTest::keyClick(&window, Qt::Key_Escape);
    });
    return form.DoModal();
  }

  // Runs action and accepts every message box it brings, recording the icon
  // of each.
  std::vector<QMessageBox::Icon> AnswerBoxes(const std::function<void()>& action) {
    std::vector<QMessageBox::Icon> seen;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      seen.push_back(box->icon());
      box->button(QMessageBox::Ok)->click();
    });
    timer.start();
    action();
    timer.stop();
    return seen;
  }

  std::vector<QString> helpPages;

 private:
  QtPlatform platform_;
};

template <typename W>
W* WidgetOf(FormWindow& window, int id) {
  return qobject_cast<W*>(window.Widget(id));
}

inline void Type(FormWindow& window, int id, const QString& text) {
  auto* edit = WidgetOf<QLineEdit>(window, id);
  QVERIFY(edit);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

inline void Press(FormWindow& window, int id) {
  auto* button = WidgetOf<QAbstractButton>(window, id);
  QVERIFY(button);
  QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks a radio button on its indicator, as a user does.
inline void Check(FormWindow& window, int id, bool doubleClick = false) {
  auto* radio = WidgetOf<QRadioButton>(window, id);
  QVERIFY(radio);
  QPoint indicator(8, radio->height() / 2);
  if (doubleClick) QTest::mouseDClick(radio, Qt::LeftButton, Qt::NoModifier, indicator);
  else QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, indicator);
}

inline QString TextOf(FormWindow& window, int id) {
  auto* edit = WidgetOf<QLineEdit>(window, id);
  return edit ? edit->text() : QString();
}

// Every label and frame title of the window, in creation order.
inline QStringList StaticTexts(FormWindow& window) {
  QStringList texts;
  for (QWidget* child : window.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(child)) texts << label->text();
    if (auto* group = qobject_cast<QGroupBox*>(child)) texts << group->title();
  }
  return texts;
}

// What is wrong with the window's layout as shown: a text cut in a label,
// button, radio button, frame title or result; two controls overlapping; a
// control leaving its window or its frame. Each problem names the form and
// the control.
inline QStringList LayoutProblems(FormWindow& window) {
  QStringList problems;
  const QString form = QStringLiteral("form %1").arg(window.Form().Template().id);
  auto name = [](QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return QStringLiteral("label '%1'").arg(label->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) return QStringLiteral("frame '%1'").arg(group->title());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
      return QStringLiteral("%1 '%2'").arg(w->objectName(), button->text());
    return w->objectName().isEmpty() ? QStringLiteral("a frameless group") : w->objectName();
  };
  // A frame without a layout of its own is drawn around cells of its
  // parent's grid: what it touches must lie inside it, under its title.
  auto around = [](QWidget* w) { return qobject_cast<QGroupBox*>(w) && !w->layout(); };
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  for (QWidget* w : widgets) {
    if (!w->isVisibleTo(&window) || w->isWindow()) continue;
    QWidget* parent = w->parentWidget();
    if (!parent || !(parent == &window || parent->layout())) continue;  // inner parts of a widget
    QString what = form + QStringLiteral(": ") + name(w);
    if (!parent->rect().contains(w->geometry()))
      problems << what + QStringLiteral(" leaves ") + (parent == &window ? QStringLiteral("the window") : name(parent));
    for (QWidget* other : widgets) {
      if (other == w || other->parentWidget() != parent || !other->isVisibleTo(&window)) continue;
      if (!w->geometry().intersects(other->geometry())) continue;
      if (around(other)) {
        int title = other->fontMetrics().height();
        if (!other->geometry().adjusted(1, title, -1, -1).contains(w->geometry()))
          problems << what + QStringLiteral(" straddles ") + name(other);
      } else if (!around(w) && w < other) {
        problems << what + QStringLiteral(" overlaps ") + name(other);
      }
    }
    QSize size = w->size();
    if (auto* label = qobject_cast<QLabel*>(w)) {
      int height = label->wordWrap() ? label->heightForWidth(size.width()) : label->sizeHint().height();
      if ((!label->wordWrap() && label->sizeHint().width() > size.width()) || height > size.height())
        problems << what + QStringLiteral(" is cut");
    } else if (qobject_cast<QAbstractButton*>(w)) {
      if (w->sizeHint().width() > size.width() || w->sizeHint().height() > size.height())
        problems << what + QStringLiteral(" is cut");
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      int title = group->fontMetrics().horizontalAdvance(group->title());
      if (title + 2 * group->fontMetrics().averageCharWidth() > size.width())
        problems << what + QStringLiteral(" has its title cut");
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      if (size.height() < edit->fontMetrics().height() + 4)
        problems << what + QStringLiteral(" is lower than a line of text");
      if (!FormWindow::TextFits(edit))
        problems << what + QStringLiteral(" cuts its text '%1'").arg(edit->text());
      int wanted = edit->minimumWidth() > 0 ? edit->minimumWidth() : edit->sizeHint().width();
      if (size.width() < wanted) problems << what + QStringLiteral(" is squeezed");
    }
  }
  return problems;
}

// Checks that the window has a widget for every control id of its table,
// of the right kind and with the table's text.
inline void CheckBuiltFromTable(FormWindow& window) {
  const FormTemplate& form = window.Form().Template();
  QCOMPARE(window.windowTitle(), QString::fromStdString(form.title));
  QStringList statics = StaticTexts(window);
  for (const Control& c : form.controls) {
    QString text = QString::fromStdString(c.text);
    if (c.kind == Kind::Group && (c.flags & kNoFrame)) continue;
    if (c.id == kStatic) {
      QVERIFY2(statics.contains(text), qPrintable("missing static text: " + text));
      continue;
    }
    QWidget* w = window.Widget(c.id);
    QVERIFY2(w, qPrintable(QStringLiteral("no widget for id %1").arg(c.id)));
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (c.kind == Kind::Button || c.kind == Kind::Radio) {
      QVERIFY(c.kind == Kind::Button ? qobject_cast<QPushButton*>(w) != nullptr
                                     : qobject_cast<QRadioButton*>(w) != nullptr);
      QCOMPARE(button->text(), text);
      if (auto* push = qobject_cast<QPushButton*>(w))
        QCOMPARE(push->isDefault(), (c.flags & kDefault) != 0);
    } else if (c.kind == Kind::Edit || c.kind == Kind::Number || c.kind == Kind::Result) {
      QVERIFY(qobject_cast<QLineEdit*>(w));
      QCOMPARE(static_cast<QLineEdit*>(w)->isReadOnly(), c.kind == Kind::Result);
    }
  }
}

// A test program's main: the forms print their numbers in the C locale,
// whatever the application sets from the environment.
#define ZENKO_QT_TEST_MAIN(TestClass)       \
  int main(int argc, char** argv) {         \
    QApplication app(argc, argv);           \
    std::setlocale(LC_NUMERIC, "C");        \
    TestClass test;                         \
    return QTest::qExec(&test, argc, argv); \
  }
