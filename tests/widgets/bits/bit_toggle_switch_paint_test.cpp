#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/shown_form.h"
#include "tests/widgets/bits/pixels.h"
#include "widgets/bits/bit_toggle_switch.h"

namespace {

// The operand switch of the calculator window: 17 x 33, vertical, default
// bevel, colours and texts, window font.
class ToggleSwitchPaint : public ShownFormTest {
 protected:
  static constexpr int kLeft = 10, kTop = 10;
  // The content rectangle inside the bevel, in switch coordinates.
  static constexpr int kContentLeft = 3, kContentTop = 3, kContentW = 11, kContentH = 27;

  void SetUp() override {
    ShownFormTest::SetUp();
    sw = Place(new TBitToggleSwitch(form.get()), kLeft, kTop, 17, 33);
  }
  // Pixel (x, y) of the switch.
  ::testing::AssertionResult At(int x, int y, TColor c) const {
    return PixelIs(image, kLeft + x, kTop + y, c);
  }
  // Pixel (x, y) of the content rectangle.
  ::testing::AssertionResult InContent(int x, int y, TColor c) const {
    return At(kContentLeft + x, kContentTop + y, c);
  }
  // The window rectangle of content rows top..bottom.
  static QRect ContentRows(int top, int bottom) {
    return QRect(kLeft + kContentLeft, kTop + kContentTop + top, kContentW, bottom - top + 1);
  }

  // What a lever over content rows top..bottom shows at (x, y): a black
  // outline, two raised frames (highlight on top and left, shadow on the
  // right and bottom, the shadow owning the far corners), the face, and one
  // grip pair starting at row grip.
  static TColor LeverPixel(int x, int y, int top, int bottom, int grip) {
    if (y == top || y == bottom || x == 0 || x == 10) return clBlack;
    for (int k = 1; k <= 2; ++k) {
      const int l = k, t = top + k, r = 10 - k, b = bottom - k;
      if (x < l || x > r || y < t || y > b) continue;
      if (x == r || y == b) return clBtnShadow;
      if (x == l || y == t) return clBtnHighlight;
    }
    if ((x == 4 || x == 5) && y == grip) return clBtnHighlight;
    if ((x == 4 || x == 5) && y == grip + 1) return clBtnShadow;
    return clBtnFace;
  }
  void ExpectLever(int top, int bottom, int grip) const {
    for (int y = top; y <= bottom; ++y)
      for (int x = 0; x < kContentW; ++x)
        EXPECT_TRUE(InContent(x, y, LeverPixel(x, y, top, bottom, grip)));
  }

  void ExpectBevel() const {
    for (int x = 0; x <= 15; ++x) EXPECT_TRUE(At(x, 0, clBtnShadow));
    for (int y = 0; y <= 31; ++y) EXPECT_TRUE(At(0, y, clBtnShadow));
    for (int y = 0; y <= 32; ++y) EXPECT_TRUE(At(16, y, clBtnHighlight));
    for (int x = 0; x <= 16; ++x) EXPECT_TRUE(At(x, 32, clBtnHighlight));
    // The black outline from (1, 1) to (15, 31), then a ring of the bevel's
    // colour around the content.
    for (int x = 1; x <= 15; ++x) {
      EXPECT_TRUE(At(x, 1, clBlack));
      EXPECT_TRUE(At(x, 31, clBlack));
    }
    for (int y = 1; y <= 31; ++y) {
      EXPECT_TRUE(At(1, y, clBlack));
      EXPECT_TRUE(At(15, y, clBlack));
    }
    for (int x = 2; x <= 14; ++x) {
      EXPECT_TRUE(At(x, 2, clBtnShadow));
      EXPECT_TRUE(At(x, 30, clBtnShadow));
    }
    for (int y = 2; y <= 30; ++y) {
      EXPECT_TRUE(At(2, y, clBtnShadow));
      EXPECT_TRUE(At(14, y, clBtnShadow));
    }
  }

