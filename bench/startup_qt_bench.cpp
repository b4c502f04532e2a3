// Start-up to the menu shown (offscreen): the menu window built from its
// control table and shown, against a bare Qt dialog shown in the same run.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include "CalculatorMenu.h"
#include "QtPlatform.h"

namespace {

void BM_MenuShown(benchmark::State& state) {
  for (auto _ : state) {
    CalculatorMenu menu;
    FormWindow window(menu, nullptr);
    menu.Attach(&window);
    menu.OnInitDialog();
    window.show();
    QApplication::processEvents();
    menu.Attach(nullptr);
  }
}
BENCHMARK(BM_MenuShown)->Unit(benchmark::kMicrosecond);

void BM_BareDialogShown(benchmark::State& state) {
  for (auto _ : state) {
    QDialog dialog;
    dialog.resize(520, 340);
    QPushButton ok(QStringLiteral("OK"), &dialog);
    dialog.show();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_BareDialogShown)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QtPlatform platform;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
