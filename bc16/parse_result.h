#pragma once

#include <optional>
#include <string>
#include <utility>

namespace bitcalc::bc16 {

// What a parser read, or why it read nothing: exactly one of the two is set.
template <typename T>
struct TParsed {
  std::optional<T> Value;
  std::string Error;

  static TParsed Ok(T value) { return {std::move(value), {}}; }
  static TParsed Fail(std::string error) { return {std::nullopt, std::move(error)}; }
};

}  // namespace bitcalc::bc16
