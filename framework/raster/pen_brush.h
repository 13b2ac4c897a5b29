#pragma once

#include "framework/values/color.h"
#include "framework/values/persistent.h"

namespace bitcalc::framework {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

// The pen that outlines figures and draws lines. A one-pixel pen is drawn
// pixel by pixel by the canvas itself; a wider one has round ends and joins,
// as a Windows pen wider than one pixel does.
class TPen : public TPersistent {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor v) { SetField(color_, v); }

  int Width() const { return width_; }
  // Widths below one draw as one pixel, like a Windows cosmetic pen.
  void SetWidth(int v) { SetField(width_, v < 1 ? 1 : v); }

  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle v) { SetField(style_, v); }

  // Copies colour, width and style, reporting one change when anything differs.
  void Assign(const TPen& other) {
    if (color_ == other.color_ && width_ == other.width_ && style_ == other.style_) return;
    color_ = other.color_;
    width_ = other.width_;
    style_ = other.style_;
    Changed();
  }

  // True when the pen leaves no mark at all.
  bool IsClear() const { return style_ == psClear || color_ == clNone; }

 private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
};

enum TBrushStyle { bsSolid, bsClear };

// The brush that fills figures and the background of text. A clear brush
// fills nothing, and text drawn with it leaves its background untouched.
class TBrush : public TPersistent {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor v) { SetField(color_, v); }

  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle v) { SetField(style_, v); }

  void Assign(const TBrush& other) {
    if (color_ == other.color_ && style_ == other.style_) return;
    color_ = other.color_;
    style_ = other.style_;
    Changed();
  }

  bool IsClear() const { return style_ == bsClear || color_ == clNone; }

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

}  // namespace bitcalc::framework
