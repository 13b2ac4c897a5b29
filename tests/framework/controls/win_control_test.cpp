#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <string>
#include <vector>

#include "framework/controls/graphic_control.h"
#include "framework/raster/canvas.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;

namespace {

// A focusable control that logs its keys and can claim the arrows or answer
// dialog keys.
class KeyControl : public TCustomControl {
 public:
  explicit KeyControl(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    OnKeyDown = [this](TObject*, std::uint16_t& key, TShiftState) {
      log.push_back("down " + std::to_string(key));
    };
    OnKeyPress = [this](TObject*, char& key) { log.push_back(std::string("press ") + key); };
    OnEnter = [this](TObject*) { log.push_back("enter"); };
    OnExit = [this](TObject*) { log.push_back("exit"); };
  }
  unsigned DialogCode() const override { return wantArrows ? DLGC_WANTARROWS : 0; }
  bool DialogKey(std::uint16_t key, TShiftState) override {
    if (key != answers) return false;
    log.push_back("dialog " + std::to_string(key));
    return true;
  }
  bool wantArrows = false;
  std::uint16_t answers = 0;
  std::vector<std::string> log;
};

// Counts its paints and can draw a part at once.
class PaintCounter : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  int paints = 0;
  int direct = 0;

 protected:
  void Paint() override {
    ++paints;
    Canvas()->Brush().SetColor(clBlue);
    Canvas()->FillRect(ClientRect());
  }
};

using Log = std::vector<std::string>;

class WinControls : public ShownFormTest {
 protected:
  void SetUp() override {
    ShownFormTest::SetUp();
    a = Place(new KeyControl(form.get()), 10, 10, 50, 20);
    b = Place(new KeyControl(form.get()), 10, 40, 50, 20);
    a->SetTabOrder(0);
    b->SetTabOrder(1);
    a->SetFocus();
    QApplication::processEvents();
    a->log.clear();
    b->log.clear();
  }
  KeyControl* a = nullptr;
  KeyControl* b = nullptr;
};

}  // namespace

TEST_F(WinControls, KeyDownComesBeforeKeyPress) {
  QTest::keyClick(a, Qt::Key_X);
  EXPECT_EQ(a->log, (Log{"down 88", "press x"}));
}

TEST_F(WinControls, AKeyReachesTheFocusedControlOnlyNotItsParent) {
  auto* inner = new KeyControl(form.get());
  inner->SetParent(a);
  inner->SetBounds(0, 0, 10, 10);
  inner->SetFocus();
  QApplication::processEvents();
  a->log.clear();
  QTest::keyClick(inner, Qt::Key_X);
  EXPECT_EQ(inner->log.back(), "press x");
  EXPECT_TRUE(a->log.empty());
}

TEST_F(WinControls, AnUnclaimedArrowMovesTheFocusWithEnterAndExit) {
  QTest::keyClick(a, Qt::Key_Down);
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(a->log, (Log{"down 40", "exit"}));
  EXPECT_EQ(b->log, (Log{"enter"}));
}

TEST_F(WinControls, AClaimedArrowStaysWithTheControl) {
  a->wantArrows = true;
  QTest::keyClick(a, Qt::Key_Down);
  EXPECT_TRUE(a->Focused());
  EXPECT_EQ(a->log, (Log{"down 40"}));
}

TEST_F(WinControls, EnterIsOfferedToTheFormAsADialogKey) {
  b->answers = VK_RETURN;
  QTest::keyClick(a, Qt::Key_Return);
  EXPECT_EQ(a->log, (Log{"down 13"}));
  EXPECT_EQ(b->log, (Log{"dialog 13"}));
}

TEST_F(WinControls, ControlCombinationsTypeControlCharacters) {
  QTest::keyClick(a, Qt::Key_V, Qt::ControlModifier);
  // The Ctrl key itself comes down first, as it does on the platform.
  EXPECT_EQ(a->log, (Log{"down 17", "down 86", std::string("press ") + char(22)}));
}

TEST_F(WinControls, TabFollowsTabOrder) {
  b->SetTabOrder(0);
  a->SetTabOrder(1);
  b->SetFocus();
  QApplication::processEvents();
  QTest::keyClick(b, Qt::Key_Tab);
  EXPECT_TRUE(a->Focused());
}

// A window's layout gives each control its tab order before its parent.
TEST_F(WinControls, TabOrderGivenBeforeTheParentHoldsOnceParented) {
  auto* c = new KeyControl(form.get());
  b->SetTabOrder(2);
  c->SetTabOrder(1);
  Place(c, 10, 70, 50, 20);
  a->SetFocus();
  QApplication::processEvents();
  QTest::keyClick(a, Qt::Key_Tab);
  EXPECT_TRUE(c->Focused());
  QTest::keyClick(c, Qt::Key_Tab);
  EXPECT_TRUE(b->Focused());
}

TEST_F(WinControls, WindowedControlsLieAboveGraphicOnesWhateverTheCreationOrder) {
  auto* windowed = Place(new TCustomControl(form.get()), 100, 10, 40, 40);
  auto* graphicBelow = Place(new TGraphicControl(form.get()), 110, 20, 40, 40);
  auto* graphicAbove = Place(new TGraphicControl(form.get()), 120, 30, 40, 40);
  EXPECT_EQ(form->childAt(115, 25), windowed);
  EXPECT_EQ(form->childAt(145, 35), graphicAbove);
  EXPECT_EQ(form->childAt(112, 55), graphicBelow);
}

TEST_F(WinControls, ParentFontReachesChildrenUntilTheyChooseTheirOwn) {
  form->Font().SetName("Arial");
  form->Font().SetHeight(-16);
  EXPECT_EQ(a->Font().Name(), "Arial");
  EXPECT_EQ(a->Font().Height(), -16);
  a->Font().SetHeight(-13);
  EXPECT_FALSE(a->ParentFont());
  form->Font().SetHeight(-19);
  EXPECT_EQ(a->Font().Height(), -13);
  EXPECT_EQ(b->Font().Height(), -19);
}

TEST_F(WinControls, DrawNowPaintsAtOnceWithoutAFullPaint) {
  auto* c = Place(new PaintCounter(form.get()), 150, 100, 30, 30);
  QApplication::processEvents();
  const int before = c->paints;
  int drawn = 0;
  c->DrawNow(Rect(0, 0, 10, 10), [&](TCanvas& canvas) {
    ++drawn;
    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 10, 10));
  });
  EXPECT_EQ(drawn, 1);
  EXPECT_EQ(c->paints, before);
  c->SetVisible(false);
  c->DrawNow(Rect(0, 0, 10, 10), [&](TCanvas&) { ++drawn; });
  EXPECT_EQ(drawn, 1);
}

TEST_F(WinControls, FormCreationRunsHandlersOnlyAfterLoading) {
  TForm f(nullptr);
  bool loadingAtCreate = true;
  f.BeginLoading();
  f.OnCreate = [&](TObject*) { loadingAtCreate = f.IsLoading(); };
  EXPECT_TRUE(f.IsLoading());
  f.FinishCreation();
  EXPECT_FALSE(loadingAtCreate);
}
