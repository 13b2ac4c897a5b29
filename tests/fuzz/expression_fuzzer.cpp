#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bc16/expression.h"
#include "bc16/outcome.h"

using namespace bitcalc::bc16;

// The command-line calculator's parser on any line: it either reads an
// expression, whose report then has its twelve lines, or names an error that
// is safe to print on a terminal (no control characters, bounded length).
namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const TParsed<TExpression> parsed = ParseExpression(line);
  Check(parsed.Value.has_value() == parsed.Error.empty());
  if (parsed.Value) {
    std::string report;
    AppendReport(report, Evaluate(*parsed.Value));
    std::size_t lines = 0;
    for (char c : report) lines += c == '\n';
    Check(lines == 12);
    return 0;
  }
  for (char c : parsed.Error) Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
  // Two quoted tokens at most, each cut to 40 bytes and escaped (4 bytes a byte).
  Check(parsed.Error.size() < 2 * 4 * 40 + 100);
  return 0;
}
