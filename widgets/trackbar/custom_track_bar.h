#pragma once

#include <QWheelEvent>
#include <functional>
#include <memory>
#include <string>

#include "framework/controls/win_control.h"
#include "framework/runtime/timer.h"
#include "widgets/trackbar/track_bar_geometry.h"
#include "widgets/trackbar/track_bar_parts.h"

namespace bitcalc::widgets {

class TTrackHintWindow;

// May replace a tick's number, its colour, or hide it.
using TDrawTickEvent = std::function<void(framework::TObject* Sender, int Value, std::string& Text,
                                          framework::TColor& Color, bool& Visible)>;
// May replace the text the drag hint shows for Value.
using TGetTrackHintEvent =
    std::function<void(framework::TObject* Sender, int Value, std::string& Hint)>;

// A focusable control holding an integer Position between Min and Max, shown
// as a thumb on a track. The mouse drags the thumb or steps by PageSize with
// a click on the track; the wheel and the keys step while it has the focus.
// Every change of Position, and every request past an end, raises OnChange.
//
// In vertical orientation Max is at the top. The control's background is the
// parent's painting unless it is not Transparent.
class TCustomTrackBar : public framework::TCustomControl {
 public:
  explicit TCustomTrackBar(framework::TComponent* owner);
  ~TCustomTrackBar() override;

  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  int Position() const { return position_; }
  // Clamps to [Min, Max]. Raises OnChange whenever v differs from Position,
  // even when clamping leaves Position as it was.
  virtual void SetPosition(int v);
  int PageSize() const { return page_size_; }
  void SetPageSize(int v) { page_size_ = v; }
  TTrackBarOrientation Orientation() const { return orientation_; }
  // Turns the control, swapping its width and height (except while loading).
  void SetOrientation(TTrackBarOrientation v);
  bool ShowFocus() const { return show_focus_; }
  void SetShowFocus(bool v) { show_focus_ = v; }
  bool TrackHint() const { return track_hint_; }
  void SetTrackHint(bool v) { track_hint_ = v; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v) { SetAndInvalidate(transparent_, v); }

  // The background (Color, ColorTo, Direction) is painted only when not
  // Transparent; the frame whenever its colour is set.
  framework::TColor ColorTo() const { return color_to_; }
  void SetColorTo(framework::TColor v) { SetAndInvalidate(color_to_, v); }
  TGradientDirection Direction() const { return direction_; }
  void SetDirection(TGradientDirection v) { SetAndInvalidate(direction_, v); }
  framework::TColor BorderColor() const { return border_color_; }
  void SetBorderColor(framework::TColor v) { SetAndInvalidate(border_color_, v); }
  framework::TColor ColorDisabled() const { return color_disabled_; }
  void SetColorDisabled(framework::TColor v) { color_disabled_ = v; }
  framework::TColor ColorDisabledTo() const { return color_disabled_to_; }
  void SetColorDisabledTo(framework::TColor v) { color_disabled_to_ = v; }
  framework::TColor BorderColorDisabled() const { return border_color_disabled_; }
  void SetBorderColorDisabled(framework::TColor v) { border_color_disabled_ = v; }

  // The parts; each repaints the control when it changes. The setters copy.
  TTrackBarThumb& Thumb() { return *thumb_; }
  const TTrackBarThumb& Thumb() const { return *thumb_; }
  void SetThumb(const TTrackBarThumb& v) { thumb_->Assign(v); }
  TTrackBarSlider& Slider() { return *slider_; }
  const TTrackBarSlider& Slider() const { return *slider_; }
  void SetSlider(const TTrackBarSlider& v) { slider_->Assign(v); }
  TTrackBarTick& TickMark() { return *tick_mark_; }
  const TTrackBarTick& TickMark() const { return *tick_mark_; }
  void SetTickMark(const TTrackBarTick& v) { tick_mark_->Assign(v); }
  TTrackBarButtons& Buttons() { return *buttons_; }
  const TTrackBarButtons& Buttons() const { return *buttons_; }
  void SetButtons(const TTrackBarButtons& v) { buttons_->Assign(v); }
  TTrackBarLabel& TrackLabel() { return *track_label_; }
  const TTrackBarLabel& TrackLabel() const { return *track_label_; }
  void SetTrackLabel(const TTrackBarLabel& v) { track_label_->Assign(v); }

