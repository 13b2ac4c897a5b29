#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace bitcalc::app {

// A text the program prints before its application exists (--help, option
// and display errors) in the session's language, its %1, %2… filled in
// order, in the terminal's encoding. Qt translates only through an
// application's translators, so these read the session's catalogue
// themselves. source is marked QT_TRANSLATE_NOOP("bitcalc", …) where it is
// written, so that lupdate finds it.
std::string StartupText(const char* source, std::initializer_list<std::string_view> arguments = {});

}  // namespace bitcalc::app
