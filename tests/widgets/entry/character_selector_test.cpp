#include <gtest/gtest.h>

#include <QTest>
#include <stdexcept>
#include <string>

#include "framework/raster/canvas.h"
#include "tests/support/ink_box.h"
#include "tests/widgets/entry/selector_fixture.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

const TColor kGridBackground = RGB(249, 248, 247);
const TColor kGridBorder = RGB(128, 128, 128);

// Waits out the hide timer that a press outside the open grid starts.
void SettleHideTimer(TSelectorDropDownWindow* w) {
  EXPECT_TRUE(QTest::qWaitFor([w] { return !w->HideTimer()->Enabled(); }, 1000));
}

TEST_F(SelectorTest, CharactersMakeOneCellEachAndOnlyANewTextRebuildsThem) {
  EXPECT_EQ(selector->SelectedChar(), 0);
  EXPECT_EQ(selector->SelectedIndex(), -1);
  ASSERT_EQ(selector->Items().Count(), 256);
  EXPECT_EQ(selector->Items()[0].Caption, std::string(1, '\0'));
  EXPECT_EQ(selector->Items()[255].Caption, std::string(1, '\xFF'));

  selector->Items()[5].Hint = "kept";
  selector->SetCharacters(selector->Characters());
  EXPECT_EQ(selector->Items()[5].Hint, "kept");
  selector->SetCharacters("abcdefg");
  ASSERT_EQ(selector->Items().Count(), 7);
  EXPECT_EQ(selector->Items()[5].Hint, "");

  selector->SetAutoLoad(true);
  EXPECT_EQ(selector->Characters().size(), 256u);
  try {
    selector->SetCharacters("xyz");
    ADD_FAILURE() << "no error";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "Can not change characters when AutoLoad is true.");
  }
  EXPECT_EQ(selector->Items().Count(), 256);
  selector->SetAutoLoad(false);
  EXPECT_EQ(selector->Items().Count(), 0);
}

TEST_F(SelectorTest, ClosedHotOpenAndPressedLooks) {
  struct Look {
    const char* name;
    TColor fill, frame;
  };
  const auto check = [&](const Look& look) {
    SCOPED_TRACE(look.name);
    const QImage img = Shot(selector);
    for (QPoint p : {QPoint(0, 0), QPoint(8, 0), QPoint(0, 26), QPoint(8, 26), QPoint(8, 13)})
      EXPECT_EQ(img.pixel(p), Rgb(look.frame)) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 1), QPoint(7, 12), QPoint(1, 14), QPoint(6, 13), QPoint(4, 25)})
      EXPECT_EQ(img.pixel(p), Rgb(look.fill)) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 13), QPoint(5, 13), QPoint(2, 14), QPoint(4, 14), QPoint(3, 15)})
      EXPECT_EQ(img.pixel(p), Rgb(clBlack)) << p.x() << "," << p.y();
  };
  const TColor hot = RGB(181, 190, 214);
  check({"closed", clBtnFace, clBlack});
  QTest::mouseMove(selector, QPoint(4, 13));
  ASSERT_TRUE(QTest::qWaitFor([this] { return selector->Hot(); }, 1000));
  check({"hot", hot, clBlack});
  QTest::mousePress(selector, Qt::LeftButton, {}, QPoint(4, 13));
  ASSERT_TRUE(Open());
  check({"open", clBtnFace, kGridBorder});
  QTest::mouseRelease(selector, Qt::LeftButton, {}, QPoint(4, 13));
  // The press that closes the grid shows the pressed look until the release.
  QTest::mousePress(selector, Qt::LeftButton, {}, QPoint(4, 13));
  ASSERT_FALSE(Open());
  ASSERT_TRUE(selector->Pressed());
  check({"pressed", hot, RGB(8, 36, 107)});
  QTest::mouseRelease(selector, Qt::LeftButton, {}, QPoint(4, 13));
  check({"hot again", hot, clBlack});
}

TEST_F(SelectorTest, AnyPressOnTheButtonTogglesTheGridWithoutTakingTheFocus) {
  const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
  bool open = false;
  for (Qt::MouseButton b : buttons)
    for (int i = 0; i < 2; ++i) {
      ClickSelector(b);
      open = !open;
      EXPECT_EQ(Open(), open) << b;
      EXPECT_EQ(selector->DropState(), open ? 2 : 0);
      SettleHideTimer(DropDown());
    }
  // The second press of a double click counts as a press: it closes again.
  QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(4, 13));
  ASSERT_TRUE(Open());
  QTest::mouseDClick(selector, Qt::LeftButton, {}, QPoint(4, 13));
  EXPECT_FALSE(Open());
  EXPECT_FALSE(selector->TabStop());
  EXPECT_NE(QApplication::focusWidget(), selector);

  SettleHideTimer(DropDown());
  selector->SetFocus();
  QTest::keyClick(selector, Qt::Key_F2);
  EXPECT_TRUE(Open());
}

