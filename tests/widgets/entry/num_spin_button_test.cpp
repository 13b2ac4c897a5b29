#include "widgets/entry/num_spin_button.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/runtime/timer.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// A 30 x 30 button on a shown form, on a manual clock created before it so its
// repeat timer runs on the clock.
class SpinButton : public ShownFormTest {
 protected:
  void SetUp() override {
    ShownFormTest::SetUp();
    button = Place(new TNumSpinButton(form.get()), 20, 20, 30, 30);
    button->OnTopClick = [this](TObject* sender) {
      EXPECT_EQ(sender, button);
      steps.push_back("up");
    };
    button->OnBottomClick = [this](TObject*) { steps.push_back("down"); };
  }

  void Press(QPoint at) { QTest::mousePress(button, Qt::LeftButton, {}, at); }
  void Release(QPoint at) { QTest::mouseRelease(button, Qt::LeftButton, {}, at); }
  // While the mouse button is held the button has the mouse, so every move comes
  // to it, in its own coordinates, also from beyond its edges.
  void MoveTo(QPoint inButton) { QTest::mouseMove(button, inButton); }

  // What the button shows, through its real paint.
  QImage Shown() { return button->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  QImage FaceImage(SpinPressState s) {
    return button->Face(s).Image().convertToFormat(QImage::Format_RGB32);
  }

  TManualClock clock;
  TNumSpinButton* button = nullptr;
  std::vector<std::string> steps;
};

using Steps = std::vector<std::string>;

const QPoint kTop(8, 8);
const QPoint kBottom(22, 22);

TEST_F(SpinButton, StartsAsATwentyPixelSquareShowingTheIdleFace) {
  TNumSpinButton fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 20);
  EXPECT_EQ(fresh.Height(), 20);
  EXPECT_EQ(fresh.PressState(), spNone);
  EXPECT_EQ(fresh.UpGlyph().Width(), 6);
  EXPECT_EQ(fresh.DownGlyph().Height(), 6);
  EXPECT_EQ(Shown(), FaceImage(spNone));
}

TEST_F(SpinButton, AClickStepsOnceAtThePressAndTheReleaseAddsNothing) {
  Press(kTop);
  EXPECT_EQ(steps, Steps{"up"});
  EXPECT_EQ(button->PressState(), spTop);
  EXPECT_EQ(Shown(), FaceImage(spTop));
  Release(kTop);
  EXPECT_EQ(steps, Steps{"up"});
  EXPECT_EQ(button->PressState(), spNone);
  EXPECT_EQ(Shown(), FaceImage(spNone));
  clock.Advance(2000);
  EXPECT_EQ(steps, Steps{"up"});
}

TEST_F(SpinButton, TheBottomHalfStepsDownAndShowsItsPressedFace) {
  Press(kBottom);
  EXPECT_EQ(steps, Steps{"down"});
  EXPECT_EQ(Shown(), FaceImage(spBottom));
  EXPECT_NE(FaceImage(spBottom), FaceImage(spTop));
  Release(kBottom);
}

TEST_F(SpinButton, APressExactlyOnTheDiagonalStepsUp) {
  Press(QPoint(15, 15));
  Release(QPoint(15, 15));
  Press(QPoint(16, 15));
  Release(QPoint(16, 15));
  EXPECT_EQ(steps, (Steps{"up", "down"}));
}

TEST_F(SpinButton, HoldingRepeatsAfter400MsThenEvery100Ms) {
  Press(kTop);
  clock.Advance(399);
  EXPECT_EQ(steps.size(), 1u);
  clock.Advance(1);
  EXPECT_EQ(steps.size(), 2u);
  clock.Advance(99);
  EXPECT_EQ(steps.size(), 2u);
  clock.Advance(1);
  EXPECT_EQ(steps.size(), 3u);
  clock.Advance(550);  // now 1050 ms after the press
  EXPECT_EQ(steps.size(), 8u);
  Release(kTop);
  clock.Advance(1000);
  EXPECT_EQ(steps.size(), 8u);
}

TEST_F(SpinButton, APressAfterARepeatWaitsTheFull400MsAgain) {
  Press(kBottom);
  clock.Advance(450);
  Release(kBottom);
  ASSERT_EQ(steps.size(), 2u);
  Press(kBottom);
  clock.Advance(399);
  EXPECT_EQ(steps.size(), 3u);
  clock.Advance(1);
  EXPECT_EQ(steps.size(), 4u);
  Release(kBottom);
}

TEST_F(SpinButton, SlidingOffThePressedHalfPausesTheRepeatAndSlidingBackResumesIt) {
  Press(kTop);
  MoveTo(kBottom);  // onto the other half: neither half is pressed
  EXPECT_EQ(button->PressState(), spNone);
  EXPECT_EQ(Shown(), FaceImage(spNone));
  clock.Advance(1000);
  EXPECT_EQ(steps, Steps{"up"});

  MoveTo(kTop);
  EXPECT_EQ(button->PressState(), spTop);
  EXPECT_EQ(Shown(), FaceImage(spTop));
  clock.Advance(100);
  EXPECT_EQ(steps, (Steps{"up", "up"}));

  MoveTo(QPoint(60, 8));  // off the button altogether
  EXPECT_EQ(button->PressState(), spNone);
  clock.Advance(500);
  EXPECT_EQ(steps.size(), 2u);
  MoveTo(QPoint(30, 0));  // the right and bottom edges still count as on the button
  EXPECT_EQ(button->PressState(), spTop);
  Release(QPoint(30, 0));
  EXPECT_EQ(button->PressState(), spNone);
}

