#include "framework/text/text.h"

#include <cstdint>

#include "codepage/cp1250.h"

namespace bitcalc::framework {

namespace {

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

QString FromCp1250(std::string_view text) {
  QString result(qsizetype(text.size()), Qt::Uninitialized);
  QChar* out = result.data();
  for (char c : text) *out++ = QChar(codepage::ToUnicode(static_cast<std::uint8_t>(c)));
  return result;
}

std::string ToCp1250(QStringView text) {
  std::string result;
  result.reserve(std::size_t(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1].unicode())) {
      result += '?';  // a character beyond the basic plane is never in the code page
      ++i;
      continue;
    }
    result += static_cast<char>(codepage::FromUnicode(c).value_or('?'));
  }
  return result;
}

bool StartsWithPrintable(QStringView text) {
  if (text.isEmpty()) return false;
  const char16_t first = text[0].unicode();
  if (IsHighSurrogate(first) && text.size() > 1 && IsLowSurrogate(text[1].unicode()))
    return QChar::isPrint(QChar::surrogateToUcs4(first, text[1].unicode()));
  return QChar::isPrint(first);
}

std::string CaptionText(const std::string& caption) {
  const auto end = caption.find('\0');
  return end == std::string::npos ? caption : caption.substr(0, end);
}

QString CaptionToQString(const std::string& caption) {
  const auto end = caption.find('\0');
  return FromCp1250(std::string_view(caption).substr(0, end));
}

}  // namespace bitcalc::framework
