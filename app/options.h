#pragma once

#include <string>

namespace bitcalc::app {

// What the command line asks of the program. It is read before Qt starts,
// because Qt ends the process when it finds no display.
struct TOptions {
  enum class TAction { Run, Snapshot, Help, Version, Error };
  TAction Action = TAction::Run;
  std::string SnapshotPath;  // for Snapshot
  std::string Error;         // for Error: one line, without the program's name
};

TOptions ParseOptions(int argc, const char* const* argv);

// The texts --help and --version print, each ending in a newline.
std::string HelpText();
std::string VersionText();

// The line that follows every usage error.
std::string UsageHint();

}  // namespace bitcalc::app