TEST_F(SelectorTest, TheGridIsSixteenCellsSquareInTheCharFontAndOpenOverTheSelector) {
  ClickSelector();
  ASSERT_TRUE(Open());
  TCanvas measure;
  measure.Font().Assign(selector->CharFont());
  int w = 16;
  for (int k = 0; k < 256; ++k) w = std::max(w, measure.TextWidth(std::string(1, char(k))));
  const int h = std::max(16, measure.TextHeight("gh"));
  EXPECT_EQ(Panel()->Width(), 16 * w + 8);
  EXPECT_EQ(Panel()->Height(), 16 * h + 8);
  EXPECT_EQ(DropDown()->size(), Panel()->size());
  for (int k : {0, 17, 65, 255})
    EXPECT_EQ(Panel()->Items()[k].CellRect, Bounds(4 + (k % 16) * w, 4 + (k / 16) * h, w, h)) << k;

  const QPoint corner = selector->mapToGlobal(QPoint(0, 27));
  EXPECT_EQ(DropDown()->pos(), corner - QPoint(0, 1));
  const QImage img = Shot(Panel());
  for (int x = 1; x <= 7; ++x) EXPECT_EQ(img.pixel(x, 0), Rgb(kGridBackground)) << x;
  for (int x : {0, 8, 100, img.width() - 1}) EXPECT_EQ(img.pixel(x, 0), Rgb(kGridBorder)) << x;
}

TEST_F(SelectorTest, NearTheWorkAreaEdgesTheGridGoesAboveOrRightAligned) {
  const TRect area = Screen->WorkAreaRect();
  struct Case {
    QPoint formPos;
    bool upward, right;
  } cases[] = {
      {QPoint(area.Right - 100, area.Top + 50), false, true},
      {QPoint(area.Left + 50, area.Bottom - 180), true, false},
      {QPoint(area.Right - 100, area.Bottom - 180), true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.upward << c.right);
    form->move(c.formPos);
    QApplication::processEvents();
    ClickSelector();
    ASSERT_TRUE(Open());
    EXPECT_EQ(DropDown()->OpensUpward(), c.upward);
    EXPECT_EQ(DropDown()->RightAligned(), c.right);
    const QRect sel(selector->mapToGlobal(QPoint(0, 0)), selector->size());
    const QRect box = DropDown()->geometry();
    if (c.right)
      EXPECT_EQ(box.right(), sel.right());
    else
      EXPECT_EQ(box.left(), sel.left());
    if (c.upward)
      EXPECT_EQ(box.bottom(), sel.top());
    else
      EXPECT_EQ(box.top(), sel.bottom());

    // The edge on the selector is open between the selector's outer columns.
    const QImage img = Shot(Panel());
    const int y = c.upward ? img.height() - 1 : 0;
    const int first = c.right ? img.width() - 9 : 0;
    EXPECT_EQ(img.pixel(first, y), Rgb(kGridBorder));
    for (int x = first + 1; x <= first + 7; ++x) EXPECT_EQ(img.pixel(x, y), Rgb(kGridBackground));
    EXPECT_EQ(img.pixel(first + 8, y), Rgb(kGridBorder));
    ClickSelector();
    SettleHideTimer(DropDown());
  }
}

TEST_F(SelectorTest, ThePressedLookFollowsTheDragAndTheReleasePicksWhereItEnds) {
  std::vector<int> hotCells;
  ClickSelector();
  Panel()->OnHotTool = [&](TObject*, int i) { hotCells.push_back(i); };
  HoverCell(65);
  Press(65);
  QTest::mouseMove(Panel(), CellCentre(66));
  EXPECT_EQ(Panel()->DownItem(), 66);
  const QImage img = Shot(Panel());
  const TRect c66 = Panel()->Items()[66].CellRect;
  const TRect c65 = Panel()->Items()[65].CellRect;
  EXPECT_EQ(img.pixel(c66.Left + 1, c66.Top + 1), Rgb(RGB(214, 215, 222)));
  EXPECT_EQ(img.pixel(c66.Left, c66.Top), Rgb(RGB(8, 36, 107)));
  EXPECT_EQ(img.pixel(c65.Left + 1, c65.Top + 1), Rgb(kGridBackground));
  Release(CellCentre(66));
  EXPECT_FALSE(Open());
  EXPECT_EQ(selector->DropState(), 0);
  EXPECT_EQ(selector->SelectedChar(), 66);
  EXPECT_EQ(selector->SelectedIndex(), 66);
  EXPECT_EQ(selects, 1);
  EXPECT_EQ(hotCells, (std::vector<int>{65, 66}));

  // Without a move the grid has no hot cell, and the release picks nothing.
  ClickSelector();
  ASSERT_TRUE(Open());
  Press(70);
  Release(CellCentre(70));
  EXPECT_FALSE(Open());
  EXPECT_EQ(selector->SelectedChar(), 66);
  EXPECT_EQ(selects, 1);
}

