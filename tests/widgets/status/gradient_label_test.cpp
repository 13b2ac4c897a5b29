#include "widgets/status/gradient_label.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/raster/bitmap.h"
#include "tests/support/pixel_probe.h"
#include "tests/support/shown_form.h"
#include "tests/widgets/status/status_pixels.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

constexpr TColor kNibble = 8454143, kNibbleTo = 52942;  // (255, 255, 128) -> (206, 206, 0)
constexpr TColor kByte = 16777088, kByteTo = 16744448;  // (128, 255, 255) -> (0, 128, 255)

class GradientLabel : public ShownFormTest {
 protected:
  TGradientLabel* Make(int w, int h, TColor from, TColor to, const std::string& caption = "") {
    auto* label = Place(new TGradientLabel(form.get()), 10, 10, w, h);
    label->SetAlignment(taCenter);
    label->SetColor(from);
    label->SetColorTo(to);
    label->SetCaption(caption);
    return label;
  }
  QImage Shot(TGradientLabel* label) { return form.Shot(label); }
};

TEST_F(GradientLabel, NibbleReadoutBandsStartWidthAndColour) {
  TGradientLabel* label = Make(65, 14, kNibble, kNibbleTo, "5d  5h");
  EXPECT_EQ(label->GradientSteps(), 32);
  const QImage img = Shot(label);
  // Row 13 lies below the text. Band i starts at round(2.03125 i) and is 3
  // wide, so each covers the start of the next but one: band 16 (at 32, the
  // half rounded to even) shows whole before band 17 at 35.
  const struct {
    int x;
    TColor color;
  } row[] = {{0, RGB(255, 255, 128)}, {1, RGB(255, 255, 128)}, {2, RGB(253, 253, 124)},
             {32, RGB(231, 231, 64)}, {34, RGB(231, 231, 64)}, {35, RGB(229, 229, 60)},
             {61, RGB(209, 209, 8)},  {62, RGB(209, 209, 8)},  {63, RGB(208, 208, 4)},
             {64, RGB(208, 208, 4)}};
  for (const auto& p : row) EXPECT_TRUE(PixelIs(img, p.x, 13, p.color));
}

TEST_F(GradientLabel, StepsFollowTheLengthAndTheLastBandStopsAtTheEdge) {
  TGradientLabel* wide = Make(193, 23, kByte, kByteTo);
  EXPECT_EQ(wide->GradientSteps(), 48);
  // Step 47 of 48 at the right edge; 32 steps would give (4, 132, 255).
  EXPECT_TRUE(PixelIs(Shot(wide), 192, 0, RGB(3, 131, 255)));
  EXPECT_EQ(Make(131, 14, kByte, kByteTo)->GradientSteps(), 32);
  wide->SetGradientType(gtFullVertical);
  EXPECT_EQ(wide->GradientSteps(), 32);

  TBitmap bmp;
  Clear(bmp, 70, 1);
  FillLabelGradient(bmp.Canvas(), {0, 0, 65, 1}, kNibble, kNibbleTo, 32, false);
  EXPECT_EQ(bmp.Pixel(64, 0), RGB(208, 208, 4));
  EXPECT_EQ(bmp.Pixel(65, 0), clWhite);
  // Band starts far along the line stay where they belong.
  Clear(bmp, 70000, 1);
  FillLabelGradient(bmp.Canvas(), {0, 0, 70000, 1}, clBlack, clWhite, 32, false);
  EXPECT_EQ(bmp.Pixel(69999, 0), RGB(247, 247, 247));
}

TEST_F(GradientLabel, PlainBackgroundWithTheCaptionCentredAtTopOrMiddle) {
  TGradientLabel* label = Make(65, 40, kNibble, clNone, "ABC");
  const QImage top = Shot(label);
  const QRect ink = InkBox(top, top.rect(), kNibble);
  EXPECT_LE(std::abs(ink.left() - (64 - ink.right())), 1);
  EXPECT_LT(ink.top(), 5);
  label->SetLayout(tlCenter);
  const int cell = CellHeight(label->Font());
  EXPECT_EQ(InkBox(Shot(label), top.rect(), kNibble), ink.translated(0, (40 - cell) / 2));
  // A caption ends at code 0.
  label->SetCaption(std::string("ABC\0DEF", 7));
  EXPECT_EQ(InkBox(Shot(label), top.rect(), kNibble), ink.translated(0, (40 - cell) / 2));
  label->SetCaption(std::string("\0DEF", 4));
  EXPECT_TRUE(InkBox(Shot(label), top.rect(), kNibble).isNull());
}

TEST_F(GradientLabel, BottomLineLeavesAGapUnderTransparentText) {
  TGradientLabel* label = Make(129, 14, kNibble, kNibbleTo, "ABC");
  label->SetGradientType(gtBottomLine);
  label->SetLineWidth(5);
  QImage img = Shot(label);
  // Plain Color above a two-row line in band colours.
  EXPECT_TRUE(PixelIs(img, 0, 11, kNibble));
  EXPECT_TRUE(PixelIs(img, 128, 11, kNibble));
  for (int y : {12, 13}) {
    EXPECT_TRUE(PixelIs(img, 0, y, kNibble));
    EXPECT_TRUE(PixelIs(img, 64, y, RGB(231, 231, 64)));
    EXPECT_TRUE(PixelIs(img, 128, y, RGB(208, 208, 4)));
  }
  label->SetTransparentText(true);
  img = Shot(label);
  const int w = TextWidth(label->Font(), "ABC"), gap = (129 - w) / 2;
  const int gapEnd = gap + w;
  EXPECT_FALSE(PixelIs(img, gap - 1, 12, kNibble));
  EXPECT_TRUE(PixelIs(img, gap, 12, kNibble));
  EXPECT_TRUE(PixelIs(img, gapEnd - 1, 13, kNibble));
  EXPECT_FALSE(PixelIs(img, gapEnd, 13, kNibble));
}

TEST_F(GradientLabel, DisabledCaptionIsEmbossedAndVerticalOneReadsUpwards) {
  TGradientLabel* label = Make(65, 40, kNibble, clNone, "ABC");
  label->Font().SetColor(clBlack);
  label->Font().SetHeight(-24);  // big enough for solid strokes
  label->Font().SetStyle(fsBold);
  label->SetEnabled(false);
  QImage img = Shot(label);
  EXPECT_TRUE(ColorBox(img, clBlack).isNull());
  const QRect shadow = ColorBox(img, clBtnShadow), light = ColorBox(img, clBtnHighlight);
  ASSERT_FALSE(shadow.isNull());
  EXPECT_EQ(light.bottomRight(), shadow.bottomRight() + QPoint(1, 1));

  label->SetEnabled(true);
  label->SetBounds(10, 10, 40, 65);
  label->SetOrientation(goVertical);
  const QRect ink = InkBox(Shot(label), QRect(0, 0, 40, 65), kNibble);
  EXPECT_GT(ink.height(), 2 * ink.width());
}

}  // namespace
