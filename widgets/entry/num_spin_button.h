#pragma once

#include <memory>

#include "framework/controls/graphic_control.h"
#include "framework/controls/win_control.h"
#include "framework/raster/bitmap.h"
#include "framework/runtime/timer.h"
#include "widgets/entry/spin_face_renderer.h"

namespace bitcalc::widgets {

// A square button split by its anti-diagonal: the upper-left triangle steps up,
// the lower-right one steps down. A press raises its half's event at once and,
// while the button is held on that half, again after 400 ms and then every
// 100 ms. Sliding off the half shows it released and pauses the repeat; sliding
// back resumes it; the other half never becomes pressed during one press.
//
// The three faces (idle, top sunk, bottom sunk) are rendered once into bitmaps,
// so a repaint while repeating is a single copy.
class TNumSpinButton : public framework::TGraphicControl {
 public:
  explicit TNumSpinButton(framework::TComponent* owner);
  ~TNumSpinButton() override;

  // Writing copies the bitmap; nullptr puts the built-in arrow back.
  const framework::TBitmap& UpGlyph() const { return *up_glyph_; }
  void SetUpGlyph(const framework::TBitmap* glyph);
  const framework::TBitmap& DownGlyph() const { return *down_glyph_; }
  void SetDownGlyph(const framework::TBitmap* glyph);

  // Takes the focus when the button is pressed; forgotten when it is destroyed.
  framework::TWinControl* FocusControl() const { return focus_control_; }
  void SetFocusControl(framework::TWinControl* control);

  SpinPressState PressState() const { return press_state_; }
  bool Tracking() const { return tracking_; }

  // The cached face for a state, rendered for the current size at the device
  // pixel ratio of the surface it goes onto.
  const framework::TBitmap& Face(SpinPressState state, qreal devicePixelRatio = 1);

  framework::TNotifyEvent OnTopClick;
  framework::TNotifyEvent OnBottomClick;

 protected:
  void Paint() override;
  void MouseDown(framework::TMouseButton button, framework::TShiftState shift, int x,
                 int y) override;
  void MouseMove(framework::TShiftState shift, int x, int y) override;
  void MouseUp(framework::TMouseButton button, framework::TShiftState shift, int x, int y) override;
  void EnabledChanged() override;
  void Notification(framework::TComponent* component,
                    framework::TComponentOperation operation) override;

 private:
  void NotifyTop();
  void NotifyBottom();
  void NotifyHalf(const framework::TNotifyEvent& event);
  void RepeatTick();
  void StartRepeat();
  void StopRepeat();
  void RenderFaces(qreal ratio);
  void EnsureFaces(qreal ratio);
  void SetPressState(SpinPressState state);
  void GlyphChanged();
  bool Contains(int x, int y) const { return x >= 0 && x <= Width() && y >= 0 && y <= Height(); }

  SpinPressState press_state_ = spNone;
  std::unique_ptr<framework::TBitmap> up_glyph_;
  std::unique_ptr<framework::TBitmap> down_glyph_;
  bool tracking_ = false;
  bool faces_stale_ = false;
  std::unique_ptr<framework::TBitmap> face_top_pressed_;
  std::unique_ptr<framework::TBitmap> face_bottom_pressed_;
  framework::TTimer* auto_repeat_timer_ =
      nullptr;  // owned as a component, created at the first press
  std::unique_ptr<framework::TBitmap> face_idle_;
  SpinPressState press_origin_ = spNone;
  framework::TWinControl* focus_control_ = nullptr;
};

// The arrow glyph a new spin button starts with ("NUMSPINUP" or "NUMSPINDOWN").
void LoadSpinGlyph(framework::TBitmap& glyph, const char* resourceName);

}  // namespace bitcalc::widgets
