#include "widgets/status/office_hint_layout.h"

#include <algorithm>
#include <cmath>

#include "framework/values/rounding.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr int kBands = 64;
constexpr TColor kBorderColor = RGB(128, 128, 128);
constexpr unsigned kLineFlags = DT_SINGLELINE | DT_END_ELLIPSIS;

int Mix(int from, int to, int band) {
  return from + RoundHalfEven(double(band) * (to - from) / (kBands - 1));
}

// Draws text single-line into r, ending in "..." when it does not fit.
int DrawLine(TCanvas& canvas, const std::string& text, TRect r) {
  return canvas.DrawText(text, r, kLineFlags);
}

void PaintOfficeContent(TCanvas& canvas, int width, int height, const TStyledOfficeHint& hint,
                        TRect t) {
  const TStyledHintInfo& info = hint.Content();
  const TFontStyles regular = canvas.Font().Style() & ~fsBold;
  canvas.Font().SetStyle(regular | fsBold);
  const int th = info.Title.empty()
                     ? 0
                     : DrawLine(canvas, info.Title, Rect(t.Left + 4, t.Top, width - 4, height));
  t.Top += th + th / 3;

  const TSize picture = info.Picture.Draw(canvas, t.Left + 4, t.Top);
  canvas.Font().SetStyle(regular);
  TRect notes = Rect(t.Left + picture.cx + 8, t.Top, width - 8, height);
  const int nh = canvas.DrawText(info.NotesText(), notes, DT_WORDBREAK);
  t.Top += std::max(picture.cy, nh) + canvas.TextHeight("gh") / 3;
  if (!info.ShowHelp) return;

  canvas.Pen().SetColor(hint.HintHelpLineColor());
  canvas.Pen().SetWidth(1);
  canvas.MoveTo(t.Left - 1, t.Top);
  canvas.LineTo(width - 2, t.Top);
  t.Top += 4;
  canvas.Font().SetStyle(regular | fsBold);
  int textLeft = t.Left + 4;
  if (const TSize help = hint.HintHelpPicture().Draw(canvas, textLeft, t.Top); help.cx > 0)
    textLeft += help.cx + 4;
  DrawLine(canvas, hint.HintHelpText(), Rect(textLeft, t.Top, width - 4, height));
}

}  // namespace

TRect OfficeHintBounds(TCanvas& canvas, TRect r, const TStyledOfficeHint& hint) {
  const TStyledHintInfo& info = hint.Content();
  r.Right += hint.HintWidth();
  hint.AssignDrawingFont(canvas.Font());
  const TSize picture = info.Picture.Size();
  TRect m = r;
  m.Right -= 16;
  if (picture.cx > 0) m.Right -= picture.cx + 2;
  const unsigned wrap = hint.HintWidth() == 0 ? DT_SINGLELINE : DT_WORDBREAK;
  const int nh = canvas.DrawText(info.NotesText(), m, DT_CALCRECT | wrap);
  const int lh = canvas.TextHeight("gh");
  int hh = std::max(picture.cy, nh) + lh / 2;
  if (hint.HintWidth() == 0 || info.Title.empty()) r.Right = m.Right + 24 + picture.cx;
  if (!info.Title.empty()) hh += lh + lh / 2;
  if (info.ShowHelp) {
    const int lh2 = std::max(lh, hint.HintHelpPicture().Size().cy);
    hh += lh2 + lh2 / 2;
  }
  r.Bottom = r.Top + hh;
  return r;
}

void PaintHintBackground(TCanvas& canvas, int width, int height, TColor from, TColor to) {
  from = ColorToRGB(from);
  to = ColorToRGB(to);
  const double f = double(height) / kBands;
  for (int i = 0; i < kBands; ++i) {
    const int top = RoundHalfEven(i * f);
    const int bottom = std::min(height, top + int(std::trunc(f)) + 1);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(RGB(Mix(GetRValue(from), GetRValue(to), i),
                                Mix(GetGValue(from), GetGValue(to), i),
                                Mix(GetBValue(from), GetBValue(to), i)));
    canvas.FillRect(Rect(0, top, width, bottom));
  }
}

void PaintOfficeHint(TCanvas& canvas, int width, int height, const TStyledOfficeHint& hint,
                     const std::string& caption) {
  PaintHintBackground(canvas, width, height, hint.HintColor(), hint.HintColorTo());
  canvas.Pen().SetColor(kBorderColor);
  canvas.Pen().SetWidth(1);
  canvas.Brush().SetStyle(bsClear);
  canvas.RoundRect(0, 0, width - 1, height - 1, 5, 5);

  hint.AssignDrawingFont(canvas.Font());
  TRect t = Rect(2, 4, width, height);
  if (hint.HintControl() && hint.OfficeLayout()) {
    PaintOfficeContent(canvas, width, height, hint, t);
    return;
  }
  t.Left += hint.HintControl() ? 2 : 4;
  canvas.DrawText(caption, t, DT_WORDBREAK);
}

}  // namespace bitcalc::widgets
