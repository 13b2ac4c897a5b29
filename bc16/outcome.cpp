#include "bc16/outcome.h"

#include <string_view>

#include "core/operation.h"
#include "core/readout_text.h"
#include "core/value_text.h"

namespace bitcalc::bc16 {

namespace {

using core::TOperation;
using core::TValueForm;

void Line(std::string& out, std::string_view key, const std::string& value) {
  out += key;
  out += '\t';
  out += value;
  out += '\n';
}

// Bits first … first+width-1 of the value, alone.
std::uint16_t Bits(std::uint16_t value, int first, int width) {
  return static_cast<std::uint16_t>(value >> first & ((1 << width) - 1));
}

std::string_view FlagsText(const TOutcome& outcome) {
  if (outcome.Wrapped) return "wrapped";
  if (outcome.DivByZero) return "div-by-zero";
  return "-";
}

}  // namespace

TOutcome Evaluate(const TExpression& e) {
  TOutcome outcome;
  outcome.Result = core::ApplyOperation(e.Operation, e.A, e.B);
  switch (e.Operation) {
    case TOperation::opAdd:
      outcome.Wrapped = e.A + e.B > 0xFFFF;
      break;
    case TOperation::opSub:
      outcome.Wrapped = e.A < e.B;
      break;
    case TOperation::opDiv:
    case TOperation::opMod:
      outcome.DivByZero = e.B == 0;
      break;
    default:
      break;
  }
  return outcome;
}

void AppendReport(std::string& out, const TOutcome& outcome) {
  const std::uint16_t r = outcome.Result;
  Line(out, "dec", core::ValueText(r, TValueForm::Decimal));
  Line(out, "hex", core::ValueText(r, TValueForm::Hex));
  Line(out, "bin", core::BinaryNibblesText(r));
  Line(out, "char", core::ValueText(r, TValueForm::Character));
  Line(out, "signed", core::ValueText(r, TValueForm::Signed));
  Line(out, "nib3", core::DecHexText(Bits(r, 12, 4), 1));
  Line(out, "nib2", core::DecHexText(Bits(r, 8, 4), 1));
  Line(out, "nib1", core::DecHexText(Bits(r, 4, 4), 1));
  Line(out, "nib0", core::DecHexText(Bits(r, 0, 4), 1));
  Line(out, "byte1", core::DecHexText(Bits(r, 8, 8), 2));
  Line(out, "byte0", core::DecHexText(Bits(r, 0, 8), 2));
  Line(out, "flags", std::string(FlagsText(outcome)));
}

}  // namespace bitcalc::bc16
