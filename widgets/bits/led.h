#pragma once

#include "framework/raster/canvas.h"
#include "widgets/bits/bit_persistent.h"

namespace bitcalc::widgets {

enum TLEDShape { sRound, sArrowLeft, sArrowRight, sArrowUp, sArrowDown, sRectangle };

// Draws a lamp of the given shape into r: filled with fill, outlined with
// outline. A round lamp also gets a highlight arc over the upper-left quarter
// of a smaller concentric circle.
void DrawLamp(framework::TCanvas& canvas, const framework::TRect& r, TLEDShape shape,
              framework::TColor fill, framework::TColor outline);

// The lamp of an LED: its shape, colours and size. Width and Height are kept
// within 4-40 pixels.
class TLED : public TBitPersistent {
 public:
  static constexpr int kMinSize = 4;
  static constexpr int kMaxSize = 40;

  TLEDShape Shape() const { return shape_; }
  void SetShape(TLEDShape v) { SetField(shape_, v); }
  framework::TColor ColorOn() const { return color_on_; }
  void SetColorOn(framework::TColor v) { SetField(color_on_, v); }
  framework::TColor ColorOff() const { return color_off_; }
  void SetColorOff(framework::TColor v) { SetField(color_off_, v); }
  int Width() const { return width_; }
  void SetWidth(int v);
  int Height() const { return height_; }
  void SetHeight(int v);

  // Where the owning LED last placed the lamp (empty before its first paint).
  const framework::TRect& LampRect() const { return lamp_rect_; }
  void SetLampRect(const framework::TRect& r) { lamp_rect_ = r; }

  // Draws the lamp at LampRect in its on or off colour.
  void Draw(framework::TCanvas& canvas, bool on) const;

 private:
  TLEDShape shape_ = sRound;
  framework::TColor color_on_ = framework::clLime;
  framework::TColor color_off_ = framework::clBtnFace;
  int width_ = 13;
  int height_ = 13;
  framework::TRect lamp_rect_;
};

}  // namespace bitcalc::widgets
