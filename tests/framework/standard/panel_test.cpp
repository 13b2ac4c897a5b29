#include "framework/standard/panel.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/shown_form.h"

using namespace bitcalc::framework;

namespace {

QColor Pixel(const QImage& img, int x, int y) {
  return QColor(img.pixel(x, y));
}

class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    panel = new TPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(10, 10, 60, 30);
    panel->SetColor(clYellow);
    ASSERT_TRUE(form.Show());
  }

  ShownForm form;
  TPanel* panel = nullptr;
};

TEST_F(PanelTest, ARaisedOuterBevelIsLightAboveAndDarkBelow) {
  const QImage img = form.Shot(panel);
  EXPECT_EQ(Pixel(img, 0, 0), ToQColor(clBtnHighlight));
  EXPECT_EQ(Pixel(img, 30, 0), ToQColor(clBtnHighlight));
  EXPECT_EQ(Pixel(img, 0, 15), ToQColor(clBtnHighlight));
  EXPECT_EQ(Pixel(img, 59, 15), ToQColor(clBtnShadow));
  EXPECT_EQ(Pixel(img, 30, 29), ToQColor(clBtnShadow));
  // The corners off the main diagonal belong to the dark side.
  EXPECT_EQ(Pixel(img, 59, 0), ToQColor(clBtnShadow));
  EXPECT_EQ(Pixel(img, 0, 29), ToQColor(clBtnShadow));
  EXPECT_EQ(Pixel(img, 1, 1), ToQColor(clYellow));
}

TEST_F(PanelTest, BorderWidthSeparatesAnInnerLoweredBevel) {
  panel->SetBevelInner(bvLowered);
  panel->SetBorderWidth(2);
  panel->SetBevelWidth(2);
  EXPECT_EQ(panel->InnerRect(), Rect(6, 6, 54, 24));
  QApplication::processEvents();
  const QImage img = form.Shot(panel);
  EXPECT_EQ(Pixel(img, 1, 15), ToQColor(clBtnHighlight));  // outer, 2 wide
  EXPECT_EQ(Pixel(img, 2, 15), ToQColor(clYellow));        // border
  EXPECT_EQ(Pixel(img, 3, 15), ToQColor(clYellow));
  EXPECT_EQ(Pixel(img, 4, 15), ToQColor(clBtnShadow));  // inner, lowered
  EXPECT_EQ(Pixel(img, 5, 15), ToQColor(clBtnShadow));
  EXPECT_EQ(Pixel(img, 55, 15), ToQColor(clBtnHighlight));
  EXPECT_EQ(Pixel(img, 6, 15), ToQColor(clYellow));
}

TEST_F(PanelTest, TheCaptionIsCentred) {
  panel->SetBevelOuter(bvNone);
  panel->SetCaption("Mid");
  QApplication::processEvents();
  const QImage img = form.Shot(panel);
  const QRgb yellow = ToQColor(clYellow).rgb();
  QRect ink;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != yellow) ink |= QRect(x, y, 1, 1);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_NEAR(ink.center().x(), 30, 2);
  EXPECT_NEAR(ink.center().y(), 15, 3);
}

}  // namespace
