#include "core/row_operations.h"

namespace bitcalc::core {

namespace {

bool IsRun(std::uint8_t row, int first, int count) {
  return row < TNBoolProc::RowCount && first >= 0 && count >= 0 &&
         first + count <= TNBoolProc::RowWidth;
}

}  // namespace

void CopyCells(TNBoolProc& store, std::uint8_t toRow, int to, std::uint8_t fromRow, int from,
               int count) {
  if (!IsRun(toRow, to, count) || !IsRun(fromRow, from, count)) return;
  for (int k = 0; k < count; ++k) store.Cells[toRow][to + k] = store.Cells[fromRow][from + k];
}

void SwapHalves(TNBoolProc& store, std::uint8_t row, int lo, int hi, int count) {
  if (!IsRun(row, lo, count) || !IsRun(row, hi, count)) return;
  store.ClearRow(RowTransfer);
  CopyCells(store, RowTransfer, 0, row, lo, count);
  CopyCells(store, row, lo, row, hi, count);
  CopyCells(store, row, hi, RowTransfer, 0, count);
}

void InvertRow(TNBoolProc& store, std::uint8_t row) {
  if (row >= TNBoolProc::RowCount) return;
  for (auto& cell : store.Cells[row]) cell ^= 1;
}

void LoadCharacter(TNBoolProc& store, std::uint8_t row, int firstCell, std::uint8_t code) {
  if (!IsRun(row, firstCell, 8)) return;
  store.ClearRow(RowTransfer);
  store.SetRowFromByte(RowTransfer, code);
  CopyCells(store, row, firstCell, RowTransfer, 0, 8);
}

}  // namespace bitcalc::core