  // The state text in content rows top..bottom on a field of colour field:
  // its ink is a small box centred on (cx, cy) of the content within a pixel.
  void ExpectText(int top, int bottom, TColor field, double cx, double cy) const {
    const QRect ink = InkBox(image, ContentRows(top, bottom), field);
    ASSERT_FALSE(ink.isNull()) << "no text";
    EXPECT_LE(ink.width(), 8);
    EXPECT_LE(ink.height(), 10);
    EXPECT_GE(ink.height(), 6);
    const double inkX = (ink.left() + ink.right()) / 2.0 - kLeft - kContentLeft;
    const double inkY = (ink.top() + ink.bottom()) / 2.0 - kTop - kContentTop;
    EXPECT_NEAR(inkX, cx, 1.0);
    EXPECT_NEAR(inkY, cy, 1.0);
  }

  TBitToggleSwitch* sw = nullptr;
  QImage image;
};

TEST_F(ToggleSwitchPaint, OffShowsTheRedFieldAboveTheLeverWithZero) {
  image = Rendered(*form);
  ExpectBevel();
  ExpectLever(13, 26, 18);
  for (int x : {0, 10})
    for (int y : {0, 12}) EXPECT_TRUE(InContent(x, y, clRed));
  ExpectText(0, 12, clRed, 5, 6);
}

TEST_F(ToggleSwitchPaint, OnShowsTheLeverAboveTheGreenFieldWithOne) {
  sw->SetChecked(true);
  image = Rendered(*form);
  ExpectBevel();
  ExpectLever(0, 12, 5);
  for (int x : {0, 10})
    for (int y : {13, 26}) EXPECT_TRUE(InContent(x, y, clLime));
  ExpectText(13, 26, clLime, 5, 21);
}

TEST_F(ToggleSwitchPaint, SwappedGraphicPutsTheLeverOnTheOtherSideButKeepsColourAndText) {
  sw->SetSwapGraphic(true);
  image = Rendered(*form);
  ExpectLever(0, 12, 5);
  for (int x : {0, 10})
    for (int y : {13, 26}) EXPECT_TRUE(InContent(x, y, clRed));
  ExpectText(13, 26, clRed, 5, 21);
}

TEST_F(ToggleSwitchPaint, HorizontalLeverCoversTheRightHalfWhileOff) {
  sw->SetOrientation(boHorizontal);
  image = Rendered(*form);
  // Content 27 x 11 at (3, 3); the lever spans content columns 13-26.
  for (int y = 0; y < 11; ++y) {
    EXPECT_TRUE(InContent(13, y, clBlack));
    EXPECT_TRUE(InContent(26, y, clBlack));
    EXPECT_TRUE(InContent(12, y, clRed));
  }
  // One grip pair across the face: a shadow column with a highlight one to
  // its right.
  EXPECT_TRUE(InContent(18, 5, clBtnShadow));
  EXPECT_TRUE(InContent(19, 5, clBtnHighlight));
  EXPECT_TRUE(InContent(18, 4, clBtnFace));
  EXPECT_TRUE(InContent(17, 5, clBtnFace));
  EXPECT_TRUE(InContent(22, 5, clBtnFace));
  const QRect ink = InkBox(image, QRect(kLeft + 3, kTop + 3, 13, 11), clRed);
  ASSERT_FALSE(ink.isNull());
  EXPECT_NEAR((ink.left() + ink.right()) / 2.0 - kLeft - 3, 6, 1.0);
  EXPECT_NEAR((ink.top() + ink.bottom()) / 2.0 - kTop - 3, 5, 1.0);
}

TEST_F(ToggleSwitchPaint, ColoursAndTextsComeFromTheProperties) {
  sw->SetColorOff(clBlue);
  sw->SetTextOff("");
  sw->SetBtnColorFace(clYellow);
  image = Rendered(*form);
  // No text: the whole free half is the field colour.
  EXPECT_EQ(CountColor(image, ContentRows(0, 12), clBlue), kContentW * 13);
  EXPECT_TRUE(InContent(3, 16, clYellow));
}

}  // namespace
