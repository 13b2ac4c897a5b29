#include "widgets/entry/num_spin_button.h"

#include <map>
#include <string>
#include <utility>

#include "resources/resource_image.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kFirstRepeatDelay = 400;
constexpr int kRepeatInterval = 100;

}  // namespace

void LoadSpinGlyph(TBitmap& glyph, const char* resourceName) {
  // Every spin button starts with the same two arrows: they are decoded once.
  static std::map<std::string, QImage, std::less<>> decoded;
  auto it = decoded.find(resourceName);
  if (it == decoded.end())
    it = decoded.emplace(resourceName, resources::ResourceImage(resourceName)).first;
  glyph.LoadFromImage(it->second);
}

TNumSpinButton::TNumSpinButton(TComponent* owner)
    : TGraphicControl(owner),
      up_glyph_(std::make_unique<TBitmap>()),
      down_glyph_(std::make_unique<TBitmap>()),
      face_top_pressed_(std::make_unique<TBitmap>()),
      face_bottom_pressed_(std::make_unique<TBitmap>()),
      face_idle_(std::make_unique<TBitmap>()) {
  LoadSpinGlyph(*up_glyph_, "NUMSPINUP");
  LoadSpinGlyph(*down_glyph_, "NUMSPINDOWN");
  SetBounds(0, 0, 20, 20);
  RenderFaces(1);
}

TNumSpinButton::~TNumSpinButton() {
  // The timer is an owned component and goes with the base; it must not tick
  // into a half-destroyed button in between.
  if (auto_repeat_timer_) auto_repeat_timer_->OnTimer = nullptr;
}

void TNumSpinButton::SetUpGlyph(const TBitmap* glyph) {
  if (glyph)
    up_glyph_->Assign(*glyph);
  else
    LoadSpinGlyph(*up_glyph_, "NUMSPINUP");
  GlyphChanged();
}

void TNumSpinButton::SetDownGlyph(const TBitmap* glyph) {
  if (glyph)
    down_glyph_->Assign(*glyph);
  else
    LoadSpinGlyph(*down_glyph_, "NUMSPINDOWN");
  GlyphChanged();
}

void TNumSpinButton::GlyphChanged() {
  faces_stale_ = true;
  Invalidate();
}

void TNumSpinButton::SetFocusControl(TWinControl* control) {
  if (control == focus_control_) return;
  if (focus_control_) RemoveFreeNotification(focus_control_);
  focus_control_ = control;
  if (control) FreeNotification(control);
}

void TNumSpinButton::Notification(TComponent* component, TComponentOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focus_control_) focus_control_ = nullptr;
}

void TNumSpinButton::RenderFaces(qreal ratio) {
  const std::pair<TBitmap*, SpinPressState> faces[] = {{face_top_pressed_.get(), spTop},
                                                       {face_bottom_pressed_.get(), spBottom},
                                                       {face_idle_.get(), spNone}};
  for (const auto& [face, state] : faces) {
    face->SetDevicePixelRatio(ratio);
    RenderSpinFace(*face, state, Width(), Height(), *up_glyph_, *down_glyph_);
  }
}

void TNumSpinButton::EnsureFaces(qreal ratio) {
  if (faces_stale_ || face_idle_->Width() != Width() || face_idle_->Height() != Height() ||
      face_idle_->DevicePixelRatio() != ratio)
    RenderFaces(ratio);
  faces_stale_ = false;
}

const TBitmap& TNumSpinButton::Face(SpinPressState state, qreal devicePixelRatio) {
  EnsureFaces(devicePixelRatio);
  switch (state) {
    case spTop:
      return *face_top_pressed_;
    case spBottom:
      return *face_bottom_pressed_;
    case spNone:
      break;
  }
  return *face_idle_;
}

void TNumSpinButton::Paint() {
  if (!Enabled() && !(ComponentState() & csDesigning)) tracking_ = false;
  Canvas()->Draw(0, 0, Face(press_state_, Canvas()->DevicePixelRatio()));
}

void TNumSpinButton::EnabledChanged() {
  // A disabled button looks the same; the faces are still rendered afresh.
  faces_stale_ = true;
  Invalidate();
}

void TNumSpinButton::SetPressState(SpinPressState state) {
  if (state == press_state_) return;
  press_state_ = state;
  Repaint();
}

void TNumSpinButton::NotifyHalf(const TNotifyEvent& event) {
  if (!event) return;
  event(this);
  // The handler may have taken the mouse away (a modal window, say); a half that
  // is no longer held must not stay drawn pressed.
  if (!IsLeftButtonDown() && press_state_ != spNone) {
    press_state_ = spNone;
    Invalidate();
  }
}

void TNumSpinButton::NotifyTop() {
  NotifyHalf(OnTopClick);
}
void TNumSpinButton::NotifyBottom() {
  NotifyHalf(OnBottomClick);
}

void TNumSpinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (TWinControl* f = focus_control_; f && f->TabStop() && f->CanFocus() && !f->Focused())
    f->SetFocus();
  if (press_state_ == spNone) {
    press_origin_ = spNone;
    if (SpinHalfAt(x, y, Width(), Height()) == spBottom) {
      press_state_ = spBottom;
      NotifyBottom();
    } else {
      press_state_ = spTop;
      NotifyTop();
    }
    if (press_state_ != press_origin_) {
      press_origin_ = press_state_;
      Repaint();
    }
    StartRepeat();
  }
  tracking_ = true;
}

void TNumSpinButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!tracking_) return;
  if (!Contains(x, y)) {
    SetPressState(spNone);
    return;
  }
  const SpinPressState half = SpinHalfAt(x, y, Width(), Height());
  if (press_state_ != half) SetPressState(press_origin_ == half ? half : spNone);
}

void TNumSpinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !tracking_) return;
  tracking_ = false;
  StopRepeat();
  if (Contains(x, y)) {
    press_origin_ = spNone;
    SetPressState(spNone);
  }
}

void TNumSpinButton::StartRepeat() {
  if (!auto_repeat_timer_) {
    auto_repeat_timer_ = new TTimer(this);
    auto_repeat_timer_->SetEnabled(false);
    auto_repeat_timer_->OnTimer = [this](TObject*) { RepeatTick(); };
  }
  // Off and on again, so a second press restarts the first wait in full.
  auto_repeat_timer_->SetEnabled(false);
  auto_repeat_timer_->SetInterval(kFirstRepeatDelay);
  auto_repeat_timer_->SetEnabled(true);
}

void TNumSpinButton::StopRepeat() {
  if (auto_repeat_timer_) auto_repeat_timer_->SetEnabled(false);
}

void TNumSpinButton::RepeatTick() {
  if (press_state_ != spNone && MouseCapture()) {
    try {
      if (press_state_ == spBottom)
        NotifyBottom();
      else
        NotifyTop();
    } catch (...) {
      StopRepeat();
      throw;
    }
  }
  // Set after the step, so the next wait is counted from its end.
  auto_repeat_timer_->SetInterval(kRepeatInterval);
}

}  // namespace bitcalc::widgets
