#pragma once

#include <QString>
#include <string_view>

namespace bitcalc::main_window {

// What a screen reader calls the readout named target (a label the
// evaluation writes): what it shows, then the value it shows, read from the
// store, e.g. "Result, decimal: 65535". Empty for any other component.
QString ReadoutAccessibleName(std::string_view target);

}  // namespace bitcalc::main_window
