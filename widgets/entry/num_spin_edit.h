#pragma once

#include <cstdint>
#include <string>

#include "framework/standard/edit.h"
#include "widgets/entry/spin_value_parser.h"

namespace bitcalc::widgets {

class TNumSpinButton;
class TNumUpDown;

enum TSpinButtonKind { bkStandard, bkDiagonal };

// A text field that holds one number, with an up/down button at its right edge.
// The number lives only as the text: reading Value parses the text shown at that
// moment, writing Value formats a number into it.
//
// OnChange comes exactly once, synchronously, for every change of the text:
// each edit of the user, a step that changes the text, and a Value write whose
// text differs (case-sensitively) from the one shown. A handler that writes
// another spin edit's Value therefore runs that field's OnChange nested inside
// itself; a write that leaves the text as it is raises nothing, which is what
// ends a chain of fields mirroring each other.
class TNumSpinEdit : public framework::TCustomEdit {
 public:
  explicit TNumSpinEdit(framework::TComponent* owner);
  ~TNumSpinEdit() override;

  // Not clamped on reading; an unparsable text reads MinValue (truncated for the
  // integer types). Writing clamps, rounds halves to even and formats.
  TSpinValue Value() const;
  void SetValue(TSpinValue v);

  // Left and right are exchanged under right-to-left reading.
  framework::TAlignment Alignment() const { return alignment_; }
  void SetAlignment(framework::TAlignment v);

  // Plain stores: nothing is clamped again when a bound changes. Equal bounds
  // mean no range at all.
  TSpinValue MinValue() const { return min_value_; }
  void SetMinValue(TSpinValue v) { min_value_ = v; }
  TSpinValue MaxValue() const { return max_value_; }
  void SetMaxValue(TSpinValue v) { max_value_ = v; }
  TSpinValue Increment() const { return increment_; }
  void SetIncrement(TSpinValue v) { increment_ = v; }

  // Digits after the separator for vtFloat; a change rewrites the text.
  std::uint8_t Decimal() const { return decimal_; }
  void SetDecimal(std::uint8_t v);

  // While true, a change of the text raises no OnChange.
  bool SuppressChange() const { return suppress_change_; }
  void SetSuppressChange(bool v) { suppress_change_ = v; }

  // Whether the user may change the text by keyboard, cut and paste.
  bool EditorEnabled() const { return editor_enabled_; }
  void SetEditorEnabled(bool v) { editor_enabled_ = v; }

  // A change re-reads the text under the new type and writes it back.
  TValueType ValueType() const { return value_type_; }
  void SetValueType(TValueType v);

  // Up and Down step the value.
  bool ArrowKeys() const { return arrow_keys_; }
  void SetArrowKeys(bool v);

  TSpinButtonKind ButtonKind() const { return button_kind_; }
  void SetButtonKind(TSpinButtonKind v);
  // The kind actually built; the platform's new-style controls are always there.
  TSpinButtonKind EffectiveButtonKind() const { return button_kind_; }

  // The button and the window it sits in (bkDiagonal), or the up-down control
  // (bkStandard); the others are null.
  TNumSpinButton* SpinButton() const { return spin_button_; }
  framework::TWinControl* ButtonHost() const { return button_host_; }
  TNumUpDown* UpDownControl() const { return up_down_; }

  // Reading direction: right-to-left puts the button at the left edge.
  framework::TBiDiMode BiDiMode() const { return bidi_mode_; }
  void SetBiDiMode(framework::TBiDiMode v);

  // The smallest height at which the text and the button still fit.
  int MinimumHeight() const;

  // One step; a read-only field only beeps. OnChange comes once if the text
  // changed other than in the case of its letters; OnTopClick/OnBottomClick
  // follow every step.
  void StepUp();
  void StepDown();

  // A spin box whose value is Value; it is typed into like the field.
  QAccessibleInterface* CreateAccessible() override;

  // The typed-text limit on what a cut or paste may do.
  void CutToClipboard() override;

  void SetBounds(int left, int top, int width, int height) override;

  // Enter and Escape are offered to the form after OnKeyPress, not before it.
  unsigned DialogCode() const override {
    return framework::TCustomEdit::DialogCode() | framework::DLGC_WANTALLKEYS;
  }

  framework::TNotifyEvent OnTopClick;
  framework::TNotifyEvent OnBottomClick;

 protected:
  void Change() override;
  void PasteText(const QString& text) override;
  void InputRefused() override;
  void KeyDown(std::uint16_t& key, framework::TShiftState shift) override;
  void KeyPress(char& key) override;
  void DoEnter() override;
  void DoExit() override;
  void Resize() override;
  void FrameChanged() override;
  void FontChanged() override;
  void EnabledChanged() override;

 private:
  void Step(TSpinValue delta, const framework::TNotifyEvent& after);
  void BuildButton();
  void FreeButton();
  void PlaceButton();
  void SetTextArea();
  void ApplyGeometry();
  void ApplyAlignment();
  bool RightToLeft() const { return bidi_mode_ == framework::bdRightToLeft; }
  int ButtonWidth() const;
  bool LeftButtonHeldOnField() const;
  static char DecimalSeparator();

  framework::TAlignment alignment_ = framework::taLeftJustify;
  TSpinValue min_value_ = 0;
  TSpinValue max_value_ = 0;
  TSpinValue increment_ = 1;
  std::uint8_t decimal_ = 2;
  bool suppress_change_ = false;
  bool editor_enabled_ = true;
  TValueType value_type_ = vtInteger;
  TNumSpinButton* spin_button_ = nullptr;
  framework::TWinControl* button_host_ = nullptr;
  bool arrow_keys_ = true;
  TSpinButtonKind button_kind_ = bkDiagonal;
  TNumUpDown* up_down_ = nullptr;
  framework::TBiDiMode bidi_mode_ = framework::bdLeftToRight;
};

}  // namespace bitcalc::widgets
