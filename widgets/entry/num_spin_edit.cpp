#include "widgets/entry/num_spin_edit.h"

#include <QApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "framework/accessibility/accessible_control.h"
#include "framework/runtime/platform_services.h"
#include "widgets/entry/num_spin_button.h"
#include "widgets/entry/num_up_down.h"
#include "widgets/entry/spin_edit_geometry.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Restores a flag on every way out of a scope.
class FlagGuard {
 public:
  FlagGuard(bool& flag, bool value) : flag_(flag), saved_(flag) { flag_ = value; }
  ~FlagGuard() { flag_ = saved_; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace

TNumSpinEdit::TNumSpinEdit(TComponent* owner) : TCustomEdit(owner) {
  SetText("0");
  BuildButton();
  ApplyGeometry();
}

TNumSpinEdit::~TNumSpinEdit() {
  // Nothing is reported while the field is taken apart.
  suppress_change_ = true;
  FreeButton();
}

char TNumSpinEdit::DecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 0x80 ? char(point[0].unicode()) : '.';
}

TSpinValue TNumSpinEdit::Value() const {
  return ReadSpinValue(Text(), value_type_, min_value_, DecimalSeparator());
}

void TNumSpinEdit::SetValue(TSpinValue v) {
  const TSpinValue clamped = ClampToRange(v, min_value_, max_value_);
  // The text rule of SetText decides: an equal text is left alone and raises nothing.
  SetText(FormatSpinValue(clamped, value_type_, decimal_, DecimalSeparator()));
}

void TNumSpinEdit::SetDecimal(std::uint8_t v) {
  if (v == decimal_) return;
  decimal_ = v;
  SetValue(Value());
}

void TNumSpinEdit::SetValueType(TValueType v) {
  if (v == value_type_) return;
  value_type_ = v;
  SetValue(Value());
  if (v != vtFloat) {
    increment_ = std::nearbyint(increment_);
    if (increment_ == 0) increment_ = 1;
  }
}

void TNumSpinEdit::SetAlignment(TAlignment v) {
  if (v == alignment_) return;
  alignment_ = v;
  ApplyAlignment();
}

void TNumSpinEdit::ApplyAlignment() {
  TAlignment shown = alignment_;
  if (RightToLeft() && shown != taCenter)
    shown = shown == taLeftJustify ? taRightJustify : taLeftJustify;
  TCustomEdit::SetAlignment(shown);
}

void TNumSpinEdit::SetBiDiMode(TBiDiMode v) {
  if (v == bidi_mode_) return;
  bidi_mode_ = v;
  ApplyAlignment();
  if (up_down_) BuildButton();  // the up-down control changes sides
  ApplyGeometry();
}

void TNumSpinEdit::SetArrowKeys(bool v) {
  arrow_keys_ = v;
  PlaceButton();
}

void TNumSpinEdit::SetButtonKind(TSpinButtonKind v) {
  const TSpinButtonKind before = EffectiveButtonKind();
  button_kind_ = v;
  if (EffectiveButtonKind() == before) return;
  BuildButton();
  PlaceButton();
  SetTextArea();
}

void TNumSpinEdit::Change() {
  if (AccessibilityListens(this)) NotifyAccessibleValue(this, double(Value()));
  if (suppress_change_) return;
  TCustomEdit::Change();
}

void TNumSpinEdit::StepUp() {
  Step(increment_, OnTopClick);
}
void TNumSpinEdit::StepDown() {
  Step(-increment_, OnBottomClick);
}

void TNumSpinEdit::Step(TSpinValue delta, const TNotifyEvent& after) {
  if (ReadOnly()) {
    Beep();
    return;
  }
  const std::string before = Text();
  {
    // The write itself stays quiet; the step decides below whether it counts.
    FlagGuard quiet(suppress_change_, true);
    SetValue(Value() + delta);
  }
  // A text that only changed case ("ffff" -> "FFFF") is the same number: no event.
  if (!SameTextIgnoringCase(before, Text())) {
    SetModified(true);
    Change();
  }
  Notify(after, this);
}

void TNumSpinEdit::KeyDown(std::uint16_t& key, TShiftState shift) {
  TCustomEdit::KeyDown(key, shift);
  if (arrow_keys_ && (key == VK_UP || key == VK_DOWN)) {
    // Keyboard auto-repeat sends the key again, and each one steps.
    if (key == VK_UP)
      StepUp();
    else
      StepDown();
    key = 0;
  } else if (key == VK_DELETE && !editor_enabled_) {
    // Delete edits without typing a character; a field closed to editing keeps its text.
    key = 0;
  }
}

void TNumSpinEdit::KeyPress(char& key) {
  if (!AcceptsSpinChar(key, value_type_, editor_enabled_, Text(), DecimalSeparator())) {
    key = 0;
    InputRefused();
    return;
  }
  TCustomEdit::KeyPress(key);
  if (key == VK_RETURN || key == VK_ESCAPE) {
    // A default or cancel button of the form acts on them; a line break never
    // enters the text.
    if (TDialogHost* form = ParentForm()) form->DialogKey(std::uint16_t(key), 0);
    if (key == VK_RETURN) key = 0;
  }
}

void TNumSpinEdit::CutToClipboard() {
  if (editor_enabled_ && !ReadOnly()) TCustomEdit::CutToClipboard();
}

void TNumSpinEdit::PasteText(const QString& text) {
  // A paste is not filtered like typing: "$1F" or "0x1F" go in as they are.
  if (editor_enabled_ && !ReadOnly()) TCustomEdit::PasteText(text);
}

void TNumSpinEdit::InputRefused() {
  Beep();
}

bool TNumSpinEdit::LeftButtonHeldOnField() const {
  if (!(QApplication::mouseButtons() & Qt::LeftButton)) return false;
  // A press on the spin button holds the left button too, but not on the field.
  return !(spin_button_ && spin_button_->IsLeftButtonDown()) &&
         !(up_down_ && up_down_->IsLeftButtonDown());
}

void TNumSpinEdit::DoEnter() {
  if (AutoSelect() && !LeftButtonHeldOnField()) SelectAll();
  TCustomEdit::DoEnter();
}

void TNumSpinEdit::DoExit() {
  TCustomEdit::DoExit();
  // A typed number outside the range is kept while the field has the focus and
  // clamped when it leaves. An unparsable text reads MinValue and stays.
  const TSpinValue v = Value();
  if (ClampToRange(v, min_value_, max_value_) != v) SetValue(v);
}

void TNumSpinEdit::EnabledChanged() {
  TCustomEdit::EnabledChanged();
  if (spin_button_) spin_button_->SetEnabled(Enabled());
  if (up_down_) up_down_->SetEnabled(Enabled());
}

int TNumSpinEdit::MinimumHeight() const {
  return SpinMinimumHeight(Font().Metrics().Height);
}

void TNumSpinEdit::FreeButton() {
  // The button first: it lives inside the host.
  delete spin_button_;
  spin_button_ = nullptr;
  delete button_host_;
  button_host_ = nullptr;
  delete up_down_;
  up_down_ = nullptr;
}

void TNumSpinEdit::BuildButton() {
  FreeButton();
  if (EffectiveButtonKind() == bkDiagonal) {
    button_host_ = new TWinControl(this);
    button_host_->SetParent(this);
    spin_button_ = new TNumSpinButton(this);
    spin_button_->SetParent(button_host_);
    spin_button_->SetFocusControl(this);
    spin_button_->OnTopClick = [this](TObject*) { StepUp(); };
    spin_button_->OnBottomClick = [this](TObject*) { StepDown(); };
    spin_button_->SetEnabled(Enabled());
  } else {
    up_down_ = new TNumUpDown(this);
    up_down_->SetParent(this);
    up_down_->OnClick = [this](TObject*, TUDBtnType arrow) {
      if (TabStop() && CanFocus()) SetFocus();
      if (arrow == btNext)
        StepUp();
      else
        StepDown();
    };
    up_down_->SetEnabled(Enabled());
  }
}

void TNumSpinEdit::PlaceButton() {
  // Child controls sit in the field's own coordinates, the client area at ClientOrigin.
  const TPoint origin = ClientOrigin();
  if (button_host_) {
    const bool sunken = Ctl3D() && BorderStyle() == bsSingle;
    const TRect r = SpinButtonHostRect(Width(), Height(), sunken, RightToLeft());
    button_host_->SetBounds(r.Left + origin.X, r.Top + origin.Y, r.Width(), r.Height());
    spin_button_->SetBounds(0, 0, r.Width(), r.Height());
  }
  if (up_down_) {
    const TRect client = ClientRect();
    const TRect r = SpinUpDownRect(client.Width(), client.Height(), RightToLeft());
    up_down_->SetBounds(r.Left + origin.X, r.Top + origin.Y, r.Width(), r.Height());
  }
}

int TNumSpinEdit::ButtonWidth() const {
  if (up_down_) return up_down_->Width();
  if (spin_button_) return spin_button_->Width();
  return kSpinUpDownWidth;
}

void TNumSpinEdit::SetTextArea() {
  const TRect client = ClientRect();
  SetFormattingRect(SpinTextArea(client.Width(), client.Height(), ButtonWidth(), RightToLeft()));
}

void TNumSpinEdit::ApplyGeometry() {
  if (Height() < MinimumHeight()) {
    SetHeight(MinimumHeight());  // its SetBounds comes back here and places everything
    if (Height() >= MinimumHeight()) return;
  }
  PlaceButton();
  SetTextArea();
}

void TNumSpinEdit::SetBounds(int left, int top, int width, int height) {
  TCustomEdit::SetBounds(left, top, width, height);
  ApplyGeometry();
}

void TNumSpinEdit::Resize() {
  // The client area may have changed size, which resets the formatting rectangle.
  ApplyGeometry();
  TCustomEdit::Resize();
}

void TNumSpinEdit::FrameChanged() {
  TCustomEdit::FrameChanged();
  PlaceButton();
  SetTextArea();
}

void TNumSpinEdit::FontChanged() {
  TCustomEdit::FontChanged();
  PlaceButton();
  SetTextArea();
}

}  // namespace bitcalc::widgets
