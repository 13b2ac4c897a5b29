#include <algorithm>

#include "framework/raster/canvas.h"
#include "framework/text/text.h"

namespace bitcalc::framework {

// Text is placed the Windows way: (x, y) is the top-left corner of the text
// cell and the baseline lies Ascent below it, with the ascent taken from the
// font's Windows metrics rather than Qt's.

const QFont& TCanvas::CurrentQFont() {
  if (!qfont_ || !builtFont_.SameAs(font_)) {
    builtFont_.Assign(font_);
    qfont_ = std::make_unique<QFont>(font_.ToQFont());
    widths_ = std::make_unique<TTextWidths>(*qfont_);
    metrics_ = font_.Metrics();
    painterHasFont_ = false;
  }
  return *qfont_;
}

const TTextWidths& TCanvas::CurrentWidths() {
  CurrentQFont();
  return *widths_;
}

// Must run outside any save()/restore() pair, or the restore would take the
// font back while the canvas believes the painter still has it.
void TCanvas::UseFont(QPainter* p) {
  CurrentQFont();
  if (!painterHasFont_) {
    p->setFont(*qfont_);
    painterHasFont_ = true;
  }
}

int TCanvas::TextRun(QPainter* p, int x, int y, const QString& text, bool opaque) {
  const int width = widths_->Of(text);
  const int angle = font_.Orientation() % 3600;
  if (angle != 0) {
    // An escapement turns the whole cell about its reference corner.
    p->save();
    p->translate(x, y);
    p->rotate(-angle / 10.0);
    x = 0;
    y = 0;
  }
  if (opaque) p->fillRect(QRect(x, y, width, metrics_.Height), ToQColor(brush_.Color()));
  p->setPen(ToQColor(font_.Color()));
  p->drawText(QPoint(x, y + metrics_.Ascent), text);
  p->setPen(Qt::NoPen);
  if (angle != 0) p->restore();
  return width;
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  const QString s = FromCp1250(text);
  int width = 0;
  if (QPainter* p = AcquirePainter()) {
    UseFont(p);
    // A solid brush means the opaque background mode: the cell is filled.
    width = TextRun(p, x, y, s, !brush_.IsClear());
  } else {
    width = CurrentWidths().Of(s);
  }
  penPos_ = {x + width, y};
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const std::string& text) {
  QPainter* p = AcquirePainter();
  if (!p) return;
  UseFont(p);
  p->save();
  p->setClipRect(clip.ToQRect(), Qt::IntersectClip);
  if (!brush_.IsClear() && !clip.IsEmpty()) p->fillRect(clip.ToQRect(), ToQColor(brush_.Color()));
  TextRun(p, x, y, FromCp1250(text), false);
  p->restore();
}

int TCanvas::TextWidth(const std::string& text) {
  return CurrentWidths().Of(FromCp1250(text));
}

int TCanvas::TextHeight(const std::string&) {
  CurrentQFont();
  return metrics_.Height;
}

TSize TCanvas::TextExtent(const std::string& text) {
  return {TextWidth(text), TextHeight(text)};
}

TTextMetric TCanvas::TextMetrics() {
  CurrentQFont();
  return metrics_;
}

void TCanvas::DrawLine(QPainter* p, const TTextLine& line, const TTextMeasurer& m, int x, int y) {
  if (!brush_.IsClear())
    p->fillRect(QRect(x, y, line.Width, metrics_.Height), ToQColor(brush_.Color()));
  for (const auto& [offset, piece] : m.Segments(line.Text))
    TextRun(p, x + offset, y, piece.toString(), false);
  if (line.Underlines.empty()) return;
  // The prefix underline sits where the font's own underline would.
  const int top = y + metrics_.Ascent + std::max(1, widths_->Metrics().underlinePos());
  const int thickness = std::max(1, widths_->Metrics().lineWidth());
  const QColor ink = ToQColor(font_.Color());
  for (int index : line.Underlines)
    p->fillRect(
        QRect(x + m.OffsetOf(line.Text, index), top, m.CharWidth(line.Text, index), thickness),
        ink);
}

int TCanvas::DrawText(const std::string& text, TRect& r, unsigned flags) {
  CurrentQFont();
  // Tab stops every eight average character widths.
  const int tabWidth = (flags & DT_EXPANDTABS) ? 8 * metrics_.AveCharWidth : 0;
  const TTextMeasurer measure(*widths_, tabWidth);
  // Like a zero-terminated string handed over without a length, the text
  // ends at its first code-0 character.
  const std::vector<TTextLine> lines =
      LayoutDrawText(CaptionToQString(text), flags, r.Width(), measure);
  const int lineHeight =
      metrics_.Height + ((flags & DT_EXTERNALLEADING) ? metrics_.ExternalLeading : 0);
  const int height = lineHeight * int(lines.size());

  if (flags & DT_CALCRECT) {
    int widest = 0;
    for (const TTextLine& line : lines) widest = std::max(widest, line.Width);
    r.Right = r.Left + widest;
    r.Bottom = r.Top + height;
    return height;
  }

  // Vertical placement other than the top applies to a single line only.
  const bool single = (flags & DT_SINGLELINE) != 0;
  int top = r.Top;
  if (single && (flags & DT_BOTTOM))
    top = r.Bottom - height;
  else if (single && (flags & DT_VCENTER))
    top = r.Top + (r.Height() - height) / 2;

  QPainter* p = AcquirePainter();
  if (p && !lines.empty()) {
    UseFont(p);
    const bool clip = !(flags & DT_NOCLIP);
    if (clip) {
      p->save();
      p->setClipRect(r.ToQRect(), Qt::IntersectClip);
    }
    int y = top;
    for (const TTextLine& line : lines) {
      int x = r.Left;
      if (flags & DT_CENTER)
        x = r.Left + (r.Width() - line.Width) / 2;
      else if (flags & DT_RIGHT)
        x = r.Right - line.Width;
      DrawLine(p, line, measure, x, y);
      y += lineHeight;
    }
    if (clip) p->restore();
  }
  return single && (flags & (DT_VCENTER | DT_BOTTOM)) ? top - r.Top + height : height;
}

}  // namespace bitcalc::framework
