// The interpolation form's right click, which only the real widgets can
// tell apart: over a label or the form it reports the leading term, over a
// field or a button it does nothing.
#include <QtTest>
#include <map>
#include <memory>

#include "QtFormHarness.h"

class RightClickTest : public QObject {
  Q_OBJECT

 private slots:
  // Two points, (1/1/2000, 10) and (2/1/2000, 20): the variation is 10.
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
  RightClickTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "right_click.moc"
