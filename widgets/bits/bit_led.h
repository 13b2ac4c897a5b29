#pragma once

#include "widgets/bits/bit_control.h"
#include "widgets/bits/led.h"

namespace bitcalc::widgets {

enum TLEDPos { lpLeft, lpRight, lpTop, lpBottom };

// Where an LED's lamp goes in its client area, and where its caption is
// anchored (with the TextOutAligned alignment to use).
struct TLEDLayout {
  framework::TRect lamp;
  framework::TPoint caption;
  int align = 0;
};

// A round lamp is always a circle of the larger of the two sizes.
TLEDLayout LayoutLED(int clientWidth, int clientHeight, int ledWidth, int ledHeight,
                     TLEDShape shape, TLEDPos position, int spacing);

// The result indicator: a lamp in its on or off colour with an optional
// caption on the side away from it. It has no background of its own. The
// mouse never changes it.
class TBitLED : public TBitControl {
 public:
  explicit TBitLED(framework::TComponent* owner);

  TLED& LED() { return led_; }
  const TLED& LED() const { return led_; }
  TLEDPos LED_Position() const { return led_position_; }
  void SetLED_Position(TLEDPos v);
  int Spacing() const { return spacing_; }
  void SetSpacing(int v);

  // A read-only check box.
  QAccessibleInterface* CreateAccessible() override;

 protected:
  void Paint() override;
  void Redraw() override { Invalidate(); }
  void RedrawState() override;
  void FlashPaint(bool on) override;

 private:
  void DrawLampNow(bool on);

  TLED led_;
  TLEDPos led_position_ = lpLeft;
  int spacing_ = 5;
  int caption_width_ = 0;
  int caption_height_ = 0;
  bool painting_ = false;
};

}  // namespace bitcalc::widgets
