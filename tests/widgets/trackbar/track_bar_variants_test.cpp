#include "framework/runtime/timer.h"
#include "tests/widgets/trackbar/window_track_bar.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

TEST_F(WindowTrackBar, TurnedHorizontalItSwapsItsSizeAndLaysOutAlongX) {
  bar->SetOrientation(trHorizontal);
  EXPECT_EQ(bar->BoundsRect(), Bounds(8, 8, 133, 49));
  EXPECT_EQ(bar->GetTrackRect(), Rect(3, 13, 130, 46));
  EXPECT_EQ(bar->GetSliderRect(), Rect(3, 13, 130, 19));
  EXPECT_EQ(bar->GetBottomRightTickRect(), Rect(13, 30, 120, 38));
  bar->SetPosition(2);
  EXPECT_EQ(bar->GetThumbRect(), Rect(33, 9, 53, 24));
  const QImage img = Image();
  for (int x : {13, 28, 43, 58, 74, 89, 104, 120}) {
    for (int y = 30; y <= 37; ++y) EXPECT_TRUE(PixelIs(img, x, y, clBlack));
    EXPECT_TRUE(PixelIs(img, x + 1, 33, kParent));
  }
}

TEST_F(WindowTrackBar, StepButtonsShortenTheTrackAndRepeatWhileHeld) {
  TManualClock clock;
  bar->Buttons().SetVisible(true);
  EXPECT_EQ(bar->GetTrackRect(), Rect(13, 25, 46, 108));
  bar->SetPosition(3);
  changes.clear();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(17, 10));  // the maximum button
  EXPECT_EQ(changes, std::vector<int>{4});
  clock.Advance(400);
  clock.Advance(100);
  EXPECT_EQ(changes, (std::vector<int>{4, 5, 6}));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(17, 10));
  clock.Advance(1000);
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(17, 120));  // the minimum button
  EXPECT_EQ(changes, (std::vector<int>{4, 5, 6, 5}));
}

// A range of one value divides by nothing: everything sits at Min's end.
TEST_F(WindowTrackBar, ARangeOfOneValueKeepsTheThumbAtTheBottom) {
  bar->SetMin(7);
  EXPECT_EQ(bar->GetThumbRect(), Rect(9, 110, 24, 130));
  Image();
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(12, 120));
  QTest::mouseMove(bar, QPoint(12, 20));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(12, 20));
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(35, 20));
  EXPECT_EQ(bar->Position(), 7);
}

}  // namespace
