#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace bitcalc::framework {

// Captions and texts are kept as 8-bit strings in the Central European code
// page (1250, `codepage/cp1250.h`): every byte is one character, and the
// character code is the byte value. They become Unicode only at the moment
// they are measured or drawn.

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