  // The thumb's look: hot under the pointer, down while pressed.
  bool ThumbHot() const { return thumb_hot_; }
  bool ThumbDown() const { return thumb_down_; }
  bool Dragging() const { return dragging_; }

  // The rectangles everything is laid out in (client coordinates).
  TTrackLayout Layout() const;
  framework::TRect GetInnerRect() const { return InnerRect(Layout()); }
  framework::TRect GetTrackRect() const { return TrackRect(Layout()); }
  framework::TRect GetSliderRect() const { return SliderRect(Layout()); }
  framework::TRect GetBottomRightTickRect() const { return BottomRightTickRect(Layout()); }
  framework::TRect GetTopLeftTickRect() const { return TopLeftTickRect(Layout()); }
  framework::TRect GetThumbRect() const { return ThumbRect(Layout(), position_); }

  // The arrow keys step the value instead of moving the focus.
  unsigned DialogCode() const override { return framework::DLGC_WANTARROWS; }

  // A slider whose value reads as ValueText(Position), set by dragging the thumb.
  QAccessibleInterface* CreateAccessible() override;
  // How a value reads out: its number, unless OnGetValueText gives a text.
  std::string ValueText(int value);

  framework::TNotifyEvent OnChange;
  TDrawTickEvent OnDrawTick;
  TGetTrackHintEvent OnGetTrackHint;
  // May replace the text a value reads out as (the same shape as the hint's).
  TGetTrackHintEvent OnGetValueText;

 protected:
  virtual void RepeatTimerTick();
  virtual bool AllowTrackClick() { return true; }
  virtual std::string GetTrackLabelText() const;
  virtual bool AllowThumbDrag() { return true; }
  virtual bool IsValidPosition(int v) const { return min_ <= v && v <= max_; }
  virtual int GetMinPosition() const { return min_; }
  virtual int GetMaxPosition() const { return max_; }
  virtual void PaintSlider();
  virtual void PaintThumb();
  // Raises OnChange, except while the owner is loading its layout.
  virtual void Changed();

  void Paint() override;
  void Loaded() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void MouseLeave() override;
  void KeyDown(std::uint16_t& key, framework::TShiftState shift) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void MeasureTexts();
  void Step(int delta);
  void StepTowardEnd(int direction);
  void RepaintArea(const framework::TRect& r);
  void RepaintThumb() { RepaintArea(GetThumbRect()); }
  void PressButton(bool maxButton);
  void ShowTrackHint(int value);
  void HideTrackHint();
  void PaintBackground(framework::TCanvas& c);
  void PaintTicks(framework::TCanvas& c);
  void PaintTickText(framework::TCanvas& c, const framework::TRect& r, bool farEnd, int q,
                     const std::string& text);
  void PaintTrackLabel(framework::TCanvas& c);
  void PaintButtons(framework::TCanvas& c);
  void PaintFocusFrame(framework::TCanvas& c);

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int page_size_ = 1;
  TTrackBarOrientation orientation_ = trHorizontal;
  bool show_focus_ = false;
  bool track_hint_ = false;
  bool transparent_ = true;
  framework::TColor color_to_ = framework::clNone;
  TGradientDirection direction_ = gdHorizontal;
  framework::TColor border_color_ = framework::clNone;
  framework::TColor color_disabled_ = framework::clNone;
  framework::TColor color_disabled_to_ = framework::clNone;
  framework::TColor border_color_disabled_ = framework::clNone;

  std::unique_ptr<TTrackBarThumb> thumb_;
  std::unique_ptr<TTrackBarSlider> slider_;
  std::unique_ptr<TTrackBarTick> tick_mark_;
  std::unique_ptr<TTrackBarButtons> buttons_;
  std::unique_ptr<TTrackBarLabel> track_label_;

  int tick_text_height_ = 0;  // a tick number's room across the track
  int label_height_ = 0;
  bool thumb_hot_ = false;
  bool thumb_down_ = false;
  bool dragging_ = false;
  bool min_button_hot_ = false;
  bool min_button_down_ = false;
  bool max_button_hot_ = false;
  bool max_button_down_ = false;
  framework::TTimer* repeat_timer_ = nullptr;  // owned as a component, made on first use
  TTrackHintWindow* hint_window_ = nullptr;    // likewise
  int last_hint_value_ = -1;
  bool hint_shown_ = false;
};

}  // namespace bitcalc::widgets
