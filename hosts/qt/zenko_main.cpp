// zenko: the calculator menu in real windows.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <string>

#include "QtPlatform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt's own texts (the edit fields' context menu, standard buttons) in
  // French like the rest of the interface; without the translations
  // installed they simply stay in English.
  QTranslator qtTexts;
  if (qtTexts.load(QStringLiteral("qtbase_fr"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  // Numbers are read and printed with a decimal point, whatever the locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/zenko.svg")));
  QtPlatform::LoadQtTranslation();
  // A program built without one of its forms stops here, saying which.
  const std::string problems = Forms().Problems(RequiredForms());
  if (!problems.empty()) {
    std::fprintf(stderr, "zenko: %s", problems.c_str());
    return 1;
  }
  QtPlatform platform;
  std::unique_ptr<CDialog> menu = CreateForm(StartFormId(), nullptr);
  menu->DoModal();
  return 0;
}
