#include <algorithm>

#include "widgets/status/markup_layout.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

// Paragraphs, backgrounds, pictures, list items and rules: the tags that lay
// out or paint more than a change of style.

namespace {

constexpr long long kListIndent = 12;

}  // namespace

void TMarkupLayout::ParagraphTag(TMarkupState& s, const TLinePass& p, const TMarkupTag& tag) {
  const std::string align = tag.Value("ALIGN", true);
  if (align.find("RIGHT") != std::string::npos)
    s.ParagraphAlignment = taRightJustify;
  else if (align.find("LEFT") != std::string::npos)
    s.ParagraphAlignment = taLeftJustify;
  else if (align.find("CENTER") != std::string::npos)
    s.ParagraphAlignment = taCenter;
  if (const std::string indent = tag.Value("INDENT", true); !indent.empty())
    s.ParagraphIndent = ReadMarkupNumber(indent);
  const std::string back = tag.Value("BGCOLOR", true);
  if (!p.Paints || back.empty()) return;
  s.ParagraphBackgroundSaved = s.Background;
  s.Background = MarkupColor(back);
  s.ParagraphFill = true;
  const TBox band{frame_.Left, p.Line.Top, frame_.Right, Base(p)};
  if (const std::string to = tag.Value("BGCOLORTO", true); !to.empty()) {
    // Bands are laid out across the frame's true width.
    TRect r = Drawable({band.Left, band.Top, band.Right, band.Bottom + 2});
    r.Left = Frame().Left;
    r.Right = Frame().Right;
    Gradient(r, s.Background, MarkupColor(to), false);
  } else {
    Fill(band, s.Background);
  }
}

void TMarkupLayout::BodyTag(const TMarkupTag& tag) {
  const TRect frame = Drawable(frame_);
  const std::string color = tag.Value("BGCOLOR", true);
  const std::string to = tag.Value("BGCOLORTO", true);
  if (!color.empty() && !to.empty()) {
    const std::string dir = tag.Value("DIR", true);
    Gradient(Frame(), MarkupColor(color), MarkupColor(to), !(dir.empty() || dir == "H"));
  } else if (!color.empty()) {
    Fill({frame_.Left - 2, frame_.Top, frame_.Right, frame_.Bottom}, MarkupColor(color));
  }
  if (const QImage tile = Picture(tag.Value("BACKGROUND", true)); !tile.isNull())
    canvas_.TileDraw(frame, tile);
  if (const QImage corner = Picture(tag.Value("BGTOPLEFT", true)); !corner.isNull())
    canvas_.StretchDraw(Bounds(frame.Left, frame.Top, corner.width(), corner.height()), corner);
  if (const QImage corner = Picture(tag.Value("BGTOPRIGHT", true)); !corner.isNull())
    canvas_.StretchDraw(
        Bounds(frame.Right - corner.width(), frame.Top, corner.width(), corner.height()), corner);
}

TTagOutcome TMarkupLayout::PictureTag(TMarkupState& s, TLinePass& p, const TMarkupTag& tag) {
  const QImage picture = Picture(tag.Value("SRC", false));
  if (picture.isNull()) return toNext;
  long long width = picture.width(), height = picture.height();
  const long long w = ReadMarkupNumber(tag.Value("WIDTH", false));
  const long long h = ReadMarkupNumber(tag.Value("HEIGHT", false));
  if (w > 0 && h > 0) {
    width = w;
    height = h;
  }
  const long long available = Available(s, p);
  // Nothing but a line already holding something can be too full for it.
  if (!p.Second && p.W + width > available && width < available) return toStay;
  const long long base = Base(p);
  const long long left = p.Line.Left + p.W;
  if (p.Second && !p.Paints && s.InAnchor && hitX_ >= left && hitX_ <= left + width &&
      hitY_ >= base - height && hitY_ <= base) {
    p.HitPicture = true;
    p.HitHref = s.Href;
  }
  if (p.Paints) canvas_.StretchDraw(Drawable({p.X, base - height, p.X + width, base}), picture);
  p.W += width;
  p.X += width;
  heights_.H = std::max(heights_.H, height);
  const std::string align = tag.Value("ALIGN", true);
  if (align == "TOP") heights_.ImgAli = heights_.H - GhHeight();
  if (align == "MIDDLE") heights_.ImgAli = (heights_.H - GhHeight()) / 2;
  if (tag.Has("WRAP")) {
    heights_.H = GhHeight();
    heights_.ImgAli = 0;
  }
  return toNext;
}

TTagOutcome TMarkupLayout::BulletTag(TMarkupState& s, TLinePass& p) {
  if (!p.Second && p.Bullets > 0) return toStay;
  ++p.Bullets;
  p.W += s.ListLevel * kListIndent;
  p.X += s.ListLevel * kListIndent - kListIndent;
  if (p.Paints && s.Font.Color != clNone) {
    // A round bullet on odd levels, a ring on even ones. They are drawn in
    // the text's own font: the installed stand-in for "Symbol" has no
    // bullet at the Windows code for one.
    canvas_.Brush().SetStyle(bsClear);
    TRect out = Drawable({p.X, p.Line.Top, p.Line.Right, Base(p)});
    canvas_.DrawText(s.ListLevel % 2 ? "\x95" : "o", out, flags_ | DT_NOPREFIX);
  }
  p.X += kListIndent;
  return toNext;
}

void TMarkupLayout::HorizontalRule(const TLinePass& p) {
  const long long y = Base(p) + 1;
  canvas_.Pen().SetColor(clBlack);
  canvas_.Pen().SetWidth(1);
  canvas_.Pen().SetStyle(psSolid);
  const TRect line = Drawable({p.Line.Left, y, p.Line.Right, y});
  canvas_.MoveTo(line.Left, line.Top);
  canvas_.LineTo(line.Right, line.Top);
}

}  // namespace bitcalc::widgets
