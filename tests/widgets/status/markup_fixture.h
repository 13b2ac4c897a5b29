#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

#include "framework/raster/bitmap.h"
#include "tests/support/pixel_probe.h"
#include "widgets/status/markup_renderer.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

// Rich text laid out on a 200 x 60 white bitmap in black Tahoma 11 over a
// clear brush, links in blue, blink phase off.
class MarkupTest : public ::testing::Test {
 protected:
  static constexpr TRect kFrame{0, 0, 200, 60};

  struct Result {
    bool hit = false;
    std::string anchor;
    int width = 0;
    int height = 0;
  };

  void SetUp() override { ResetCanvas(); }
  void ResetCanvas() {
    c().Font().SetName("Tahoma");
    c().Font().SetHeight(-11);
    c().Font().SetStyle(0);
    c().Font().SetColor(clBlack);
    c().Brush().SetStyle(bsClear);
    c().Brush().SetColor(clWhite);
  }
  TCanvas& c() { return bmp.Canvas(); }
  int W(const std::string& text) { return c().TextWidth(text); }

  Result Layout(const std::string& text, TRect frame = kFrame, int x = 0, int y = 0) {
    Result r;
    r.hit = DrawMarkup(c(), text, frame, mmLayoutOnly, x, y, true, clBlue, false, &images,
                       &pictures, r.anchor, r.width, r.height);
    return r;
  }
  QImage Paint(const std::string& text, TRect frame = kFrame, bool blink = false,
               TColor background = clWhite) {
    Clear(bmp, 200, 60, background);
    std::string anchor;
    int w = 0, h = 0;
    DrawMarkup(c(), text, frame, mmPaint, 0, 0, true, clBlue, blink, &images, &pictures, anchor, w,
               h);
    return bmp.Image().copy();
  }
  static QRect Ink(const QImage& img, QRect area = QRect(0, 0, 200, 60)) {
    return InkBox(img, area, clWhite);
  }

  TBitmap bmp;
  TImageList images;
  TPictureContainer pictures;
};

inline QImage Solid(int w, int h, QColor color) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(color);
  return img;
}
