#include <map>

#include "tests/widgets/trackbar/window_track_bar.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

const TColor kDark = RGB(116, 150, 194), kLight = RGB(241, 244, 249);
const TColor kBorder = RGB(64, 111, 157);

struct Span {
  int x0, x1, y0, y1;  // inclusive
  TColor color;
};

// The pixels of the thumb's outline at top row T, pass by pass (later lines
// win): every line is straight or at 45 degrees, and leaves out its end point.
std::map<std::pair<int, int>, TColor> ThumbOutline(int T) {
  struct L {
    int x1, y1, x2, y2;
    TColor c;
  } lines[] = {{9, 0, 14, 0, clWhite},    {9, 20, 14, 20, clWhite},  {9, 0, 9, 20, clWhite},
               {14, 20, 24, 10, clWhite}, {24, 10, 13, -1, clWhite}, {10, 19, 14, 19, kBorder},
               {10, 1, 14, 1, kBorder},   {10, 1, 10, 19, kBorder},  {14, 19, 23, 10, kBorder},
               {23, 10, 13, 0, kBorder},  {11, 18, 14, 18, clWhite}, {11, 2, 14, 2, clWhite},
               {11, 2, 11, 18, clWhite},  {14, 18, 22, 10, clWhite}, {22, 10, 13, 1, clWhite},
               {15, 10, 19, 10, kBorder}};
  std::map<std::pair<int, int>, TColor> px;
  for (const L& l : lines) {
    const int dx = (l.x2 > l.x1) - (l.x2 < l.x1), dy = (l.y2 > l.y1) - (l.y2 < l.y1);
    for (int x = l.x1, y = l.y1; x != l.x2 || y != l.y2; x += dx, y += dy) px[{x, T + y}] = l.c;
  }
  return px;
}

// A pixel of the thumb rectangle lying wholly outside the pentagon (the two
// corners beside the point), for the thumb at top row T.
bool OutsidePointer(int x, int y, int T) {
  const int r = y - T;
  return x >= 14 && (r + 1 <= x - 14 || r >= 34 - x);
}

TEST_F(WindowTrackBar, LaysOutItsRectanglesAsTheWindowNeedsThem) {
  EXPECT_EQ(bar->GetInnerRect(), Rect(3, 3, 46, 130));
  EXPECT_EQ(bar->GetTrackRect(), Rect(13, 3, 46, 130));
  EXPECT_EQ(bar->GetSliderRect(), Rect(13, 3, 19, 130));
  EXPECT_EQ(bar->GetBottomRightTickRect(), Rect(30, 13, 38, 120));
  EXPECT_EQ(bar->GetTopLeftTickRect(), kNoRect);
  const int tops[] = {110, 95, 80, 65, 49, 34, 19, 3};
  for (int p = 0; p <= 7; ++p) {
    bar->SetPosition(p);
    EXPECT_EQ(bar->GetThumbRect(), Rect(9, tops[p], 24, tops[p] + 20)) << "position " << p;
  }
}

// With the thumb hidden, the strip, its frame and the ticks stand alone on
// the parent's painting.
TEST_F(WindowTrackBar, PaintsTheBandedStripItsGrooveAndTheTicksOverTheParent) {
  bar->Thumb().SetShowAtMinMax(false);
  const QImage img = Image();
  const std::pair<int, int> greys[] = {{5, 255}, {6, 242},  {18, 204},  {19, 191}, {34, 127},
                                       {46, 77}, {52, 64},  {53, 51},   {61, 25},  {62, 13},
                                       {64, 13}, {65, 0},   {67, 0},    {68, 13},  {71, 26},
                                       {84, 76}, {97, 128}, {110, 178}, {127, 242}};
  for (const auto& [y, g] : greys)
    for (int x : {15, 16}) EXPECT_TRUE(PixelIs(img, x, y, RGB(g, g, g)));

  const Span frame[] = {{13, 13, 3, 129, kDark},   {13, 17, 3, 3, kDark},
                        {18, 18, 3, 129, kLight},  {17, 17, 3, 128, kDark},
                        {15, 17, 128, 128, kDark}, {14, 17, 129, 129, kLight},
                        {14, 14, 5, 129, kLight},  {14, 16, 4, 4, kLight}};
  for (const Span& s : frame)
    for (int y = s.y0; y <= s.y1; ++y)
      for (int x = s.x0; x <= s.x1; ++x) EXPECT_TRUE(PixelIs(img, x, y, s.color));

  for (int y : {120, 105, 90, 75, 59, 44, 29, 13}) {
    for (int x = 30; x <= 37; ++x) EXPECT_TRUE(PixelIs(img, x, y, clBlack));
    for (const auto& [x, dy] : {std::pair{29, 0}, {38, 0}, {33, -1}, {33, 1}})
      EXPECT_TRUE(PixelIs(img, x, y + dy, kParent));
  }
  for (const auto& [x, y] : {std::pair{0, 0}, {12, 60}, {19, 60}, {25, 100}, {48, 132}, {45, 2}})
    EXPECT_TRUE(PixelIs(img, x, y, kParent));
}

