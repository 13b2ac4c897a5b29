#pragma once

#include <QImage>
#include <QRect>

#include "framework/raster/bitmap.h"
#include "framework/values/color.h"
#include "tests/support/ink_box.h"

// Helpers for reading back what the canvas painted.

// Resizes the bitmap and fills it with one colour, leaving its canvas's brush
// as it was.
inline void Clear(bitcalc::framework::TBitmap& bmp, int w, int h,
                  bitcalc::framework::TColor color = bitcalc::framework::clWhite) {
  bmp.SetSize(w, h);
  bitcalc::framework::TBrush& brush = bmp.Canvas().Brush();
  const bitcalc::framework::TBrushStyle style = brush.Style();
  const bitcalc::framework::TColor previous = brush.Color();
  brush.SetStyle(bitcalc::framework::bsSolid);
  brush.SetColor(color);
  bmp.Canvas().FillRect({0, 0, w, h});
  brush.SetStyle(style);
  brush.SetColor(previous);
}

// InkBox over a bitmap, the whole of it by default.
inline QRect InkBox(const bitcalc::framework::TBitmap& bmp, bitcalc::framework::TColor background,
                    QRect area = QRect()) {
  return InkBox(bmp.Image(), area.isNull() ? bmp.Image().rect() : area, background);
}

// Number of pixels in area (the whole bitmap by default) equal to color.
inline int CountColor(const bitcalc::framework::TBitmap& bmp, bitcalc::framework::TColor color,
                      QRect area = QRect()) {
  const QImage& img = bmp.Image();
  if (area.isNull()) area = img.rect();
  const QRgb c = bitcalc::framework::ToQColor(color).rgb();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += img.pixel(x, y) == c;
  return n;
}

// Number of pixels in area that differ from background.
inline int CountInk(const bitcalc::framework::TBitmap& bmp, bitcalc::framework::TColor background,
                    QRect area = QRect()) {
  const QImage& img = bmp.Image();
  if (area.isNull()) area = img.rect();
  return int(area.width()) * area.height() - CountColor(bmp, background, area);
}
