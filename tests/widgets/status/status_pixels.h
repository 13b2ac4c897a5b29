#pragma once

#include <QImage>
#include <string>

#include "framework/raster/canvas.h"
#include "tests/support/pixels.h"

// The box around every pixel of exactly the given colour.
inline QRect ColorBox(const QImage& image, bitcalc::framework::TColor color) {
  const QRgb want = bitcalc::framework::ToQColor(color).rgb();
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) == want) box |= QRect(x, y, 1, 1);
  return box;
}

inline int TextWidth(const bitcalc::framework::TFont& font, const std::string& text) {
  bitcalc::framework::TCanvas canvas;
  canvas.Font().Assign(font);
  return canvas.TextWidth(text);
}

inline int CellHeight(const bitcalc::framework::TFont& font) {
  bitcalc::framework::TCanvas canvas;
  canvas.Font().Assign(font);
  return canvas.TextMetrics().Height;
}
