#include <QCursor>

#include "widgets/trackbar/custom_track_bar.h"
#include "widgets/trackbar/track_hint_window.h"

// The track bar's mouse, wheel, key and focus handling.

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// The drag hint sits this far right of the mouse cursor.
constexpr int kHintOffset = 10;

}  // namespace

void TCustomTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (!Focused() && CanFocus()) SetFocus();
  if (button != mbLeft) return;
  const TTrackLayout l = Layout();
  const TPoint p{x, y};
  if (ThumbRect(l, position_).Contains(p) && AllowThumbDrag()) {
    dragging_ = true;
    thumb_down_ = true;
    RepaintThumb();
    return;
  }
  const TRect track = TrackRect(l);
  if (track.Contains(p) && AllowTrackClick()) {
    // The thumb's edge toward Min, on the ticks' scale.
    const int g = TickOffset(l, position_);
    const bool towardMax = l.Vertical() ? y < track.Bottom - g : x >= track.Left + g;
    Step(towardMax ? page_size_ : -page_size_);
    return;
  }
  if (!buttons_->Visible()) return;
  if (MinButtonRect(l).Contains(p))
    PressButton(false);
  else if (MaxButtonRect(l).Contains(p))
    PressButton(true);
}

void TCustomTrackBar::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  const TTrackLayout l = Layout();
  const TPoint p{x, y};
  if (dragging_) {
    int v = DragPosition(l, x, y);
    if (v > max_) v = max_;
    if (v < min_) v = min_;
    if (!IsValidPosition(v)) v = position_;
    if (track_hint_ && v != position_ && v != last_hint_value_) ShowTrackHint(v);
    SetPosition(v);
    return;
  }
  const bool overThumb = ThumbRect(l, position_).Contains(p);
  if (overThumb && AllowThumbDrag() && !thumb_hot_) {
    thumb_hot_ = true;
    RepaintThumb();
  } else if (!overThumb && thumb_hot_) {
    thumb_hot_ = false;
    thumb_down_ = false;
    RepaintThumb();
  }
  if (!buttons_->Visible()) return;
  for (const bool maxButton : {false, true}) {
    const TRect r = maxButton ? MaxButtonRect(l) : MinButtonRect(l);
    bool& hot = maxButton ? max_button_hot_ : min_button_hot_;
    if (hot != r.Contains(p)) {
      hot = !hot;
      RepaintArea(r);
    }
  }
}

void TCustomTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (repeat_timer_) repeat_timer_->SetEnabled(false);
  if (button == mbLeft) {
    HideTrackHint();
    dragging_ = false;
    if (thumb_down_) {
      thumb_down_ = false;
      if (!GetThumbRect().Contains({x, y})) thumb_hot_ = false;
      RepaintThumb();
    }
    if (min_button_down_ || max_button_down_) {
      min_button_down_ = max_button_down_ = false;
      RepaintArea(MinButtonRect(Layout()));
      RepaintArea(MaxButtonRect(Layout()));
    }
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomTrackBar::MouseLeave() {
  TCustomControl::MouseLeave();
  if ((thumb_hot_ || thumb_down_) && !dragging_) {
    thumb_hot_ = false;
    thumb_down_ = false;
    RepaintThumb();
  }
  if (min_button_hot_ || max_button_hot_) {
    min_button_hot_ = max_button_hot_ = false;
    RepaintArea(MinButtonRect(Layout()));
    RepaintArea(MaxButtonRect(Layout()));
  }
}

void TCustomTrackBar::PressButton(bool maxButton) {
  (maxButton ? max_button_down_ : min_button_down_) = true;
  StepTowardEnd(maxButton ? 1 : -1);
  RepaintArea(maxButton ? MaxButtonRect(Layout()) : MinButtonRect(Layout()));
  if (!buttons_->RepeatClick()) return;
  if (!repeat_timer_) {
    repeat_timer_ = new TTimer(this);
    repeat_timer_->OnTimer = [this](TObject*) { RepeatTimerTick(); };
  }
  // Off and on again, so every press waits the first pause in full.
  repeat_timer_->SetEnabled(false);
  repeat_timer_->SetInterval(buttons_->InitRepeatPause());
  repeat_timer_->SetEnabled(true);
}

void TCustomTrackBar::RepeatTimerTick() {
  repeat_timer_->SetInterval(buttons_->RepeatPause());
  if (!MouseCapture()) {
    repeat_timer_->SetEnabled(false);
    return;
  }
  if (max_button_down_)
    StepTowardEnd(1);
  else if (min_button_down_)
    StepTowardEnd(-1);
}

void TCustomTrackBar::KeyDown(std::uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (shift & ssShift) return;
  const bool vertical = orientation_ == trVertical;
  switch (key) {
    case VK_PRIOR:
      Step(page_size_);
      break;
    case VK_NEXT:
      Step(-page_size_);
      break;
    case VK_END:
      SetPosition(vertical ? GetMinPosition() : GetMaxPosition());
      break;
    case VK_HOME:
      SetPosition(vertical ? GetMaxPosition() : GetMinPosition());
      break;
    case VK_UP:
    case VK_RIGHT:
      StepTowardEnd(1);
      break;
    case VK_DOWN:
    case VK_LEFT:
      StepTowardEnd(-1);
      break;
    default:
      break;
  }
}

void TCustomTrackBar::wheelEvent(QWheelEvent* event) {
  // The wheel steps only while the control has the focus. Qt sends the wheel
  // to the control under the pointer, so an unfocused one hands it on.
  const int delta = event->angleDelta().y();
  if (!Focused() || delta == 0) {
    event->ignore();
    return;
  }
  event->accept();
  const bool up = delta >= 0;
  StepTowardEnd((orientation_ == trVertical) == up ? 1 : -1);
}

void TCustomTrackBar::focusInEvent(QFocusEvent* event) {
  TCustomControl::focusInEvent(event);
  Repaint();
}

void TCustomTrackBar::focusOutEvent(QFocusEvent* event) {
  TCustomControl::focusOutEvent(event);
  Repaint();
}

void TCustomTrackBar::ShowTrackHint(int value) {
  std::string text = std::to_string(value);
  if (OnGetTrackHint) OnGetTrackHint(this, value, text);
  if (!hint_window_) hint_window_ = new TTrackHintWindow(this);
  hint_window_->ShowAt(QCursor::pos() + QPoint(kHintOffset, 0), text);
  last_hint_value_ = value;
  hint_shown_ = true;
}

void TCustomTrackBar::HideTrackHint() {
  if (!hint_shown_) return;
  hint_window_->ReleaseHandle();
  hint_shown_ = false;
  last_hint_value_ = -1;
}

}  // namespace bitcalc::widgets
