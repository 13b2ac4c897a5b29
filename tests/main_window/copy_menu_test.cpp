#include <QAccessible>
#include <QMenu>

#include "framework/standard/shape.h"
#include "tests/main_window/calculator_fixture.h"
#include "widgets/entry/selector_drop_down_window.h"
#include "widgets/entry/styled_character_selector.h"

namespace {

// A = 0x8041 and B = 0x1242 with NOT A selected, so the result is 0x7FBE;
// every value has a character the code page maps away from ASCII or escapes.
struct Copied {
  QStringList entries;
  QStringList texts;  // what each entry puts on the clipboard
};
const Copied kResult{{"Copy 32702", "Copy 0x7FBE", "Copy 0111 1111 1011 1110", "Copy character"},
                     {"32702", "0x7FBE", "0111111110111110", "\\x7F\u013E"}};
const Copied kA{{"Copy 32833", "Copy 0x8041", "Copy 1000 0000 0100 0001", "Copy character",
                 "Copy -32703"},
                {"32833", "0x8041", "1000000001000001", "\u20ACA", "-32703"}};
const Copied kB{{"Copy 4674", "Copy 0x1242", "Copy 0001 0010 0100 0010", "Copy character"},
                {"4674", "0x1242", "0001001001000010", "\\x12B"}};

class CopyMenuTest : public CalculatorTest {
 protected:
  void SetUp() override {
    CalculatorTest::SetUp();
    SetBySwitches(1, 0x8041);
    SetBySwitches(17, 0x1242);
  }
  void TearDown() override {
    if (QMenu* menu = Menu()) menu->close();
    CalculatorTest::TearDown();
  }
  // A right-button press at window coordinates, to whatever lies there.
  void RightPressAt(QPoint p) {
    QWidget* w = form->childAt(p);
    if (!w) w = form.get();
    QTest::mousePress(w, Qt::RightButton, {}, w->mapFrom(form.get(), p));
    QTest::mouseRelease(w, Qt::RightButton, {}, w->mapFrom(form.get(), p));
  }
  static QMenu* Menu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
  // Closes the menu. The headless platform hands the activation back to no
  // window, where a desktop gives it back to the calculator; so does this.
  void CloseMenu() {
    Menu()->close();
    QApplication::processEvents();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
  }
  static QStringList Entries(QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << a->text();
    return texts;
  }
};

struct TargetCase {
  const char* name;
  QPoint at;  // window coordinates
  const Copied* copied;
};

class CopyTargets : public CopyMenuTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(CopyTargets, OfferTheirValueAndCopyEachForm) {
  const TargetCase& c = GetParam();
  const QImage before = form->grab().toImage();
  RightPressAt(c.at);
  QMenu* menu = Menu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->parentWidget(), form.get());
  EXPECT_EQ(Entries(menu), c.copied->entries);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
  ASSERT_EQ(accessible->childCount(), c.copied->entries.size());
  for (int i = 0; i < c.copied->entries.size(); ++i) {
    EXPECT_EQ(accessible->child(i)->text(QAccessible::Name), c.copied->entries[i]);
    QApplication::clipboard()->clear();
    menu->actions()[i]->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(QClipboard::Clipboard), c.copied->texts[i]);
  }
  CloseMenu();
  EXPECT_EQ(form->grab().toImage(), before);
  ExpectInStep();
}

INSTANTIATE_TEST_SUITE_P(
    Readouts, CopyTargets,
    ::testing::Values(TargetCase{"ResultDecimalFrameCorner", {153, 257}, &kResult},
                      TargetCase{"ResultHexFrame", {430, 286}, &kResult},
                      TargetCase{"ResultCharacterFrameEdge", {591, 260}, &kResult},
                      TargetCase{"ResultHighNibble", {170, 210}, &kResult},
                      TargetCase{"ResultLowByte", {575, 247}, &kResult},
                      TargetCase{"LedRowGap", {375, 170}, &kResult},
                      TargetCase{"LedRowUnderBitNumbers", {560, 192}, &kResult},
                      TargetCase{"AHighNibble", {42, 58}, &kA},
                      TargetCase{"ALowByte", {303, 82}, &kA},
                      TargetCase{"ASigned", {314, 73}, &kA},
                      TargetCase{"AHighCharacterFrame", {561, 11}, &kA},
                      TargetCase{"BLowCharacterFrame", {601, 124}, &kB}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CopyMenuTest, OtherRightPressesKeepTheirEffects) {
  const QPoint notReadouts[] = {{296, 16}, {66, 162}, {4, 150}, {380, 45}};  // switch, labels, window
  for (QPoint p : notReadouts) {
    RightPressAt(p);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << p.x() << "," << p.y();
  }
  RightPressAt(form->as1->geometry().center());
  EXPECT_TRUE(form->as1->DropDownWindow()->isVisible());
  EXPECT_EQ(Menu(), nullptr);
  ExpectInStep();
}

TEST_F(CopyMenuTest, PressWhileTheGridIsOpenClosesItWithoutAPick) {
  Click(form->as1);
  ASSERT_TRUE(form->as1->DropDownWindow()->isVisible());
  RightPressAt({430, 286});
  EXPECT_FALSE(form->as1->DropDownWindow()->isVisible());
  ASSERT_NE(Menu(), nullptr);
  EXPECT_EQ(Entries(Menu()), kResult.entries);
  EXPECT_EQ(A(), 0x8041);
  ExpectInStep();
}

TEST_F(CopyMenuTest, OpeningAndClosingIsNotLeavingTheField) {
  Focus(form->NumSpinEdit4);
  PasteOverAll("65535");
  PasteOverAll("70000");  // beside FFFF: outside the range until the field is left
  int changes = 0;
  int exits = 0;
  form->NumSpinEdit4->OnChange = [&](TObject*) { ++changes; };
  form->NumSpinEdit4->OnExit = [&](TObject*) { ++exits; };
  RightPressAt({153, 257});
  ASSERT_NE(Menu(), nullptr);
  CloseMenu();
  EXPECT_EQ(Focused(), form->NumSpinEdit4->Editor());
  EXPECT_EQ(form->NumSpinEdit4->Text(), "70000");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(exits, 0);
}

TEST_F(CopyMenuTest, CtrlShiftCOpensTheResultsMenuAtItsReadout) {
  Focus(form->NumSpinEdit1);
  Key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QMenu* menu = Menu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(Entries(menu), kResult.entries);
  const QPoint anchor = form->mapToGlobal(form->Shape[2]->geometry().bottomLeft());
  EXPECT_LE((menu->pos() - anchor).manhattanLength(), 2);
  EXPECT_EQ(form->NumSpinEdit1->Text(), "4674");
}

}  // namespace
