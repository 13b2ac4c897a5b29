#include <algorithm>
#include <cctype>

#include "widgets/status/markup_layout.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

constexpr long long kListIndent = 12;
// Point sizes beyond this are drawn at it: larger glyphs than any screen
// could show would only cost time.
constexpr long long kMaxPointSize = 500;

bool IsLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

int HeightForPoints(long long points) {
  TFont font;
  font.SetSize(int(std::min(points, kMaxPointSize)));
  return font.Height();
}

void SetStyle(TMarkupFont& font, TFontStyle style, bool on) {
  font.Style = on ? font.Style | style : font.Style & ~unsigned(style);
}

}  // namespace

TTagOutcome TMarkupLayout::HandleTag(TMarkupState& s, TLinePass& p, const TMarkupTag& tag,
                                     std::size_t rest) {
  if (tag.Letter(1) != '/') return OpenTag(s, p, tag);
  // "</" and a letter close a tag, when more than three characters remain.
  if (rest > 3 && IsLetter(tag.Letter(2))) return CloseTag(s, p.Paints, tag);
  return toNext;
}

TTagOutcome TMarkupLayout::OpenTag(TMarkupState& s, TLinePass& p, const TMarkupTag& tag) {
  const char second = tag.Letter(2);
  switch (tag.Letter(1)) {
    case 'A':
      s.InAnchor = true;
      s.Href = tag.FirstQuoted();
      if (p.Paints) SetStyle(s.Font, fsUnderline, true);
      s.Font.Color = linkColor_;
      break;
    case 'B':
      if (second == '>') SetStyle(s.Font, fsBold, true);
      if (second == 'R') return toEndLine;
      // Blinking text takes the colour of the background it sits on.
      if (second == 'L' && !blinkOn_) s.Font.Color = entryBrush_;
      if (second == 'O' && p.Paints) BodyTag(tag);
      break;
    case 'E':
      if (p.Paints) s.ErrorLine = true;
      break;
    case 'F':
      FontTag(s, p.Paints, tag);
      break;
    case 'H':
      if (second == 'R') {
        if (p.Paints) HorizontalRule(p);
        return toEndLine;
      }
      if (second == 'I' && p.Paints) {
        s.HighlightColorSaved = s.Font.Color;
        s.HighlightBackgroundSaved = s.Background;
        s.Font.Color = clHighlightText;
        s.Background = clHighlight;
      }
      break;
    case 'I':
      if (second == 'M') return PictureTag(s, p, tag);
      if (second == 'N') {
        bool complete = false;
        const long long n = ReadMarkupNumber(tag.Value("X", false), &complete);
        if (complete && n > p.W) {
          p.W = n;
          p.X = frame_.Left + n;
        }
      } else {
        SetStyle(s.Font, fsItalic, true);
      }
      break;
    case 'L':
      return BulletTag(s, p);
    case 'O': {
      const long long n = ReadMarkupNumber(tag.Value("X", false));
      p.X = p.Line.Left + n;
      p.W = n;
      s.NextOffset = n;
      break;
    }
    case 'P':
      ParagraphTag(s, p, tag);
      break;
    case 'R':
      s.Font.Orientation = int(ReadMarkupNumber(tag.Value("A", false)) * 10);
      break;
    case 'S':
      if (tag.StartsWith("<SUB>"))
        s.Subscript = true;
      else if (tag.StartsWith("<SUP>"))
        s.Superscript = true;
      else if (second == 'H')
        s.Shadow = true;
      else
        SetStyle(s.Font, fsStrikeOut, true);
      break;
    case 'U':
      if (second == '>') {
        SetStyle(s.Font, fsUnderline, true);
        break;
      }
      ++s.ListLevel;
      return toEndLine;
    case 'Z':
      s.Hidden = true;
      break;
    default:
      break;
  }
  return toNext;
}

TTagOutcome TMarkupLayout::CloseTag(TMarkupState& s, bool paints, const TMarkupTag& tag) {
  const char third = tag.Letter(3);
  switch (tag.Letter(2)) {
    case 'A':
      if (paints) {
        SetStyle(s.Font, fsUnderline, false);
        s.Font.Color = base_.Color;
      }
      s.InAnchor = false;
      break;
    case 'B':
      if (third == '>')
        SetStyle(s.Font, fsBold, false);
      else
        s.Font.Color = base_.Color;
      break;
    case 'E':
      if (paints) s.ErrorLine = false;
      break;
    case 'F':
      s.Font.Name = base_.Name;
      s.Font.Height = base_.Height;
      if (paints) {
        s.Font.Color = base_.Color;
        s.Background = s.FontBackgroundSaved;
      }
      break;
    case 'H':
      if (paints) {
        s.Font.Color = s.HighlightColorSaved;
        s.Background = s.HighlightBackgroundSaved;
      }
      break;
    case 'I':
      SetStyle(s.Font, fsItalic, false);
      break;
    case 'L':
      return toEndLine;
    case 'O':
      s.NextOffset = 0;
      break;
    case 'P':
      if (paints) {
        s.Background = s.ParagraphBackgroundSaved;
        s.ParagraphFill = false;
      }
      return toEndLine;
    case 'R':
      s.Font.Orientation = 0;
      break;
    case 'S':
      if (third == 'U') {
        s.Subscript = s.Superscript = false;
      } else if (third == 'H') {
        s.Shadow = false;
      } else {
        SetStyle(s.Font, fsStrikeOut, false);
      }
      break;
    case 'U':
      if (third == 'L' && s.ListLevel > 0)
        --s.ListLevel;
      else
        SetStyle(s.Font, fsUnderline, false);
      break;
    case 'Z':
      s.Hidden = false;
      break;
    default:
      break;
  }
  return toNext;
}

void TMarkupLayout::FontTag(TMarkupState& s, bool paints, const TMarkupTag& tag) {
  if (const std::string face = tag.Value("FACE", true); !face.empty()) s.Font.Name = face;
  // With the space, BGCOLOR does not count as a colour.
  if (const std::string color = tag.Value(" COLOR", true); !color.empty())
    s.Font.Color = MarkupColor(color);
  if (const std::string back = tag.Value("BGCOLOR", true); paints && !back.empty()) {
    s.FontBackgroundSaved = s.Background;
    s.Background = MarkupColor(back);
  }
  if (const std::string size = tag.Value("SIZE", true); !size.empty()) {
    static constexpr long long kHtmlSizes[] = {8, 10, 12, 14, 16};
    const long long n = ReadMarkupNumber(size);
    s.Font.Height = HeightForPoints(n >= 1 && n <= 5 ? kHtmlSizes[n - 1] : n);
  }
}

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
  const long long left = p.Line.Left - 1 + p.W;  // as links are hit-tested
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
