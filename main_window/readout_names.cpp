#include "main_window/readout_names.h"

#include <QCoreApplication>
#include <array>
#include <cstdint>

#include "core/n_bool_proc.h"
#include "framework/text/text.h"

namespace bitcalc::main_window {

namespace {

enum class TShows { DecimalAndHex, Decimal, Hex, Signed, Character, Characters };

// A readout and the bits First..Last of the row (operand or result) it shows.
struct TReadout {
  std::string_view Target;
  TShows Shows;
  std::uint8_t Row;
  int First;
  int Last;
};

constexpr std::array<TReadout, 20> kReadouts{{
    {"GradientLabel1", TShows::DecimalAndHex, core::RowA, 0, 3},
    {"GradientLabel2", TShows::DecimalAndHex, core::RowA, 4, 7},
    {"GradientLabel3", TShows::DecimalAndHex, core::RowA, 0, 7},
    {"GradientLabel4", TShows::DecimalAndHex, core::RowA, 8, 11},
    {"GradientLabel5", TShows::DecimalAndHex, core::RowA, 8, 15},
    {"GradientLabel6", TShows::DecimalAndHex, core::RowA, 12, 15},
    {"GradientLabel7", TShows::DecimalAndHex, core::RowResult, 0, 3},
    {"GradientLabel8", TShows::DecimalAndHex, core::RowResult, 4, 7},
    {"GradientLabel9", TShows::DecimalAndHex, core::RowResult, 0, 7},
    {"GradientLabel10", TShows::DecimalAndHex, core::RowResult, 8, 11},
    {"GradientLabel11", TShows::DecimalAndHex, core::RowResult, 12, 15},
    {"GradientLabel12", TShows::DecimalAndHex, core::RowResult, 8, 15},
    {"Label13", TShows::Decimal, core::RowResult, 0, 15},
    {"Label15", TShows::Hex, core::RowResult, 0, 15},
    {"Label21", TShows::Characters, core::RowResult, 0, 15},
    {"Label22", TShows::Character, core::RowA, 0, 7},
    {"Label23", TShows::Character, core::RowA, 8, 15},
    {"Label24", TShows::Character, core::RowB, 8, 15},
    {"Label25", TShows::Character, core::RowB, 0, 7},
    {"Label27", TShows::Signed, core::RowA, 0, 15},
}};

QString RowName(std::uint8_t row) {
  return row == core::RowA   ? QCoreApplication::translate("Readouts", "A")
         : row == core::RowB ? QCoreApplication::translate("Readouts", "B")
                             : QCoreApplication::translate("Readouts", "Result");
}

unsigned Bits(const TReadout& r) {
  const unsigned word = core::BoolStore.RowToWord(r.Row);
  return (word >> r.First) & ((1u << (r.Last - r.First + 1)) - 1);
}

QString Hex(unsigned value) {
  return QString::number(value, 16).toUpper();
}

// A byte as the character grid reads it: its code, then the character where
// it shows as one.
QString CharacterReading(unsigned code) {
  const QString shown = framework::FromCp1250(std::string(1, char(code)));
  return framework::StartsWithPrintable(shown) ? QString("%1 %2").arg(code).arg(shown)
                                               : QString::number(code);
}

QString Reading(const TReadout& r) {
  const QString row = RowName(r.Row);
  const unsigned value = Bits(r);
  switch (r.Shows) {
    case TShows::DecimalAndHex:
      return QCoreApplication::translate("Readouts", "%1, bits %2 to %3: %4, hexadecimal %5")
          .arg(row)
          .arg(r.First)
          .arg(r.Last)
          .arg(value)
          .arg(Hex(value));
    case TShows::Decimal:
      return QCoreApplication::translate("Readouts", "%1, decimal: %2").arg(row).arg(value);
    case TShows::Hex:
      return QCoreApplication::translate("Readouts", "%1, hexadecimal: %2").arg(row, Hex(value));
    case TShows::Signed:
      return QCoreApplication::translate("Readouts", "%1, signed: %2").arg(row).arg(int(std::int16_t(value)));
    case TShows::Character:
      return (r.First == 0 ? QCoreApplication::translate("Readouts", "%1, low byte character: %2") : QCoreApplication::translate("Readouts", "%1, high byte character: %2"))
          .arg(row, CharacterReading(value));
    case TShows::Characters:
      return QCoreApplication::translate("Readouts", "%1, characters: high byte %2, low byte %3")
          .arg(row, CharacterReading(value >> 8), CharacterReading(value & 0xFF));
  }
  return {};
}

}  // namespace

QString ReadoutAccessibleName(std::string_view target) {
  for (const TReadout& r : kReadouts)
    if (r.Target == target) return Reading(r);
  return {};
}

}  // namespace bitcalc::main_window
