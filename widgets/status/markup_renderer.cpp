#include <algorithm>
#include <climits>

#include "framework/values/rounding.h"
#include "widgets/status/banded_gradient.h"
#include "widgets/status/markup_layout.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

int ToResult(long long v) {
  return int(std::clamp<long long>(v, 0, INT_MAX));
}

constexpr int kBackgroundSteps = 64;

}  // namespace

TRect Drawable(const TBox& b) {
  auto c = [](long long v) { return int(std::clamp(v, -kDrawLimit, kDrawLimit)); };
  return {c(b.Left), c(b.Top), c(b.Right), c(b.Bottom)};
}

TMarkupFont TMarkupFont::Of(const TFont& font) {
  return {font.Name(), font.Height(), font.Style(), font.Color(), font.Orientation()};
}

void TMarkupFont::ApplyTo(TFont& font) const {
  font.SetName(Name);
  font.SetHeight(Height);
  font.SetStyle(Style);
  font.SetColor(Color);
  font.SetOrientation(Orientation);
}

bool DrawMarkup(TCanvas& canvas, const std::string& text, const TRect& frame, TMarkupMode mode,
                int hitX, int hitY, bool wordWrap, TColor linkColor, bool blinkOn,
                const TImageList* images, const TPictureContainer* pictures, std::string& anchor,
                int& width, int& height) {
  TMarkupLayout layout(canvas, frame, mode, hitX, hitY, wordWrap, linkColor, blinkOn, images,
                       pictures);
  return layout.Run(text, anchor, width, height);
}

TMarkupLayout::TMarkupLayout(TCanvas& canvas, const TRect& frame, TMarkupMode mode, int hitX,
                             int hitY, bool wordWrap, TColor linkColor, bool blinkOn,
                             const TImageList* images, const TPictureContainer* pictures)
    : canvas_(canvas),
      frame_{frame.Left, frame.Top, frame.Right, frame.Bottom},
      mode_(mode),
      hitX_(hitX),
      hitY_(hitY),
      wordWrap_(wordWrap),
      linkColor_(linkColor),
      blinkOn_(blinkOn),
      images_(images),
      pictures_(pictures),
      firstScan_(markup_),
      secondScan_(markup_) {}

bool TMarkupLayout::Run(const std::string& text, std::string& anchor, int& width, int& height) {
  base_ = TMarkupFont::Of(canvas_.Font());
  entryBrush_ = canvas_.Brush().Color();
  const TBrushStyle brushStyle = canvas_.Brush().Style();
  const TColor penColor = canvas_.Pen().Color();
  const int penWidth = canvas_.Pen().Width();
  const TPenStyle penStyle = canvas_.Pen().Style();

  markup_ = PrepareMarkup(text);
  flags_ = DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | (ShownLiterally(markup_) ? DT_NOPREFIX : 0u);

  TMarkupState state;
  state.Font = base_;
  state.HighlightColorSaved = base_.Color;
  TBox r = frame_;
  r.Left += 1;
  long long total = 0;
  bool hit = false;
  anchor.clear();
  for (std::size_t pos = 0; pos < markup_.size();) {
    const TLaidLine line = LayOutLine(state, r, pos);
    if (line.Hit) {
      hit = true;
      anchor = line.Href;
    }
    r.Top += line.Height;
    total += line.Height;
    pos = line.Next;
    // A further line is laid out only if it would fit completely.
    if (r.Top + line.FirstHeight > r.Bottom) break;
  }

  Use(base_);
  if (total == 0) total = GhHeight();
  canvas_.Brush().SetStyle(brushStyle);
  canvas_.Brush().SetColor(entryBrush_);
  canvas_.Pen().SetColor(penColor);
  canvas_.Pen().SetWidth(penWidth);
  canvas_.Pen().SetStyle(penStyle);
  width = ToResult(widest_);
  height = ToResult(total);
  return hit;
}

TLaidLine TMarkupLayout::LayOutLine(TMarkupState& state, const TBox& r, std::size_t pos) {
  heights_ = {};
  state.Subscript = state.Superscript = false;
  Use(state.Font);
  TLaidLine line;
  line.FirstHeight = heights_.H = GhHeight();

  // The first pass finds how much of the markup the line takes and how wide
  // it is, from a copy of the state; the second starts from the same state
  // and lays out, draws and hit-tests exactly that.
  TMarkupState first = state;
  TLinePass p1;
  p1.Line = r;
  line.Next = RunLine(first, p1, pos, markup_.size(), firstScan_);

  TBox l = r;
  if (first.ParagraphAlignment == taRightJustify && r.Right - p1.W > r.Left)
    l.Left = r.Right - p1.W;
  if (first.ParagraphAlignment == taCenter && r.Right - r.Left - p1.W > 0)
    l.Left = r.Left + (r.Right - r.Left - p1.W) / 2;
  l.Left += first.ParagraphIndent;
  line.Height = heights_.H + heights_.Sub + heights_.Sup;
  l.Bottom = l.Top + line.Height;

  TLinePass p2;
  p2.Line = l;
  p2.Paints = mode_ == mmPaint;
  p2.Second = true;
  RunLine(state, p2, pos, line.Next, secondScan_);
  if (mode_ == mmLayoutOnly) {
    const long long bottom = l.Bottom - heights_.ImgAli;
    line.Hit = (p2.HitText && bottom - GhHeight() < hitY_ && hitY_ < bottom) || p2.HitPicture;
    line.Href = p2.HitHref;
  }
  state.Offset = state.NextOffset;
  return line;
}

void TMarkupLayout::Use(const TMarkupFont& font) {
  font.ApplyTo(canvas_.Font());
}

long long TMarkupLayout::GhHeight() {
  return canvas_.TextHeight("gh");
}

TSize TMarkupLayout::Extent(const std::string& shown, bool measuring) {
  TRect r{0, 0, 0, 0};
  canvas_.DrawText(shown, r, flags_ | DT_CALCRECT | (measuring ? DT_EXTERNALLEADING : 0u));
  return {r.Width(), r.Height()};
}

long long TMarkupLayout::Available(const TMarkupState& s, const TLinePass& p) const {
  return p.Line.Right - p.Line.Left - s.Offset;
}

QImage TMarkupLayout::Picture(const std::string& source) const {
  const std::string_view src(source);
  if (StartsWithNoCase(src, "IDX:"))
    return images_ ? images_->Picture(ReadMarkupNumber(src.substr(4))) : QImage();
  if (StartsWithNoCase(src, "SSYS:")) return FileTypeIcon(source.substr(5), false);
  if (StartsWithNoCase(src, "LSYS:")) return FileTypeIcon(source.substr(5), true);
  if (src.find(':') == std::string_view::npos && pictures_) return pictures_->Find(source);
  return {};
}

void TMarkupLayout::Fill(TBox r, TColor color) {
  if (color == clNone) return;
  canvas_.Brush().SetStyle(bsSolid);
  canvas_.Brush().SetColor(color);
  canvas_.FillRect(Drawable(r));
}

void TMarkupLayout::Gradient(const TRect& r, TColor from, TColor to, bool vertical) {
  const int length = RoundHalfEven(BandStep(r, kBackgroundSteps, vertical)) + 1;
  DrawBandedGradient(canvas_, r, from, to, kBackgroundSteps, vertical, length, true);
}

}  // namespace bitcalc::widgets
