#pragma once

#include <cstddef>
#include <string>

#include "framework/controls/control_types.h"
#include "framework/raster/canvas.h"
#include "widgets/status/markup_renderer.h"
#include "widgets/status/markup_text.h"

namespace bitcalc::widgets {

// The working parts of DrawMarkup. Coordinates are 64-bit so that no frame,
// number or text length can overflow them; they are brought into drawing
// range only when something is drawn.

struct TBox {
  long long Left = 0;
  long long Top = 0;
  long long Right = 0;
  long long Bottom = 0;
};

// No device is this large. Drawing is kept inside it, so that coordinates the
// markup pushes far away cannot overflow the painter.
constexpr long long kDrawLimit = 1 << 16;
framework::TRect Drawable(const TBox& b);

// The font as tags have set it; put on the canvas before text is measured or
// drawn.
struct TMarkupFont {
  std::string Name;
  int Height = 0;
  framework::TFontStyles Style = 0;
  framework::TColor Color = framework::clBlack;
  int Orientation = 0;

  static TMarkupFont Of(const framework::TFont& font);
  void ApplyTo(framework::TFont& font) const;
};

// Everything tags set that later text depends on.
struct TMarkupState {
  TMarkupFont Font;
  framework::TColor Background =
      framework::clNone;  // behind the text; clNone leaves it transparent
  framework::TColor FontBackgroundSaved = framework::clNone;
  framework::TColor ParagraphBackgroundSaved = framework::clNone;
  framework::TColor HighlightColorSaved = framework::clNone;
  framework::TColor HighlightBackgroundSaved = framework::clNone;
  bool InAnchor = false;
  std::string Href;
  long long ListLevel = 0;
  bool Subscript = false;
  bool Superscript = false;
  bool Shadow = false;
  bool Hidden = false;
  bool ErrorLine = false;
  bool ParagraphFill = false;
  framework::TAlignment ParagraphAlignment = framework::taLeftJustify;
  long long ParagraphIndent = 0;
  long long Offset = 0;      // where this line starts, right of its left edge
  long long NextOffset = 0;  // the same for the lines that follow
};

// Heights of one line; both of its passes add to them.
struct TLineHeights {
  long long H = 0;       // tallest text or picture
  long long Sub = 0;     // drop of subscripts below the base line
  long long Sup = 0;     // rise of superscripts above it
  long long ImgAli = 0;  // lift of the text beside an aligned picture
};

// One run of the line routine over a line.
struct TLinePass {
  TBox Line;
  bool Paints = false;
  bool Second = false;  // lays out exactly what the first pass took
  long long W = 0;      // width used
  long long X = 0;      // where the next output starts
  long long Trailing = 0;
  bool EndsWithSpace = false;
  int Bullets = 0;
  bool HitText = false;  // hitX lies on the text of a link
  bool HitPicture = false;
  std::string HitHref;
};

// What one line came to.
struct TLaidLine {
  std::size_t Next = 0;  // where the following line starts
  long long Height = 0;
  long long FirstHeight = 0;  // of the text the line started in
  bool Hit = false;
  std::string Href;
};

enum TTagOutcome { toNext, toEndLine, toStay };

class TMarkupLayout {
 public:
  TMarkupLayout(framework::TCanvas& canvas, const framework::TRect& frame, TMarkupMode mode,
                int hitX, int hitY, bool wordWrap, framework::TColor linkColor, bool blinkOn,
                const TImageList* images, const TPictureContainer* pictures);

  bool Run(const std::string& text, std::string& anchor, int& width, int& height);

 private:
  TLaidLine LayOutLine(TMarkupState& state, const TBox& r, std::size_t pos);
  // The line routine: lays out markup from pos, no further than end, and
  // returns where the line ends.
  std::size_t RunLine(TMarkupState& s, TLinePass& p, std::size_t pos, std::size_t end,
                      TMarkupScanner& scan);
  std::size_t ChunkEnd(std::size_t pos, std::size_t end, TMarkupScanner& scan) const;
  // False when the chunk starts the next line instead.
  bool TakeText(TMarkupState& s, TLinePass& p, std::string_view raw);
  void DrawChunk(const TMarkupState& s, const TLinePass& p, const std::string& shown, long long cw);
  void DrawZigZag(long long left, long long right, long long base);

  TTagOutcome HandleTag(TMarkupState& s, TLinePass& p, const TMarkupTag& tag, std::size_t rest);
  TTagOutcome OpenTag(TMarkupState& s, TLinePass& p, const TMarkupTag& tag);
  TTagOutcome CloseTag(TMarkupState& s, bool paints, const TMarkupTag& tag);
  void FontTag(TMarkupState& s, bool paints, const TMarkupTag& tag);
  void ParagraphTag(TMarkupState& s, const TLinePass& p, const TMarkupTag& tag);
  void BodyTag(const TMarkupTag& tag);
  TTagOutcome PictureTag(TMarkupState& s, TLinePass& p, const TMarkupTag& tag);
  TTagOutcome BulletTag(TMarkupState& s, TLinePass& p);
  void HorizontalRule(const TLinePass& p);

  // Measuring and drawing helpers.
  void Use(const TMarkupFont& font);
  long long GhHeight();
  // Width and height of a shown chunk; measuring counts the external leading.
  framework::TSize Extent(const std::string& shown, bool measuring);
  QImage Picture(const std::string& source) const;
  void Fill(TBox r, framework::TColor color);
  void Gradient(const framework::TRect& r, framework::TColor from, framework::TColor to,
                bool vertical);
  long long Base(const TLinePass& p) const { return p.Line.Bottom - heights_.Sub; }
  framework::TRect Frame() const {
    return {int(frame_.Left), int(frame_.Top), int(frame_.Right), int(frame_.Bottom)};
  }
  long long Available(const TMarkupState& s, const TLinePass& p) const;

  framework::TCanvas& canvas_;
  TBox frame_;
  TMarkupMode mode_;
  long long hitX_;
  long long hitY_;
  bool wordWrap_;
  framework::TColor linkColor_;
  bool blinkOn_;
  const TImageList* images_;
  const TPictureContainer* pictures_;

  std::string markup_;
  // Each pass reads the markup forwards only, one line after another.
  TMarkupScanner firstScan_;
  TMarkupScanner secondScan_;
  unsigned flags_ = 0;
  TMarkupFont base_;
  framework::TColor entryBrush_ = framework::clNone;
  TLineHeights heights_;
  long long widest_ = 0;
};

}  // namespace bitcalc::widgets
