#pragma once

#include <stdexcept>
#include <string>

namespace bitcalc::framework {

// The error a component raises when a program uses it wrongly (placed where it
// cannot work, say). The message is a code page 1250 text meant for the
// programmer; the calculator's users never see one.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

}  // namespace bitcalc::framework
