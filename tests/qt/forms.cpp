// What only the real widgets do: Enter in a field presses the default
// button, a refused field takes the focus with its text selected, and a
// right click on the interpolation form reports the leading term.
#include <QtTest>
#include <map>

#include "QtFormHarness.h"

namespace {

struct Case {
  int form;
  std::vector<std::pair<int, QString>> typed;
  int radio;     // checked before acting, or 0
  int returnIn;  // Enter in this field, or 0
  int press;     // else this button
  int boxes;     // message boxes seen
  int focus;     // the focused control afterwards
  QString selected;
  std::map<int, QString> shown;
};

}  // namespace

class FormsTest : public QObject {
  Q_OBJECT

 private slots:
  void enterAndRefusedFields() {
    const Case cases[] = {
        // The Julian Day form's worked example: 01/01/2000 12:00:00 UT.
        {130, {{1018, "01/01/2000"}, {1025, "12:00:00"}}, 0, 1025, 0, 0, 1024, "",
         {{1022, "2451545.0000000"}, {1067, "18h 41m 50.5s"}, {1056, "3m 18.3s"}}},
        {130, {{1020, "12a"}}, 0, 0, 1021, 1, 1020, "12a", {{1023, ""}}},
        {129, {{1007, "45:0:0"}, {1009, "12.5"}}, 0, 1007, 0, 1, 1009, "12.5", {{1015, ""}}},
        {132, {{1042, "12:0:0"}, {1043, "30:0:0"}, {1044, "0,5x"}}, 0, 0, 1017, 1, 1044, "0,5x", {}},
        // Two points (1/1/2000, 10) and (2/1/2000, 20): 12.5 a quarter-day on.
        {131, {{1023, "2"}, {1000, "1/1/2000"}, {1004, "2/1/2000"}, {1002, "10"}, {1006, "20"},
               {1021, "1/1/2000"}, {1022, "6:0:0"}}, 1024, 1022, 0, 0, 1, "", {{1025, "12.500000"}}},
        // Enter runs Initialisation, which sends the focus to the missing value.
        {143, {{1023, "2"}, {1000, "1/1/2000"}, {1001, "12:0:0"}, {1004, "3/1/2000"},
               {1005, "12:0:0"}, {1072, "-1"}}, 1076, 1072, 0, 0, 1073, "", {{1079, ""}}},
    };
    for (const Case& c : cases) {
      FormHarness harness;
      std::unique_ptr<CDialog> form = CreateForm(c.form, nullptr);
      harness.Run(*form, [&](FormWindow& window) {
        for (const auto& [id, text] : c.typed) Type(window, id, text);
        if (c.radio) Check(window, c.radio);
        auto seen = harness.AnswerBoxes([&] {
          if (c.returnIn) QTest::keyClick(window.Widget(c.returnIn), Qt::Key_Return);
          else Press(window, c.press);
        });
        QCOMPARE(int(seen.size()), c.boxes);
        QCOMPARE(window.focusWidget(), window.Widget(c.focus));
        if (!c.selected.isEmpty()) QCOMPARE(WidgetOf<QLineEdit>(window, c.focus)->selectedText(), c.selected);
        for (const auto& [id, text] : c.shown) QCOMPARE(TextOf(window, id), text);
      });
    }
  }

  // A right click on a label or the form reports the variation of the
  // leading term (10 between the two points above); not on a field or button.
  void rightClickReportsTheLeadingTerm() {
    FormHarness harness;
    std::unique_ptr<CDialog> form = CreateForm(131, nullptr);
    harness.Run(*form, [&](FormWindow& window) {
      for (const auto& [id, text] : std::map<int, QString>{
               {1023, "2"}, {1000, "1/1/2000"}, {1004, "2/1/2000"}, {1002, "10"}, {1006, "20"},
               {1021, "1/1/2000"}})
        Type(window, id, text);
      Check(window, 1024);
      Press(window, 1020);  // the report is of the last computation
      auto release = [](QWidget* w, QPoint at) {
        QTest::mouseRelease(w, Qt::RightButton, Qt::NoModifier, at);
      };
      auto seen = harness.AnswerBoxes([&] {
        release(window.Widget(1002), QPoint(3, 3));
        release(window.Widget(1020), QPoint(3, 3));
      });
      QCOMPARE(seen.size(), size_t(0));
      QLabel* label = nullptr;
      for (auto* l : window.findChildren<QLabel*>())
        if (l->text() == QStringLiteral("Fonction 1")) label = l;
      QVERIFY(label);
      seen = harness.AnswerBoxes([&] {
        release(label, QPoint(3, 3));
        release(&window, QPoint(window.width() - 5, window.height() - 5));
      });
      QCOMPARE(seen.size(), size_t(2));
      for (const SeenBox& box : seen)
        QCOMPARE(box.text, QString::fromUtf8("Variation du terme de plus haut degré entre les 2 "
                                             "points extrêmes :\n\n 10.000000"));
    });
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  FormsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "forms.moc"
