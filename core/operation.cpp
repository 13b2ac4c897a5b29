#include "core/operation.h"

#include <algorithm>
#include <cstdint>

namespace bitcalc::core {

TOperation OperationAtPosition(int position) {
  constexpr int kLast = static_cast<int>(TOperation::opNotA);
  return static_cast<TOperation>(std::clamp(position, 0, kLast));
}

std::uint16_t ApplyOperation(TOperation op, std::uint16_t a, std::uint16_t b) {
  // The arithmetic runs in int; the cast back keeps the low 16 bits, which is
  // the wrap of addition and subtraction.
  switch (op) {
    case TOperation::opDiv:
      return b == 0 ? 0 : static_cast<std::uint16_t>(a / b);
    case TOperation::opMod:
      return b == 0 ? 0 : static_cast<std::uint16_t>(a % b);
    case TOperation::opSub:
      return static_cast<std::uint16_t>(a - b);
    case TOperation::opAdd:
      return static_cast<std::uint16_t>(a + b);
    case TOperation::opXor:
      return static_cast<std::uint16_t>(a ^ b);
    case TOperation::opOr:
      return static_cast<std::uint16_t>(a | b);
    case TOperation::opAnd:
      return static_cast<std::uint16_t>(a & b);
    case TOperation::opNotA:
      return static_cast<std::uint16_t>(~a);
  }
  return 0;
}

}  // namespace bitcalc::core
