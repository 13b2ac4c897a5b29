#include "widgets/status/status_bar_painting.h"

#include <algorithm>

#include "widgets/status/status_gradient.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kSeparatorSteps = 40;

// One separator column: from `edge` to `middle` down to mid-height, and back.
void SeparatorColumn(TCanvas& canvas, const TRect& p, int x, TColor edge, TColor middle) {
  const int mid = p.Height() / 2;
  DrawGradient(canvas, edge, middle, kSeparatorSteps, Rect(x, p.Top, x + 1, p.Top + mid + 1), true);
  DrawGradient(canvas, middle, edge, kSeparatorSteps, Rect(x, p.Top + mid, x + 1, p.Bottom), true);
}

}  // namespace

void PaintPanelSeparator(TCanvas& canvas, const TRect& p, TColor colorTo) {
  SeparatorColumn(canvas, p, p.Left, BlendColor(colorTo, clWhite, 70), colorTo);
  SeparatorColumn(canvas, p, p.Left + 1, BlendColor(colorTo, clWhite, 50),
                  BlendColor(colorTo, clWhite, 10));
}

void PaintStatusFrame(TCanvas& canvas, int width, int height, TColor border, bool external) {
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(border);
  canvas.MoveTo(0, 0);
  canvas.LineTo(0, height - 1);
  canvas.LineTo(width - 1, height - 1);
  canvas.LineTo(width - 1, 0);
  canvas.Pen().SetColor(external ? border : BlendColor(border, clWhite, 80));
  canvas.MoveTo(0, 0);
  canvas.LineTo(width, 0);
}

void PaintSizeGrip(TCanvas& canvas, int width, int height) {
  canvas.Brush().SetStyle(bsSolid);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col <= row; ++col) {
      const int x = width - 5 - 4 * col;
      const int y = height - 5 - 4 * (row - col);
      canvas.Brush().SetColor(clBtnHighlight);
      canvas.FillRect(Rect(x + 1, y + 1, x + 3, y + 3));
      canvas.Brush().SetColor(clBtnShadow);
      canvas.FillRect(Rect(x, y, x + 2, y + 2));
    }
  }
}

void PaintPanelProgress(TCanvas& canvas, const TRect& p, const TStatusPanelProgress& progress) {
  const TRect box = p.Inflated(-1, -3);
  if (box.IsEmpty()) return;
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(clBtnShadow);
  canvas.FrameRect(box);
  const int range = progress.Max - progress.Min;
  if (range <= 0) return;
  const int done = std::clamp(progress.Position - progress.Min, 0, range);
  const TRect inside = box.Shrunk(1);
  canvas.Brush().SetColor(clHighlight);
  canvas.FillRect(Rect(inside.Left, inside.Top,
                       inside.Left + int(static_cast<long long>(inside.Width()) * done / range),
                       inside.Bottom));
}

void PaintPanelPicture(TCanvas& canvas, const TRect& p, const QImage& picture,
                       TAlignment alignment) {
  if (picture.isNull()) return;
  const int free = p.Width() - picture.width();
  const int x = p.Left + (alignment == taRightJustify ? free
                          : alignment == taCenter     ? free / 2
                                                      : 0);
  const int y = p.Top + (p.Height() - picture.height()) / 2;
  canvas.StretchDraw(Rect(x, y, x + picture.width(), y + picture.height()), picture);
}

void PaintPanelPlainText(TCanvas& canvas, const TRect& p, const std::string& text,
                         TAlignment alignment, unsigned ellipsis) {
  const unsigned align = alignment == taRightJustify ? DT_RIGHT
                         : alignment == taCenter     ? DT_CENTER
                                                     : DT_LEFT;
  TRect r = p;
  canvas.DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align | ellipsis);
}

}  // namespace bitcalc::widgets
