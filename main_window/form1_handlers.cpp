#include <cstdint>
#include <string>

#include "core/evaluation.h"
#include "core/n_bool_proc.h"
#include "core/row_operations.h"
#include "main_window/form1.h"
#include "widgets/bits/bit_led.h"
#include "widgets/bits/bit_toggle_switch.h"
#include "widgets/entry/num_spin_edit.h"
#include "widgets/entry/spin_value_parser.h"
#include "widgets/entry/styled_character_selector.h"
#include "widgets/trackbar/styled_track_bar.h"

namespace bitcalc::main_window {

using namespace bitcalc::core;
using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// The low 16 bits of a field's value rounded to an integer: a typed "-5"
// stores 65531 and "70000" stores 4464.
std::uint16_t LowWord(TSpinValue value) {
  return static_cast<std::uint16_t>(RoundHalfEven64(value) & 0xFFFF);
}

// The switch numbered for bit i of operand B: the low byte's switches are
// 17-24, the high byte's 25-32.
int SwitchOfB(int bit) {
  return bit < 8 ? 17 + bit : 25 + (bit - 8);
}

}  // namespace

void TForm1::AvecToSw() {
  for (int k = 1; k <= 16; ++k) BitToggleSwitch[k - 1]->SetChecked(BoolStore.Cells[RowA][k - 1]);
}

void TForm1::SwToAvec() {
  for (int k = 1; k <= 16; ++k)
    BoolStore.Cells[RowA][k - 1] = BitToggleSwitch[k - 1]->Checked() ? 1 : 0;
}

void TForm1::BvecToSw() {
  for (int i = 0; i < 16; ++i)
    BitToggleSwitch[SwitchOfB(i) - 1]->SetChecked(BoolStore.Cells[RowB][i]);
}

void TForm1::SwToBvec() {
  for (int i = 0; i < 16; ++i)
    BoolStore.Cells[RowB][i] = BitToggleSwitch[SwitchOfB(i) - 1]->Checked() ? 1 : 0;
}

void TForm1::policz() {
  ++evaluations_;
  const TEvaluation e = Evaluate(BoolStore, StyledTrackBar1->Position());
  std::size_t i = 0;
  for (const TCaption& c : e.BeforeLeds()) caption_targets_[i++]->SetCaption(c.Text);
  VecToLed();
  for (const TCaption& c : e.AfterLeds()) caption_targets_[i++]->SetCaption(c.Text);
}

void TForm1::VecToLed() {
  for (int k = 1; k <= 16; ++k) BitLED[k - 1]->SetChecked(BoolStore.Cells[RowResult][k - 1]);
}

void TForm1::FormCreate(TObject*) {
  for (TNumSpinEdit* field : {NumSpinEdit1, NumSpinEdit2, NumSpinEdit4, NumSpinEdit5})
    field->SetCtl3D(false);
  for (TStyledCharacterSelector* selector : {as1, as2, as3, as4}) {
    std::string characters;
    selector->SetCharacters(characters);
    for (int code = 0; code <= 255; ++code) {
      characters += char(code);
      selector->SetCharacters(characters);
    }
  }
  policz();
}

void TForm1::BitToggleSwitch1Click(TObject*) {
  SwToAvec();
  NumSpinEdit4->SetValue(BoolStore.RowToWord(RowA));
  policz();
}

void TForm1::BitToggleSwitch17Click(TObject*) {
  SwToBvec();
  NumSpinEdit1->SetValue(BoolStore.RowToWord(RowB));
  policz();
}

// Each field stores its value in the operand's row, mirrors it into its twin
// (whose own handler runs nested if the twin's text changes), then brings the
// switches and readouts into step. An emptied field changes nothing.
void TForm1::MirrorField(TNumSpinEdit* field, TNumSpinEdit* twin, std::uint8_t row,
                         void (TForm1::*rowToSwitches)()) {
  if (field->Text().empty()) return;
  BoolStore.SetRowFromWord(row, LowWord(field->Value()));
  twin->SetValue(field->Value());
  (this->*rowToSwitches)();
  policz();
}

void TForm1::NumSpinEdit4Change(TObject*) {
  MirrorField(NumSpinEdit4, NumSpinEdit5, RowA, &TForm1::AvecToSw);
}

void TForm1::NumSpinEdit5Change(TObject*) {
  MirrorField(NumSpinEdit5, NumSpinEdit4, RowA, &TForm1::AvecToSw);
}

void TForm1::NumSpinEdit1Change(TObject*) {
  MirrorField(NumSpinEdit1, NumSpinEdit2, RowB, &TForm1::BvecToSw);
}

void TForm1::NumSpinEdit2Change(TObject*) {
  MirrorField(NumSpinEdit2, NumSpinEdit1, RowB, &TForm1::BvecToSw);
}

void TForm1::Button1Click(TObject* sender) {
  BoolStore.RotateRowLeft(RowA);
  AvecToSw();
  BitToggleSwitch1Click(sender);
}

void TForm1::Button2Click(TObject* sender) {
  BoolStore.RotateRowRight(RowA);
  AvecToSw();
  BitToggleSwitch1Click(sender);
}

void TForm1::Button3Click(TObject* sender) {
  BoolStore.RotateRowLeft(RowB);
  BvecToSw();
  BitToggleSwitch17Click(sender);
}

void TForm1::Button4Click(TObject* sender) {
  BoolStore.RotateRowRight(RowB);
  BvecToSw();
  BitToggleSwitch17Click(sender);
}

void TForm1::Button5Click(TObject* sender) {
  InvertRow(BoolStore, RowA);
  AvecToSw();
  BitToggleSwitch1Click(sender);
}

void TForm1::Button6Click(TObject* sender) {
  BoolStore.ClearRow(RowA);
  AvecToSw();
  BitToggleSwitch1Click(sender);
}

void TForm1::Button7Click(TObject* sender) {
  InvertRow(BoolStore, RowB);
  BvecToSw();
  BitToggleSwitch17Click(sender);
}

void TForm1::Button8Click(TObject* sender) {
  BoolStore.ClearRow(RowB);
  BvecToSw();
  BitToggleSwitch17Click(sender);
}

void TForm1::Button9Click(TObject* sender) {
  SwapHalves(BoolStore, RowA, 0, 4, 4);
  AvecToSw();
  BitToggleSwitch1Click(sender);
}

void TForm1::Button10Click(TObject* sender) {
  SwapHalves(BoolStore, RowA, 8, 12, 4);
  AvecToSw();
  BitToggleSwitch1Click(sender);
}

void TForm1::Button11Click(TObject* sender) {
  SwapHalves(BoolStore, RowA, 0, 8, 8);
  AvecToSw();
  BitToggleSwitch1Click(sender);
}

void TForm1::as1Select(TObject* sender) {
  LoadCharacter(BoolStore, RowA, 0, as1->SelectedChar());
  AvecToSw();
  BitToggleSwitch1Click(sender);
}

void TForm1::as2Select(TObject* sender) {
  LoadCharacter(BoolStore, RowA, 8, as2->SelectedChar());
  AvecToSw();
  BitToggleSwitch1Click(sender);
}

void TForm1::as3Select(TObject* sender) {
  LoadCharacter(BoolStore, RowB, 0, as3->SelectedChar());
  BvecToSw();
  BitToggleSwitch17Click(sender);
}

void TForm1::as4Select(TObject* sender) {
  LoadCharacter(BoolStore, RowB, 8, as4->SelectedChar());
  BvecToSw();
  BitToggleSwitch17Click(sender);
}

void TForm1::StyledTrackBar1Change(TObject*) {
  policz();
}

}  // namespace bitcalc::main_window