TEST_F(SpinButton, TheOtherHalfNeverPressesDuringOnePress) {
  Press(kBottom);
  MoveTo(kTop);
  EXPECT_EQ(button->PressState(), spNone);
  clock.Advance(600);
  MoveTo(kBottom);
  EXPECT_EQ(button->PressState(), spBottom);
  Release(kBottom);
  EXPECT_EQ(steps, (Steps{"down"}));
}

TEST_F(SpinButton, ADoubleClickStepsTwice) {
  QTest::mousePress(button, Qt::LeftButton, {}, kTop);
  QTest::mouseRelease(button, Qt::LeftButton, {}, kTop);
  QTest::mouseDClick(button, Qt::LeftButton, {}, kTop);
  QTest::mouseRelease(button, Qt::LeftButton, {}, kTop);
  EXPECT_EQ(steps, (Steps{"up", "up"}));
}

// A handler that runs its own event loop (a message box, say) can see the release
// arrive before the press handling has finished.
TEST_F(SpinButton, AHandlerThatTakesTheReleaseLeavesNoHalfPressed) {
  button->OnTopClick = [this](TObject*) {
    steps.push_back("up");
    Release(kTop);
  };
  Press(kTop);
  EXPECT_EQ(button->PressState(), spNone);
  EXPECT_EQ(Shown(), FaceImage(spNone));
  clock.Advance(1000);
  EXPECT_EQ(steps, Steps{"up"});
}

TEST_F(SpinButton, RightAndMiddleButtonsDoNothing) {
  QTest::mouseClick(button, Qt::RightButton, {}, kTop);
  QTest::mousePress(button, Qt::MiddleButton, {}, kBottom);
  clock.Advance(1000);
  QTest::mouseRelease(button, Qt::MiddleButton, {}, kBottom);
  EXPECT_TRUE(steps.empty());
  EXPECT_EQ(button->PressState(), spNone);
}

TEST_F(SpinButton, ADisabledButtonTakesNoPressButLooksTheSame) {
  const QImage enabled = Shown();
  button->SetEnabled(false);
  EXPECT_EQ(Shown(), enabled);
  Press(kTop);
  Release(kTop);
  EXPECT_TRUE(steps.empty());
}

TEST_F(SpinButton, AStepThatThrowsWhileRepeatingStopsTheRepeat) {
  int calls = 0;
  button->OnTopClick = [&](TObject*) {
    if (++calls == 2) throw std::runtime_error("step failed");
  };
  Press(kTop);
  EXPECT_THROW(clock.Advance(400), std::runtime_error);
  clock.Advance(1000);
  EXPECT_EQ(calls, 2);
  Release(kTop);
}

// On the real clock: a held button repeats no sooner than 400 ms after the
// press, then no sooner than 100 ms after each step.
TEST(SpinButtonRepeat, NeverComesEarly) {
  ShownForm form;
  ASSERT_TRUE(form.Show());
  auto* button = new TNumSpinButton(form.get());
  button->SetParent(form.get());
  button->SetBounds(20, 20, 30, 30);
  QElapsedTimer clock;
  std::vector<qint64> at;
  button->OnTopClick = [&](TObject*) { at.push_back(clock.nsecsElapsed()); };
  clock.start();
  QTest::mousePress(button, Qt::LeftButton, {}, kTop);
  ASSERT_TRUE(QTest::qWaitFor([&] { return at.size() >= 4; }, 3000));
  QTest::mouseRelease(button, Qt::LeftButton, {}, kTop);
  EXPECT_GE(at[1] - at[0], 400'000'000);
  EXPECT_GE(at[2] - at[1], 100'000'000);
  EXPECT_GE(at[3] - at[2], 100'000'000);
}

TEST_F(SpinButton, APressFocusesTheFocusControlBeforeTheStep) {
  auto* target = Place(new TWinControl(form.get()), 100, 20, 40, 20);
  target->SetTabStop(true);
  button->SetFocusControl(target);
  bool focusedAtStep = false;
  button->OnTopClick = [&](TObject*) { focusedAtStep = target->Focused(); };
  Press(kTop);
  Release(kTop);
  EXPECT_TRUE(focusedAtStep);
}

TEST_F(SpinButton, ForgetsAFocusControlThatIsDestroyed) {
  auto* target = Place(new TWinControl(form.get()), 100, 20, 40, 20);
  button->SetFocusControl(target);
  delete target;
  EXPECT_EQ(button->FocusControl(), nullptr);
  Press(kTop);  // must not touch the destroyed control
  Release(kTop);
  EXPECT_EQ(steps, Steps{"up"});
}

TEST_F(SpinButton, ANewGlyphRerendersTheFacesAndNoneRestoresTheArrow) {
  const QImage original = Shown();
  TBitmap square(4, 4);
  square.Canvas().Brush().SetColor(clRed);
  square.Canvas().FillRect(Rect(0, 0, 3, 3));  // white bottom row: the transparent colour
  button->SetUpGlyph(&square);
  const QImage custom = Shown();
  // Round(30/4 - 4/2) + 1 = 7 (halves to even: 5.5 -> 6).
  EXPECT_EQ(custom.pixel(7, 7), ToQColor(clRed).rgb());
  EXPECT_EQ(custom.pixel(7, 10), ToQColor(clBtnFace).rgb());
  EXPECT_NE(custom, original);
  button->SetUpGlyph(nullptr);
  EXPECT_EQ(Shown(), original);
}

TEST_F(SpinButton, FacesFollowTheSize) {
  button->SetBounds(20, 20, 27, 27);
  EXPECT_EQ(Shown().size(), QSize(27, 27));
  EXPECT_EQ(button->Face(spNone).Width(), 27);
  EXPECT_EQ(Shown(), FaceImage(spNone));
}

}  // namespace
