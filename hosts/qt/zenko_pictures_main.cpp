// zenko-pictures DIR [POINTS]: renders the menu and every calculator after a
// worked example to DIR/form<ID>.png, with the real widgets (offscreen), at
// the default font or at a font of POINTS points; the menu and the Julian Day
// form also in night vision, to DIR/night<ID>.png.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FormPicture.h"
#include "NightVision.h"

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: zenko-pictures DIR [POINTS]\n");
    return 2;
  }
  const std::string problems = Forms().Problems(RequiredForms());
  if (!problems.empty()) {
    std::fprintf(stderr, "zenko-pictures: %s", problems.c_str());
    return 1;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/zenko.svg")));
  if (argc == 3) {
    QFont font = QApplication::font();
    font.setPointSize(std::atoi(argv[2]));
    QApplication::setFont(font);
  }
  QtPlatform platform;
  // A picture never waits for a message box.
  platform.SetMessageShower([](const std::string& text, Icon) {
    std::fprintf(stderr, "message: %s\n", text.c_str());
  });
  QDir dir(QString::fromLocal8Bit(argv[1]));
  dir.mkpath(QStringLiteral("."));
  int written = 0;
  // Renders one form after its worked example to DIR/<prefix><ID>.png;
  // false when the file cannot be written.
  auto picture = [&dir, &written](int id, const char* prefix) {
    FormSnapshot snapshot(id);
    if (!snapshot.valid()) return true;
    snapshot.PlayExample();
    QString path = dir.filePath(QStringLiteral("%1%2.png").arg(QLatin1String(prefix)).arg(id));
    if (!snapshot.Render().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return false;
    }
    ++written;
    return true;
  };
  for (int id : RegisteredForms())
    if (id != 100 && !picture(id, "form")) return 1;
  SetNightVision(true);
  for (int id : {102, 130})
    if (!picture(id, "night")) return 1;
  SetNightVision(false);
  std::printf("%d pictures written\n", written);
  return 0;
}
