#include "app/options.h"

#include <QCoreApplication>
#include <string_view>

namespace bitcalc::app {

namespace {

std::string Tr(const char* text, std::string_view argument = {}) {
  QString line = QCoreApplication::translate("bitcalc", text);
  if (!argument.empty())
    line = line.arg(QString::fromLocal8Bit(argument.data(), qsizetype(argument.size())));
  return line.toLocal8Bit().toStdString();
}

TOptions Failure(std::string message) {
  return {TOptions::TAction::Error, {}, std::move(message)};
}

constexpr std::string_view kSnapshot = "--snapshot";

}  // namespace

TOptions ParseOptions(int argc, const char* const* argv) {
  TOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    TOptions::TAction action = TOptions::TAction::Run;
    std::string path;
    if (arg == "--help") {
      action = TOptions::TAction::Help;
    } else if (arg == "--version") {
      action = TOptions::TAction::Version;
    } else if (arg == kSnapshot) {
      if (i + 1 >= argc) return Failure(Tr("option '--snapshot' needs a file name"));
      action = TOptions::TAction::Snapshot;
      path = argv[++i];
    } else if (arg.substr(0, kSnapshot.size() + 1) == std::string(kSnapshot) + "=") {
      action = TOptions::TAction::Snapshot;
      path = std::string(arg.substr(kSnapshot.size() + 1));
    } else if (!arg.empty() && arg[0] == '-') {
      return Failure(Tr("unknown option '%1'", arg));
    } else {
      return Failure(Tr("unexpected argument '%1'", arg));
    }
    if (action == TOptions::TAction::Snapshot && path.empty())
      return Failure(Tr("option '--snapshot' needs a file name"));
    // --help and --version win over anything else; two different requests
    // otherwise contradict each other.
    if (options.Action == TOptions::TAction::Help || options.Action == TOptions::TAction::Version)
      continue;
    if (action == TOptions::TAction::Help || action == TOptions::TAction::Version) {
      options = {action, {}, {}};
      continue;
    }
    if (options.Action == TOptions::TAction::Snapshot)
      return Failure(Tr("option '--snapshot' given twice"));
    options = {action, path, {}};
  }
  return options;
}

std::string HelpText() {
  return Tr("Usage: bitcalc [--snapshot FILE]\n"
            "A calculator for 16-bit values, in one window.\n"
            "\n"
            "  --snapshot FILE  render the window to FILE as a PNG image and exit;\n"
            "                   needs no display\n"
            "  --help           show this help and exit\n"
            "  --version        show the version and exit\n"
            "\n"
            "With no option, the window opens on the display that WAYLAND_DISPLAY\n"
            "or DISPLAY names, or on the platform that QT_QPA_PLATFORM names.\n"
            "A right click on a readout offers to copy its value.\n");
}

std::string VersionText() {
  return "bitcalc " BITCALC_VERSION "\n";
}

std::string UsageHint() {
  return Tr("Try 'bitcalc --help'") + "\n";
}

}  // namespace bitcalc::app
