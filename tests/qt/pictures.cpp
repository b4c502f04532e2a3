// Every form built into the program renders with the real widgets, built
// from its control table, and its layout holds at any font: at the default font and at 8, 12 and 16 pt, no
// text of a label, button, radio button, frame title or result is cut, no
// two controls overlap, no control leaves its window or its frame. At the
// default font every window fits a 1280×800 screen, scaled with the
// screen's scale factor (ctest runs this program again at scales 1.5 and 2).
#include <QtTest>

#include "FormPicture.h"
#include "QtFormHarness.h"

class PicturesTest : public QObject {
  Q_OBJECT

 private:
  // Checks every form after its worked example at the current font.
  void CheckEveryForm(bool checkSize) {
    FormHarness harness;
    harness.Platform().SetMessageShower([](const std::string&, Icon) {});
    const QString font = QStringLiteral("%1 pt").arg(QApplication::font().pointSizeF());
    for (int id : RegisteredForms()) {
      FormSnapshot snapshot(id);
      QVERIFY(snapshot.valid());
      CheckBuiltFromTable(snapshot.Window());
      snapshot.PlayExample();
      QImage image = snapshot.Render();
      QVERIFY(!image.isNull());
      FormWindow& window = snapshot.Window();
      QCOMPARE(image.size(), window.size() * image.devicePixelRatio());
      window.show();
      QApplication::processEvents();
      QStringList problems = LayoutProblems(window);
      window.hide();
      QVERIFY2(problems.isEmpty(), qPrintable(font + QStringLiteral(", ") + problems.join('\n')));
      if (checkSize) {
        double scale = image.devicePixelRatio();
        QVERIFY2(image.width() <= 1280 * scale && image.height() <= 800 * scale,
                 qPrintable(QStringLiteral("form %1 is %2×%3 px at scale %4")
                                .arg(id).arg(image.width()).arg(image.height()).arg(scale)));
      }
    }
  }

 private slots:
  void layoutsHoldAtTheDefaultFont() { CheckEveryForm(true); }

  void layoutsHoldAtOtherFonts_data() {
    QTest::addColumn<int>("points");
    QTest::newRow("8 pt") << 8;
    QTest::newRow("12 pt") << 12;
    QTest::newRow("16 pt") << 16;
  }

  void layoutsHoldAtOtherFonts() {
    QFETCH(int, points);
    QFont saved = QApplication::font();
    QFont font = saved;
    font.setPointSize(points);
    QApplication::setFont(font);
    CheckEveryForm(false);
    QApplication::setFont(saved);
  }

  // The checker itself finds a cut text.
  void checkerFindsFaults() {
    FormSnapshot snapshot(135);
    FormWindow& window = snapshot.Window();
    window.show();
    QApplication::processEvents();
    QVERIFY(LayoutProblems(window).isEmpty());
    WidgetOf<QPushButton>(window, 1017)->setFixedWidth(20);
    QApplication::processEvents();
    QVERIFY2(LayoutProblems(window).contains(QStringLiteral("form 135: id1017 '&Calcul' is cut")),
             qPrintable(LayoutProblems(window).join('\n')));
    window.hide();
  }
};

ZENKO_QT_TEST_MAIN(PicturesTest)

#include "pictures.moc"
