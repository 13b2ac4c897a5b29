#include "bc16/quote.h"

#include <cstddef>
#include <cstdint>

#include "codepage/utf8.h"

namespace bitcalc::bc16 {

namespace {

constexpr std::size_t kLongest = 40;

bool IsContinuationByte(char c) {
  return (static_cast<std::uint8_t>(c) & 0xC0) == 0x80;
}

// C0 and C1 controls and DEL: a terminal may act on them.
bool IsControl(char32_t ch) {
  return ch < 0x20 || (ch >= 0x7F && ch < 0xA0);
}

void AppendEscaped(std::string& out, std::string_view bytes) {
  for (char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    out += "\\x";
    out += "0123456789ABCDEF"[byte >> 4];
    out += "0123456789ABCDEF"[byte & 0xF];
  }
}

}  // namespace

std::string Quoted(std::string_view text) {
  // A character operand carries its own quotes.
  const bool quoted = text.size() >= 2 && text.front() == '\'' && text.back() == '\'';
  bool cut = false;
  if (text.size() > kLongest) {
    std::size_t end = kLongest;
    while (end > 0 && IsContinuationByte(text[end])) --end;
    text = text.substr(0, end);
    cut = true;
  }
  std::string out = quoted ? "" : "'";
  while (!text.empty()) {
    const auto ch = codepage::DecodeUtf8(text);
    const std::size_t length = ch ? ch->Length : 1;
    if (ch && !IsControl(ch->Char)) {
      out += text.substr(0, length);
    } else {
      AppendEscaped(out, text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  if (cut) out += "...";
  if (!quoted || cut) out += '\'';
  return out;
}

}  // namespace bitcalc::bc16
