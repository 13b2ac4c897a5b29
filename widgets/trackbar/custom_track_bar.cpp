#include "widgets/trackbar/custom_track_bar.h"

#include <algorithm>
#include <climits>

#include "framework/accessibility/accessible_control.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

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
  const auto remeasure = [this](TObject*) {
    MeasureTexts();
    Invalidate();
  };
  tick_mark_->OnChange = remeasure;
  track_label_->OnChange = remeasure;
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
  NotifyAccessibleValue(this, position_);
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
  if (isVisible() && !r.IsEmpty()) RepaintRect(r.Inflated(1, 1));
}

}  // namespace bitcalc::widgets
