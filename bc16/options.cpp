#include "bc16/options.h"

#include <array>
#include <cstddef>
#include <utility>

#include "bc16/quote.h"

namespace bitcalc::bc16 {

namespace {

using core::TValueForm;
using TResult = TParsed<TOptions>;

struct TFormName {
  std::string_view Name;
  TValueForm Form;
};

constexpr std::array<TFormName, 5> kForms{{
    {"dec", TValueForm::Decimal},
    {"hex", TValueForm::Hex},
    {"bin", TValueForm::Binary},
    {"char", TValueForm::Character},
    {"signed", TValueForm::Signed},
}};

std::optional<TValueForm> FormNamed(std::string_view name) {
  for (const TFormName& f : kForms)
    if (f.Name == name) return f.Form;
  return std::nullopt;
}

bool IsOption(std::string_view arg) {
  return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

class TReader {
 public:
  explicit TReader(std::span<const char* const> args) : args_(args) {}

  TResult Read() {
    bool optionsEnded = false;
    for (i_ = 0; i_ < args_.size(); ++i_) {
      const std::string_view arg = args_[i_];
      if (optionsEnded || !IsOption(arg)) {
        AddOperand(arg);
      } else if (arg == "--") {
        optionsEnded = true;
      } else if (arg == "--help") {
        options_.Action = TOptions::TAction::Help;
        return TResult::Ok(std::move(options_));
      } else if (arg == "--version") {
        options_.Action = TOptions::TAction::Version;
        return TResult::Ok(std::move(options_));
      } else if (arg.starts_with("-o") || arg.starts_with("-f")) {
        if (!ValueOption(arg)) return TResult::Fail(std::move(error_));
      } else {
        return TResult::Fail("unknown option " + Quoted(arg));
      }
    }
    if (options_.File && !options_.Expression.empty())
      return TResult::Fail("-f takes no expression on the command line");
    if (!options_.File && options_.Expression.empty())
      return TResult::Fail("missing expression");
    return TResult::Ok(std::move(options_));
  }

 private:
  void AddOperand(std::string_view arg) {
    if (!options_.Expression.empty()) options_.Expression += ' ';
    options_.Expression += arg;
  }

  // -o FORM / -oFORM, -f FILE / -fFILE.
  bool ValueOption(std::string_view arg) {
    const std::string_view name = arg.substr(0, 2);
    std::string_view value = arg.substr(2);
    if (value.empty()) {
      if (i_ + 1 == args_.size()) return Fail("option " + Quoted(name) + " needs a value");
      value = args_[++i_];
    }
    if (name == "-f") {
      if (options_.File) return Fail("option '-f' given twice");
      options_.File = value;
      return true;
    }
    if (options_.Output) return Fail("option '-o' given twice");
    options_.Output = FormNamed(value);
    if (!options_.Output)
      return Fail("unknown output form " + Quoted(value) + " (dec, hex, bin, char or signed)");
    return true;
  }

  bool Fail(std::string error) {
    error_ = std::move(error);
    return false;
  }

  std::span<const char* const> args_;
  std::size_t i_ = 0;
  TOptions options_;
  std::string error_;
};

}  // namespace

TResult ParseOptions(std::span<const char* const> args) {
  return TReader(args).Read();
}

}  // namespace bitcalc::bc16
