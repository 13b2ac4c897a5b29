#pragma once

#include <array>
#include <cstdint>
#include <string>

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

  std::array<framework::TShape*, 11> Shape{};
  std::array<framework::TLabel*, 27> Label{};
  std::array<widgets::TBitToggleSwitch*, 32> BitToggleSwitch{};
  std::array<widgets::TBitLED*, 16> BitLED{};
  std::array<widgets::TGradientLabel*, 12> GradientLabel{};
  std::array<framework::TButton*, 11> Button{};
  widgets::TNumSpinEdit* NumSpinEdit1 = nullptr;
  widgets::TNumSpinEdit* NumSpinEdit2 = nullptr;
  widgets::TNumSpinEdit* NumSpinEdit4 = nullptr;
  widgets::TNumSpinEdit* NumSpinEdit5 = nullptr;
  widgets::TStyledCharacterSelector* as1 = nullptr;
  widgets::TStyledCharacterSelector* as2 = nullptr;
  widgets::TStyledCharacterSelector* as3 = nullptr;
  widgets::TStyledCharacterSelector* as4 = nullptr;
  widgets::TStyledTrackBar* StyledTrackBar1 = nullptr;
  widgets::TStyledOfficeStatusBar* ad1 = nullptr;
  widgets::TStyledOfficeStatusBarOfficeStyler* StyledOfficeStatusBarOfficeStyler1 = nullptr;
  widgets::TStyledOfficeHint* StyledOfficeHint1 = nullptr;
  framework::TAppProperties* AppProperties1 = nullptr;
  framework::TTimer* Timer1 = nullptr;

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

  void FormCreate(TObject* sender);
  void Timer1Timer(TObject* sender);
  void BitToggleSwitch1Click(TObject* sender);
  void BitToggleSwitch17Click(TObject* sender);
  void NumSpinEdit4Change(TObject* sender);
  void NumSpinEdit5Change(TObject* sender);
  void NumSpinEdit1Change(TObject* sender);
  void NumSpinEdit2Change(TObject* sender);
  void Button1Click(TObject* sender);
  void Button2Click(TObject* sender);
  void Button3Click(TObject* sender);
  void Button4Click(TObject* sender);
  void Button5Click(TObject* sender);
  void Button6Click(TObject* sender);
  void Button7Click(TObject* sender);
  void Button8Click(TObject* sender);
  void Button9Click(TObject* sender);
  void Button10Click(TObject* sender);
  void Button11Click(TObject* sender);
  void as1Select(TObject* sender);
  void as2Select(TObject* sender);
  void as3Select(TObject* sender);
  void as4Select(TObject* sender);
  void StyledTrackBar1Change(TObject* sender);

 private:
  void CreateGraphicComponents();
  void CreateWindowedComponents();
  void CreateStatusArea();
  void BindEvents();
  void ResolveCaptionTargets();

  // The readout each caption of an evaluation goes to, in the evaluation's
  // order; resolved by name once, when the window is built.
  std::array<framework::TControl*, 20> caption_targets_{};
  // How the signed readout of A begins, in the user's language (8-bit).
  std::string signed_prefix_;
  int evaluations_ = 0;
};

}  // namespace bitcalc::main_window
