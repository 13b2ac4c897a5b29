#include <algorithm>
#include <cctype>

#include "widgets/status/markup_layout.h"

namespace bitcalc::widgets {

using namespace bitcalc::framework;

namespace {

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

}  // namespace bitcalc::widgets
