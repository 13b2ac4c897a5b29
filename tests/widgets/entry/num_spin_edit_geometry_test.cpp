#include <gtest/gtest.h>

#include <QLineEdit>

#include "tests/widgets/entry/spin_edit_fixture.h"
#include "widgets/entry/num_up_down.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// The window's numeric fields: Arial, 19 pixels, bold; 97 x 30 as laid out.
class SpinEditGeometry : public SpinEditTest {
 protected:
  TNumSpinEdit* WindowField(bool autoSize, bool ctl3d, int width = 97) {
    // In the layout's order: bounds first, then the settings that size the field.
    TNumSpinEdit* e = MakeField();
    e->SetBounds(10, 10, width, 30);
    e->SetAutoSize(autoSize);
    e->Font().SetName("Arial");
    e->Font().SetHeight(-19);
    e->Font().SetStyle(fsBold);
    e->SetCtl3D(ctl3d);
    return e;
  }
  static QRect HostGeometry(const TNumSpinEdit* e) { return e->ButtonHost()->geometry(); }
  static QImage Shown(QWidget* w) {
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  static Qt::Alignment Horizontal(const TNumSpinEdit* e) {
    return e->Editor()->alignment() & Qt::AlignHorizontal_Mask;
  }
};

// The text-metric height is the framework's measure of the font.
TEST_F(SpinEditGeometry, AutoSizeGivesTheFontHeightPlusEightOrPlusSixWhenFlat) {
  TNumSpinEdit* e = WindowField(true, true);
  const int text = e->Font().Metrics().Height;
  EXPECT_EQ(e->Height(), text + 8);
  EXPECT_EQ(e->SpinButton()->Width(), text + 8 - 3);
  e->SetCtl3D(false);
  EXPECT_EQ(e->Height(), text + 6);
  EXPECT_EQ(e->SpinButton()->Width(), text + 6);
  EXPECT_EQ(e->SpinButton()->Height(), text + 6);
  e->SetCtl3D(true);
  EXPECT_EQ(e->Height(), text + 8);
}

// The window's fields: Arial 19 bold sizes a sunken field to 30 and a flat one to 28.
TEST_F(SpinEditGeometry, TheWindowsAutoSizedFieldsAreThirtySunkenAndTwentyEightFlat) {
  TNumSpinEdit* e = WindowField(true, true);
  EXPECT_EQ(e->Height(), 30);
  e->SetCtl3D(false);
  EXPECT_EQ(e->Height(), 28);
}

TEST_F(SpinEditGeometry, AFlatThirtyPixelFieldShowsTheTopLeftOfAThirtyPixelButton) {
  TNumSpinEdit* e = WindowField(false, false);
  ASSERT_EQ(e->Height(), 30);
  EXPECT_EQ(e->ClientRect(), Rect(0, 0, 95, 28));
  // Client (67, 0) is (68, 1) in the field, inside its one-pixel frame.
  EXPECT_EQ(HostGeometry(e), QRect(68, 1, 30, 30));
  EXPECT_EQ(e->SpinButton()->geometry(), QRect(0, 0, 30, 30));
  EXPECT_EQ(e->FormattingRect(), Rect(0, 0, 63, 29));

  const QImage shown = Shown(e);
  const QImage face = e->SpinButton()->Face(spNone).Image().convertToFormat(QImage::Format_RGB32);
  const QRgb frame = ToQColor(clWindowFrame).rgb();
  for (int i = 0; i < 28; ++i) {
    for (int j = 0; j < 28; ++j)
      ASSERT_EQ(shown.pixel(68 + i, 1 + j), face.pixel(i, j)) << "button pixel " << i << ", " << j;
    EXPECT_EQ(shown.pixel(96, 1 + i), frame) << "right frame over button column 28, row " << i;
    EXPECT_EQ(shown.pixel(68 + i, 29), frame) << "bottom frame over button row 28, column " << i;
  }
}

TEST_F(SpinEditGeometry, ASunkenEdgeHidesTheButtonsOuterPixels) {
  TNumSpinEdit* e = WindowField(false, true);
  EXPECT_EQ(e->ClientRect(), Rect(0, 0, 93, 26));
  // Client (66, -1), side 27: in the field (68, 1), under the edge's inner ring.
  EXPECT_EQ(HostGeometry(e), QRect(68, 1, 27, 27));
  EXPECT_EQ(e->SpinButton()->Width(), 27);
  EXPECT_EQ(e->FormattingRect(), Rect(0, 0, 64, 27));
}

TEST_F(SpinEditGeometry, AFlatAutoSizedFieldGetsASquareButtonOfItsHeight) {
  TNumSpinEdit* e = WindowField(true, false, 81);
  const int h = e->Font().Metrics().Height + 6;
  ASSERT_EQ(e->Height(), h);
  EXPECT_EQ(HostGeometry(e), QRect(1 + 81 - h, 1, h, h));
  EXPECT_EQ(e->FormattingRect(), Rect(0, 0, 79 - h - 2, h - 2 + 1));
}

TEST_F(SpinEditGeometry, NeverGetsLowerThanItsMinimumHeight) {
  TNumSpinEdit* e = WindowField(false, false);
  const int minimum = e->Font().Metrics().Height + 5;
  EXPECT_EQ(e->MinimumHeight(), minimum);
  e->SetHeight(12);
  EXPECT_EQ(e->Height(), minimum);
  EXPECT_EQ(e->SpinButton()->Width(), minimum);
  e->SetHeight(40);
  EXPECT_EQ(e->Height(), 40);
}

TEST_F(SpinEditGeometry, RightToLeftPutsTheButtonLeftAndSwapsTheAlignment) {
  TNumSpinEdit* e = WindowField(false, false);
  EXPECT_EQ(Horizontal(e), Qt::AlignLeft);
  e->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(HostGeometry(e), QRect(1, 1, 30, 30));
  EXPECT_EQ(e->FormattingRect(), Rect(31, 0, 94, 29));
  EXPECT_EQ(Horizontal(e), Qt::AlignRight);
  e->SetAlignment(taRightJustify);
  EXPECT_EQ(Horizontal(e), Qt::AlignLeft);
  e->SetAlignment(taCenter);
  EXPECT_EQ(Horizontal(e), Qt::AlignHCenter);

  e->SetCtl3D(true);
  EXPECT_EQ(HostGeometry(e), QRect(2 - 1, 2 - 1, 27, 27));
  EXPECT_EQ(e->FormattingRect(), Rect(28, 0, 92, 27));
}

TEST_F(SpinEditGeometry, TheStandardUpDownIsFifteenPixelsAtTheEdge) {
  TNumSpinEdit* e = WindowField(false, false);
  e->SetButtonKind(bkStandard);
  TNumUpDown* arrows = e->UpDownControl();
  ASSERT_NE(arrows, nullptr);
  EXPECT_EQ(arrows->geometry(), QRect(1 + 95 - 15, 1, 15, 28));
  EXPECT_EQ(e->FormattingRect(), Rect(0, 0, 95 - 15 - 2, 29));
  arrows->SetBounds(0, 0, 40, 28);  // its width stays fixed
  EXPECT_EQ(arrows->Width(), 15);
  e->SetBiDiMode(bdRightToLeft);
  ASSERT_NE(e->UpDownControl(), nullptr);
  EXPECT_EQ(e->UpDownControl()->geometry(), QRect(1, 1, 15, 28));
  EXPECT_EQ(e->FormattingRect(), Rect(16, 0, 94, 29));
  e->SetButtonKind(bkDiagonal);
  EXPECT_EQ(e->UpDownControl(), nullptr);
  EXPECT_EQ(HostGeometry(e), QRect(1, 1, 30, 30));
}

}  // namespace
