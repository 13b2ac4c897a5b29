#pragma once

#include <QFont>
#include <string>

#include "framework/values/color.h"
#include "framework/values/persistent.h"

namespace bitcalc::framework {

// The measurements of a font as Windows reports them (all in pixels). They
// come from the font file's OS/2 and hhea tables, not from Qt's metrics, which
// use other ascent and descent fields and so give other line heights.
struct TTextMetric {
  int Height = 0;           // Ascent + Descent: the height of a text cell
  int Ascent = 0;           // cell top to baseline
  int Descent = 0;          // baseline to cell bottom
  int InternalLeading = 0;  // Height minus the character (em) height
  int ExternalLeading = 0;  // extra space the font asks for between lines
  int AveCharWidth = 0;     // the font's declared average width
  int MaxCharWidth = 0;     // the widest advance in the font
  friend bool operator==(const TTextMetric&, const TTextMetric&) = default;
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;  // a set of TFontStyle bits

// A font as the program describes it: a Windows family name and a height in
// the Windows sense (negative: character height in pixels; positive: cell
// height in pixels). Size is the same height in points at 96 pixels per inch.
class TFont : public TPersistent {
 public:
  const std::string& Name() const { return name_; }
  void SetName(const std::string& v) { SetField(name_, v); }

  int Height() const { return height_; }
  void SetHeight(int v) { SetField(height_, v); }

  // Points; reading rounds like the Windows conversion does.
  int Size() const;
  void SetSize(int points);

  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles v) { SetField(style_, v); }

  TColor Color() const { return color_; }
  void SetColor(TColor v) { SetField(color_, v); }

  // Escapement in tenths of a degree, counter-clockwise.
  int Orientation() const { return orientation_; }
  void SetOrientation(int v) { SetField(orientation_, v); }

  // Copies every attribute, reporting one change when anything differs.
  void Assign(const TFont& other);
  bool SameAs(const TFont& other) const;

  // The Qt font that renders this one: the family resolved to the installed
  // stand-in and the height converted to Qt's pixel size.
  QFont ToQFont() const;

  // The character (em) height in pixels that Height stands for.
  int PixelHeight() const;

  // Windows-style metrics of this font at its height.
  TTextMetric Metrics() const;

 private:
  std::string name_ = "MS Sans Serif";
  int height_ = -11;  // 8 points
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  int orientation_ = 0;
};

}  // namespace bitcalc::framework
