#pragma once

#include <string>

#include "tests/support/case_name.h"
#include "widgets/entry/spin_value_parser.h"

inline std::string CaseName(bitcalc::widgets::TValueType type) {
  switch (type) {
    case bitcalc::widgets::vtInteger:
      return "Integer";
    case bitcalc::widgets::vtFloat:
      return "Float";
    case bitcalc::widgets::vtHex:
      return "Hex";
  }
  return "Type" + std::to_string(int(type));
}
