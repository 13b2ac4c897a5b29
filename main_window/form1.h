#pragma once

#include <array>
#include <cstdint>

#include "framework/runtime/form.h"

namespace bitcalc::framework {
class TAppProperties;
class TButton;
class TLabel;
class TShape;
class TTimer;
}  // namespace bitcalc::framework

namespace bitcalc::widgets {
class TBitLED;
class TBitToggleSwitch;
class TGradientLabel;
class TNumSpinEdit;
class TStyledCharacterSelector;
class TStyledOfficeHint;
class TStyledOfficeStatusBar;
class TStyledOfficeStatusBarOfficeStyler;
class TStyledTrackBar;
}  // namespace bitcalc::widgets

namespace bitcalc::main_window {

using framework::TObject;

// The calculator's one window. Its components are created from the stored
// layout while the window is loading, so no handler runs before OnCreate;
// every user action then enters one handler, which brings the operand's row,
// switches and fields into step and evaluates.
//
// Numbered components live in arrays: BitToggleSwitch[k - 1] is the component
// named "BitToggleSwitch<k>", and so on for the others.
class TForm1 : public framework::TForm {
 public:
  explicit TForm1(framework::TComponent* owner);
  ~TForm1() override;

  // White frames: operand A, operand B, operation and result areas, and
  // the boxes behind the result and character readouts.
  std::array<framework::TShape*, 11> Shape{};
  // Bit numbers, "A" and "B", column titles, the eight operation names, and
  // the readouts: result in decimal, hex and characters, operand characters,
  // A signed.
  std::array<framework::TLabel*, 27> Label{};
  // Operand A's bits on 1-16 (1 is bit 0), operand B's on 17-32 (17 is bit 0).
  std::array<widgets::TBitToggleSwitch*, 32> BitToggleSwitch{};
  // The result's bits; BitLED[0] is bit 0.
  std::array<widgets::TBitLED*, 16> BitLED{};
  // Nibble and byte readouts of A (1-6) and of the result (7-12).
  std::array<widgets::TGradientLabel*, 12> GradientLabel{};
  // Rotate A left/right (1, 2), rotate B (3, 4), invert and clear A (5, 6)
  // and B (7, 8), swap A's low nibbles (9), high nibbles (10), bytes (11).
  std::array<framework::TButton*, 11> Button{};
  widgets::TNumSpinEdit* NumSpinEdit1 = nullptr;        // B in decimal
  widgets::TNumSpinEdit* NumSpinEdit2 = nullptr;        // B in hexadecimal
  widgets::TNumSpinEdit* NumSpinEdit4 = nullptr;        // A in decimal
  widgets::TNumSpinEdit* NumSpinEdit5 = nullptr;        // A in hexadecimal
  widgets::TStyledCharacterSelector* as1 = nullptr;     // picks A's low byte
  widgets::TStyledCharacterSelector* as2 = nullptr;     // picks A's high byte
  widgets::TStyledCharacterSelector* as3 = nullptr;     // picks B's low byte
  widgets::TStyledCharacterSelector* as4 = nullptr;     // picks B's high byte
  widgets::TStyledTrackBar* StyledTrackBar1 = nullptr;  // the operation, 0 (A DIV B) to 7 (NOT A)
  widgets::TStyledOfficeStatusBar* ad1 = nullptr;       // the status bar at the bottom
  // The status bar's gloss colours.
  widgets::TStyledOfficeStatusBarOfficeStyler* StyledOfficeStatusBarOfficeStyler1 = nullptr;
  widgets::TStyledOfficeHint* StyledOfficeHint1 = nullptr;  // the look of the window's hints
  framework::TAppProperties* AppProperties1 = nullptr;      // the program's hint settings
  framework::TTimer* Timer1 = nullptr;                      // rotates the status text

  // Which of the three status texts the timer showed last (1-3; 0 at first).
  int StatusRotation = 0;

  // Copies between the operands' rows and their switches.
  void AvecToSw();
  void SwToAvec();
  void BvecToSw();
  void SwToBvec();

  // The evaluation: result row, LEDs and the twenty readouts.
  void policz();
  void VecToLed();
  // How many evaluations have run since the window was built.
  int EvaluationCount() const { return evaluations_; }

  // The window's handlers, named after the component and event that call them.
  void FormCreate(TObject* sender);              // fills the selectors, first evaluation
  void Timer1Timer(TObject* sender);             // next status text
  void BitToggleSwitch1Click(TObject* sender);   // any of A's switches
  void BitToggleSwitch17Click(TObject* sender);  // any of B's switches
  void NumSpinEdit4Change(TObject* sender);      // A typed in decimal
  void NumSpinEdit5Change(TObject* sender);      // A typed in hexadecimal
  void NumSpinEdit1Change(TObject* sender);      // B typed in decimal
  void NumSpinEdit2Change(TObject* sender);      // B typed in hexadecimal
  void Button1Click(TObject* sender);            // rotate A left
  void Button2Click(TObject* sender);            // rotate A right
  void Button3Click(TObject* sender);            // rotate B left
  void Button4Click(TObject* sender);            // rotate B right
  void Button5Click(TObject* sender);            // invert A
  void Button6Click(TObject* sender);            // clear A
  void Button7Click(TObject* sender);            // invert B
  void Button8Click(TObject* sender);            // clear B
  void Button9Click(TObject* sender);            // swap A's low nibbles
  void Button10Click(TObject* sender);           // swap A's high nibbles
  void Button11Click(TObject* sender);           // swap A's bytes
  void as1Select(TObject* sender);               // character for A's low byte
  void as2Select(TObject* sender);               // character for A's high byte
  void as3Select(TObject* sender);               // character for B's low byte
  void as4Select(TObject* sender);               // character for B's high byte
  void StyledTrackBar1Change(TObject* sender);   // another operation

 private:
  void CreateGraphicComponents();
  void CreateWindowedComponents();
  void CreateStatusArea();
  void BindEvents();
  void ResolveCaptionTargets();
  // What the four field handlers share: the typed value goes to the row, to
  // the twin field and to the switches, then the window evaluates.
  void MirrorField(widgets::TNumSpinEdit* field, widgets::TNumSpinEdit* twin, std::uint8_t row,
                   void (TForm1::*rowToSwitches)());

  // The readout each caption of an evaluation goes to, in the evaluation's
  // order; resolved by name once, when the window is built.
  std::array<framework::TControl*, 20> caption_targets_{};
  int evaluations_ = 0;
};

}  // namespace bitcalc::main_window
