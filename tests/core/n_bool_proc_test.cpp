#include "core/n_bool_proc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

using namespace bitcalc::core;

namespace {

TNBoolProc FullStore() {
  TNBoolProc store;
  for (std::uint8_t row = 0; row < TNBoolProc::RowCount; ++row) store.SetRowFromWord(row, 0xFFFF);
  return store;
}

TEST(NBoolProc, NewStoreAndStartUpStoreHoldZeroEverywhere) {
  BoolStore = FullStore();
  CreateBoolStore();
  const TNBoolProc fresh;
  for (std::uint8_t row = 0; row < TNBoolProc::RowCount; ++row) {
    EXPECT_EQ(BoolStore.Cells[row], TNBoolProc::TRow{}) << "row " << int{row};
    EXPECT_EQ(fresh.Cells[row], TNBoolProc::TRow{}) << "row " << int{row};
  }
}

// Every load starts from a full store, so a load that forgets to clear, or
// writes the wrong row, shows.
TEST(NBoolProc, LoadsClearTheRowFirstAndTouchNoOtherRow) {
  struct TCase {
    void (*Load)(TNBoolProc&);
    std::uint16_t Expected;
  };
  const TCase cases[] = {
      {[](TNBoolProc& s) { s.ClearRow(RowB); }, 0},
      {[](TNBoolProc& s) { s.SetRowFromByte(RowB, 0); }, 0},
      {[](TNBoolProc& s) { s.SetRowFromWord(RowB, 0); }, 0},
      {[](TNBoolProc& s) { s.SetRowFromByte(RowB, 1); }, 1},
      {[](TNBoolProc& s) { s.SetRowFromByte(RowB, 255); }, 255},
      {[](TNBoolProc& s) { s.SetRowFromWord(RowB, 32768); }, 32768},
  };
  for (const TCase& c : cases) {
    TNBoolProc store = FullStore();
    c.Load(store);
    TNBoolProc expected = FullStore();
    for (int i = 0; i < 16; ++i) expected.Cells[RowB][i] = (c.Expected >> i) & 1;
    EXPECT_EQ(store.Cells, expected.Cells) << "expected " << c.Expected;
  }
}

TEST(NBoolProc, WordLoadAndReadsAgreeForEveryValue) {
  TNBoolProc store;
  for (unsigned value = 0; value <= 0xFFFF; ++value) {
    store.SetRowFromWord(RowA, static_cast<std::uint16_t>(value));
    for (unsigned i = 0; i < 16; ++i) ASSERT_EQ(store.Cells[RowA][i], (value >> i) & 1U) << value;
    ASSERT_EQ(store.RowToWord(RowA), value);
    ASSERT_EQ(store.RowToByte(RowA), value & 0xFFU);
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

// Each of sixteen steps is checked against the value form of the rotation;
// the starts include the wraps 1 -> 32768 (right) and 32768 -> 1 (left).
TEST(NBoolProc, SixteenRotationsStepByStepRestoreTheValue) {
  for (const std::uint16_t start : {0x0000, 0x0001, 0x8000, 0x8001, 0xFFFF, 0x1234}) {
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
    EXPECT_EQ(right, start);
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
    EXPECT_EQ(store.RowToWord(row) | store.RowToByte(row), 0);
  }
}

}  // namespace
