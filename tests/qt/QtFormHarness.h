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
#include <functional>
#include <vector>

#include "app/Dialog.h"
#include "app/qt/QtPlatform.h"

struct SeenBox {
  QMessageBox::Icon icon;
  QString text;
};

class FormHarness {
 public:
  FormHarness() {
    platform_.SetHelpOpener([this](const QString& page) { helpPages.push_back(page); });
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

  // Runs action and accepts every message box it brings, recording each.
  std::vector<SeenBox> AnswerBoxes(const std::function<void()>& action) {
    std::vector<SeenBox> seen;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      seen.push_back({box->icon(), box->text()});
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
  if (doubleClick) {
    QTest::mouseDClick(radio, Qt::LeftButton, Qt::NoModifier, indicator);
  } else {
    QTest::mouseClick(radio, Qt::LeftButton, Qt::NoModifier, indicator);
  }
}

inline QString TextOf(FormWindow& window, int id) {
  if (auto* edit = WidgetOf<QLineEdit>(window, id)) return edit->text();
  if (auto* button = WidgetOf<QAbstractButton>(window, id)) return button->text();
  return QString();
}

// Every label and frame title of the window, in creation order.
inline QStringList StaticTexts(FormWindow& window) {
  QStringList texts;
  for (QObject* child : window.children()) {
    if (auto* label = qobject_cast<QLabel*>(child)) texts << label->text();
    if (auto* group = qobject_cast<QGroupBox*>(child)) texts << group->title();
  }
  return texts;
}

// Checks that the window has a widget for every control id of its table,
// of the right kind and with the table's text.
inline void CheckBuiltFromTable(FormWindow& window) {
  const FormTemplate& form = window.Form().Template();
  QCOMPARE(window.windowTitle(), QString::fromStdString(form.title));
  QStringList statics = StaticTexts(window);
  for (const Control& c : form.controls) {
    QString text = QString::fromStdString(c.text);
    if (c.id == kStatic) {
      QVERIFY2(statics.contains(text), qPrintable("missing static text: " + text));
      continue;
    }
    QWidget* w = window.Widget(c.id);
    QVERIFY2(w, qPrintable(QStringLiteral("no widget for id %1").arg(c.id)));
    switch (c.kind) {
      case Kind::Button:
        QVERIFY(qobject_cast<QPushButton*>(w));
        QCOMPARE(static_cast<QPushButton*>(w)->text(), text);
        QCOMPARE(static_cast<QPushButton*>(w)->isDefault(), (c.flags & kDefault) != 0);
        break;
      case Kind::Radio:
        QVERIFY(qobject_cast<QRadioButton*>(w));
        QCOMPARE(static_cast<QRadioButton*>(w)->text(), text);
        break;
      case Kind::Edit:
      case Kind::Number:
        QVERIFY(qobject_cast<QLineEdit*>(w));
        QVERIFY(!static_cast<QLineEdit*>(w)->isReadOnly());
        break;
      case Kind::Result:
        QVERIFY(qobject_cast<QLineEdit*>(w));
        QVERIFY(static_cast<QLineEdit*>(w)->isReadOnly());
        break;
      default:
        break;
    }
  }
}
