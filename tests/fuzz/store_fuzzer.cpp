#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/n_bool_proc.h"

using namespace bitcalc::core;

// Runs the store's row operations as the input bytes dictate, row numbers
// included (a wrong row must never reach memory beyond the store), and checks
// after every step that each cell still holds 0 or 1 and that the operations
// keep their defining properties.
namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckCells(const TNBoolProc& store) {
  for (const auto& row : store.Cells)
    for (std::uint8_t cell : row) Check(cell <= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TNBoolProc store;
  for (std::size_t i = 0; i + 3 < size; i += 4) {
    const std::uint8_t op = data[i] % 8;
    const std::uint8_t row = data[i + 1];
    const std::uint16_t value = std::uint16_t(data[i + 2] | data[i + 3] << 8);
    const bool valid = row < TNBoolProc::RowCount;
    const std::uint16_t before = store.RowToWord(row);
    switch (op) {
      case 0:
        store.ClearRow(row);
        Check(store.RowToWord(row) == 0);
        break;
      case 1:
        store.SetRowFromByte(row, std::uint8_t(value));
        Check(store.RowToWord(row) == (valid ? (value & 0xFF) : 0));
        break;
      case 2:
        store.SetRowFromWord(row, value);
        Check(store.RowToWord(row) == (valid ? value : 0));
        Check(store.RowToByte(row) == (valid ? (value & 0xFF) : 0));
        break;
      case 3:
        store.RotateRowLeft(row);
        Check(store.RowToWord(row) == std::uint16_t(before << 1 | before >> 15));
        break;
      case 4:
        store.RotateRowRight(row);
        Check(store.RowToWord(row) == std::uint16_t(before >> 1 | (before & 1) << 15));
        break;
      case 5: {
        const std::string text = store.RowToDecHex(row, std::uint8_t(value));
        Check(text.find("d  ") != std::string::npos && text.back() == 'h');
        Check(std::strtoul(text.c_str(), nullptr, 10) == before);
        break;
      }
      default:
        Check(store.RowToByte(row) == (before & 0xFF));
        break;
    }
    CheckCells(store);
  }
  return 0;
}
