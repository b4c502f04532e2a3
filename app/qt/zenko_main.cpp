// zenko: the calculator menu in real windows.
#include <QApplication>
#include <QIcon>
#include <clocale>

#include "app/CalculatorMenu.h"
#include "app/qt/QtPlatform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Numbers are read and printed with a decimal point, whatever the locale.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/zenko.svg")));
  QtPlatform::LoadQtTranslation();
  QtPlatform platform;
  CalculatorMenu menu;
  menu.DoModal();
  return 0;
}
