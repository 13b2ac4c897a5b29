#pragma once

#include <QString>
#include <string>

namespace bitcalc::framework {

// The program names Windows font families. Each one is served by an installed,
// metric-compatible family, chosen here and nowhere else.
//
// InstallFontConfiguration() must run before the QApplication exists: it
// makes a fontconfig configuration in memory that sees only the font files
// listed in fonts.cpp and makes it the current one, so that every machine
// (and the offscreen platform as well as X11) renders the same glyphs. No
// file is written and the system's font configuration is not read.
void InstallFontConfiguration();

// The family Qt is asked for when the program names windowsFamily (in any
// letter case).
QString ResolveFontFamily(const std::string& windowsFamily);

// The file, and the face in it, that the font configuration serves for an
// installed family in a style; an empty path when it serves none.
struct TFontFile {
  QString path;
  int index = 0;
};
TFontFile FontFileFor(const QString& family, bool bold, bool italic);

}  // namespace bitcalc::framework
