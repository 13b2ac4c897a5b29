#include "widgets/status/gradient_label.h"

#include <QRegion>
#include <algorithm>

#include "framework/raster/canvas.h"
#include "framework/text/text.h"
#include "widgets/status/banded_gradient.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kMinSteps = 32;
constexpr int kLineThickness = 2;

}  // namespace

void FillLabelGradient(TCanvas& canvas, const TRect& r, TColor c1, TColor c2, int n,
                       bool vertical) {
  const int length = int(BandStep(r, n, vertical)) + 1;
  DrawBandedGradient(canvas, r, c1, c2, n, vertical, length, true);
}

TGradientLabel::TGradientLabel(TComponent* owner) : TLabel(owner) {
  SetAutoSize(false);
}

void TGradientLabel::SetColorTo(TColor v) {
  SetAndInvalidate(color_to_, v);
}
void TGradientLabel::SetEllipsType(TEllipsType v) {
  SetAndInvalidate(ellips_type_, v);
}
void TGradientLabel::SetVAlignment(TVAlignment v) {
  SetAndInvalidate(valignment_, v);
}
void TGradientLabel::SetIndent(int v) {
  SetAndInvalidate(indent_, v);
}
void TGradientLabel::SetGradientType(TGradientType v) {
  SetAndInvalidate(gradient_type_, v);
}
void TGradientLabel::SetTransparentText(bool v) {
  SetAndInvalidate(transparent_text_, v);
}
void TGradientLabel::SetLineWidth(int v) {
  SetAndInvalidate(line_width_, v);
}
void TGradientLabel::SetOrientation(TGradientOrientation v) {
  SetAndInvalidate(orientation_, v);
}

int TGradientLabel::GradientSteps() const {
  return std::max(kMinSteps, (gradient_type_ == gtFullVertical ? Height() : Width()) / 4);
}

unsigned TGradientLabel::TextFlags() const {
  unsigned flags = DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE);
  if (Alignment() == taRightJustify) flags |= DT_RIGHT;
  if (Alignment() == taCenter) flags |= DT_CENTER;
  if (Layout() == tlCenter) flags |= DT_VCENTER;
  if (Layout() == tlBottom) flags |= DT_BOTTOM;
  if (ellips_type_ == etEndEllips) flags |= DT_END_ELLIPSIS;
  if (ellips_type_ == etPathEllips) flags |= DT_PATH_ELLIPSIS;
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  if (valignment_ == vaCenter) flags |= DT_VCENTER;
  if (valignment_ == vaBottom) flags |= DT_BOTTOM;
  return flags;
}

TRect TGradientLabel::LineRect(const TRect& client) const {
  TRect l = client;
  const bool vertical = orientation_ == goVertical;
  int& nearEdge = vertical ? l.Left : l.Top;
  int& farEdge = vertical ? l.Right : l.Bottom;
  if (gradient_type_ == gtBottomLine) {
    nearEdge = farEdge - kLineThickness;
  } else if (gradient_type_ == gtTopLine) {
    farEdge = nearEdge + kLineThickness;
  } else {
    nearEdge += (farEdge - nearEdge) / 2;
    farEdge = nearEdge + kLineThickness;
  }
  return l;
}

void TGradientLabel::DrawLine(TCanvas& canvas, const TRect& client) {
  const TRect l = LineRect(client);
  if (transparent_text_) {
    TRect measured = client;
    canvas.DrawText(CaptionText(Caption()), measured, DT_CALCRECT);
    const int captionWidth = measured.Width();
    int gap = l.Left + (l.Width() - captionWidth) / 2;
    if (Alignment() == taLeftJustify) gap = l.Left + indent_;
    if (Alignment() == taRightJustify) gap = l.Right - captionWidth - indent_;
    canvas.SelectClipRegion(QRegion(l.ToQRect()) -
                            QRegion(Rect(gap, l.Top, gap + captionWidth, l.Bottom).ToQRect()));
  }
  if (orientation_ == goHorizontal)
    FillLabelGradient(canvas, l, Color(), color_to_, GradientSteps(), false);
  else
    FillLabelGradient(canvas, l, color_to_, Color(), GradientSteps(), true);
  canvas.RemoveClip();
}

void TGradientLabel::Paint() {
  TCanvas& canvas = *Canvas();
  const TRect client = ClientRect();
  if (!Transparent()) {
    if (color_to_ == clNone || IsLineType()) {
      canvas.Brush().SetStyle(bsSolid);
      canvas.Brush().SetColor(Color());
      canvas.FillRect(client);
    } else {
      FillLabelGradient(canvas, client, Color(), color_to_, GradientSteps(),
                        gradient_type_ == gtFullVertical);
    }
  }
  if (IsLineType()) DrawLine(canvas, client);
  DrawCaption(canvas, client);
}

void TGradientLabel::DrawCaption(TCanvas& canvas, const TRect& client) {
  canvas.Brush().SetStyle(bsClear);
  TRect r = client;
  const bool vertical = orientation_ == goVertical;
  // The indent keeps the caption off the edge it is aligned to.
  if (Alignment() == taLeftJustify) {
    if (vertical)
      r.Bottom -= indent_;
    else
      r.Left += indent_;
  } else if (Alignment() == taRightJustify) {
    if (vertical)
      r.Top += indent_;
    else
      r.Right -= indent_;
  }
  if (vertical && Enabled())
    DrawTurnedCaption(canvas, r);
  else
    DoDrawText(r, TextFlags());
}

void TGradientLabel::DrawTurnedCaption(TCanvas& canvas, const TRect& r) {
  const std::string text = CaptionText(Caption());
  const TSize size = canvas.TextExtent(text);
  int x = r.Left;
  if (Layout() == tlCenter) x = r.Width() / 2 - size.cy / 2;
  if (Layout() == tlBottom) x = r.Right - size.cy;
  int y = r.Bottom;
  if (Alignment() == taRightJustify) y = r.Top + size.cx;
  if (Alignment() == taCenter) y = size.cx / 2 + r.Height() / 2;
  const int orientation = canvas.Font().Orientation();
  canvas.Font().SetOrientation(900);
  canvas.TextOut(x, y, text);
  canvas.Font().SetOrientation(orientation);
}

}  // namespace bitcalc::widgets
