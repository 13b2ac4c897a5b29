#include "widgets/bits/bit_led.h"

#include <algorithm>

#include "framework/text/text.h"
#include "widgets/bits/bit_drawing.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// TextOutAligned reference points (column + 3 * row): the caption is anchored
// by the middle of the edge that faces the lamp.
constexpr int kLeftEdgeMiddle = 3;
constexpr int kRightEdgeMiddle = 5;
constexpr int kTopEdgeMiddle = 1;
constexpr int kBottomEdgeMiddle = 7;

}  // namespace

TLEDLayout LayoutLED(int clientWidth, int clientHeight, int ledWidth, int ledHeight,
                     TLEDShape shape, TLEDPos position, int spacing) {
  int w = ledWidth;
  int h = ledHeight;
  if (shape == sRound) w = h = std::max(w, h);
  const int cx = clientWidth / 2;
  const int cy = clientHeight / 2;
  TLEDLayout out;
  TRect& lamp = out.lamp;
  lamp = Rect(0, 0, w, h);
  switch (position) {
    case lpLeft:
    case lpRight:
      lamp.Top = cy - h / 2;
      lamp.Bottom = lamp.Top + h;
      if (position == lpLeft) {
        out.caption = {lamp.Right + spacing, cy};
        out.align = kLeftEdgeMiddle;
      } else {
        lamp.Left = clientWidth - w;
        lamp.Right = clientWidth;
        out.caption = {lamp.Left - spacing, cy};
        out.align = kRightEdgeMiddle;
      }
      break;
    case lpTop:
      lamp.Left = cx - w / 2;
      lamp.Right = lamp.Left + w;
      out.caption = {cx, lamp.Bottom + spacing};
      out.align = kTopEdgeMiddle;
      break;
    case lpBottom:
      lamp.Top = clientHeight - h;
      lamp.Bottom = clientHeight;
      lamp.Left = cx - w / 2;
      lamp.Right = lamp.Left + w;
      out.caption = {cx, lamp.Top - spacing};
      out.align = kBottomEdgeMiddle;
      break;
  }
  return out;
}

TBitLED::TBitLED(TComponent* owner) : TBitControl(owner) {
  led_.OnChange = [this](TObject*) { Redraw(); };
  SetBounds(Left(), Top(), 73, 33);
  // A new LED is labelled with its component name; one made while a layout
  // loads has none yet.
  SetCaption(Name());
}

void TBitLED::SetLED_Position(TLEDPos v) {
  if (v == led_position_) return;
  led_position_ = v;
  Redraw();
}

void TBitLED::SetSpacing(int v) {
  if (v == spacing_) return;
  spacing_ = v;
  Redraw();
}

void TBitLED::Paint() {
  if (painting_) return;
  painting_ = true;
  TCanvas& canvas = *Canvas();
  canvas.Font().Assign(Font());
  const std::string caption = CaptionText(Caption());
  caption_width_ = canvas.TextWidth(caption);
  caption_height_ = canvas.TextHeight(caption);
  const TLEDLayout layout = LayoutLED(Width(), Height(), led_.Width(), led_.Height(), led_.Shape(),
                                      led_position_, spacing_);
  led_.SetLampRect(layout.lamp);
  // No background: the caption's cell is left as whatever lies behind.
  canvas.Brush().SetStyle(bsClear);
  TextOutAligned(canvas, layout.caption.X, layout.caption.Y, layout.align, caption);
  canvas.Brush().SetStyle(bsSolid);
  led_.Draw(canvas, Checked());
  painting_ = false;
}

void TBitLED::DrawLampNow(bool on) {
  DrawNow(led_.LampRect(), [&](TCanvas& canvas) { led_.Draw(canvas, on); });
}

void TBitLED::RedrawState() {
  if (Visible()) DrawLampNow(Checked());
}

void TBitLED::FlashPaint(bool on) {
  if (!painting_) DrawLampNow(on);
}

}  // namespace bitcalc::widgets
