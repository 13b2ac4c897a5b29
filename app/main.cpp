#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/n_bool_proc.h"
#include "framework/runtime/application.h"
#include "framework/runtime/platform_setup.h"
#include "main_window/form1.h"
#include "main_window/language.h"
#include "tools/snapshot.h"

using namespace bitcalc;

namespace {

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// With BITCALC_EXIT_AFTER_FIRST_FRAME set, the program ends as soon as its
// window has painted and shown its first frame, so that a profiler run
// (callgrind, heaptrack) covers start-up and nothing after it.
class ExitAfterFirstFrame : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    // The frame reaches the screen before the timer fires.
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, [] { std::_Exit(0); });
    return false;
  }
};

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
  const main_window::TTranslation translation(main_window::SessionLanguage());
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
  ExitAfterFirstFrame exitAfterFirstFrame;
  if (qEnvironmentVariableIsSet("BITCALC_EXIT_AFTER_FIRST_FRAME"))
    form->installEventFilter(&exitAfterFirstFrame);
  return application.Run();
}
