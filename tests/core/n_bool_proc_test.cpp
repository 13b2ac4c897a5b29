#include "core/n_bool_proc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace {

TNBoolProc FullStore() {
  TNBoolProc store;
  for (std::uint8_t row = 0; row < TNBoolProc::RowCount; ++row) store.SetRowFromWord(row, 0xFFFF);
  return store;
}

TEST(NBoolProc, NewStoreHoldsZeroInEveryCell) {
  const TNBoolProc store;
  for (std::uint8_t row = 0; row < TNBoolProc::RowCount; ++row) {
    EXPECT_EQ(store.RowToWord(row), 0) << "row " << int{row};
    for (std::uint8_t cell : store.Cells[row]) EXPECT_EQ(cell, 0);
  }
}

TEST(NBoolProc, CreateBoolStoreStartsFromAllZero) {
  BoolStore.SetRowFromWord(RowA, 0x1234);
  BoolStore.Cells[8][15] = 1;
  CreateBoolStore();
  for (const auto& row : BoolStore.Cells) {
    for (std::uint8_t cell : row) EXPECT_EQ(cell, 0);
  }
}

struct TLoadCase {
  const char* Name;
  void (*Load)(TNBoolProc&);
  std::uint16_t Expected;
};

// Every load starts from a row of 65535, so a load that forgets to clear shows.
TEST(NBoolProc, LoadsClearTheRowFirstAndLeaveOtherRowsAlone) {
  const TLoadCase cases[] = {
      {"ClearRow", [](TNBoolProc& s) { s.ClearRow(RowB); }, 0},
      {"SetRowFromByte 0", [](TNBoolProc& s) { s.SetRowFromByte(RowB, 0); }, 0},
      {"SetRowFromWord 0", [](TNBoolProc& s) { s.SetRowFromWord(RowB, 0); }, 0},
      {"SetRowFromByte 1", [](TNBoolProc& s) { s.SetRowFromByte(RowB, 1); }, 1},
      {"SetRowFromByte 255", [](TNBoolProc& s) { s.SetRowFromByte(RowB, 255); }, 255},
      {"SetRowFromWord 32768", [](TNBoolProc& s) { s.SetRowFromWord(RowB, 32768); }, 32768},
  };
  for (const TLoadCase& c : cases) {
    TNBoolProc store = FullStore();
    c.Load(store);
    EXPECT_EQ(store.RowToWord(RowB), c.Expected) << c.Name;
    EXPECT_EQ(store.RowToWord(RowA), 0xFFFF) << c.Name;
    EXPECT_EQ(store.RowToWord(RowResult), 0xFFFF) << c.Name;
  }
}

TEST(NBoolProc, WordLoadPutsBitIInCellIForEveryValue) {
  TNBoolProc store;
  for (unsigned value = 0; value <= 0xFFFF; ++value) {
    store.SetRowFromWord(RowA, static_cast<std::uint16_t>(value));
    for (unsigned i = 0; i < 16; ++i) {
      ASSERT_EQ(store.Cells[RowA][i], (value >> i) & 1U) << value << " cell " << i;
    }
    ASSERT_EQ(store.RowToWord(RowA), value);
    ASSERT_EQ(store.RowToByte(RowA), value & 0xFFU);
  }
}

TEST(NBoolProc, ByteLoadClearsTheHighCellsForEveryValue) {
  for (unsigned value = 0; value <= 0xFF; ++value) {
    TNBoolProc store = FullStore();
    store.SetRowFromByte(RowTransfer, static_cast<std::uint8_t>(value));
    ASSERT_EQ(store.RowToWord(RowTransfer), value);
  }
}

TEST(NBoolProc, ReadsCountOnlyCellsHoldingExactlyOne) {
  TNBoolProc store;
  store.Cells[RowA][0] = 1;
  store.Cells[RowA][1] = 2;
  store.Cells[RowA][9] = 0xFF;
  EXPECT_EQ(store.RowToWord(RowA), 1);
  EXPECT_EQ(store.RowToByte(RowA), 1);
}

