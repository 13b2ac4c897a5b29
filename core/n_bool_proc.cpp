#include "core/n_bool_proc.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>

#include "core/readout_text.h"

namespace bitcalc::core {

constinit TNBoolProc BoolStore{};

void CreateBoolStore() {
  BoolStore = TNBoolProc{};
}

namespace {

// Cells a load writes: 1 for the values 0 and 1, otherwise one past the
// highest set bit. The row is cleared first, so the cells above stay 0.
int SignificantBits(unsigned value) {
  return std::max(1, static_cast<int>(std::bit_width(value)));
}

template <typename TValue>
void LoadBits(TNBoolProc::TRow& cells, TValue value) {
  const int count = SignificantBits(value);
  for (int i = 0; i < count; ++i) {
    cells[i] = static_cast<std::uint8_t>(value & 1U);
    value = static_cast<TValue>(value >> 1);
  }
}

// Sum of the weights of the cells that hold exactly 1, with sum and weight kept
// in the width of the result.
template <typename TValue, int Width>
TValue ReadBits(const TNBoolProc::TRow& cells) {
  TValue sum = 0;
  TValue weight = 1;
  for (int i = 0; i < Width; ++i) {
    if (cells[i] == 1) sum = static_cast<TValue>(sum + weight);
    weight = static_cast<TValue>(weight << 1);
  }
  return sum;
}

}  // namespace

void TNBoolProc::ClearRow(std::uint8_t row) {
  if (!IsRow(row)) return;
  Cells[row].fill(0);
}

void TNBoolProc::SetRowFromByte(std::uint8_t row, std::uint8_t value) {
  if (!IsRow(row)) return;
  ClearRow(row);
  LoadBits(Cells[row], value);
}

void TNBoolProc::SetRowFromWord(std::uint8_t row, std::uint16_t value) {
  if (!IsRow(row)) return;
  ClearRow(row);
  LoadBits(Cells[row], value);
}

std::uint8_t TNBoolProc::RowToByte(std::uint8_t row) const {
  if (!IsRow(row)) return 0;
  return ReadBits<std::uint8_t, 8>(Cells[row]);
}

std::uint16_t TNBoolProc::RowToWord(std::uint8_t row) const {
  if (!IsRow(row)) return 0;
  return ReadBits<std::uint16_t, RowWidth>(Cells[row]);
}

void TNBoolProc::RotateRowRight(std::uint8_t row) {
  if (!IsRow(row)) return;
  TRow& cells = Cells[row];
  std::rotate(cells.begin(), cells.begin() + 1, cells.end());
}

void TNBoolProc::RotateRowLeft(std::uint8_t row) {
  if (!IsRow(row)) return;
  TRow& cells = Cells[row];
  std::rotate(cells.begin(), cells.end() - 1, cells.end());
}

std::string TNBoolProc::RowToDecHex(std::uint8_t row, std::uint8_t digits) const {
  return DecHexText(RowToWord(row), digits);
}

}  // namespace bitcalc::core
