// Every form built into the program renders with the real widgets; no
// control overlaps another; every label and frame title lies inside the
// window, is visible in the widget tree and has room for its text.
#include <QtTest>

#include <algorithm>

#include "app/qt/FormPicture.h"
#include "tests/qt/QtFormHarness.h"

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void everyFormIsBuilt() {
    std::vector<int> ids = RegisteredForms();
    for (int id : {100, 102, 164, 129, 132, 144, 146})
      QVERIFY2(std::find(ids.begin(), ids.end(), id) != ids.end(),
               qPrintable(QStringLiteral("form %1 is not in the program").arg(id)));
  }

  void everyFormRendersWithoutOverlaps() {
    FormHarness harness;
    SetMessageHandler([](const std::string&, Icon) {});
    for (int id : RegisteredForms()) {
      FormSnapshot snapshot(id);
      QVERIFY(snapshot.valid());
      snapshot.Play(WorkedExample(id));
      QImage image = snapshot.Render();
      QVERIFY(!image.isNull());
      FormWindow& window = snapshot.Window();
      QCOMPARE(image.size(), window.size() * image.devicePixelRatio());
      const FormTemplate& form = window.Form().Template();
      QRect inside(0, 0, form.width, form.height);
      std::vector<const Control*> placed;
      for (const Control& c : form.controls) {
        QRect r(c.x, c.y, c.w, c.h);
        QVERIFY2(inside.contains(r),
                 qPrintable(QStringLiteral("form %1: '%2' leaves the window")
                                .arg(id).arg(QString::fromStdString(c.text))));
        if (c.kind == Kind::Group) continue;
        for (const Control* other : placed) {
          QRect o(other->x, other->y, other->w, other->h);
          QVERIFY2(!r.intersects(o),
                   qPrintable(QStringLiteral("form %1: control %2 '%3' overlaps %4 '%5'")
                                  .arg(id).arg(c.id).arg(QString::fromStdString(c.text))
                                  .arg(other->id).arg(QString::fromStdString(other->text))));
        }
        placed.push_back(&c);
      }
      // Labels and frame titles: shown, and wide enough for their lines.
      for (QObject* child : window.children()) {
        auto* label = qobject_cast<QLabel*>(child);
        auto* group = qobject_cast<QGroupBox*>(child);
        if (!label && !group) continue;
        auto* w = static_cast<QWidget*>(child);
        QVERIFY(w->isVisibleTo(&window));
        QString text = label ? label->text() : group->title();
        if (label && label->wordWrap()) continue;
        for (const QString& line : text.split('\n')) {
          int needed = w->fontMetrics().horizontalAdvance(line);
          QVERIFY2(needed <= w->width() + 2,
                   qPrintable(QStringLiteral("form %1: '%2' needs %3 px, has %4")
                                  .arg(id).arg(line).arg(needed).arg(w->width())));
        }
      }
    }
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  PicturesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "pictures.moc"
