#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "bc16/parse_result.h"
#include "core/value_text.h"

namespace bitcalc::bc16 {

struct TOptions {
  enum class TAction { Evaluate, Help, Version };
  TAction Action = TAction::Evaluate;
  // -o FORM: the bare value in this form instead of the full report.
  std::optional<core::TValueForm> Output;
  // -f FILE, "-" for standard input.
  std::optional<std::string_view> File;
  // The remaining arguments joined by spaces: "1 add 2" whether given as
  // three arguments or one.
  std::string Expression;
};

// Reads the arguments after the program's name. Options may stand anywhere
// before "--"; "--help" and "--version" win over whatever follows them. An
// argument starting with "-" and a digit is an operand ("-1", or a whole
// expression such as "-1 + 1"), and "-" alone is the operator.
TParsed<TOptions> ParseOptions(std::span<const char* const> args);

}  // namespace bitcalc::bc16
