#pragma once

#include <string>
#include <string_view>

namespace bitcalc::resources {

// The bytes of a file the program carries, by its name in this folder
// ("hint_maker.bmp"), exactly as stored; empty for a name that is not there.
// Nothing is decoded: the caller decides when, if ever, to do that.
std::string ResourceFile(std::string_view name);

}  // namespace bitcalc::resources
