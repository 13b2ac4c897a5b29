#include "framework/standard/shape.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/shown_form.h"

using namespace bitcalc::framework;

namespace {

class ShapeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form->SetColor(clBlue);
    shape = new TShape(form.get());
    shape->SetParent(form.get());
    shape->SetBounds(10, 10, 20, 12);
    shape->Brush().SetColor(clWhite);
    shape->Pen().SetColor(clBlack);
    ASSERT_TRUE(form.Show());
  }

  QRgb At(int x, int y) const { return form.Shot(shape).pixel(x, y); }

  ShownForm form;
  TShape* shape = nullptr;
  const QRgb black = qRgb(0, 0, 0);
  const QRgb white = qRgb(255, 255, 255);
  const QRgb blue = qRgb(0, 0, 255);
};

TEST_F(ShapeTest, AOnePixelPenFramesTheWholeControl) {
  for (auto [x, y] :
       {std::pair{0, 0}, {19, 0}, {0, 11}, {19, 11}, {10, 0}, {10, 11}, {0, 6}, {19, 6}})
    EXPECT_EQ(At(x, y), black) << x << "," << y;
  for (auto [x, y] : {std::pair{1, 1}, {18, 10}, {10, 6}})
    EXPECT_EQ(At(x, y), white) << x << "," << y;
}

TEST_F(ShapeTest, AWidePenStaysInsideTheControl) {
  // Width 3: the box is (1, 1)-(19, 11) and the pen, centred on its edge,
  // reaches the control's edge and three pixels in.
  shape->Pen().SetWidth(3);
  EXPECT_EQ(shape->FigureRect(), Rect(1, 1, 19, 11));
  const QImage img = form.Shot(shape);
  EXPECT_EQ(img.pixel(0, 6), black);
  EXPECT_EQ(img.pixel(2, 6), black);
  EXPECT_EQ(img.pixel(3, 6), white);
  EXPECT_EQ(img.pixel(19, 6), black);
  EXPECT_EQ(img.pixel(17, 6), black);
  EXPECT_EQ(img.pixel(16, 6), white);
  EXPECT_EQ(img.pixel(10, 0), black);
  EXPECT_EQ(img.pixel(10, 11), black);
  EXPECT_EQ(img.pixel(10, 3), white);
}

TEST_F(ShapeTest, PenBrushAndShapeChangesRepaint) {
  shape->Brush().SetColor(clRed);
  QApplication::processEvents();
  EXPECT_EQ(At(10, 6), qRgb(255, 0, 0));
  shape->Brush().SetStyle(bsClear);
  QApplication::processEvents();
  EXPECT_EQ(At(10, 6), blue);
  EXPECT_EQ(At(0, 0), black);
  shape->Pen().SetStyle(psClear);
  QApplication::processEvents();
  EXPECT_EQ(At(0, 0), blue);
}

TEST_F(ShapeTest, SquaresAndCirclesUseTheShorterSideCentred) {
  shape->SetShape(stSquare);
  EXPECT_EQ(shape->FigureRect(), Rect(4, 0, 16, 12));
  QApplication::processEvents();
  EXPECT_EQ(At(3, 6), blue);
  EXPECT_EQ(At(4, 6), black);
  EXPECT_EQ(At(15, 6), black);
  EXPECT_EQ(At(16, 6), blue);
  shape->SetShape(stCircle);
  QApplication::processEvents();
  EXPECT_EQ(At(4, 0), blue);  // the corner of the box is outside the circle
  EXPECT_EQ(At(10, 6), white);
}

}  // namespace
