#include <gtest/gtest.h>

#include <QApplication>

#include "framework/platform_setup.h"

// Every widget test runs headless with the pinned fonts and style, so the
// pixels it reads are the same on every machine.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  PrepareQtEnvironment();
  QApplication app(argc, argv);
  FinishQtSetup();
  return RUN_ALL_TESTS();
}
