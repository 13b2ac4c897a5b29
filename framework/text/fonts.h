#pragma once

#include <QString>
#include <string>

namespace bitcalc::framework {

// The program names Windows font families. Each one is served by an installed,
// metric-compatible family, chosen here and nowhere else.
//
// InstallFontConfiguration() must run before the QApplication exists: it
// writes a private fontconfig configuration that sees only the font files
// listed in fonts.cpp and points FONTCONFIG_FILE at it, so that every machine
// (and the offscreen platform as well as X11) renders the same glyphs.
void InstallFontConfiguration();

// The family Qt is asked for when the program names windowsFamily (in any
// letter case).
QString ResolveFontFamily(const std::string& windowsFamily);

}  // namespace bitcalc::framework