TEST_F(SelectorTest, DraggingOutOfTheGridPicksNothing) {
  ClickSelector();
  HoverCell(65);
  Press(65);
  QTest::mouseMove(Panel(), QPoint(-20, 40));
  Release(QPoint(-20, 40));
  EXPECT_FALSE(Open());
  EXPECT_EQ(selects, 0);
  EXPECT_EQ(selector->SelectedIndex(), -1);
}

TEST_F(SelectorTest, EveryPickRaisesOnSelectWhateverTheButtonOrCell) {
  const struct {
    Qt::MouseButton button;
    int code;
  } picks[] = {
      {Qt::LeftButton, 65}, {Qt::LeftButton, 65}, {Qt::RightButton, 200}, {Qt::LeftButton, 0}};
  int n = 0;
  for (const auto& p : picks) {
    Pick(p.code, p.button);
    EXPECT_FALSE(Open());
    EXPECT_EQ(selector->SelectedChar(), p.code);
    EXPECT_EQ(selector->SelectedIndex(), p.code);
    EXPECT_EQ(selects, ++n);
  }
}

TEST_F(SelectorTest, ReopeningShowsTheLastPickSelected) {
  Pick(66);
  ClickSelector();
  ASSERT_TRUE(Open());
  EXPECT_EQ(Panel()->PanelItemIndex(), 66);
  const QImage img = Shot(Panel());
  const TRect c = Panel()->Items()[66].CellRect;
  const TRect next = Panel()->Items()[67].CellRect;
  EXPECT_EQ(img.pixel(c.Left + 1, c.Top + 1), Rgb(RGB(214, 215, 222)));
  EXPECT_EQ(img.pixel(c.Right - 1, c.Bottom - 1), Rgb(clBlack));
  EXPECT_EQ(img.pixel(next.Left + 1, next.Top + 1), Rgb(kGridBackground));
}

TEST_F(SelectorTest, KeysDoNothingInTheGrid) {
  ClickSelector();
  ASSERT_TRUE(QTest::qWaitForWindowActive(DropDown()));
  ASSERT_EQ(QApplication::focusWidget(), Panel());
  for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Left, Qt::Key_Down})
    QTest::keyClick(Panel(), k);
  EXPECT_TRUE(Open());
  EXPECT_EQ(selects, 0);
}

TEST_F(SelectorTest, AWideSelectorShowsThePickedCharacterCentred) {
  selector->SetBounds(20, 133, 40, 27);
  const QRect mainPart(1, 1, 26, 25);  // inside the frame, left of the drop-down part
  EXPECT_TRUE(InkBox(Shot(selector), mainPart, clBtnFace).isNull());
  QTest::mouseClick(selector, Qt::LeftButton, {}, QPoint(35, 13));
  HoverCell(77);
  Press(77);
  Release(CellCentre(77));
  ASSERT_EQ(selector->SelectedChar(), 77);
  QTest::mouseMove(form.get(), QPoint(200, 20));
  const QRect ink = InkBox(Shot(selector), mainPart, clBtnFace);
  ASSERT_FALSE(ink.isNull());
  EXPECT_NEAR(ink.center().x(), 13.5, 1.5);
  EXPECT_NEAR(ink.center().y(), 13, 2);
}

}  // namespace

namespace {

TEST(SelectorAppearance, PresetsAndTheColourSchemeMapping) {
  const struct {
    const char* scheme;
    TStyledAppearanceStyle style;
  } schemes[] = {{"NormalColor", esOffice2003Blue},
                 {"HomeStead", esOffice2003Olive},
                 {"Metallic", esOffice2003Silver},
                 {"Royale", esOffice2003Classic},
                 {"", esOffice2003Classic}};
  for (const auto& m : schemes) EXPECT_EQ(AppearanceStyleForScheme(m.scheme), m.style) << m.scheme;

  TStyledCharacterSelector s(nullptr);
  s.ThemeChanged("Metallic");  // not following the theme
  EXPECT_EQ(s.AppearanceStyle(), esOffice2003Classic);
  s.SetAutoThemeAdapt(true);
  s.ThemeChanged("Metallic");
  EXPECT_EQ(s.AppearanceStyle(), esOffice2003Silver);
  EXPECT_NE(s.Color(), clBtnFace);
  s.SetAppearanceStyle(esXP);
  EXPECT_EQ(s.DropDownWidth(), 18);
  s.SetAppearanceStyle(esCustom);  // keeps the colours it had
  EXPECT_FALSE(s.AutoThemeAdapt());
  EXPECT_EQ(s.DropDownWidth(), 18);
}

}  // namespace
