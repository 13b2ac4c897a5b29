#include <gtest/gtest.h>

#include <QFontInfo>
#include <string>

#include "framework/raster/bitmap.h"
#include "framework/text/font.h"
#include "tests/support/pixel_probe.h"

using namespace bitcalc::framework;

TEST(Font, WindowsFamiliesResolveToTheirInstalledStandIns) {
  const std::pair<const char*, const char*> cases[] = {
      {"MS Sans Serif", "Tahoma"}, {"Segoe UI", "Tahoma"}, {"Tahoma", "Tahoma"},
      {"Arial", "Arial"},          {"Symbol", "Symbol"},   {"ARIAL", "Arial"},
      {"ms sans serif", "Tahoma"},
  };
  for (const auto& [name, installed] : cases) {
    TFont f;
    f.SetName(name);
    EXPECT_EQ(QFontInfo(f.ToQFont()).family(), QString(installed)) << name;
  }
}

TEST(Font, PointsAndPixelsConvertAt96PerInch) {
  TFont f;
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Size(), 8);
  const std::pair<int, int> sizes[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}};
  for (const auto& [points, height] : sizes) {
    f.SetSize(points);
    EXPECT_EQ(f.Height(), height) << points;
    EXPECT_EQ(f.Size(), points) << points;
  }
}

TEST(Font, QtFontCarriesHeightAndStyles) {
  TFont f;
  f.SetHeight(-16);
  f.SetStyle(fsBold | fsItalic | fsUnderline | fsStrikeOut);
  const QFont q = f.ToQFont();
  EXPECT_EQ(q.pixelSize(), 16);
  EXPECT_TRUE(q.bold());
  EXPECT_TRUE(q.italic());
  EXPECT_TRUE(q.underline());
  EXPECT_TRUE(q.strikeOut());
  f.SetStyle(0);
  EXPECT_FALSE(f.ToQFont().bold());
}

TEST(Font, AssignReportsOneChangeAndOnlyWhenSomethingDiffers) {
  TFont a, b;
  int changes = 0;
  a.OnChange = [&](TObject*) { ++changes; };
  a.Assign(b);
  EXPECT_EQ(changes, 0);
  b.SetName("Arial");
  b.SetHeight(-19);
  b.SetColor(clRed);
  a.Assign(b);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(a.SameAs(b));
  a.SetHeight(-19);  // unchanged value
  EXPECT_EQ(changes, 1);
}

// The cell comes from usWinAscent and usWinDescent: Tahoma has 2049 and 423
// of 2048 units per em, Liberation Sans (Arial) 1854 and 434 with a hhea
// line gap of 67 that the win values do not cover.
TEST(Font, MetricsFollowTheWindowsRules) {
  TFont f;
  f.SetName("Tahoma");
  EXPECT_EQ(f.Metrics(), (TTextMetric{13, 11, 2, 2, 0, 7, f.Metrics().MaxCharWidth}));
  f.SetName("MS Sans Serif");
  EXPECT_EQ(f.Metrics().Height, 13);

  f.SetName("Arial");
  f.SetHeight(-16);
  const TTextMetric arial = f.Metrics();
  // The spin edits' font: their flat fields are this cell + 6 = 28 high.
  TFont field;
  field.SetName("Arial");
  field.SetHeight(-19);
  field.SetStyle(fsBold);
  EXPECT_EQ(field.Metrics().Height, 22);
  EXPECT_EQ(arial.Ascent, 15);  // 1854 * 16 / 2048 = 14.48, grid-fitted up
  EXPECT_EQ(arial.Descent, 3);  // 434 * 16 / 2048 = 3.39
  EXPECT_EQ(arial.InternalLeading, 2);
  EXPECT_EQ(arial.ExternalLeading, 1);  // 67 * 16 / 2048 = 0.52
  EXPECT_EQ(arial.AveCharWidth, 9);
  EXPECT_GT(arial.MaxCharWidth, arial.AveCharWidth);
}

TEST(Font, PositiveHeightIsTheCellHeight) {
  TFont f;
  f.SetName("Tahoma");
  f.SetHeight(13);  // the cell of an 11-pixel em
  EXPECT_EQ(f.PixelHeight(), 11);
  EXPECT_EQ(f.Metrics().Height, 13);
  f.SetHeight(23);  // 23 * 2048 / 2472 = 19.06
  EXPECT_EQ(f.PixelHeight(), 19);
  EXPECT_EQ(f.Metrics().Height, 23);
}

TEST(Font, TextRendersAtEveryUsedSizeRegularAndBold) {
  for (const char* name : {"MS Sans Serif", "Arial", "Tahoma", "Segoe UI"}) {
    for (int px : {11, 13, 16, 19}) {
      int regularInk = 0;
      for (bool bold : {false, true}) {
        SCOPED_TRACE(std::string(name) + " " + std::to_string(px) + (bold ? " bold" : ""));
        TBitmap bmp;
        Clear(bmp, 200, 40);
        TCanvas& c = bmp.Canvas();
        c.Font().SetName(name);
        c.Font().SetHeight(-px);
        c.Font().SetStyle(bold ? TFontStyles(fsBold) : 0u);
        c.Font().SetColor(clBlack);
        c.Brush().SetStyle(bsClear);
        c.TextOut(2, 2, "Binary 0110");
        const int ink = CountInk(bmp, clWhite);
        EXPECT_GT(ink, px * 4);
        // The cell the canvas reports holds the ink; a smoothed or
        // emboldened last glyph may spill one pixel past its advance.
        const QRect cell(2, 2, c.TextWidth("Binary 0110") + 1, c.TextHeight("B"));
        EXPECT_TRUE(cell.contains(InkBox(bmp, clWhite)));
        if (bold) {
          EXPECT_GT(ink, regularInk);
        }
        regularInk = ink;
      }
    }
  }
}

// The Symbol font puts Greek letters on Latin codes: 'b' is a beta, which
// reaches below the baseline where a Latin b does not.
TEST(Font, SymbolFontDrawsItsOwnGlyphsForLatinCodes) {
  for (const char* name : {"Symbol", "Arial"}) {
    TBitmap bmp;
    Clear(bmp, 40, 30);
    TCanvas& c = bmp.Canvas();
    c.Font().SetName(name);
    c.Font().SetHeight(-16);
    c.Brush().SetStyle(bsClear);
    c.TextOut(2, 2, "b");
    const QRect ink = InkBox(bmp, clWhite);
    ASSERT_FALSE(ink.isNull()) << name;
    const int baselineRow = 2 + c.TextMetrics().Ascent - 1;
    if (std::string(name) == "Symbol") {
      EXPECT_GT(ink.bottom(), baselineRow + 2);
    } else {
      EXPECT_EQ(ink.bottom(), baselineRow);
    }
  }
}
