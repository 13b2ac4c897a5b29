#pragma once

#include <QFont>
#include <string>

#include "framework/color.h"
#include "framework/persistent.h"

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

 private:
  std::string name_ = "MS Sans Serif";
  int height_ = -11;  // 8 points
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  int orientation_ = 0;
};
