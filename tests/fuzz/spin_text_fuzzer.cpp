#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "widgets/entry/spin_value_parser.h"

using namespace bitcalc::widgets;

// Feeds arbitrary texts to the spin edit's readers and checks the rule the
// window relies on: whatever a field reads, the text written back for the
// clamped value reads as that same value again.
namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const char separator = (data[0] & 1) ? ',' : '.';
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  if (const auto parsed = ParseSpinInteger(text)) {
    const std::string written = FormatSpinValue(*parsed, vtInteger, 0, separator);
    Check(ParseSpinInteger(written) == parsed);
  }
  ParseSpinFloat(text, separator);

  for (TValueType type : {vtInteger, vtHex, vtFloat}) {
    const TSpinValue read = ReadSpinValue(text, type, 0, separator);
    const TSpinValue clamped = ClampToRange(read, 0, 65535);
    Check(clamped >= 0 && clamped <= 65535);
    if (type == vtFloat) continue;
    const TSpinValue whole = static_cast<TSpinValue>(RoundHalfEven64(clamped));
    const std::string written = FormatSpinValue(whole, type, 0, separator);
    Check(ReadSpinValue(written, type, 0, separator) == whole);
  }

  std::string current;
  for (char ch : text)
    if (AcceptsSpinChar(ch, vtFloat, true, current, separator)) current += ch;
  return 0;
}
