#include <gtest/gtest.h>

#include <cmath>

#include "framework/raster/bitmap.h"
#include "framework/raster/canvas.h"
#include "framework/text/text.h"
#include "tests/support/pixel_probe.h"

using namespace bitcalc::framework;

namespace {

class CanvasText : public ::testing::Test {
 protected:
  void SetUp() override {
    Clear(bmp, 160, 60);
    c().Font().SetName("MS Sans Serif");
    c().Font().SetHeight(-11);
    c().Font().SetColor(clBlack);
    c().Brush().SetStyle(bsClear);
  }
  TCanvas& c() { return bmp.Canvas(); }
  int H() { return c().TextHeight("X"); }
  int Ascent() { return c().TextMetrics().Ascent; }
  QRect Ink() { return InkBox(bmp, clWhite); }
  TBitmap bmp;
};

}  // namespace

TEST_F(CanvasText, SolidBrushFillsExactlyTheTextCellBehindTheGlyphs) {
  c().Brush().SetStyle(bsSolid);
  c().Brush().SetColor(clYellow);
  c().TextOut(10, 5, "Hello");
  const int w = c().TextWidth("Hello");
  EXPECT_EQ(H(), 13);
  EXPECT_EQ(c().TextExtent("Hello"), (TSize{w, 13}));
  EXPECT_EQ(Ink(), QRect(10, 5, w, 13));
  EXPECT_GT(CountInk(bmp, clYellow, QRect(10, 5, w, 13)), 10);  // glyphs on top
  EXPECT_EQ(c().PenPos(), (TPoint{10 + w, 5}));
}

TEST_F(CanvasText, ClearBrushDrawsOnlyGlyphsWithTheBaselineAscentBelowTheTop) {
  c().TextOut(10, 5, "HEH");
  const QRect ink = Ink();
  ASSERT_FALSE(ink.isNull());
  EXPECT_EQ(ink.bottom(), 5 + Ascent() - 1);  // capitals stand on the baseline
  EXPECT_GT(ink.top(), 5);
  EXPECT_TRUE(QRect(10, 5, c().TextWidth("HEH"), H()).contains(ink));
  EXPECT_EQ(CountColor(bmp, clWhite, QRect(0, 0, 10, 60)), 600);
}

