#include <benchmark/benchmark.h>

#include <QApplication>

#include "framework/runtime/platform_setup.h"

// Paint benchmarks need a running application with the pinned fonts, the
// same headless set-up the tests use, so the figures do not depend on a display.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  bitcalc::framework::PrepareQtEnvironment();
  QApplication app(argc, argv);
  bitcalc::framework::FinishQtSetup();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
