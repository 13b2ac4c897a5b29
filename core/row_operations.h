#pragma once

#include <cstdint>

#include "core/n_bool_proc.h"

namespace bitcalc::core {

// The window's operations on runs of cells, kept apart from the store's own.
// Each works cell by cell in a fixed order, lowest cell first, so a run copied
// onto an overlapping run of the same row sees the cells it already wrote.
// A row outside the store, or a run reaching past cell 15, leaves the store
// untouched.

// Copies count cells of fromRow, starting at from, onto toRow at to.
void CopyCells(TNBoolProc& store, std::uint8_t toRow, int to, std::uint8_t fromRow, int from,
               int count);

// Exchanges the halves lo..lo+count-1 and hi..hi+count-1 of a row (two
// nibbles, or the two bytes): the transfer row is cleared and takes the low
// half, the high half is copied down, then the transfer row's cells go up.
void SwapHalves(TNBoolProc& store, std::uint8_t row, int lo, int hi, int count);

// Flips every cell of the row between 0 and 1.
void InvertRow(TNBoolProc& store, std::uint8_t row);

// Writes a character code into cells firstCell..firstCell+7 of the row, by
// way of the transfer row, which keeps the code afterwards.
void LoadCharacter(TNBoolProc& store, std::uint8_t row, int firstCell, std::uint8_t code);

}  // namespace bitcalc::core
