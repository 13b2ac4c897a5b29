#include "widgets/bits/bit_control.h"

#include "framework/accessibility/accessible_control.h"
#include "framework/controls/win_control.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Set while a new StatusInt is handed round a group. One flag for every
// control: the members' own assignments must not start a group update again.
bool g_group_update_running = false;

}  // namespace

// The first control of owner, in creation order, in group.
const TBitControl* TBitControl::FirstOfGroup(const TComponent* owner, int group) {
  if (!owner) return nullptr;
  for (const TComponent* c : owner->Components()) {
    auto* control = dynamic_cast<const TBitControl*>(c);
    if (control && control->group_index_ == group) return control;
  }
  return nullptr;
}

TBitControl::TBitControl(TComponent* owner) : TGraphicControl(owner) {
  // The owner is the window the control lies on.
  if (auto* window = dynamic_cast<TWinControl*>(owner)) SetParent(window);
  SetMode(mIndicator);
  SetFrequency(ff1Hz);
}

TBitControl::~TBitControl() {
  TFlashService::Unregister(this);
}

void TBitControl::UpdateFlashEntry() {
  if (checked_ && flashing_)
    TFlashService::Register(this, frequency_);
  else
    TFlashService::Unregister(this);
}

void TBitControl::SetChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  UpdateFlashEntry();
  if (v)
    SetStatusInt(mode_ == mRadioButton ? std::int32_t(BitMask())
                                       : std::int32_t(std::uint32_t(status_int_) | BitMask()));
  else if (mode_ != mRadioButton)
    SetStatusInt(std::int32_t(std::uint32_t(status_int_) & ~BitMask()));
  RedrawState();
  QAccessible::State changed;
  changed.checked = true;
  NotifyAccessibleState(this, changed);
  Notify(OnStatusChanged, this);
}

void TBitControl::SetStatusInt(std::int32_t v) {
  if (v == status_int_) return;
  status_int_ = v;
  SetChecked(BitOf(v));
  StatusIntChanged();
  Notify(OnStatusIntChanged, this);
  if (group_index_ != 0 && !g_group_update_running) AssignToGroup(v);
}

void TBitControl::AssignToGroup(std::int32_t v) {
  TComponent* owner = Owner();
  if (!owner) return;
  g_group_update_running = true;
  struct Clear {
    ~Clear() { g_group_update_running = false; }
  } clear;
  const int group = group_index_;
  // By index: a handler may add or remove components on the way.
  for (std::size_t i = 0; i < owner->Components().size(); ++i) {
    auto* member = dynamic_cast<TBitControl*>(owner->Components()[i]);
    if (member && member->group_index_ == group) member->SetStatusInt(v);
  }
}

void TBitControl::SetStatusBit(int v) {
  if (v < 0 || v > 31 || v == status_bit_) return;
  status_bit_ = v;
  SetChecked(BitOf(status_int_));
}

void TBitControl::SetGroupIndex(int v) {
  if (v == group_index_ || v < 0) return;
  group_index_ = v;
  if (v != 0) {
    if (const TBitControl* first = FirstOfGroup(Owner(), v)) SetStatusInt(first->status_int_);
  }
  GroupChanged();
}

void TBitControl::SetMode(TMode v) {
  if (v == mode_) return;
  mode_ = v;
  if (v == mButton)
    SetStatusInt(0);
  else if (v == mRadioButton)
    SetStatusInt(1);
}

void TBitControl::SetFlashing(bool v) {
  if (v == flashing_) return;
  flashing_ = v;
  UpdateFlashEntry();
  RedrawState();
  Notify(OnStatusChanged, this);
}

void TBitControl::SetFrequency(TFlashFreq v) {
  if (v == frequency_) return;
  frequency_ = v;
  if (checked_ && flashing_) TFlashService::Register(this, v);
}

void TBitControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  switch (mode_) {
    case mButton:
      SetChecked(true);
      break;
    case mSwitch:
      SetChecked(!checked_);
      break;
    case mRadioButton:
      SetStatusInt(std::int32_t(BitMask()));
      break;
    case mIndicator:
      break;
  }
}

void TBitControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft) return;
  switch (mode_) {
    case mButton:
      SetChecked(false);
      RedrawState();
      break;
    case mSwitch:
    case mRadioButton:
      RedrawState();
      break;
    case mIndicator:
      break;
  }
}

}  // namespace bitcalc::widgets
