#include "bc16/run.h"

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "bc16/expression.h"
#include "bc16/line_reader.h"
#include "bc16/options.h"
#include "bc16/outcome.h"
#include "bc16/quote.h"
#include "core/value_text.h"

namespace bitcalc::bc16 {

namespace {

constexpr std::string_view kHelp = R"(Usage: bc16 [-o FORM] A OP B
       bc16 [-o FORM] not A
       bc16 [-o FORM] -f FILE
Evaluate one operation on 16-bit values, as the BitCalc window does.

Operands:   4660, 0x1234, 0b0001_0010_0011_0100, -1 (two's complement,
            -32768 to -1), or a character in single quotes, taken as its
            code in code page 1250: bc16 "'A'" add 1
Operators:  div mod sub add xor or and not, or / % - + ^ | & ~
            The expression may also be one argument: bc16 '0x1234 ^ 0xff'

Options:
  -o FORM     print the result alone: dec, hex, bin, char or signed
  -f FILE     evaluate each line of FILE; '-' reads standard input
  --help      print this help and exit
  --version   print the version and exit
  --          end the options

Without -o, the result is printed as key<TAB>value lines: dec, hex, bin,
char, signed, nib3 ... nib0, byte1, byte0, and flags (wrapped, div-by-zero
or -). DIV and MOD by 0 give 0. With -f, results are separated by an empty
line; a bad line is reported on standard error and leaves an empty result.

Exit status: 0 success, 2 usage or parse error.
)";

constexpr std::string_view kVersion = "bc16 (BitCalc) " BITCALC_VERSION "\n";

// Output gathered in memory and written in large pieces: a batch of a million
// lines would otherwise spend most of its time in small writes.
class TOutput {
 public:
  explicit TOutput(std::FILE* out) : out_(out) {}

  std::string& Text() { return text_; }

  void FlushIfLarge() {
    if (text_.size() >= 1 << 16) Flush();
  }

  // Whether everything reached the stream.
  bool Flush() {
    if (!text_.empty() && std::fwrite(text_.data(), 1, text_.size(), out_) != text_.size())
      failed_ = true;
    text_.clear();
    return !failed_ && std::fflush(out_) == 0 && !std::ferror(out_);
  }

 private:
  std::FILE* out_;
  std::string text_;
  bool failed_ = false;
};

class TRunner {
 public:
  TRunner(const TOptions& options, std::FILE* out, std::FILE* err)
      : options_(options), output_(out), err_(err) {}

  // One expression's result; nothing when it cannot be evaluated. Errors of
  // a batch name their line (counted from 1), others pass 0.
  bool Evaluate(std::string_view text, long line) {
    const TParsed<TExpression> parsed = ParseExpression(text);
    if (!parsed.Value) {
      Error(Where(line) + parsed.Error);
      return false;
    }
    const TOutcome outcome = bc16::Evaluate(*parsed.Value);
    std::string& out = output_.Text();
    if (options_.Output) {
      out += core::ValueText(outcome.Result, *options_.Output);
      out += '\n';
    } else {
      AppendReport(out, outcome);
    }
    return true;
  }

  bool Batch(std::FILE* in) {
    TLineReader lines(in);
    bool good = true;
    long number = 0;
    while (const auto line = lines.Next()) {
      ++number;
      if (number > 1 && !options_.Output) output_.Text() += '\n';
      bool lineGood = false;
      if (lines.Cut()) {
        Error(Where(number) + "line longer than " + std::to_string(TLineReader::kLongest) +
              " bytes");
      } else {
        lineGood = Evaluate(*line, number);
      }
      // A bad line leaves its value's line empty, so outputs stay aligned with inputs.
      if (!lineGood && options_.Output) output_.Text() += '\n';
      good = good && lineGood;
      output_.FlushIfLarge();
    }
    if (lines.Failed()) {
      Error("cannot read " + FileName() + ": " + std::strerror(lines.Error()));
      good = false;
    }
    return good;
  }

  std::string FileName() const {
    return *options_.File == "-" ? std::string("standard input") : Quoted(*options_.File);
  }

  // Writes what is left; a failed write is an error like any other.
  bool Finish() {
    if (output_.Flush()) return true;
    Error(std::string("cannot write the output: ") + std::strerror(errno));
    return false;
  }

  static std::string Where(long line) {
    return line ? "line " + std::to_string(line) + ": " : std::string();
  }

  void Error(const std::string& message) {
    std::fprintf(err_, "bc16: %s\n", message.c_str());
  }

 private:
  const TOptions& options_;
  TOutput output_;
  std::FILE* err_;
};

int Hint(std::FILE* err) {
  std::fputs("Try 'bc16 --help'\n", err);
  return kUsageError;
}

int Print(std::string_view text, std::FILE* out, std::FILE* err) {
  if (std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0)
    return kSuccess;
  std::fprintf(err, "bc16: cannot write the output: %s\n", std::strerror(errno));
  return Hint(err);
}

int Evaluate(const TOptions& options, std::FILE* in, std::FILE* out, std::FILE* err) {
  TRunner runner(options, out, err);
  bool good = true;
  if (!options.File) {
    good = runner.Evaluate(options.Expression, 0);
  } else if (*options.File == "-") {
    good = runner.Batch(in);
  } else {
    const std::string path(*options.File);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
      runner.Error("cannot open " + runner.FileName() + ": " + std::strerror(errno));
      return Hint(err);
    }
    good = runner.Batch(file);
    std::fclose(file);
  }
  good = runner.Finish() && good;
  return good ? kSuccess : Hint(err);
}

}  // namespace

int Run(std::span<const char* const> args, std::FILE* in, std::FILE* out, std::FILE* err) {
  const TParsed<TOptions> parsed = ParseOptions(args);
  if (!parsed.Value) {
    std::fprintf(err, "bc16: %s\n", parsed.Error.c_str());
    return Hint(err);
  }
  switch (parsed.Value->Action) {
    case TOptions::TAction::Help:
      return Print(kHelp, out, err);
    case TOptions::TAction::Version:
      return Print(kVersion, out, err);
    case TOptions::TAction::Evaluate:
      break;
  }
  return Evaluate(*parsed.Value, in, out, err);
}

}  // namespace bitcalc::bc16
