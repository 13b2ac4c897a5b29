#include "widgets/entry/spin_face_renderer.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <ostream>
#include <string>

#include "widgets/entry/num_spin_button.h"

using namespace bitcalc::framework;
using namespace bitcalc::widgets;

namespace {

// Black columns of each glyph row, as the arrows are drawn.
using GlyphRows = std::array<std::pair<int, int>, 6>;
constexpr GlyphRows kUpRows = {{{2, 3}, {1, 4}, {0, 5}, {2, 3}, {2, 3}, {2, 3}}};
constexpr GlyphRows kDownRows = {{{2, 3}, {2, 3}, {2, 3}, {0, 5}, {1, 4}, {2, 3}}};

bool InArrow(const GlyphRows& rows, int col, int row) {
  return row >= 0 && row < 6 && col >= rows[row].first && col <= rows[row].second;
}

std::unique_ptr<TBitmap> Glyph(const char* name) {
  auto glyph = std::make_unique<TBitmap>();
  LoadSpinGlyph(*glyph, name);
  return glyph;
}

// The arrow sits with its top-left corner at origin: its pixels are black and
// nothing else in the ring one pixel around its 6 x 6 box is.
void ExpectArrowAt(const TBitmap& face, TPoint origin, const GlyphRows& rows,
                   const std::string& what) {
  for (int row = -1; row <= 6; ++row)
    for (int col = -1; col <= 6; ++col) {
      const bool black = face.Pixel(origin.X + col, origin.Y + row) == clBlack;
      EXPECT_EQ(black, InArrow(rows, col, row))
          << what << " at (" << origin.X + col << ", " << origin.Y + row << ")";
    }
}

TEST(SpinGlyphs, AreSixBySixBlackArrowsOnWhite) {
  for (const auto& [name, rows] : {std::pair{"NUMSPINUP", kUpRows}, {"NUMSPINDOWN", kDownRows}}) {
    const auto owned = Glyph(name);
    const TBitmap& glyph = *owned;
    ASSERT_EQ(glyph.Width(), 6) << name;
    ASSERT_EQ(glyph.Height(), 6) << name;
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 6; ++x)
        EXPECT_EQ(glyph.Pixel(x, y), InArrow(rows, x, y) ? clBlack : clWhite)
            << name << " (" << x << ", " << y << ")";
  }
}

struct ArrowCase {
  int side;
  TPoint up;
  TPoint upPressed;
  TPoint down;
};

void PrintTo(const ArrowCase& c, std::ostream* os) {
  *os << "Side" << c.side;
}

class SpinFaceArrows : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(SpinFaceArrows, SitWhereTheTablePutsThem) {
  const ArrowCase& c = GetParam();
  const auto up = Glyph("NUMSPINUP");
  const auto down = Glyph("NUMSPINDOWN");
  TBitmap idle, top, bottom;
  RenderSpinFace(idle, spNone, c.side, c.side, *up, *down);
  RenderSpinFace(top, spTop, c.side, c.side, *up, *down);
  RenderSpinFace(bottom, spBottom, c.side, c.side, *up, *down);

  ExpectArrowAt(idle, c.up, kUpRows, "idle up");
  ExpectArrowAt(idle, c.down, kDownRows, "idle down");
  ExpectArrowAt(top, c.upPressed, kUpRows, "top pressed up");
  ExpectArrowAt(top, c.down, kDownRows, "top pressed down");
  ExpectArrowAt(bottom, c.up, kUpRows, "bottom pressed up");
  ExpectArrowAt(bottom, c.down, kDownRows, "bottom pressed down");
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, SpinFaceArrows,
                         ::testing::Values(ArrowCase{30, {5, 5}, {6, 6}, {19, 19}},
                                           ArrowCase{28, {5, 5}, {6, 6}, {17, 17}},
                                           ArrowCase{27, {5, 5}, {6, 6}, {16, 16}}),
                         ::testing::PrintToStringParamName());

// Pixels of a 30 x 30 face that tell the states apart; the anti-diagonal lines
// are the pixel rows x + y = constant.
class SpinFaceEdges : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto up = Glyph("NUMSPINUP");
    const auto down = Glyph("NUMSPINDOWN");
    RenderSpinFace(idle, spNone, 30, 30, *up, *down);
    RenderSpinFace(top, spTop, 30, 30, *up, *down);
    RenderSpinFace(bottom, spBottom, 30, 30, *up, *down);
  }
  static TColor Rgb(TColor c) { return ColorToRGB(c); }
  TBitmap idle, top, bottom;
};

TEST_F(SpinFaceEdges, FrameAndDiagonalAreTheSameInEveryState) {
  for (const TBitmap* face : {&idle, &top, &bottom}) {
    EXPECT_EQ(face->Width(), 30);
    EXPECT_EQ(face->Height(), 30);
    for (int i = 0; i < 30; ++i) {
      EXPECT_EQ(face->Pixel(i, 0), Rgb(clWindowFrame)) << "top edge " << i;
      EXPECT_EQ(face->Pixel(0, i), Rgb(clWindowFrame)) << "left edge " << i;
      EXPECT_EQ(face->Pixel(i, 29), Rgb(clWindowFrame)) << "bottom edge " << i;
      EXPECT_EQ(face->Pixel(29, i), Rgb(clWindowFrame)) << "right edge " << i;
    }
    // The diagonal from (-1, 30) to (30, -1) covers x + y = 29 inside the frame.
    for (int x = 1; x < 29; ++x) EXPECT_EQ(face->Pixel(x, 29 - x), Rgb(clWindowFrame)) << x;
  }
}

