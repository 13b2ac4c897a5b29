#include <QWheelEvent>

#include "tests/widgets/trackbar/window_track_bar.h"

using namespace bitcalc::framework;

namespace {

const TColor kNormal = RGB(64, 111, 157), kHot = RGB(219, 206, 153), kDown = RGB(123, 102, 69);

class TrackBarInput : public WindowTrackBar {
 protected:
  void SetUp() override {
    WindowTrackBar::SetUp();
    other = new TCustomControl(form.get());
    other->SetParent(form.get());
    other->SetBounds(100, 10, 40, 20);
    other->SetTabStop(true);
    other->SetFocus();
  }
  void Start(int position) {
    bar->SetPosition(position);
    changes.clear();
  }
  void Wheel(int delta) {
    const QPointF at(20, 60);
    QWheelEvent e(at, bar->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &e);
  }
  // The outline colour at the thumb's upper edge, as on screen now.
  TColor ShownEdge() {
    const QPoint at = bar->mapTo(form.get(), QPoint(10, bar->GetThumbRect().Top + 1));
    return PixelColor(Shown(*form), at.x(), at.y());
  }

  TCustomControl* other = nullptr;
};

using Changes = std::vector<int>;

TEST_F(TrackBarInput, LoadingRaisesNothingWhileSettingPositionFromCodeRaisesAtOnce) {
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(bar->Position(), 7);
  bar->SetPosition(3);
  EXPECT_EQ(changes, Changes{3});
  bar->SetPosition(3);
  bar->SetPosition(-5);  // clamped to 0
  bar->SetPosition(-9);  // past the end again: still reported
  bar->SetMax(0);
  EXPECT_EQ(changes, (Changes{3, 0, 0}));
}

TEST_F(TrackBarInput, KeysStepWhileShiftDisablesThemAll) {
  struct Case {
    int start;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    Changes changes;
  } cases[] = {
      {7, Qt::Key_PageUp, {}, {7}},
      {0, Qt::Key_PageDown, {}, {0}},
      {7, Qt::Key_Home, {}, {}},
      {0, Qt::Key_End, {}, {}},
      {3, Qt::Key_Home, {}, {7}},
      {3, Qt::Key_End, {}, {0}},
      {7, Qt::Key_Up, {}, {}},
      {0, Qt::Key_Down, {}, {}},
      {3, Qt::Key_Up, {}, {4}},
      {3, Qt::Key_Left, {}, {2}},
      {3, Qt::Key_PageUp, {}, {4}},
      {3, Qt::Key_Up, Qt::ShiftModifier, {}},
      {3, Qt::Key_PageDown, Qt::ShiftModifier, {}},
  };
  bar->SetFocus();
  for (const Case& c : cases) {
    Start(c.start);
    QTest::keyClick(bar, c.key, c.mods);
    EXPECT_EQ(changes, c.changes) << "key " << c.key << " at " << c.start;
    EXPECT_TRUE(bar->Focused());  // the arrows are the track bar's own
  }
}

TEST_F(TrackBarInput, TheWheelStepsOnlyWhileTheControlHasTheFocus) {
  struct Case {
    int start, delta;
    bool focused;
    Changes changes;
  } cases[] = {{7, 120, true, {}},
               {0, -120, true, {}},
               {3, 120, true, {4}},
               {3, -15, true, {2}},
               {3, 120, false, {}}};
  for (const Case& c : cases) {
    if (c.focused)
      bar->SetFocus();
    else
      other->SetFocus();
    Start(c.start);
    Wheel(c.delta);
    EXPECT_EQ(changes, c.changes) << c.start << " " << c.delta;
  }
}

TEST_F(TrackBarInput, DraggingTheThumbRaisesOneChangePerPositionReached) {
  struct Case {
    std::vector<int> ys;
    Changes changes;
  } cases[] = {
      {{20, 36, 52, 70, 86, 103, 120}, {6, 5, 4, 3, 2, 1, 0}},
      {{120}, {0}},                   // a fast move skips positions
      {{11, 12, 5}, {6, 7}},          // 12 already maps to 6
      {{-500, -3000}, {}},            // far above keeps 7
      {{900, -900, 900}, {0, 7, 0}},  // far below is 0
  };
  for (const Case& c : cases) {
    Start(7);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(12, 13));
    EXPECT_TRUE(bar->Dragging());
    for (int y : c.ys) QTest::mouseMove(bar, QPoint(12, y));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(12, c.ys.back()));
    EXPECT_EQ(changes, c.changes);
    EXPECT_FALSE(bar->Dragging());
  }
}

TEST_F(TrackBarInput, ATrackClickStepsTowardItsSideOfTheThumbsLowerEdge) {
  struct Case {
    int start, x, y;
    Changes changes;
  } cases[] = {{4, 35, 60, {5}}, {4, 35, 69, {3}}, {7, 30, 22, {7}}, {0, 40, 129, {1}}};
  for (const Case& c : cases) {
    Start(c.start);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(c.x, c.y));
    EXPECT_EQ(changes, c.changes) << c.x << ", " << c.y;
  }
  // A quick second press (which QTest reports as a double click) is a second
  // step, not a double click.
  Start(4);
  int doubles = 0;
  bar->OnDblClick = [&](TObject*) { ++doubles; };
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(35, 100));
  QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(35, 100));
  EXPECT_EQ(changes, (Changes{3, 2}));
  EXPECT_EQ(doubles, 0);
}

TEST_F(TrackBarInput, ARightPressTakesTheFocusAndChangesNothing) {
  Start(4);
  ASSERT_TRUE(other->Focused());
  PaintSpy spy(bar);
  QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(12, 55));
  EXPECT_EQ(spy.areas.size(), 1u);  // the focus repaints it at once
  QTest::mouseClick(bar, Qt::RightButton, {}, QPoint(35, 100));
  EXPECT_TRUE(bar->Focused());
  EXPECT_TRUE(changes.empty());
  EXPECT_FALSE(bar->ThumbDown());
}

TEST_F(TrackBarInput, TheThumbTurnsHotUnderThePointerAndDownAtOnceWhenPressed) {
  const QPoint on(12, 13), off(40, 60);
  QTest::mouseMove(bar, off);
  QTest::mousePress(bar, Qt::LeftButton, {}, on);  // pressed without being hot first
  EXPECT_EQ(ShownEdge(), kDown);
  QTest::mouseRelease(bar, Qt::LeftButton, {}, on);
  EXPECT_EQ(ShownEdge(), kNormal);
  EXPECT_FALSE(bar->ThumbHot());

  QTest::mouseMove(bar, QPoint(13, 13));
  EXPECT_EQ(ShownEdge(), kHot);
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(13, 13));
  EXPECT_EQ(ShownEdge(), kDown);
  QTest::mouseMove(bar, QPoint(13, -40));  // dragged out of the control: still down
  EXPECT_TRUE(bar->ThumbDown());
  QTest::mouseMove(bar, QPoint(13, 8));  // back on the thumb, still at 7
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(13, 8));
  EXPECT_EQ(ShownEdge(), kHot);

  QTest::mouseMove(bar, off);
  EXPECT_EQ(ShownEdge(), kNormal);
  QTest::mouseMove(bar, on);
  ASSERT_TRUE(bar->ThumbHot());
  QTest::mouseMove(form.get(), QPoint(200, 150));  // leaving the control
  EXPECT_FALSE(bar->ThumbHot());
  EXPECT_EQ(ShownEdge(), kNormal);
}

}  // namespace
