#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QScreen>

#include "framework/color.h"
#include "framework/form.h"

// Reading back what the bit widgets painted.

// What the window shows right now, taken from its backing store without
// painting anything, so a repaint that has not happened yet is not in it.
inline QImage Shown(TForm& form) { return form.screen()->grabWindow(form.winId()).toImage(); }

// The whole window painted afresh through the real paint path.
inline QImage Rendered(TForm& form) { return form.grab().toImage(); }

inline TColor PixelColor(const QImage& image, int x, int y) {
  const QColor c = image.pixelColor(x, y);
  return RGB(c.red(), c.green(), c.blue());
}

// Whether pixel (x, y) is exactly the given colour (system colours resolved).
inline ::testing::AssertionResult PixelIs(const QImage& image, int x, int y, TColor expected) {
  const TColor actual = PixelColor(image, x, y);
  const TColor want = ColorToRGB(expected);
  if (actual == want) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") is RGB(" << GetRValue(actual) << ", "
         << GetGValue(actual) << ", " << GetBValue(actual) << "), expected RGB("
         << GetRValue(want) << ", " << GetGValue(want) << ", " << GetBValue(want) << ")";
}

// Smallest rectangle of area holding every pixel not of colour background.
inline QRect InkBox(const QImage& image, const QRect& area, TColor background) {
  const TColor bg = ColorToRGB(background);
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (PixelColor(image, x, y) != bg) box |= QRect(x, y, 1, 1);
  return box;
}

// Number of pixels of area that are exactly colour.
inline int CountColor(const QImage& image, const QRect& area, TColor colour) {
  const TColor want = ColorToRGB(colour);
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += PixelColor(image, x, y) == want;
  return n;
}
