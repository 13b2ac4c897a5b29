#pragma once

#include <QImage>
#include <QRect>

#include "framework/values/color.h"

// Smallest rectangle of area holding every pixel not of colour background
// (null when there is none): where text or a figure left its ink.
inline QRect InkBox(const QImage& image, const QRect& area, bitcalc::framework::TColor background) {
  const QRgb bg = bitcalc::framework::ToQColor(background).rgb();
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixel(x, y) != bg) box |= QRect(x, y, 1, 1);
  return box;
}
