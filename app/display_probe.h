#pragma once

#include <string>

namespace bitcalc::app {

// Whether the platform Qt will pick can be reached, asked before Qt starts:
// Qt aborts the process when no platform plugin can connect. Returns an empty
// text when a display answers (or QT_QPA_PLATFORM names a platform, which the
// user chose knowingly), otherwise one line saying which display could not be
// opened.
std::string UnreachableDisplay();

}  // namespace bitcalc::app