TEST_F(CanvasText, CentredSingleLineSitsWhereWidthAndHeightSay) {
  TRect r{10, 10, 150, 50};
  // Flat-bottomed capitals, so the lowest ink row is the baseline.
  const int w = c().TextWidth("HEX FILE");
  const int cellX = r.Left + (r.Width() - w) / 2;
  const int cellY = r.Top + (r.Height() - H()) / 2;
  const int ret = c().DrawText("HEX FILE", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EXPECT_EQ(ret, cellY - r.Top + H());
  const QRect ink = Ink();
  ASSERT_FALSE(ink.isNull());
  EXPECT_TRUE(QRect(cellX, cellY, w, H()).contains(ink));
  EXPECT_LE(std::abs((ink.left() + ink.right() + 1) / 2.0 - (r.Left + r.Right) / 2.0), 1.0);
  EXPECT_EQ(ink.bottom(), cellY + Ascent() - 1);

  // With a solid brush the painted cell shows the same placement exactly.
  c().Brush().SetStyle(bsSolid);
  c().Brush().SetColor(clAqua);
  Clear(bmp, 160, 60);
  c().DrawText("HEX FILE", r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  EXPECT_EQ(Ink(), QRect(cellX, cellY, w, H()));
}

TEST_F(CanvasText, RightAndBottomAlignToTheExclusiveEdges) {
  c().Brush().SetStyle(bsSolid);
  c().Brush().SetColor(clAqua);
  TRect r{10, 10, 150, 50};
  const int ret = c().DrawText("Right", r, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
  EXPECT_EQ(ret, r.Height());
  EXPECT_EQ(Ink(), QRect(150 - c().TextWidth("Right"), 50 - H(), c().TextWidth("Right"), H()));
  // Without DT_SINGLELINE vertical alignment does not apply.
  Clear(bmp, 160, 60);
  EXPECT_EQ(c().DrawText("Top", r, DT_BOTTOM), H());
  EXPECT_EQ(Ink().top(), 10);
}

TEST_F(CanvasText, WordBreakWrapsAtSpacesAndCalcRectMeasures) {
  const int width = std::max(c().TextWidth("alpha beta"), c().TextWidth("gamma delta")) + 1;
  TRect r{5, 5, 5 + width, 55};
  TRect calc = r;
  EXPECT_EQ(c().DrawText("alpha beta gamma delta", calc, DT_WORDBREAK | DT_CALCRECT), 2 * H());
  EXPECT_EQ(calc, (TRect{5, 5, 5 + width - 1, 5 + 2 * H()}));
  EXPECT_TRUE(Ink().isNull());  // measuring draws nothing

  c().DrawText("alpha beta gamma delta", r, DT_WORDBREAK | DT_NOCLIP);
  EXPECT_GT(CountInk(bmp, clWhite, QRect(5, 5, width, H())), 20);
  EXPECT_GT(CountInk(bmp, clWhite, QRect(5, 5 + H(), width, H())), 20);
  EXPECT_EQ(CountInk(bmp, clWhite, QRect(0, 5 + 2 * H(), 160, 60 - 5 - 2 * H())), 0);
  EXPECT_TRUE(QRect(5, 5, width, 2 * H()).contains(Ink()));

  // A word wider than the line keeps a line of its own, unbroken.
  TRect narrow{0, 0, 10, 0};
  EXPECT_EQ(c().DrawText("one two three", narrow, DT_WORDBREAK | DT_CALCRECT), 3 * H());
  EXPECT_EQ(narrow.Right, c().TextWidth("three"));
}

TEST_F(CanvasText, LineBreaksAndExternalLeading) {
  TRect r{0, 0, 100, 0};
  EXPECT_EQ(c().DrawText("one\ntwo\r\nthree", r, DT_CALCRECT), 3 * H());
  EXPECT_EQ(r.Right, c().TextWidth("three"));
  r = {0, 0, 100, 0};
  EXPECT_EQ(c().DrawText("one\ntwo", r, DT_CALCRECT | DT_SINGLELINE), H());
  r = {0, 0, 100, 0};
  EXPECT_EQ(c().DrawText(std::string("one\0two", 7), r, DT_CALCRECT), H());
  EXPECT_EQ(r.Right, c().TextWidth("one"));
  c().Font().SetName("Arial");
  c().Font().SetHeight(-16);
  ASSERT_EQ(c().TextMetrics().ExternalLeading, 1);
  EXPECT_EQ(c().DrawText("a\nb", r, DT_CALCRECT), 2 * 18);
  EXPECT_EQ(c().DrawText("a\nb", r, DT_CALCRECT | DT_EXTERNALLEADING), 2 * 19);
}

TEST_F(CanvasText, EndEllipsisShortensTheLineToFit) {
  const char* text = "A caption far too long for its box";
  TRect r{5, 5, 85, 25};
  c().DrawText(text, r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  const QRect ink = Ink();
  EXPECT_GE(ink.left(), 5);
  EXPECT_LT(ink.right(), 85);
  // The dots sit at the end of what is drawn.
  const TTextWidths fm(c().Font().ToQFont());
  const TTextMeasurer m(fm, 0);
  const auto lines = LayoutDrawText(FromCp1250(text), DT_SINGLELINE | DT_END_ELLIPSIS, 80, m);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(lines[0].Text.endsWith("..."));
  EXPECT_TRUE(QString(text).startsWith(lines[0].Text.chopped(3)));
  EXPECT_LE(lines[0].Width, 80);
  EXPECT_GT(m.Width(lines[0].Text.chopped(3) + QString(text).at(lines[0].Text.size() - 3) + "..."),
            80);
}

TEST_F(CanvasText, PathEllipsisKeepsTheLastPathComponent) {
  const TTextWidths fm(c().Font().ToQFont());
  const TTextMeasurer m(fm, 0);
  const QString path = "C:\\Program Files\\Calculators\\bitcalc.exe";
  const int width = m.Width(u"C:\\Pro...\\bitcalc.exe");
  const auto lines = LayoutDrawText(path, DT_SINGLELINE | DT_PATH_ELLIPSIS, width, m);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].Text, "C:\\Pro...\\bitcalc.exe");
  // A text that fits is left alone.
  EXPECT_EQ(LayoutDrawText(path, DT_PATH_ELLIPSIS, 1000, m)[0].Text, path);
}

TEST_F(CanvasText, PrefixUnderlinesTheNextCharacterAndDoubledAmpersandIsOne) {
  TRect r{10, 10, 150, 30};
  c().DrawText("File", r, DT_SINGLELINE);
  const QImage plain = bmp.Image().copy();
  Clear(bmp, 160, 60);
  c().DrawText("&File", r, DT_SINGLELINE);
  QRect diff;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 160; ++x)
      if (bmp.Image().pixel(x, y) != plain.pixel(x, y)) diff |= QRect(x, y, 1, 1);
  // The only change is a line under the F, below the baseline.
  ASSERT_FALSE(diff.isNull());
  EXPECT_EQ(diff.left(), 10);
  EXPECT_EQ(diff.width(), c().TextWidth("F"));
  EXPECT_GE(diff.top(), 10 + Ascent());
  EXPECT_LE(diff.height(), 2);

  TRect calc = r;
  c().DrawText("a&&b", calc, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(calc.Width(), c().TextWidth("a&b"));
  calc = r;
  c().DrawText("&File", calc, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
  EXPECT_EQ(calc.Width(), c().TextWidth("&File"));

  // "a&&b" draws exactly what TextOut draws for "a&b".
  Clear(bmp, 160, 60);
  c().TextOut(10, 10, "a&b");
  const QImage single = bmp.Image().copy();
  Clear(bmp, 160, 60);
  c().DrawText("a&&b", r, DT_SINGLELINE);
  EXPECT_EQ(bmp.Image(), single);
}

TEST_F(CanvasText, ExpandedTabsStopAtEightAverageCharacterWidths) {
  TRect r{0, 0, 200, 0};
  c().DrawText("a\tb", r, DT_SINGLELINE | DT_CALCRECT | DT_EXPANDTABS);
  EXPECT_EQ(r.Width(), 8 * c().TextMetrics().AveCharWidth + c().TextWidth("b"));
  r = {0, 0, 200, 0};
  c().DrawText("a\tb", r, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(r.Width(), c().TextWidth("a\tb"));
  // Unexpanded, a tab is one glyph of the font, not a jump to a tab stop.
  EXPECT_EQ(c().TextWidth("a\tb"), c().TextWidth("a") + c().TextWidth("\t") + c().TextWidth("b"));
  EXPECT_LT(c().TextWidth("\t"), 2 * c().TextMetrics().AveCharWidth);
}

TEST_F(CanvasText, DrawTextClipsToItsRectangleUnlessToldNotTo) {
  TRect r{10, 10, 40, 30};
  c().DrawText("Much wider than the box", r, DT_SINGLELINE);
  EXPECT_TRUE(QRect(10, 10, 30, 20).contains(Ink()));
  Clear(bmp, 160, 60);
  c().DrawText("Much wider than the box", r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(Ink().right(), 60);
}

TEST_F(CanvasText, EscapementTurnsTheCellAboutItsTopLeftCorner) {
  c().Font().SetOrientation(900);  // 90 degrees counter-clockwise: reads upwards
  const int w = c().TextWidth("Rotate");
  c().TextOut(20, 55, "Rotate");
  const QRect ink = Ink();
  ASSERT_FALSE(ink.isNull());
  EXPECT_TRUE(QRect(19, 55 - w - 1, H() + 2, w + 2).contains(ink))
      << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
  EXPECT_GT(ink.height(), w / 2);
  EXPECT_LT(ink.width(), H());
}

TEST_F(CanvasText, TextRectConfinesTextAndFillsTheWholeClip) {
  c().Brush().SetStyle(bsSolid);
  c().Brush().SetColor(clSilver);
  c().TextRect({20, 10, 50, 30}, 25, 12, "Clipped away text");
  EXPECT_EQ(InkBox(bmp, clWhite), QRect(20, 10, 30, 20));
  EXPECT_GT(CountInk(bmp, clSilver, QRect(20, 10, 30, 20)), 10);
}
