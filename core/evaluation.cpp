#include "core/evaluation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/n_bool_proc.h"
#include "core/operation.h"
#include "core/readout_text.h"

namespace bitcalc::core {

namespace {

// Bits First..Last of a row and the gradient label that shows them.
struct TSlice {
  std::uint8_t First;
  std::uint8_t Last;
  std::string_view Target;
};

// The nibble and byte readouts of a row, in the order they are made. The byte
// slices also give the row's low and high characters.
using TSliceTable = std::array<TSlice, 6>;

constexpr TSliceTable kOperandASlices{{
    {0, 3, "GradientLabel1"},
    {4, 7, "GradientLabel2"},
    {0, 7, "GradientLabel3"},
    {8, 11, "GradientLabel4"},
    {12, 15, "GradientLabel6"},
    {8, 15, "GradientLabel5"},
}};

constexpr TSliceTable kResultSlices{{
    {0, 3, "GradientLabel7"},
    {4, 7, "GradientLabel8"},
    {0, 7, "GradientLabel9"},
    {8, 11, "GradientLabel10"},
    {12, 15, "GradientLabel11"},
    {8, 15, "GradientLabel12"},
}};

// Appends captions in the order they are written.
class TCaptionWriter {
 public:
  explicit TCaptionWriter(std::array<TCaption, TEvaluation::CaptionCount>& captions)
      : captions_(captions) {}

  void Add(std::string_view target, std::string text) {
    TCaption& caption = captions_[next_++];
    caption.Target = target;
    caption.Text = std::move(text);
  }

 private:
  std::array<TCaption, TEvaluation::CaptionCount>& captions_;
  std::size_t next_ = 0;
};

struct TRowCharacters {
  std::uint8_t Low = 0;
  std::uint8_t High = 0;
};

// Clears `RowScratch`, then copies the cells first..last of `row` into its
// cells from 0 up, as they are (no normalising to 0/1).
void CopyToScratch(TNBoolProc& store, std::uint8_t row, std::uint8_t first, std::uint8_t last) {
  store.ClearRow(RowScratch);
  for (int k = 0; k <= last - first; ++k) {
    store.Cells[RowScratch][k] = store.Cells[row][first + k];
  }
}

std::uint8_t ByteCharacter(TNBoolProc& store, std::uint8_t row, std::uint8_t first) {
  CopyToScratch(store, row, first, static_cast<std::uint8_t>(first + 7));
  return store.RowToByte(RowScratch);
}

TRowCharacters AddSliceReadouts(TNBoolProc& store, std::uint8_t row, const TSliceTable& slices,
                                TCaptionWriter& out) {
  TRowCharacters characters;
  for (const TSlice& slice : slices) {
    CopyToScratch(store, row, slice.First, slice.Last);
    const bool isByte = slice.Last - slice.First == 7;
    out.Add(slice.Target, store.RowToDecHex(RowScratch, isByte ? 2 : 1));
    if (isByte) {
      (slice.First == 0 ? characters.Low : characters.High) = store.RowToByte(RowScratch);
    }
  }
  return characters;
}

}  // namespace

TEvaluation Evaluate(TNBoolProc& store, int position, std::string_view signedPrefix) {
  TEvaluation evaluation;
  TCaptionWriter out(evaluation.Captions);

  const TRowCharacters a = AddSliceReadouts(store, RowA, kOperandASlices, out);
  out.Add("Label22", CharacterText(a.Low));
  out.Add("Label23", CharacterText(a.High));

  const std::uint8_t bLow = ByteCharacter(store, RowB, 0);
  const std::uint8_t bHigh = ByteCharacter(store, RowB, 8);
  out.Add("Label25", CharacterText(bLow));
  out.Add("Label24", CharacterText(bHigh));

  const std::uint16_t valueA = store.RowToWord(RowA);
  out.Add("Label27", SignedText(valueA, signedPrefix));

  const std::uint16_t valueB = store.RowToWord(RowB);
  evaluation.Result = ApplyOperation(OperationAtPosition(position), valueA, valueB);
  store.SetRowFromWord(RowResult, evaluation.Result);

  for (std::size_t i = 0; i < TEvaluation::LedCount; ++i) {
    evaluation.Leds[i] = store.Cells[RowResult][i] != 0;
  }

  out.Add("Label13", ResultDecimalText(evaluation.Result));
  out.Add("Label15", ResultHexText(evaluation.Result));
  const TRowCharacters result = AddSliceReadouts(store, RowResult, kResultSlices, out);
  out.Add("Label21", ResultCharactersText(result.High, result.Low));
  return evaluation;
}

}  // namespace bitcalc::core
