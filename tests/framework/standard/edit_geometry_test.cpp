#include <gtest/gtest.h>

#include <QLineEdit>

#include "framework/raster/canvas.h"
#include "framework/standard/edit.h"
#include "tests/support/shown_form.h"

using namespace bitcalc::framework;

namespace {

int TextCellHeight(const TFont& font) {
  TCanvas canvas;
  canvas.Font().Assign(font);
  return canvas.TextMetrics().Height;
}

TEST(EditGeometry, AutoSizeFollowsFontAndFrame) {
  ShownForm form;
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  EXPECT_EQ(edit->Height(), TextCellHeight(edit->Font()) + 8);
  // A parent's font reaches the field too.
  form->Font().SetHeight(-16);
  EXPECT_EQ(edit->Height(), TextCellHeight(form->Font()) + 8);

  edit->Font().SetName("Arial");
  edit->Font().SetHeight(-19);
  edit->Font().SetStyle(fsBold);
  const int cell = TextCellHeight(edit->Font());
  EXPECT_EQ(edit->Height(), cell + 8);
  EXPECT_EQ(edit->ClientRect(), Rect(0, 0, edit->Width() - 4, cell + 4));
  EXPECT_EQ(edit->ClientOrigin(), Point(2, 2));
  edit->SetCtl3D(false);
  EXPECT_EQ(edit->Height(), cell + 6);
  EXPECT_EQ(edit->ClientRect(), Rect(0, 0, edit->Width() - 2, cell + 4));
  EXPECT_EQ(edit->Editor()->geometry(), QRect(1, 1, edit->Width() - 2, cell + 4));
  edit->SetBorderStyle(bsNone);
  EXPECT_EQ(edit->Height(), cell + 4);
  EXPECT_EQ(edit->Editor()->geometry(), QRect(0, 0, edit->Width(), cell + 4));

  // Without AutoSize the height stays put through a change of frame.
  auto* fixed = new TEdit(form.get());
  fixed->SetParent(form.get());
  fixed->SetAutoSize(false);
  fixed->SetBounds(0, 40, 97, 30);
  fixed->SetCtl3D(false);
  EXPECT_EQ(fixed->Height(), 30);
  EXPECT_EQ(fixed->ClientRect(), Rect(0, 0, 95, 28));
}

// Pixels of the field as shown on screen.
QImage Shot(TCustomEdit* edit) {
  return edit->grab().toImage();
}

bool ColumnIsPlain(const QImage& img, int x, int top, int bottom, QRgb color) {
  for (int y = top; y < bottom; ++y)
    if (img.pixel(x, y) != color) return false;
  return true;
}

TEST(EditGeometry, FormattingRectKeepsTextClearOfTheRightMargin) {
  ShownForm form;
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetBounds(10, 10, 100, 24);
  edit->SetColor(clWhite);
  edit->SetText(std::string(40, 'W'));
  ASSERT_TRUE(form.Show());
  const QRgb white = qRgb(255, 255, 255);
  const TPoint o = edit->ClientOrigin();
  const TRect c = edit->ClientRect();
  // Without a formatting rectangle the text runs right up to the frame.
  QImage img = Shot(edit);
  bool inked = false;
  for (int x = c.Right - 20; x < c.Right; ++x)
    inked = inked || !ColumnIsPlain(img, o.X + x, o.Y, o.Y + c.Bottom, white);
  EXPECT_TRUE(inked);

  edit->SetFormattingRect(Rect(0, 0, c.Right - 20, c.Bottom + 1));
  img = Shot(edit);
  for (int x = c.Right - 20; x < c.Right; ++x)
    EXPECT_TRUE(ColumnIsPlain(img, o.X + x, o.Y, o.Y + c.Bottom, white)) << "column " << x;
  // A resize gives the text the whole client area again.
  edit->SetWidth(101);
  EXPECT_EQ(edit->FormattingRect(), edit->ClientRect());
}

TEST(EditChildren, AChildLiesAboveTheTextTakesClicksAndIsClippedByTheFrame) {
  ShownForm form;
  auto* edit = new TEdit(form.get());
  edit->SetParent(form.get());
  edit->SetAutoSize(false);
  edit->SetBounds(10, 10, 100, 30);
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetTop(50);
  ASSERT_TRUE(form.Show());
  other->SetFocus();
  // Added to the field on screen, reaching two pixels past the client
  // area's right and bottom edges.
  auto* child = new TCustomControl(edit);
  child->SetColor(clRed);
  child->SetParent(edit);
  child->SetBounds(70, 2, 30, 30);
  child->raise();  // a later restack still leaves the frame on top
  int clicks = 0;
  child->OnClick = [&](TObject*) { ++clicks; };

  // A click on the child's part over the text goes to the child alone: the
  // text editor under it would have taken the focus.
  const QPoint inChild = child->mapTo(form.get(), QPoint(10, 10));
  EXPECT_EQ(form->childAt(inChild), child);
  QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, inChild);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(other->Focused());

  const QImage img = Shot(edit);
  EXPECT_EQ(img.pixel(80, 15), qRgb(255, 0, 0));
  // The frame's bottom-right ring stays on top of the child.
  EXPECT_EQ(QColor(img.pixel(99, 29)), ToQColor(clBtnHighlight));
  EXPECT_EQ(QColor(img.pixel(98, 28)), ToQColor(cl3DLight));
  EXPECT_EQ(QColor(img.pixel(97, 27)), QColor(255, 0, 0));
}

}  // namespace
