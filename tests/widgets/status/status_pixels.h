#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "framework/raster/canvas.h"
#include "framework/values/color.h"
#include "tests/support/ink_box.h"

using namespace bitcalc::framework;

// Pixel checks shared by the status widget tests.

inline TColor PixelColor(const QImage& image, int x, int y) {
  const QColor c = image.pixelColor(x, y);
  return RGB(c.red(), c.green(), c.blue());
}

// Whether pixel (x, y) is exactly the given colour (system colours resolved).
inline ::testing::AssertionResult PixelIs(const QImage& image, int x, int y, TColor expected) {
  const TColor actual = PixelColor(image, x, y), want = ColorToRGB(expected);
  if (actual == want) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") is " << std::hex << actual << ", expected " << want;
}

// The box around every pixel of exactly the given colour.
inline QRect ColorBox(const QImage& image, TColor color, QRect area = QRect()) {
  if (area.isNull()) area = image.rect();
  const QRgb want = ToQColor(color).rgb();
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixel(x, y) == want) box |= QRect(x, y, 1, 1);
  return box;
}

inline int CountColorIn(const QImage& image, TColor color) {
  const QRgb want = ToQColor(color).rgb();
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == want;
  return n;
}

inline int TextWidth(const TFont& font, const std::string& text) {
  TCanvas canvas;
  canvas.Font().Assign(font);
  return canvas.TextWidth(text);
}

inline int CellHeight(const TFont& font) {
  TCanvas canvas;
  canvas.Font().Assign(font);
  return canvas.TextMetrics().Height;
}
