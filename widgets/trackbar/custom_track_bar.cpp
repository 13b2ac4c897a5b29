#include "widgets/trackbar/custom_track_bar.h"

#include <QCursor>
#include <algorithm>
#include <climits>

#include "widgets/trackbar/track_hint_window.h"

namespace bitcalc::widgets {

namespace {

// The drag hint sits this far right of the mouse cursor.
constexpr int kHintOffset = 10;

int SaturatingAdd(int a, int b) {
  return int(std::clamp<long long>(static_cast<long long>(a) + b, INT_MIN, INT_MAX));
}

}  // namespace

TCustomTrackBar::TCustomTrackBar(TComponent* owner)
    : TCustomControl(owner),
      thumb_(std::make_unique<TTrackBarThumb>()),
      slider_(std::make_unique<TTrackBarSlider>()),
      tick_mark_(std::make_unique<TTrackBarTick>()),
      buttons_(std::make_unique<TTrackBarButtons>()),
      track_label_(std::make_unique<TTrackBarLabel>()) {
  // A quick second press is a second step, and the control covers its area
  // itself (the parent's painting when transparent).
  SetControlStyle((ControlStyle() & ~csDoubleClicks) | csOpaque);
  SetDoubleBuffered(true);
  SetTabStop(true);
  SetColor(clNone);
  SetBounds(Left(), Top(), 150, 26);
  track_hint_ = ShowHint();
  const auto repaint = [this](TObject*) { Invalidate(); };
  thumb_->OnChange = repaint;
  slider_->OnChange = repaint;
  buttons_->OnChange = repaint;
  tick_mark_->OnChange = [this](TObject*) {
    MeasureTexts();
    Invalidate();
  };
  track_label_->OnChange = [this](TObject*) {
    MeasureTexts();
    Invalidate();
  };
  MeasureTexts();
}

TCustomTrackBar::~TCustomTrackBar() {
  // The timer goes with the base's owned components; it must not tick into a
  // half-destroyed track bar in between.
  if (repeat_timer_) repeat_timer_->OnTimer = nullptr;
}

void TCustomTrackBar::MeasureTexts() {
  tick_text_height_ = tick_mark_->Font().Metrics().Height + 2 * kTickTextSpacing;
  label_height_ = track_label_->Font().Metrics().Height;
}

void TCustomTrackBar::Loaded() {
  TCustomControl::Loaded();
  MeasureTexts();
  Invalidate();
}

TTrackLayout TCustomTrackBar::Layout() const {
  TTrackLayout l;
  l.Width = Width();
  l.Height = Height();
  l.Orientation = orientation_;
  l.Min = min_;
  l.Max = max_;
  l.ThumbWidth = thumb_->Width();
  l.ThumbSize = thumb_->Size();
  l.ThumbIsLine = thumb_->Shape() == tsLine;
  l.SliderShown = slider_->Visible() && slider_->Size() > 0;
  l.SliderSize = slider_->Size();
  l.SliderOffset = slider_->Offset();
  l.SliderBorder3D = slider_->Border3D();
  l.TickStyle = tick_mark_->Style();
  l.TickPosition = tick_mark_->Position();
  l.TickSpacing = tick_mark_->Spacing();
  l.TickLength = tick_mark_->Size() + (tick_mark_->ShowText() ? tick_text_height_ : 0);
  if (buttons_->Visible()) {
    l.ButtonsExtent = buttons_->Size() + buttons_->Spacing();
    l.ButtonSize = buttons_->Size();
  }
  if (track_label_->Visible()) {
    l.LabelExtent = label_height_ + track_label_->Spacing();
    l.LabelAtStart = track_label_->Position() <= lpTopRight;
  }
  return l;
}

void TCustomTrackBar::SetMin(int v) {
  if (v == min_) return;
  min_ = v;
  if (position_ < v) SetPosition(v);
  Invalidate();
}

void TCustomTrackBar::SetMax(int v) {
  if (v == max_) return;
  max_ = v;
  if (v < position_) SetPosition(v);
  Invalidate();
}

void TCustomTrackBar::SetPosition(int v) {
  if (v == position_) return;
  if (v < min_) v = min_;
  if (v > max_) v = max_;
  const TTrackLayout l = Layout();
  const TRect before = ThumbRect(l, position_);
  position_ = v;
  const TRect after = ThumbRect(l, position_);
  if (ComponentState() & csDesigning) {
    Invalidate();
    return;
  }
  TRect area = UnionRect(before.Inflated(1, 1), after.Inflated(1, 1));
  if (slider_->ColorCompleted() != clNone) area = UnionRect(area, SliderRect(l));
  if (tick_mark_->ShowImageAtThumbOnly()) {
    // The tick bands level with the two thumb places.
    for (const TRect& tick : {BottomRightTickRect(l), TopLeftTickRect(l)}) {
      if (tick.IsEmpty()) continue;
      for (const TRect& thumb : {before, after}) {
        const TRect band = l.Vertical() ? Rect(tick.Left, thumb.Top, tick.Right, thumb.Bottom)
                                        : Rect(thumb.Left, tick.Top, thumb.Right, tick.Bottom);
        area = UnionRect(area, band.Inflated(1, 1));
      }
    }
  }
  InvalidateRect(area);
  if (track_label_->Visible()) InvalidateRect(LabelRect(l));
  Changed();
}

void TCustomTrackBar::Changed() {
  if (IsLoading()) return;
  Notify(OnChange, this);
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation v) {
  if (v == orientation_) return;
  orientation_ = v;
  if (!IsLoading()) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

std::string TCustomTrackBar::GetTrackLabelText() const {
  return FormatTrackLabel(track_label_->Format(), position_);
}

void TCustomTrackBar::Step(int delta) {
  SetPosition(SaturatingAdd(position_, delta));
}

void TCustomTrackBar::StepTowardEnd(int direction) {
  if (direction > 0 ? position_ < max_ : position_ > min_) SetPosition(position_ + direction);
}

void TCustomTrackBar::RepaintArea(const TRect& r) {
  // The outline reaches a pixel beyond the thumb's rectangle.
  if (isVisible() && !r.IsEmpty()) repaint(r.Inflated(1, 1).ToQRect());
}

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
