#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/display_probe.h"
#include "app/options.h"
#include "app/qt_messages.h"
#include "app/snapshot.h"
#include "core/n_bool_proc.h"
#include "framework/runtime/application.h"
#include "framework/runtime/platform_setup.h"
#include "main_window/form1.h"

namespace bitcalc::app {

namespace {

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

int Fail(const std::string& line, int status) {
  std::fprintf(stderr, "bitcalc: %s\n", line.c_str());
  return status;
}

int RunWindow(char** argv, const TOptions& options) {
  core::CreateBoolStore();
  // A snapshot is drawn off screen, whether or not there is a display.
  if (options.Action == TOptions::TAction::Snapshot) qputenv("QT_QPA_PLATFORM", "offscreen");
  FilterQtMessages();
  framework::PrepareQtEnvironment();
  // Qt's own options (-platform and the like) were refused above, so Qt is
  // given the program's name alone.
  int qtArgc = 1;
  QApplication qtApp(qtArgc, argv);
  framework::FinishQtSetup();
  framework::TApplication application;
  application.Initialize();
  auto form = std::make_unique<main_window::TForm1>(&application);
  application.SetMainForm(form.get());

  if (options.Action == TOptions::TAction::Snapshot) {
    const std::string& path = options.SnapshotPath;
    if (!SaveSnapshot(form.get(), QString::fromLocal8Bit(path.c_str())))
      return Fail(QCoreApplication::translate("bitcalc", "cannot write %1")
                      .arg(QString::fromLocal8Bit(path.c_str()))
                      .toLocal8Bit()
                      .toStdString(),
                  1);
    std::printf("%s\n", path.c_str());
    return 0;
  }
  ExitAfterFirstFrame exitAfterFirstFrame;
  if (qEnvironmentVariableIsSet("BITCALC_EXIT_AFTER_FIRST_FRAME"))
    form->installEventFilter(&exitAfterFirstFrame);
  return application.Run();
}

int Main(int argc, char** argv) {
  const TOptions options = ParseOptions(argc, argv);
  switch (options.Action) {
    case TOptions::TAction::Help:
      std::fputs(HelpText().c_str(), stdout);
      return 0;
    case TOptions::TAction::Version:
      std::fputs(VersionText().c_str(), stdout);
      return 0;
    case TOptions::TAction::Error:
      Fail(options.Error, 2);
      std::fputs(UsageHint().c_str(), stderr);
      return 2;
    case TOptions::TAction::Snapshot:
      break;
    case TOptions::TAction::Run:
      if (const std::string problem = UnreachableDisplay(); !problem.empty()) return Fail(problem, 1);
      break;
  }
  return RunWindow(argv, options);
}

}  // namespace

}  // namespace bitcalc::app

int main(int argc, char** argv) {
  return bitcalc::app::Main(argc, argv);
}
