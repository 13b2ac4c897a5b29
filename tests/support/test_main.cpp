#include <gtest/gtest.h>

#include <QApplication>

#include "framework/runtime/platform_services.h"
#include "framework/runtime/platform_setup.h"

using namespace bitcalc::framework;

// Every widget test runs headless with the pinned fonts and style, so the
// pixels it reads are the same on every machine.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM",
          qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  PrepareQtEnvironment();
  QApplication app(argc, argv);
  FinishQtSetup();
  // No test may open a browser or make a sound; tests that care install a
  // ServiceSpy on top of these.
  SetOpenUrlHandler([](const std::string&) {});
  SetBeepHandler([] {});
  return RUN_ALL_TESTS();
}