TEST_F(SpinFaceEdges, IdleFaceShowsBothHalvesRaised) {
  // Top half: light left and top edges, dark edge along the diagonal (x + y = 28).
  EXPECT_EQ(idle.Pixel(1, 10), Rgb(clBtnHighlight));
  EXPECT_EQ(idle.Pixel(1, 26), Rgb(clBtnHighlight));  // polyline start (1, H - 4)
  EXPECT_EQ(idle.Pixel(1, 27), Rgb(clBtnShadow));     // starts the diagonal edge
  EXPECT_EQ(idle.Pixel(10, 1), Rgb(clBtnHighlight));
  EXPECT_EQ(idle.Pixel(26, 1), Rgb(clBtnHighlight));
  EXPECT_EQ(idle.Pixel(27, 1), Rgb(clBtnShadow));  // the diagonal edge, not the polyline
  EXPECT_EQ(idle.Pixel(10, 18), Rgb(clBtnShadow));
  // Bottom half: light edge along the diagonal (x + y = 30), dark bottom and right.
  EXPECT_EQ(idle.Pixel(15, 15), Rgb(clBtnHighlight));
  EXPECT_EQ(idle.Pixel(10, 28), Rgb(clBtnShadow));
  EXPECT_EQ(idle.Pixel(28, 10), Rgb(clBtnShadow));
  EXPECT_EQ(idle.Pixel(16, 15), Rgb(clBtnFace));  // no second diagonal
  EXPECT_EQ(idle.Pixel(10, 10), Rgb(clBtnFace));
}

TEST_F(SpinFaceEdges, PressedTopHalfInvertsItsEdgesAndDropsItsDiagonalEdge) {
  EXPECT_EQ(top.Pixel(1, 10), Rgb(clBtnShadow));
  EXPECT_EQ(top.Pixel(10, 1), Rgb(clBtnShadow));
  EXPECT_EQ(top.Pixel(10, 18), Rgb(clBtnFace));
  EXPECT_EQ(top.Pixel(1, 27), Rgb(clBtnFace));
  EXPECT_EQ(top.Pixel(27, 1), Rgb(clBtnFace));  // the polyline leaves out its last point
  // The bottom half stays raised.
  EXPECT_EQ(top.Pixel(15, 15), Rgb(clBtnHighlight));
  EXPECT_EQ(top.Pixel(10, 28), Rgb(clBtnShadow));
  EXPECT_EQ(top.Pixel(16, 15), Rgb(clBtnFace));
}

TEST_F(SpinFaceEdges, PressedBottomHalfInvertsItsEdgesAndAddsASecondDiagonal) {
  EXPECT_EQ(bottom.Pixel(15, 15), Rgb(clBtnShadow));
  EXPECT_EQ(bottom.Pixel(10, 28), Rgb(clBtnHighlight));
  EXPECT_EQ(bottom.Pixel(28, 10), Rgb(clBtnHighlight));
  // Second dark line from (3, H - 2) towards (W - 1, 2): x + y = 31.
  for (int x = 3; x < 29; ++x) EXPECT_EQ(bottom.Pixel(x, 31 - x), Rgb(clBtnShadow)) << x;
  EXPECT_EQ(bottom.Pixel(29, 2), Rgb(clWindowFrame));  // its end point stays out
  // The top half stays raised.
  EXPECT_EQ(bottom.Pixel(1, 10), Rgb(clBtnHighlight));
  EXPECT_EQ(bottom.Pixel(10, 18), Rgb(clBtnShadow));
}

struct HalfCase {
  int x, y, side;
  SpinPressState half;
};

void PrintTo(const HalfCase& c, std::ostream* os) {
  *os << "At" << c.x << 'x' << c.y << "_Side" << c.side;
}

class SpinHalf : public ::testing::TestWithParam<HalfCase> {};

TEST_P(SpinHalf, TheDiagonalBelongsToTheTop) {
  const HalfCase& c = GetParam();
  EXPECT_EQ(SpinHalfAt(c.x, c.y, c.side, c.side), c.half) << c.x << ", " << c.y;
}

INSTANTIATE_TEST_SUITE_P(
    Points, SpinHalf,
    ::testing::Values(HalfCase{15, 15, 30, spTop}, HalfCase{15, 16, 30, spBottom},
                      HalfCase{16, 15, 30, spBottom}, HalfCase{0, 30, 30, spTop},
                      HalfCase{30, 0, 30, spTop}, HalfCase{0, 0, 30, spTop},
                      HalfCase{29, 29, 30, spBottom}, HalfCase{14, 13, 27, spTop},
                      HalfCase{14, 14, 27, spBottom}, HalfCase{0, 0, 0, spTop}),
    ::testing::PrintToStringParamName());

}  // namespace
