// zenko-pictures DIR: renders the menu and every calculator after a worked
// example to DIR/form<ID>.png, with the real widgets (offscreen).
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <clocale>
#include <cstdio>
#include <string>

#include "app/CalculatorMenu.h"
#include "app/qt/FormPicture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zenko-pictures DIR\n");
    return 2;
  }
  const std::string problems = Forms().Problems(CalculatorMenu::RequiredForms());
  if (!problems.empty()) {
    std::fprintf(stderr, "zenko-pictures: %s", problems.c_str());
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/zenko.svg")));
  QtPlatform platform;
  // A picture never waits for a message box.
  platform.SetMessageShower([](const std::string& text, Icon) {
    std::fprintf(stderr, "message: %s\n", text.c_str());
  });
  QDir dir(QString::fromLocal8Bit(argv[1]));
  dir.mkpath(QStringLiteral("."));
  int written = 0;
  for (int id : RegisteredForms()) {
    if (id == 100) continue;
    FormSnapshot snapshot(id);
    if (!snapshot.valid()) continue;
    snapshot.Play(WorkedExample(id));
    QString path = dir.filePath(QStringLiteral("form%1.png").arg(id));
    if (!snapshot.Render().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    ++written;
  }
  std::printf("%d pictures written\n", written);
  return 0;
}
