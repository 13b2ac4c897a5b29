#include "widgets/entry/num_up_down.h"

#include <algorithm>

#include "framework/raster/canvas.h"
#include "framework/raster/frame_3d.h"
#include "widgets/entry/num_spin_button.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kScrollBarWidth = 17;  // the platform's vertical scroll bar
constexpr int kMaxWidth = 15;

}  // namespace

TNumUpDown::TNumUpDown(TComponent* owner)
    : TCustomControl(owner),
      up_glyph_(std::make_unique<TBitmap>()),
      down_glyph_(std::make_unique<TBitmap>()) {
  // The arrows act at the press; a release makes no click of its own.
  SetControlStyle(ControlStyle() & ~csClickEvents);
  SetColor(clBtnFace);
  LoadSpinGlyph(*up_glyph_, "NUMSPINUP");
  LoadSpinGlyph(*down_glyph_, "NUMSPINDOWN");
  SetBounds(0, 0, FixedWidth(), 22);
}

TNumUpDown::~TNumUpDown() = default;

int TNumUpDown::FixedWidth() {
  return std::min(kScrollBarWidth, kMaxWidth);
}

void TNumUpDown::SetBounds(int left, int top, int, int height) {
  TCustomControl::SetBounds(left, top, FixedWidth(), height);
}

void TNumUpDown::SetPosition(int v) {
  v = std::clamp(v, -1, 1);
  if (v == position_) return;
  position_ = v;
  Scrolled();
}

void TNumUpDown::Scrolled() {
  if (reporting_) return;
  reporting_ = true;
  const int reported = position_;
  // Back to rest even when the handler throws, so the next press reports again.
  struct Reset {
    TNumUpDown* self;
    ~Reset() {
      self->position_ = 0;
      self->reporting_ = false;
    }
  } reset{this};
  if (OnClick && reported != 0) OnClick(this, reported > 0 ? btNext : btPrev);
}

void TNumUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  SetPosition(y < Height() / 2 ? position_ + 1 : position_ - 1);
}

void TNumUpDown::Paint() {
  TCanvas& c = *Canvas();
  const int half = Height() / 2;
  const TRect upper = Rect(0, 0, Width(), half);
  const TRect lower = Rect(0, half, Width(), Height());
  for (const TRect& r : {upper, lower}) {
    TRect edge = r;
    c.Brush().SetColor(clBtnFace);
    c.FillRect(r);
    Frame3D(c, edge, clBtnHighlight, clBtnShadow, 1);
  }
  auto centred = [&](const TBitmap& glyph, const TRect& r) {
    c.DrawTransparent(r.Left + (r.Width() - glyph.Width()) / 2,
                      r.Top + (r.Height() - glyph.Height()) / 2, glyph,
                      glyph.Pixel(0, glyph.Height() - 1));
  };
  centred(*up_glyph_, upper);
  centred(*down_glyph_, lower);
}

}  // namespace bitcalc::widgets
