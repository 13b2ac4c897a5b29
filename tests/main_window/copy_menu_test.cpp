#include <QAccessible>
#include <QMenu>

#include "framework/standard/shape.h"
#include "tests/main_window/calculator_fixture.h"
#include "widgets/entry/selector_drop_down_window.h"
#include "widgets/entry/styled_character_selector.h"

namespace {

// A = 0x8041, B = 0x1242 and NOT A selected, so the result is 0x7FBE; each
// value has a character that the code page maps away from ASCII or escapes.
struct Copied {
  QStringList entries, texts;  // what each entry shows and copies
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
    if (Menu()) Menu()->close();
    CalculatorTest::TearDown();
  }
  void RightPressAt(QPoint p) {
    QWidget* w = form->childAt(p) ? form->childAt(p) : form.get();
    QTest::mouseClick(w, Qt::RightButton, {}, w->mapFrom(form.get(), p));
  }
  static QMenu* Menu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
  static QStringList Entries() {
    QStringList texts;
    for (const QAction* a : Menu()->actions()) texts << a->text();
    return texts;
  }
  // The headless platform hands the activation back to no window when the
  // menu closes, where a desktop gives it back to the calculator.
  void CloseMenu() {
    Menu()->close();
    QApplication::processEvents();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
  }
};

struct TargetCase {
  const char* name;
  QPoint at;  // window coordinates, on a frame or bounds but off the glyphs
  const Copied* copied;
};

class CopyTargets : public CopyMenuTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(CopyTargets, OfferTheirValueAndCopyEachFormLeavingNoPixelChanged) {
  const Copied& c = *GetParam().copied;
  const QImage before = form->grab().toImage();
  RightPressAt(GetParam().at);
  ASSERT_NE(Menu(), nullptr);
  EXPECT_EQ(Menu()->parentWidget(), form.get());
  ASSERT_EQ(Entries(), c.entries);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Menu());
  for (int i = 0; i < c.entries.size(); ++i) {
    EXPECT_EQ(accessible->child(i)->text(QAccessible::Name), c.entries[i]);
    QApplication::clipboard()->clear();
    Menu()->actions()[i]->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(QClipboard::Clipboard), c.texts[i]);
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

TEST_F(CopyMenuTest, OtherRightPressesKeepTheirEffectsAndAnOpenGridClosesWithoutAPick) {
  for (QPoint p : {QPoint(296, 16), QPoint(66, 162), QPoint(4, 150)}) {  // switch, label, window
    RightPressAt(p);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << p.x() << "," << p.y();
  }
  RightPressAt(form->as1->geometry().center());
  ASSERT_TRUE(form->as1->DropDownWindow()->isVisible());
  EXPECT_EQ(Menu(), nullptr);
  RightPressAt({430, 286});
  EXPECT_FALSE(form->as1->DropDownWindow()->isVisible());
  ASSERT_NE(Menu(), nullptr);
  EXPECT_EQ(Entries(), kResult.entries);
  ExpectInStep();
}

TEST_F(CopyMenuTest, OpeningAndClosingIsNotLeavingTheField) {
  Focus(form->NumSpinEdit4);
  PasteOverAll("65535");
  PasteOverAll("70000");  // beside FFFF: outside the range until the field is left
  int changes = 0, exits = 0;
  form->NumSpinEdit4->OnChange = [&](bitcalc::framework::TObject*) { ++changes; };
  form->NumSpinEdit4->OnExit = [&](bitcalc::framework::TObject*) { ++exits; };
  RightPressAt({153, 257});
  ASSERT_NE(Menu(), nullptr);
  CloseMenu();
  EXPECT_EQ(Focused(), form->NumSpinEdit4->Editor());
  EXPECT_EQ(form->NumSpinEdit4->Text(), "70000");
  EXPECT_EQ(changes + exits, 0);
}

TEST_F(CopyMenuTest, CtrlShiftCOpensTheResultsMenuAtItsReadout) {
  Focus(form->NumSpinEdit1);
  Key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_NE(Menu(), nullptr);
  EXPECT_EQ(Entries(), kResult.entries);
  const QPoint anchor = form->mapToGlobal(form->Shape[2]->geometry().bottomLeft());
  EXPECT_LE((Menu()->pos() - anchor).manhattanLength(), 2);
  EXPECT_EQ(form->NumSpinEdit1->Text(), "4674");
}

}  // namespace
