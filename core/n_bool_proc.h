#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace bitcalc::core {

// Row numbers of the store. Every user addresses rows by these; rows 3 and 6-8
// exist but carry nothing.
inline constexpr std::uint8_t RowA = 0;
inline constexpr std::uint8_t RowB = 1;
inline constexpr std::uint8_t RowResult = 2;
// Working row of the evaluation: a nibble or byte while its readout is made.
inline constexpr std::uint8_t RowScratch = 4;
// Working row of the window's handlers: half a row during swaps, a character
// code during character loads.
inline constexpr std::uint8_t RowTransfer = 5;

// The calculator's only model of data: nine rows of sixteen one-byte boolean
// cells, cell i holding bit i (cell 0 is the least significant bit).
//
// `Cells` is public on purpose: the window's handlers flip single cells and
// copy runs of cells between rows directly. Every writer stores only 0 or 1;
// the reads count a cell only when it is exactly 1.
//
// Row numbers outside 0-8 are ignored by every operation (writes do nothing,
// reads give 0) so that a wrong row number can never reach memory beyond the
// store.
class TNBoolProc {
 public:
  static constexpr std::uint8_t RowCount = 9;
  static constexpr std::uint8_t RowWidth = 16;
  using TRow = std::array<std::uint8_t, RowWidth>;

  // Rows one after another, sixteen cells each; a new store is all 0.
  std::array<TRow, RowCount> Cells{};

  void ClearRow(std::uint8_t row);
  // Clears the row, then stores the value's bits in cells 0-7.
  void SetRowFromByte(std::uint8_t row, std::uint8_t value);
  // Clears the row, then stores the value's bits in cells 0-15.
  void SetRowFromWord(std::uint8_t row, std::uint16_t value);

  // Value of cells 0-7; cells 8-15 are ignored.
  std::uint8_t RowToByte(std::uint8_t row) const;
  std::uint16_t RowToWord(std::uint8_t row) const;

  // v -> (v >> 1) | ((v & 1) << 15): cell 15 takes the old cell 0.
  void RotateRowRight(std::uint8_t row);
  // v -> ((v << 1) & 0xFFFF) | (v >> 15): cell 0 takes the old cell 15.
  void RotateRowLeft(std::uint8_t row);

  // "<decimal>d  <HEX>h", the hexadecimal part padded to at least `digits`
  // digits, e.g. "5d  05h" for 5 with digits 2.
  std::string RowToDecHex(std::uint8_t row, std::uint8_t digits) const;

 private:
  static bool IsRow(std::uint8_t row) { return row < RowCount; }
};

// The one store of the program. It is constant-initialised (every cell 0), so
// it is valid from process load on, before any constructor or `main()` runs.
extern constinit TNBoolProc BoolStore;

// Start-up: gives `BoolStore` every cell 0. `main()` calls it first, before the
// application object and the window exist; a test that builds a window again
// within one process calls it to start from the same state as the program.
void CreateBoolStore();

}  // namespace bitcalc::core
