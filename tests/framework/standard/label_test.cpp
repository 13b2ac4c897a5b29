#include "framework/standard/label.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <string>

#include "framework/raster/canvas.h"
#include "framework/standard/edit.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;

namespace {

class CountingLabel : public TLabel {
 public:
  using TLabel::TLabel;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TLabel::Paint();
  }
};

// Width of text in the label's font, as the canvas measures it.
int TextWidth(const TLabel* label, const std::string& text) {
  TCanvas canvas;
  canvas.Font().Assign(label->Font());
  return canvas.TextWidth(text);
}

int CellHeight(const TLabel* label) {
  TCanvas canvas;
  canvas.Font().Assign(label->Font());
  return canvas.TextMetrics().Height;
}

// The box around every pixel that is not the background colour.
QRect Ink(const QImage& img, QRgb background) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
  return box;
}

bool HasColor(const QImage& img, TColor color) {
  const QRgb want = ToQColor(color).rgb();
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == want) return true;
  return false;
}

class LabelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form->SetColor(clWhite);
    label = new CountingLabel(form.get());
    label->SetParent(form.get());
    label->SetBounds(20, 30, 10, 10);
  }

  ShownForm form;
  CountingLabel* label = nullptr;
};

TEST_F(LabelTest, AutoSizeFitsTheShownTextAndKeepsTheTopLeftCorner) {
  label->SetCaption("Hello");
  EXPECT_EQ(label->BoundsRect(), Bounds(20, 30, TextWidth(label, "Hello"), CellHeight(label)));
  // A caption ends at code 0.
  label->SetCaption(std::string("AB\0CD", 5));
  EXPECT_EQ(label->Width(), TextWidth(label, "AB"));
  // '&' marks an accelerator and "&&" shows one '&', unless ShowAccelChar is off.
  label->SetCaption("A&&B&C");
  EXPECT_EQ(label->Width(), TextWidth(label, "A&BC"));
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->Width(), TextWidth(label, "A&&B&C"));
  // A caption beginning with code 0 shows nothing but keeps a line's height.
  label->SetCaption(std::string("\0x", 2));
  EXPECT_EQ(label->Height(), CellHeight(label));
  EXPECT_LE(label->Width(), TextWidth(label, " "));
  // The bounds follow a font change; without AutoSize they stay put.
  label->SetCaption("Hello");
  label->Font().SetHeight(-20);
  EXPECT_EQ(label->Height(), CellHeight(label));
  label->SetAutoSize(false);
  label->SetBounds(20, 30, 100, 50);
  label->SetCaption("Hello, world");
  EXPECT_EQ(label->BoundsRect(), Bounds(20, 30, 100, 50));
}

TEST_F(LabelTest, WordWrapKeepsTheWidthAndGrowsTheHeight) {
  const int wordWidth = TextWidth(label, "word");
  label->SetWordWrap(true);
  label->SetAutoSize(false);
  label->SetWidth(wordWidth + 2);
  label->SetAutoSize(true);
  label->SetCaption("word word word");
  EXPECT_EQ(label->Width(), wordWidth + 2);
  EXPECT_EQ(label->Height(), 3 * CellHeight(label));
}

TEST_F(LabelTest, WritingTheSameCaptionDoesNotRepaint) {
  label->SetCaption("42");
  ASSERT_TRUE(form.Show());
  QApplication::processEvents();
  const int before = label->paints;
  ASSERT_GT(before, 0);
  label->SetCaption("42");
  QApplication::processEvents();
  EXPECT_EQ(label->paints, before);
  label->SetCaption("43");
  QApplication::processEvents();
  EXPECT_GT(label->paints, before);
}

TEST_F(LabelTest, TransparencyAlignmentAndLayoutPlaceThePixels) {
  form->SetColor(clBlue);
  label->SetAutoSize(false);
  label->SetBounds(20, 30, 100, 40);
  label->SetColor(clWhite);
  label->Font().SetColor(clBlack);
  label->SetCaption("I");
  ASSERT_TRUE(form.Show());
  const QRgb white = qRgb(255, 255, 255);

  QImage img = form.Shot(label);
  EXPECT_EQ(img.pixel(99, 39), white);  // filled with Color
  QRect ink = Ink(img, white);
  EXPECT_LT(ink.left(), 5);
  EXPECT_LT(ink.top(), 5);

  label->SetAlignment(taRightJustify);
  label->SetLayout(tlBottom);
  img = form.Shot(label);
  ink = Ink(img, white);
  EXPECT_GT(ink.right(), 94);
  EXPECT_GT(ink.bottom(), 34);

  label->SetAlignment(taCenter);
  label->SetLayout(tlCenter);
  ink = Ink(form.Shot(label), white);
  EXPECT_NEAR(ink.center().x(), 50, 3);
  EXPECT_NEAR(ink.center().y(), 20, 4);

  label->SetTransparent(true);
  img = form.Shot(label);
  EXPECT_EQ(img.pixel(99, 39), qRgb(0, 0, 255));  // the form shows through
}

TEST_F(LabelTest, ADisabledCaptionIsEmbossed) {
  label->SetCaption("Embossed");
  label->SetTransparent(false);
  ASSERT_TRUE(form.Show());
  QImage img = form.Shot(label);
  EXPECT_FALSE(HasColor(img, clBtnShadow));
  label->SetEnabled(false);
  img = form.Shot(label);
  EXPECT_TRUE(HasColor(img, clBtnHighlight));
  EXPECT_TRUE(HasColor(img, clBtnShadow));
  EXPECT_FALSE(HasColor(img, clBlack));
}

TEST_F(LabelTest, TheAcceleratorFocusesTheFocusControl) {
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetTop(60);
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetTop(90);
  label->SetCaption("&Name");
  label->SetFocusControl(edit);
  ASSERT_TRUE(form.Show());
  other->SetFocus();
  QTest::keyClick(other->Editor(), Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(edit->Focused());
  // A focus control that goes away is forgotten.
  delete edit;
  EXPECT_EQ(label->FocusControl(), nullptr);
}

}  // namespace
