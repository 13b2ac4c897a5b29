#include <gtest/gtest.h>

#include <QTest>

#include "framework/controls/graphic_control.h"
#include "framework/runtime/application.h"
#include "framework/standard/hint_window.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;

namespace {

// A control that answers the hint request with its own content and place.
class AnsweringControl : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  bool HintShow(THintInfo& info) override {
    ++requests;
    if (!answer.empty()) info.HintStr = answer;
    if (moveTo) info.HintPos = *moveTo;
    return allow;
  }
  int requests = 0;
  std::string answer;
  std::optional<TPoint> moveTo;
  bool allow = true;
};

class Hints : public ShownFormTest {
 protected:
  void SetUp() override {
    clock = std::make_unique<TManualClock>();
    app = std::make_unique<TApplication>();
    app->SetHintPause(100);
    app->SetHintShortPause(20);
    app->SetHintHidePause(300);
    ShownFormTest::SetUp();
    first = Place(new AnsweringControl(form.get()), 10, 10, 60, 30);
    first->SetHint("First");
    first->SetShowHint(true);
    second = Place(new AnsweringControl(form.get()), 100, 10, 60, 30);
    second->SetHint("Second");
    second->SetShowHint(true);
  }
  void TearDown() override {
    ShownFormTest::TearDown();
    app.reset();
    clock.reset();
  }
  std::string Shown() const {
    THintWindow* w = app->ShownHint();
    return w && w->isVisible() ? w->Caption() : std::string();
  }
  // Two moves inside c: the platform drops a move to where the mouse
  // already is, and an earlier test may have left it there.
  void Hover(TControl* c, QPoint p = QPoint(5, 5)) {
    QTest::mouseMove(c, p + QPoint(1, 1));
    QTest::mouseMove(c, p);
  }

  std::unique_ptr<TManualClock> clock;
  std::unique_ptr<TApplication> app;
  AnsweringControl* first = nullptr;
  AnsweringControl* second = nullptr;
};

}  // namespace

TEST_F(Hints, ShowsAfterThePauseAndHidesAfterTheHidePause) {
  Hover(first);
  clock->Advance(99);
  EXPECT_EQ(Shown(), "");
  clock->Advance(1);
  EXPECT_EQ(Shown(), "First");
  clock->Advance(299);
  EXPECT_EQ(Shown(), "First");
  clock->Advance(1);
  EXPECT_EQ(Shown(), "");
}

TEST_F(Hints, MovingOnFromAShownHintUsesTheShortPause) {
  Hover(first);
  clock->Advance(100);
  Hover(second);
  EXPECT_EQ(Shown(), "");
  clock->Advance(20);
  EXPECT_EQ(Shown(), "Second");
}

TEST_F(Hints, LeavingTheControlCancelsTheHint) {
  Hover(first);
  clock->Advance(100);
  QTest::mouseMove(form.get(), QPoint(200, 120));
  EXPECT_EQ(Shown(), "");
  clock->Advance(1000);
  EXPECT_EQ(Shown(), "");
}

TEST_F(Hints, AKeyOrAButtonCancelsTheHint) {
  Hover(first);
  clock->Advance(100);
  QTest::keyClick(form.get(), Qt::Key_A);
  EXPECT_EQ(Shown(), "");

  Hover(second);
  clock->Advance(100);
  ASSERT_EQ(Shown(), "Second");
  QTest::mousePress(second, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(Shown(), "");
  QTest::mouseRelease(second, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(Hints, APressBeforeThePauseKeepsTheHintAway) {
  Hover(first);
  clock->Advance(50);
  QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(5, 5));
  clock->Advance(200);
  EXPECT_EQ(Shown(), "");
}

TEST_F(Hints, TheControlCanChangeContentAndPosition) {
  first->answer = "Answered";
  first->moveTo = TPoint{40, 50};
  Hover(first);
  clock->Advance(100);
  ASSERT_EQ(Shown(), "Answered");
  EXPECT_EQ(app->ShownHint()->pos(), QPoint(40, 50));
}

TEST_F(Hints, TheControlOrOnShowHintCanRefuseOrRewriteTheHint) {
  first->allow = false;
  Hover(first);
  clock->Advance(100);
  EXPECT_EQ(first->requests, 1);
  EXPECT_EQ(Shown(), "");

  app->OnShowHint = [](std::string& text, bool&, THintInfo& info) {
    text = "Rewritten " + info.HintControl->Hint();
  };
  Hover(second);
  clock->Advance(100);
  EXPECT_EQ(Shown(), "Rewritten Second");
}

TEST_F(Hints, NoHintWithoutShowHint) {
  first->SetShowHint(false);
  Hover(first);
  clock->Advance(1000);
  EXPECT_EQ(first->requests, 0);
  EXPECT_EQ(Shown(), "");
}

TEST_F(Hints, AReplacedHintWindowClassMakesTheWindow) {
  int made = 0;
  app->SetHintWindowClass([&](TComponent* owner) {
    ++made;
    return new THintWindow(owner);
  });
  Hover(first);
  clock->Advance(100);
  EXPECT_EQ(made, 1);
  EXPECT_EQ(Shown(), "First");
}
