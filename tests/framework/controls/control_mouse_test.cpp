#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <string>
#include <vector>

#include "framework/controls/graphic_control.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;

namespace {

// Logs every mouse event in the order the framework raises them.
class Recorder : public TGraphicControl {
 public:
  explicit Recorder(TComponent* owner) : TGraphicControl(owner) {
    OnClick = [this](TObject*) { log.push_back("click"); };
    OnDblClick = [this](TObject*) { log.push_back("dblclick"); };
    OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int, int) {
      log.push_back(std::string(s & ssDouble ? "down2 " : "down ") + (b == mbLeft ? "L" : "R"));
    };
    OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { log.push_back("up"); };
    OnMouseMove = [this](TObject*, TShiftState, int x, int y) { moves.push_back({x, y}); };
  }
  std::vector<std::string> log;
  std::vector<TPoint> moves;
};

using Log = std::vector<std::string>;

class ControlMouse : public ShownFormTest {
 protected:
  void SetUp() override {
    ShownFormTest::SetUp();
    control = Place(new Recorder(form.get()), 20, 20, 40, 30);
  }
  void SendAt(QEvent::Type type, QPoint pos, quint64 timestamp) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, pos, control->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    e.setTimestamp(timestamp);
    QApplication::sendEvent(control, &e);
  }
  Recorder* control = nullptr;
};

}  // namespace

TEST_F(ControlMouse, PressAndReleaseInsideClickOnceBetweenDownAndUp) {
  QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(6, 6));
  EXPECT_EQ(control->log, (Log{"down L", "click", "up"}));
}

// Through the window, as the platform delivers input, so that the mouse
// capture decides who receives the moves and the release.
TEST_F(ControlMouse, ReleaseOutsideRaisesNoClickAndMovesOutsideStillArriveWhileHeld) {
  QWindow* window = form->windowHandle();
  QTest::mousePress(window, Qt::LeftButton, {}, QPoint(25, 25));
  QTest::mouseMove(window, QPoint(150, 120));
  QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(150, 120));
  EXPECT_EQ(control->log, (Log{"down L", "up"}));
  ASSERT_FALSE(control->moves.empty());
  EXPECT_EQ(control->moves.back(), (TPoint{130, 100}));
}

TEST_F(ControlMouse, RightButtonMakesNoClick) {
  QTest::mouseClick(control, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_EQ(control->log, (Log{"down R", "up"}));
}

TEST_F(ControlMouse, DoubleClickRaisesDblClickAndASecondPressButNoSecondClick) {
  QTest::mousePress(control, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(control->log, (Log{"down L", "click", "up", "dblclick", "down2 L", "up"}));
}

TEST_F(ControlMouse, AControlWithoutDoubleClicksSeesTheSecondPressAsAPress) {
  control->SetControlStyle(control->ControlStyle() & ~csDoubleClicks);
  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(control->log, (Log{"down L", "click", "up", "down L", "click", "up"}));
}

// The X11 platform reports a quick second press twice: as a press and as a
// double click with the same timestamp. It must count once, as a double click.
TEST_F(ControlMouse, APlatformDoubleClickReportedTwiceIsHandledOnce) {
  SendAt(QEvent::MouseButtonPress, QPoint(5, 5), 1000);
  SendAt(QEvent::MouseButtonRelease, QPoint(5, 5), 1050);
  SendAt(QEvent::MouseButtonPress, QPoint(6, 5), 1150);
  SendAt(QEvent::MouseButtonDblClick, QPoint(6, 5), 1150);
  SendAt(QEvent::MouseButtonRelease, QPoint(6, 5), 1200);
  EXPECT_EQ(control->log, (Log{"down L", "click", "up", "dblclick", "down2 L", "up"}));
}

TEST_F(ControlMouse, ASecondPressTooLateOrTooFarAwayIsAnOrdinaryPress) {
  SendAt(QEvent::MouseButtonPress, QPoint(5, 5), 1000);
  SendAt(QEvent::MouseButtonRelease, QPoint(5, 5), 1010);
  SendAt(QEvent::MouseButtonPress, QPoint(5, 5), 1000 + 5000);
  SendAt(QEvent::MouseButtonRelease, QPoint(5, 5), 6010);
  SendAt(QEvent::MouseButtonPress, QPoint(15, 5), 6050);
  SendAt(QEvent::MouseButtonRelease, QPoint(15, 5), 6060);
  EXPECT_EQ(control->log,
            (Log{"down L", "click", "up", "down L", "click", "up", "down L", "click", "up"}));
}

TEST_F(ControlMouse, AThirdQuickPressStartsAfresh) {
  for (quint64 t : {1000, 1100, 1200}) {
    SendAt(QEvent::MouseButtonPress, QPoint(5, 5), t);
    SendAt(QEvent::MouseButtonRelease, QPoint(5, 5), t + 10);
  }
  EXPECT_EQ(control->log,
            (Log{"down L", "click", "up", "dblclick", "down2 L", "up", "down L", "click", "up"}));
}

TEST_F(ControlMouse, ADisabledControlGetsNoMouse) {
  control->SetEnabled(false);
  QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(control->log.empty());
}