TEST(NBoolProc, RowToByteIgnoresTheHighCells) {
  TNBoolProc store = FullStore();
  EXPECT_EQ(store.RowToByte(RowA), 255);
}

TEST(NBoolProc, RotationsMoveEveryCellOnePlaceAndWrap) {
  struct TCase {
    bool Left;
    std::uint16_t From;
    std::uint16_t To;
  };
  const TCase cases[] = {
      {false, 1, 32768}, {false, 32768, 16384}, {false, 65535, 65535}, {false, 0x0003, 0x8001},
      {true, 32768, 1},  {true, 1, 2},          {true, 0, 0},          {true, 0x8001, 0x0003},
  };
  for (const TCase& c : cases) {
    TNBoolProc store;
    store.SetRowFromWord(RowB, c.From);
    c.Left ? store.RotateRowLeft(RowB) : store.RotateRowRight(RowB);
    EXPECT_EQ(store.RowToWord(RowB), c.To) << (c.Left ? "left " : "right ") << c.From;
  }
}

TEST(NBoolProc, SixteenRotationsPassEveryStepAndRestoreTheValue) {
  for (const std::uint16_t start : {0x0001, 0x1234, 0x8000, 0xA5F0}) {
    TNBoolProc store;
    store.SetRowFromWord(RowA, start);
    store.SetRowFromWord(RowB, start);
    unsigned right = start;
    unsigned left = start;
    for (int step = 1; step <= 16; ++step) {
      store.RotateRowRight(RowA);
      store.RotateRowLeft(RowB);
      right = (right >> 1) | ((right & 1U) << 15);
      left = ((left << 1) & 0xFFFFU) | (left >> 15);
      ASSERT_EQ(store.RowToWord(RowA), right) << start << " step " << step;
      ASSERT_EQ(store.RowToWord(RowB), left) << start << " step " << step;
    }
    EXPECT_EQ(store.RowToWord(RowA), start);
    EXPECT_EQ(store.RowToWord(RowB), start);
  }
}

TEST(NBoolProc, RowToDecHexPadsButNeverCuts) {
  struct TCase {
    std::uint16_t Value;
    std::uint8_t Digits;
    const char* Text;
  };
  const TCase cases[] = {
      {10, 1, "10d  Ah"}, {5, 2, "5d  05h"},           {200, 2, "200d  C8h"},
      {0, 1, "0d  0h"},   {65535, 2, "65535d  FFFFh"}, {0xBEEF, 1, "48879d  BEEFh"},
  };
  for (const TCase& c : cases) {
    TNBoolProc store;
    store.SetRowFromWord(RowScratch, c.Value);
    EXPECT_EQ(store.RowToDecHex(RowScratch, c.Digits), c.Text);
  }
}

// A wrong row number must neither write beyond the store nor read what lies
// there. The store is followed by a guard area of ones, so a write past the
// store changes the guard and a read past it sees ones.
TEST(NBoolProc, RowNumbersOutsideTheStoreAreIgnored) {
  struct TGuardedStore {
    TNBoolProc Store = FullStore();
    std::array<std::uint8_t, 256 * TNBoolProc::RowWidth> Beyond;
  };
  for (const std::uint8_t row : {std::uint8_t{9}, std::uint8_t{255}}) {
    TGuardedStore guarded;
    guarded.Beyond.fill(1);
    TNBoolProc& store = guarded.Store;
    store.ClearRow(row);
    store.SetRowFromByte(row, 0);
    store.SetRowFromWord(row, 0);
    store.RotateRowLeft(row);
    store.RotateRowRight(row);
    EXPECT_EQ(store.Cells, FullStore().Cells);
    EXPECT_TRUE(std::all_of(guarded.Beyond.begin(), guarded.Beyond.end(),
                            [](std::uint8_t cell) { return cell == 1; }));
    EXPECT_EQ(store.RowToWord(row), 0);
    EXPECT_EQ(store.RowToByte(row), 0);
    EXPECT_EQ(store.RowToDecHex(row, 1), "0d  0h");
  }
}

}  // namespace
