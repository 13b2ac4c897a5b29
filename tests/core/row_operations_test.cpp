#include "core/row_operations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

namespace {

using bitcalc::core::TNBoolProc;
namespace core = bitcalc::core;

// Each case starts from A = 0x1234, B = 0x00FF and a transfer row of 0xFFFF,
// and names the rows afterwards; every other row must stay 0.
TEST(RowOperations, KeepTheirCellOrderAndTouchOnlyTheirRows) {
  struct TCase {
    const char* Name;
    std::function<void(TNBoolProc&)> Run;
    std::uint16_t A, B, Transfer;
  };
  const TCase cases[] = {
      {"swap A's low nibbles", [](auto& s) { core::SwapHalves(s, core::RowA, 0, 4, 4); }, 0x1243,
       0x00FF, 0x0004},
      {"swap A's high nibbles", [](auto& s) { core::SwapHalves(s, core::RowA, 8, 12, 4); }, 0x2134,
       0x00FF, 0x0002},
      {"swap A's bytes", [](auto& s) { core::SwapHalves(s, core::RowA, 0, 8, 8); }, 0x3412, 0x00FF,
       0x0034},
      {"invert B", [](auto& s) { core::InvertRow(s, core::RowB); }, 0x1234, 0xFF00, 0xFFFF},
      {"'A' into A's high byte", [](auto& s) { core::LoadCharacter(s, core::RowA, 8, 'A'); },
       0x4134, 0x00FF, 0x0041},
      {"0 into B's low byte", [](auto& s) { core::LoadCharacter(s, core::RowB, 0, 0); }, 0x1234,
       0x0000, 0x0000},
      // Lowest first: cell 0 runs up through the cells it has just written.
      {"overlapping copy", [](auto& s) { core::CopyCells(s, core::RowA, 1, core::RowA, 0, 15); },
       0x0000, 0x00FF, 0xFFFF},
      {"copy across rows", [](auto& s) { core::CopyCells(s, core::RowB, 12, core::RowA, 4, 4); },
       0x1234, 0x30FF, 0xFFFF},
      // Runs beyond the row and rows beyond the store change nothing.
      {"run past cell 15", [](auto& s) { core::CopyCells(s, core::RowB, 9, core::RowA, 0, 8); },
       0x1234, 0x00FF, 0xFFFF},
      {"negative start", [](auto& s) { core::SwapHalves(s, core::RowA, -1, 8, 8); }, 0x1234, 0x00FF,
       0xFFFF},
      {"row 9", [](auto& s) { core::LoadCharacter(s, 9, 0, 'x'); }, 0x1234, 0x00FF, 0xFFFF},
      {"row 200", [](auto& s) { core::InvertRow(s, 200); }, 0x1234, 0x00FF, 0xFFFF},
  };
  for (const TCase& c : cases) {
    TNBoolProc store;
    store.SetRowFromWord(core::RowA, 0x1234);
    store.SetRowFromWord(core::RowB, 0x00FF);
    store.SetRowFromWord(core::RowTransfer, 0xFFFF);
    c.Run(store);
    EXPECT_EQ(store.RowToWord(core::RowA), c.A) << c.Name;
    EXPECT_EQ(store.RowToWord(core::RowB), c.B) << c.Name;
    EXPECT_EQ(store.RowToWord(core::RowTransfer), c.Transfer) << c.Name;
    for (std::uint8_t row : {core::RowResult, std::uint8_t{3}, core::RowScratch, std::uint8_t{6}})
      EXPECT_EQ(store.RowToWord(row), 0) << c.Name << ", row " << int{row};
  }
}

}  // namespace
