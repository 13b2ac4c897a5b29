#pragma once

#include <cstdint>

namespace bitcalc::core {

// The eight operations of the track bar, in track-bar order (position 0 is
// `opDiv`, position 7 `opNotA`).
enum class TOperation : std::uint8_t {
  opDiv,
  opMod,
  opSub,
  opAdd,
  opXor,
  opOr,
  opAnd,
  opNotA,
};

// The operation at a track-bar position. The track bar keeps its position in
// 0-7; anything outside is clamped to the nearer end so that an evaluation
// always produces a result for the current operands.
TOperation OperationAtPosition(int position);

// The 16-bit result of `op` on a and b. Addition and subtraction wrap modulo
// 65536; division and remainder by 0 give 0; `opNotA` ignores b.
std::uint16_t ApplyOperation(TOperation op, std::uint16_t a, std::uint16_t b);

}  // namespace bitcalc::core
