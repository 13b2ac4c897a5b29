#include "widgets/trackbar/custom_track_bar.h"
#include "widgets/trackbar/track_bar_drawing.h"
#include "widgets/trackbar/track_bar_thumb_painter.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

// Bands of the background gradient.
constexpr int kBackgroundSteps = 80;
// Corner of the rounded strip.
constexpr int kSliderCorner = 7;

// A stepped gradient when both colours are set, a solid fill with only the
// first one.
void FillPart(TCanvas& c, const TRect& r, TColor from, TColor to, TGradientDirection direction,
              int steps) {
  if (from == clNone || r.IsEmpty()) return;
  if (to != clNone) {
    DrawDirectedGradient(c, from, to, direction, r, steps);
    return;
  }
  c.Brush().SetStyle(bsSolid);
  c.Brush().SetColor(from);
  c.FillRect(r);
}

QRegion RoundedRegion(const TRect& r, int corner) {
  QRegion region;
  for (const TSpan& s : RoundRectFill(r, corner, corner))
    region += QRect(s.X0, s.Y, s.X1 - s.X0, 1);
  return region;
}

}  // namespace

void TCustomTrackBar::Paint() {
  TCanvas& c = *Canvas();
  c.Pen().SetStyle(psSolid);
  c.Pen().SetWidth(1);
  if (!transparent_) {
    // What erasing the background leaves before the control's own painting.
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color() == clNone ? clBtnFace : Color());
    c.FillRect(ClientRect());
  }
  PaintBackground(c);
  if (track_label_->Visible()) PaintTrackLabel(c);
  PaintSlider();
  PaintTicks(c);
  PaintThumb();
  if (buttons_->Visible()) PaintButtons(c);
  if (show_focus_ && Focused()) PaintFocusFrame(c);
}

void TCustomTrackBar::PaintBackground(TCanvas& c) {
  const bool on = Enabled();
  const TRect client = ClientRect();
  if (!transparent_)
    FillPart(c, client, on ? Color() : color_disabled_, on ? color_to_ : color_disabled_to_,
             direction_, kBackgroundSteps);
  const TColor frame = on ? border_color_ : border_color_disabled_;
  if (frame == clNone) return;
  c.Pen().SetColor(frame);
  c.Pen().SetWidth(kFrameWidth);
  c.Brush().SetStyle(bsClear);
  c.Rectangle(client);
  c.Pen().SetWidth(1);
}

void TCustomTrackBar::PaintSlider() {
  const TTrackBarSlider& s = *slider_;
  if (!s.Visible() || s.Size() <= 0) return;
  TCanvas& c = *Canvas();
  const bool on = Enabled();
  const TColor from = on ? s.Color() : s.ColorDisabled();
  const TColor to = on ? s.ColorTo() : s.ColorDisabledTo();
  const TColor frame = on ? s.BorderColor() : s.BorderColorDisabled();
  const TColor doneFrom = on ? s.ColorCompleted() : s.ColorCompletedDisabled();
  const TColor doneTo = on ? s.ColorCompletedTo() : s.ColorCompletedDisabledTo();
  const TRect S = GetSliderRect();
  if (s.Rounded()) c.SelectClipRegion(RoundedRegion(S, kSliderCorner));
  const int steps = TTrackBarSlider::kGradientSteps;
  if (doneFrom == clNone) {
    FillPart(c, S, from, to, s.Direction(), steps);
  } else {
    // Split at the thumb's centre: the part toward Min is completed.
    const TRect thumb = GetThumbRect();
    TRect done = S, rest = S;
    if (orientation_ == trVertical) {
      const int mid = position_ == min_   ? S.Bottom
                      : position_ == max_ ? S.Top
                                          : thumb.Bottom - thumb.Height() / 2;
      done.Top = rest.Bottom = mid;
    } else {
      const int mid = position_ == min_   ? S.Left
                      : position_ == max_ ? S.Right
                                          : thumb.Left + thumb.Width() / 2;
      done.Right = rest.Left = mid;
    }
    FillPart(c, rest, from, to, s.Direction(), steps);
    FillPart(c, done, doneFrom, doneTo, s.Direction(), steps);
  }
  if (s.Rounded()) c.RemoveClip();
  if (frame == clNone) return;
  if (s.Rounded()) {
    c.Pen().SetColor(frame);
    c.Brush().SetStyle(bsClear);
    c.RoundRect(S.Left, S.Top, S.Right, S.Bottom, kSliderCorner, kSliderCorner);
  } else if (s.Border3D()) {
    Draw3DFrame(c, S, frame, BlendColors(frame, clWhite, 10));
  } else {
    c.Pen().SetColor(frame);
    c.Brush().SetStyle(bsClear);
    c.Rectangle(S);
  }
}

