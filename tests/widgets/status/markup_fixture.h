#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

#include "framework/raster/bitmap.h"
#include "tests/support/pixel_probe.h"
#include "widgets/status/markup_renderer.h"

// Rich text laid out on a 200 x 60 white bitmap in black Tahoma 11 over a
// clear brush, links in blue, blink phase off.
class MarkupTest : public ::testing::Test {
 protected:
  static constexpr bitcalc::framework::TRect kFrame{0, 0, 200, 60};

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
    c().Font().SetColor(bitcalc::framework::clBlack);
    c().Brush().SetStyle(bitcalc::framework::bsClear);
    c().Brush().SetColor(bitcalc::framework::clWhite);
  }
  bitcalc::framework::TCanvas& c() { return bmp.Canvas(); }
  int W(const std::string& text) { return c().TextWidth(text); }

  Result Layout(const std::string& text, bitcalc::framework::TRect frame = kFrame, int x = 0,
                int y = 0) {
    Result r;
    r.hit = bitcalc::widgets::DrawMarkup(c(), text, frame, bitcalc::widgets::mmLayoutOnly, x, y,
                                         true, bitcalc::framework::clBlue, false, &images,
                                         &pictures, r.anchor, r.width, r.height);
    return r;
  }
  QImage Paint(const std::string& text, bitcalc::framework::TRect frame = kFrame,
               bool blink = false,
               bitcalc::framework::TColor background = bitcalc::framework::clWhite) {
    Clear(bmp, 200, 60, background);
    std::string anchor;
    int w = 0, h = 0;
    bitcalc::widgets::DrawMarkup(c(), text, frame, bitcalc::widgets::mmPaint, 0, 0, true,
                                 bitcalc::framework::clBlue, blink, &images, &pictures, anchor, w,
                                 h);
    return bmp.Image().copy();
  }
  static QRect Ink(const QImage& img, QRect area = QRect(0, 0, 200, 60)) {
    return InkBox(img, area, bitcalc::framework::clWhite);
  }

  bitcalc::framework::TBitmap bmp;
  bitcalc::widgets::TImageList images;
  bitcalc::widgets::TPictureContainer pictures;
};

inline QImage Solid(int w, int h, QColor color) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(color);
  return img;
}
