#include <QApplication>
#include <QString>
#include <cstdio>

#include "core/n_bool_proc.h"
#include "framework/runtime/application.h"
#include "framework/runtime/platform_setup.h"
#include "main_window/form1.h"
#include "app/qt_messages.h"
#include "app/snapshot.h"
#include "widgets/entry/num_spin_edit.h"
#include "widgets/trackbar/styled_track_bar.h"

// Renders the calculator's window in a chosen state to a PNG, headless:
//   snapshot OUT.png [A [B [POSITION]]]
// A and B are numbers (decimal, or hexadecimal with 0x), POSITION the track
// bar's position 0-7 (7 is NOT A). The state is reached through the window's
// own fields and track bar, so every readout follows as it would for a user.
using namespace bitcalc;

namespace {

bool ReadNumber(const char* text, int& value) {
  bool ok = false;
  value = QString::fromLocal8Bit(text).toInt(&ok, 0);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  int values[3] = {0, 0, 7};
  if (argc < 2 || argc > 5) {
    std::fprintf(stderr, "usage: %s OUT.png [A [B [POSITION]]]\n", argv[0]);
    return 2;
  }
  for (int i = 2; i < argc; ++i) {
    if (!ReadNumber(argv[i], values[i - 2])) {
      std::fprintf(stderr, "not a number: %s\n", argv[i]);
      return 2;
    }
  }
  core::CreateBoolStore();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  app::FilterQtMessages();
  framework::PrepareQtEnvironment();
  QApplication qtApp(argc, argv);
  framework::FinishQtSetup();
  framework::TApplication application;
  main_window::TForm1 form(&application);
  form.NumSpinEdit4->SetValue(values[0]);
  form.NumSpinEdit1->SetValue(values[1]);
  form.StyledTrackBar1->SetPosition(values[2]);
  if (!app::SaveSnapshot(&form, QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  std::printf("%s\n", argv[1]);
  return 0;
}
