#include <QApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/n_bool_proc.h"
#include "framework/runtime/application.h"
#include "framework/runtime/platform_setup.h"
#include "main_window/form1.h"
#include "tools/snapshot.h"

using namespace bitcalc;

namespace {

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  core::CreateBoolStore();

  // "--snapshot FILE" renders the window to a PNG instead of running it; with
  // no display that is the only thing the program can do.
  const char* snapshot = nullptr;
  if (argc == 3 && std::strcmp(argv[1], "--snapshot") == 0) snapshot = argv[2];
  if (snapshot || !HasDisplay()) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!snapshot && !HasDisplay()) snapshot = "bitcalc.png";

  framework::PrepareQtEnvironment();
  QApplication qtApp(argc, argv);
  framework::FinishQtSetup();
  framework::TApplication application;
  application.Initialize();
  auto form = std::make_unique<main_window::TForm1>(&application);
  application.SetMainForm(form.get());

  if (snapshot) {
    if (!tools::SaveSnapshot(form.get(), QString::fromLocal8Bit(snapshot))) {
      std::fprintf(stderr, "cannot write %s\n", snapshot);
      return 1;
    }
    std::printf("%s\n", snapshot);
    return 0;
  }
  return application.Run();
}
