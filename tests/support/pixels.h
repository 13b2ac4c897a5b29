#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPaintEvent>
#include <QScreen>

#include "framework/runtime/form.h"
#include "framework/values/color.h"
#include "tests/support/ink_box.h"

// What the window shows right now, read from its backing store without
// painting anything, so a repaint still pending is not in it.
inline QImage Shown(bitcalc::framework::TForm& form) {
  return form.screen()->grabWindow(form.winId()).toImage();
}

// The whole window painted afresh through the real paint path.
inline QImage Rendered(bitcalc::framework::TForm& form) {
  return form.grab().toImage();
}

inline bitcalc::framework::TColor PixelColor(const QImage& image, int x, int y) {
  const QColor c = image.pixelColor(x, y);
  return bitcalc::framework::RGB(c.red(), c.green(), c.blue());
}

// Whether pixel (x, y) is exactly the given colour (system colours resolved).
inline ::testing::AssertionResult PixelIs(const QImage& image, int x, int y,
                                          bitcalc::framework::TColor expected) {
  const bitcalc::framework::TColor actual = PixelColor(image, x, y),
                                   want = bitcalc::framework::ColorToRGB(expected);
  if (actual == want) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") is " << std::hex << actual << ", expected " << want;
}

// Records the area of every paint a widget receives, as it is delivered.
class PaintSpy : public QObject {
 public:
  explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
  std::vector<QRect> areas;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) areas.push_back(static_cast<QPaintEvent*>(event)->rect());
    return false;
  }
};