TEST_F(WindowTrackBar, DrawsThePointerOutlineInThreePassesAndPaintsNothingOutsideIt) {
  bar->Thumb().SetShowAtMinMax(false);
  const QImage bare = Image();
  bar->Thumb().SetShowAtMinMax(true);
  bar->SetPosition(4);
  const QImage img = Image();
  const int T = 49;
  const auto outline = ThumbOutline(T);
  for (const auto& [at, color] : outline) EXPECT_TRUE(PixelIs(img, at.first, at.second, color));
  for (int y = 0; y < 133; ++y) {
    for (int x = 0; x < 49; ++x) {
      const bool inRect = x >= 9 && x < 24 && y >= T && y < T + 20;
      if (outline.count({x, y}) || (inRect && !OutsidePointer(x, y, T))) continue;
      EXPECT_EQ(img.pixel(x, y), bare.pixel(x, y)) << "(" << x << ", " << y << ")";
    }
  }
  // Inside, the upper part's vertical gradient.
  EXPECT_NEAR(qBlue(img.pixel(12, T + 3)), 238 + 8 * 3.5 / 11, 2);
}

// The orange down look makes the two parts of the fill easy to tell apart.
TEST_F(WindowTrackBar, FillsTheDownThumbWithAVerticalUpperAndARadialLowerGloss) {
  bar->SetPosition(4);
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(12, 55));
  const QImage img = Image();
  const int T = 49;
  const TColor from = RGB(241, 175, 118), to = RGB(243, 144, 65);
  for (int k = 3; k <= 8; ++k) {
    const double t = (k + 0.5) / 11;
    for (int x : {12, 13, 14}) {
      const QRgb c = img.pixel(x, T + k);
      EXPECT_NEAR(qRed(c), GetRValue(from) + t * (GetRValue(to) - GetRValue(from)), 3);
      EXPECT_NEAR(qGreen(c), GetGValue(from) + t * (GetGValue(to) - GetGValue(from)), 3);
      EXPECT_NEAR(qBlue(c), GetBValue(from) + t * (GetBValue(to) - GetBValue(from)), 3);
    }
  }
  // The lower part lies between its two colours and glows toward its bottom centre.
  const TColor rim = RGB(241, 114, 14), glow = RGB(253, 159, 76);
  for (const auto& [x, y] : {std::pair{12, T + 12}, {14, T + 14}, {15, T + 16}, {18, T + 12}}) {
    const QRgb c = img.pixel(x, y);
    const double t = double(qGreen(c) - GetGValue(rim)) / (GetGValue(glow) - GetGValue(rim));
    EXPECT_GE(t, -0.05);
    EXPECT_LE(t, 1.05);
    EXPECT_NEAR(qRed(c), GetRValue(rim) + t * (GetRValue(glow) - GetRValue(rim)), 3);
    EXPECT_NEAR(qBlue(c), GetBValue(rim) + t * (GetBValue(glow) - GetBValue(rim)), 3);
  }
  EXPECT_GT(qBlue(img.pixel(15, T + 16)), qBlue(img.pixel(12, T + 12)));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(12, 55));
}

TEST_F(WindowTrackBar, MovingTheValueRepaintsOnlyTheOldAndNewThumbPlaces) {
  PaintSpy spy(bar);
  std::size_t paintsAtChange = 99;
  bar->OnChange = [&](TObject*) { paintsAtChange = spy.areas.size(); };
  bar->SetPosition(6);
  EXPECT_EQ(paintsAtChange, 0u);  // the event comes first, the repaint later
  QApplication::processEvents();
  ASSERT_EQ(spy.areas.size(), 1u);
  EXPECT_EQ(spy.areas[0], Rect(8, 2, 25, 40).ToQRect());
}

TEST_F(WindowTrackBar, DisabledItUsesTheDisabledColours) {
  bar->SetEnabled(false);
  const QImage img = Image();
  for (const auto& [x, y] : {std::pair{15, 40}, {13, 80}, {33, 105}, {12, 10}})
    EXPECT_TRUE(PixelIs(img, x, y, clBlack));
  EXPECT_TRUE(PixelIs(img, 18, 80, RGB(230, 230, 230)));
}

// Each part's change repaints the control; a new tick font is measured at once.
TEST_F(WindowTrackBar, EveryPartRepaintsTheControlWhenItChanges) {
  const std::function<void()> changes[] = {
      [&] { bar->Thumb().SetColorHot(clRed); },   [&] { bar->Slider().SetColor(clRed); },
      [&] { bar->TickMark().SetColor(clRed); },   [&] { bar->Buttons().SetSpacing(3); },
      [&] { bar->TrackLabel().SetFormat("%d"); },
  };
  for (const auto& change : changes) {
    PaintSpy spy(bar);
    change();
    QApplication::processEvents();
    ASSERT_EQ(spy.areas.size(), 1u);
    EXPECT_EQ(spy.areas[0], bar->rect());
    bar->removeEventFilter(&spy);
  }
  bar->TickMark().SetShowText(true);
  const int wide = bar->GetBottomRightTickRect().Width();
  bar->TickMark().Font().SetHeight(-20);
  EXPECT_GT(bar->GetBottomRightTickRect().Width(), wide);
}

TEST(TrackBarLabel, FormatsOnlyItsIntegerArgument) {
  EXPECT_EQ(FormatTrackLabel("Pos: %d", 5), "Pos: 5");
  EXPECT_EQ(FormatTrackLabel("%s %n %d%% %", -3), "%s %n -3% %");
}

}  // namespace
