#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace bitcalc::framework {

// Captions and texts are kept as 8-bit strings in the Central European code
// page (1250): every byte is one character, and the character code is the
// byte value. They become Unicode only at the moment they are measured or
// drawn.
//
// The mapping covers all 256 byte values one to one. The five codes the code
// page leaves unassigned (0x81, 0x83, 0x88, 0x90, 0x98) stand for the C1
// control characters of the same number, so a string survives a round trip
// through Unicode unchanged whatever bytes it holds.

// The Unicode character for one code page byte.
char16_t Cp1250ToUnicode(unsigned char byte);

// The code page byte for a Unicode character, or '?' when it has none.
unsigned char UnicodeToCp1250(char16_t ch);

// Every byte of text converted to Unicode (code 0 included).
QString FromCp1250(std::string_view text);

// Every character converted to its code page byte; a character the code page
// lacks, including one written as a surrogate pair, becomes one '?'.
std::string ToCp1250(QStringView text);

// Whether text starts with a printable character; a surrogate pair counts as
// the one character it encodes.
bool StartsWithPrintable(QStringView text);

// The part of a caption that is shown: everything before the first code-0
// character, since captions are zero-terminated.
std::string CaptionText(const std::string& caption);

// CaptionText converted for drawing.
QString CaptionToQString(const std::string& caption);

}  // namespace bitcalc::framework