void TCustomTrackBar::PaintTicks(TCanvas& c) {
  const TTrackBarTick& t = *tick_mark_;
  if (t.Size() <= 0 || t.Style() != tsAuto) return;
  const TTrackLayout l = Layout();
  const TRect farTicks = BottomRightTickRect(l), nearTicks = TopLeftTickRect(l);
  const int n = t.Size();
  for (long long value = min_; value <= max_; ++value) {
    const int v = int(value);
    if (t.ShowImageAtThumbOnly() && v != position_) continue;
    if (t.ShowImageAtSteps() > 1 && v % t.ShowImageAtSteps() != 0) continue;
    std::string text = std::to_string(v);
    TColor color = Enabled() ? t.Color() : t.ColorDisabled();
    bool visible = true;
    if (OnDrawTick) OnDrawTick(this, v, text, color, visible);
    if (!visible) continue;
    const int q = TickOffset(l, v);
    // Each tick stands at the outer end of its rectangle, a shadow line beside it.
    for (const bool far : {true, false}) {
      const TRect& r = far ? farTicks : nearTicks;
      if (r.IsEmpty()) continue;
      for (const bool shade : {false, true}) {
        if (shade && !t.Line3D()) continue;
        c.Pen().SetColor(shade ? BlendColors(color, clWhite, 10) : color);
        if (l.Vertical()) {
          const int y = r.Bottom - q - (shade ? 1 : 0);
          const int x0 = far ? r.Right - n : r.Left;
          DrawLine(c, x0, y, x0 + n, y);
        } else {
          const int x = r.Left + q + (shade ? 1 : 0);
          const int y0 = far ? r.Bottom - n : r.Top;
          DrawLine(c, x, y0, x, y0 + n);
        }
      }
      if (t.ShowText()) PaintTickText(c, r, far, q, text);
    }
  }
}

// The number sits between the slider and the tick line, centred on the tick,
// turned to read upwards on a vertical track.
void TCustomTrackBar::PaintTickText(TCanvas& c, const TRect& r, bool farEnd, int q,
                                    const std::string& text) {
  const bool vertical = orientation_ == trVertical;
  const bool rotated = vertical && tick_mark_->RotateFontVert();
  c.Font().Assign(tick_mark_->Font());
  c.Font().SetOrientation(rotated ? 900 : 0);
  c.Brush().SetStyle(bsClear);
  const int w = c.TextWidth(text), h = c.TextHeight(text);
  const int across0 = (farEnd ? 0 : tick_mark_->Size()) + kTickTextSpacing;
  if (vertical) {
    const int x = r.Left + across0, y = r.Bottom - q;
    c.TextOut(x, rotated ? y + w / 2 : y - h / 2, text);
  } else {
    c.TextOut(r.Left + q - w / 2, r.Top + across0, text);
  }
}

void TCustomTrackBar::PaintTrackLabel(TCanvas& c) {
  const TRect r = LabelRect(Layout());
  const std::string text = GetTrackLabelText();
  const bool vertical = orientation_ == trVertical;
  c.Font().Assign(track_label_->Font());
  c.Font().SetOrientation(vertical ? 900 : 0);
  c.Brush().SetStyle(bsClear);
  const int w = c.TextWidth(text);
  const TLabelPosition p = track_label_->Position();
  const bool left = p == lpTopLeft || p == lpBottomLeft;
  const bool right = p == lpTopRight || p == lpBottomRight;
  if (vertical) {
    // Turned to read upwards, its start lies at the bottom.
    const int y = left ? r.Bottom : right ? r.Top + w : r.Top + (r.Height() + w) / 2;
    c.TextOut(r.Left, y, text);
  } else {
    const int x = left ? r.Left : right ? r.Right - w : r.Left + (r.Width() - w) / 2;
    c.TextOut(x, r.Top, text);
  }
}

void TCustomTrackBar::PaintThumb() {
  const TTrackBarThumb& t = *thumb_;
  if (t.Size() < 1) return;
  if (!t.ShowAtMinMax() && (position_ == min_ || position_ == max_)) return;
  PaintThumbShape(*Canvas(), GetThumbRect(), t.Shape(), orientation_ == trVertical,
                  tick_mark_->Position(), t.Look(thumb_down_, thumb_hot_, Enabled()));
}

void TCustomTrackBar::PaintButtons(TCanvas& c) {
  const TTrackLayout l = Layout();
  for (const bool maxButton : {false, true}) {
    const TRect r = maxButton ? MaxButtonRect(l) : MinButtonRect(l);
    const bool down = maxButton ? max_button_down_ : min_button_down_;
    const bool hot = maxButton ? max_button_hot_ : min_button_hot_;
    const TGlossLook look = buttons_->Look(down, hot, Enabled());
    const bool round = buttons_->Shape() == bsRound;
    FillGlossShape(c, r, RoundedOutline(r, round ? r.Width() / 2 : 0), look);
    if (look.Border == clNone) continue;
    c.Pen().SetColor(look.Border);
    c.Brush().SetStyle(bsClear);
    const int corner = round ? r.Width() : 0;
    c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, corner, corner);
    // A small arrow toward the button's end of the track.
    const int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
    const int d = maxButton ? -1 : 1;
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(look.Border);
    if (l.Vertical())
      c.Polygon({{cx - 3, cy - 2 * d}, {cx + 3, cy - 2 * d}, {cx, cy + d}});
    else
      c.Polygon({{cx + 2 * d, cy - 3}, {cx + 2 * d, cy + 3}, {cx - d, cy}});
  }
}

void TCustomTrackBar::PaintFocusFrame(TCanvas& c) {
  // Every other pixel round the edge, black.
  const int w = Width(), h = Height();
  int i = 0;
  const auto dot = [&](int x, int y) {
    if (i++ % 2 == 0) c.SetPixel(x, y, clBlack);
  };
  for (int x = 0; x < w - 1; ++x) dot(x, 0);
  for (int y = 0; y < h - 1; ++y) dot(w - 1, y);
  for (int x = w - 1; x > 0; --x) dot(x, h - 1);
  for (int y = h - 1; y > 0; --y) dot(0, y);
}

}  // namespace bitcalc::widgets
