#include "widgets/bits/bit_toggle_switch.h"

#include "framework/text/text.h"
#include "widgets/bits/bit_drawing.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

TRect LeverRect(const TRect& r, bool vertical, bool shown) {
  TRect v = r;
  if (vertical) {
    const int middle = r.Top + r.Height() / 2;
    (shown ? v.Bottom : v.Top) = middle;
  } else {
    const int middle = r.Left + r.Width() / 2;
    (shown ? v.Right : v.Left) = middle;
  }
  return v;
}

TPoint StateTextCentre(const TRect& r, bool vertical, bool shown) {
  if (vertical)
    return {r.Left + r.Width() / 2, shown ? r.Bottom - r.Height() / 4 : r.Top + r.Height() / 4};
  return {shown ? r.Right - r.Width() / 4 : r.Left + r.Width() / 4, r.Top + r.Height() / 2};
}

std::vector<int> GripPositions(const TRect& face, bool vertical) {
  std::vector<int> at;
  if (vertical)
    for (int y = face.Top + 2; y < face.Bottom - 2; y += 4) at.push_back(y);
  else
    for (int x = face.Left + 2; x < face.Right - 2; x += 4) at.push_back(x);
  return at;
}

void PaintStateField(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush().SetStyle(bsSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(color);
  canvas.Brush().SetColor(color);
  canvas.Rectangle(r);
}

TRect PaintLever(TCanvas& canvas, const TRect& lever, TColor face, TColor highlight, TColor shadow,
                 int bevelWidth) {
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(face);
  canvas.Pen().SetColor(clBlack);
  canvas.Rectangle(lever);
  TRect inner = lever.Shrunk(1);
  DrawFrame3D(canvas, inner, highlight, shadow, bevelWidth);
  return inner;
}

void PaintGrips(TCanvas& canvas, const TRect& face, bool vertical, TColor highlight,
                TColor shadow) {
  // Each grip is a highlight line with a shadow line below or, across a
  // horizontal lever, a shadow line with a highlight line to its right.
  for (int p : GripPositions(face, vertical)) {
    if (vertical) {
      canvas.Pen().SetColor(highlight);
      canvas.MoveTo(face.Left + 1, p);
      canvas.LineTo(face.Right - 2, p);
      canvas.Pen().SetColor(shadow);
      canvas.MoveTo(face.Left + 1, p + 1);
      canvas.LineTo(face.Right - 2, p + 1);
    } else {
      canvas.Pen().SetColor(shadow);
      canvas.MoveTo(p, face.Top + 2);
      canvas.LineTo(p, face.Bottom - 2);
      canvas.Pen().SetColor(highlight);
      canvas.MoveTo(p + 1, face.Top + 2);
      canvas.LineTo(p + 1, face.Bottom - 2);
    }
  }
}

TBitToggleSwitch::TBitToggleSwitch(TComponent* owner) : TBitSwitch(owner) {
  SetBounds(Left(), Top(), 57, 25);
}

void TBitToggleSwitch::PaintButton(TCanvas& canvas, const TRect& r, bool vertical, bool shown) {
  const TColor color = Checked() ? color_on_ : color_off_;
  // Texts end at their first code-0 character, like captions.
  const std::string text = CaptionText(Checked() ? text_on_ : text_off_);
  PaintStateField(canvas, r, color);
  const TRect face = PaintLever(canvas, LeverRect(r, vertical, shown), BtnColorFace(),
                                BtnColorHighlight(), BtnColorShadow(), BtnBevelWidth());
  PaintGrips(canvas, face, vertical, BtnColorHighlight(), BtnColorShadow());
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().Assign(Font());
  const TPoint centre = StateTextCentre(r, vertical, shown);
  TextOutAligned(canvas, centre.X, centre.Y, 4, text);
}

}  // namespace bitcalc::widgets
