#include "framework/raster/graphics_aa.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cstdlib>
#include <functional>
#include <optional>

using namespace bitcalc::framework;

namespace {

constexpr TColor kBackground = RGB(10, 20, 30);

// Runs draw on a fresh surface of the given size filled with kBackground.
QImage Render(int width, int height, const std::function<void(TGPGraphics&)>& draw,
              const std::function<void(QPainter&)>& preparePainter = {}) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(ToQColor(kBackground));
  QPainter painter(&image);
  if (preparePainter) preparePainter(painter);
  {
    TGPGraphics graphics(&painter);
    draw(graphics);
  }
  painter.end();
  return image;
}

// Whether the pixel at (x, y) is within tolerance of expected in every channel.
::testing::AssertionResult PixelNear(const QImage& image, int x, int y, TColor expected,
                                     int tolerance = 0) {
  const QColor actual = image.pixelColor(x, y);
  const QColor want = ToQColor(expected);
  if (std::abs(actual.red() - want.red()) <= tolerance &&
      std::abs(actual.green() - want.green()) <= tolerance &&
      std::abs(actual.blue() - want.blue()) <= tolerance)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") is RGB(" << actual.red() << ", " << actual.green()
         << ", " << actual.blue() << "), expected RGB(" << want.red() << ", " << want.green()
         << ", " << want.blue() << ") within " << tolerance;
}

constexpr TColor kFrom = RGB(200, 0, 40);
constexpr TColor kTo = RGB(0, 160, 240);
constexpr TColor kMid = RGB(100, 80, 140);

TEST(GraphicsAaLinearGradient, VerticalRunsTopToBottomInsideItsRectangle) {
  const TGPRectF rect{0, 10, 8, 100};
  const QImage image = Render(8, 120, [&](TGPGraphics& g) {
    g.FillRectangle(TGPLinearGradientBrush(rect, kFrom, kTo, TGPLinearGradientMode::Vertical),
                    rect);
  });
  EXPECT_TRUE(PixelNear(image, 3, 9, kBackground));
  EXPECT_TRUE(PixelNear(image, 3, 10, kFrom, 3));
  EXPECT_TRUE(PixelNear(image, 3, 60, kMid, 3));
  EXPECT_TRUE(PixelNear(image, 3, 109, kTo, 3));
  EXPECT_TRUE(PixelNear(image, 3, 110, kBackground));
  // Constant across each row.
  EXPECT_EQ(image.pixel(0, 35), image.pixel(7, 35));
}

TEST(GraphicsAaLinearGradient, HorizontalRunsLeftToRight) {
  const TGPRectF rect{0, 0, 100, 4};
  const QImage image = Render(100, 4, [&](TGPGraphics& g) {
    g.FillRectangle(TGPLinearGradientBrush(rect, kFrom, kTo, TGPLinearGradientMode::Horizontal),
                    rect);
  });
  EXPECT_TRUE(PixelNear(image, 0, 2, kFrom, 3));
  EXPECT_TRUE(PixelNear(image, 50, 2, kMid, 3));
  EXPECT_TRUE(PixelNear(image, 99, 2, kTo, 3));
  EXPECT_EQ(image.pixel(50, 0), image.pixel(50, 3));
}

TEST(GraphicsAaLinearGradient, DiagonalsFollowTheRectangleProportions) {
  // On a wide rectangle the two free corners still share the middle colour.
  const TGPRectF rect{0, 0, 200, 50};
  const QImage forward = Render(200, 50, [&](TGPGraphics& g) {
    g.FillRectangle(
        TGPLinearGradientBrush(rect, kFrom, kTo, TGPLinearGradientMode::ForwardDiagonal), rect);
  });
  EXPECT_TRUE(PixelNear(forward, 0, 0, kFrom, 4));
  EXPECT_TRUE(PixelNear(forward, 199, 49, kTo, 4));
  EXPECT_TRUE(PixelNear(forward, 199, 0, kMid, 4));
  EXPECT_TRUE(PixelNear(forward, 0, 49, kMid, 4));
  EXPECT_TRUE(PixelNear(forward, 100, 25, kMid, 4));

  const QImage backward = Render(200, 50, [&](TGPGraphics& g) {
    g.FillRectangle(
        TGPLinearGradientBrush(rect, kFrom, kTo, TGPLinearGradientMode::BackwardDiagonal), rect);
  });
  EXPECT_TRUE(PixelNear(backward, 199, 0, kFrom, 4));
  EXPECT_TRUE(PixelNear(backward, 0, 49, kTo, 4));
  EXPECT_TRUE(PixelNear(backward, 0, 0, kMid, 4));
}

TEST(GraphicsAaLinearGradient, BetweenPointsTilesByDefaultAndClampsOnRequest) {
  const auto draw = [](std::optional<TGPWrapMode> mode) {
    return Render(100, 2, [&](TGPGraphics& g) {
      TGPLinearGradientBrush brush({0, 0}, {50, 0}, kFrom, kTo);
      if (mode) brush.SetWrapMode(*mode);
      g.FillRectangle(brush, {0, 0, 100, 2});
    });
  };
  const QImage tiled = draw(std::nullopt);
  EXPECT_TRUE(PixelNear(tiled, 25, 0, kMid, 4));
  EXPECT_TRUE(PixelNear(tiled, 50, 0, kFrom, 4));  // starts again
  EXPECT_TRUE(PixelNear(tiled, 75, 0, kMid, 4));

  const QImage clamped = draw(TGPWrapMode::Clamp);
  EXPECT_TRUE(PixelNear(clamped, 25, 0, kMid, 4));
  EXPECT_TRUE(PixelNear(clamped, 75, 0, kTo));
  EXPECT_TRUE(PixelNear(clamped, 99, 0, kTo));
}

TEST(GraphicsAaLinearGradient, InterpolationColorsPlaceEachColourAtItsPosition) {
  const TGPRectF rect{0, 0, 100, 2};
  const QImage image = Render(100, 2, [&](TGPGraphics& g) {
    TGPLinearGradientBrush brush(rect, kFrom, kTo, TGPLinearGradientMode::Horizontal);
    brush.SetInterpolationColors({clBlack, clWhite, clBlack}, {0.0, 0.25, 1.0});
    g.FillRectangle(brush, rect);
  });
  EXPECT_TRUE(PixelNear(image, 0, 0, clBlack, 8));
  EXPECT_TRUE(PixelNear(image, 25, 0, clWhite, 8));
  EXPECT_TRUE(PixelNear(image, 62, 0, RGB(128, 128, 128), 8));
  EXPECT_TRUE(PixelNear(image, 99, 0, clBlack, 8));

  // Mismatched lists are ignored and the original two colours remain.
  const QImage unchanged = Render(100, 2, [&](TGPGraphics& g) {
    TGPLinearGradientBrush brush(rect, kFrom, kTo, TGPLinearGradientMode::Horizontal);
    brush.SetInterpolationColors({clBlack, clWhite}, {0.0});
    g.FillRectangle(brush, rect);
  });
  EXPECT_TRUE(PixelNear(unchanged, 0, 0, kFrom, 3));
}

TEST(GraphicsAaPathGradient, CentreColourAtCentreSurroundAtEdgeNothingOutside) {
  TGPPath ellipse;
  ellipse.AddEllipse(0, 0, 80, 40);
  const QImage image = Render(80, 40, [&](TGPGraphics& g) {
    TGPPathGradientBrush brush(ellipse);
    brush.SetCenterColor(kFrom);
    brush.SetSurroundColor(kTo);
    g.FillRectangle(brush, {0, 0, 80, 40});
  });
  EXPECT_TRUE(PixelNear(image, 40, 20, kFrom, 6));
  EXPECT_TRUE(PixelNear(image, 1, 20, kTo, 12));
  EXPECT_TRUE(PixelNear(image, 40, 0, kTo, 12));
  // Half way from centre to edge, horizontally and vertically alike.
  EXPECT_TRUE(PixelNear(image, 20, 20, kMid, 6));
  EXPECT_TRUE(PixelNear(image, 40, 10, kMid, 6));
  // The rectangle's corners lie outside the ellipse.
  EXPECT_TRUE(PixelNear(image, 0, 0, kBackground));
  EXPECT_TRUE(PixelNear(image, 79, 39, kBackground));
}

TEST(GraphicsAaPathGradient, OffCentrePointGlowsFromThere) {
  // As the thumb's lower half does: the centre point at the ellipse's
  // bottom-centre, so the bottom glows and the top takes the surround colour.
  TGPPath ellipse;
  ellipse.AddEllipse(0, 0, 60, 40);
  const QImage image = Render(60, 40, [&](TGPGraphics& g) {
    TGPPathGradientBrush brush(ellipse);
    brush.SetCenterPoint({30, 40});
    brush.SetCenterColor(clWhite);
    brush.SetSurroundColor(clBlack);
    g.FillRectangle(brush, {0, 0, 60, 40});
  });
  const auto grey = [&](int x, int y) { return image.pixelColor(x, y).red(); };
  EXPECT_GT(grey(30, 38), 200);
  EXPECT_LT(grey(30, 2), 30);
  EXPECT_GT(grey(30, 30), grey(30, 20));
  EXPECT_GT(grey(30, 20), grey(30, 10));
  EXPECT_TRUE(PixelNear(image, 0, 39, kBackground));
}

TEST(GraphicsAaClip, EllipseClipLeavesTheOutsideUntouchedUntilReset) {
  TGPPath ellipse;
  ellipse.AddEllipse(10, 10, 40, 20);
  const QImage image = Render(60, 40, [&](TGPGraphics& g) {
    g.SetClip(ellipse);
    g.FillRectangle(TGPSolidBrush(clRed), {0, 0, 60, 40});
    g.ResetClip();
    g.FillRectangle(TGPSolidBrush(clBlue), {0, 35, 60, 5});
  });
  EXPECT_TRUE(PixelNear(image, 30, 20, clRed));
  EXPECT_TRUE(PixelNear(image, 12, 20, clRed));
  EXPECT_TRUE(PixelNear(image, 11, 11, kBackground));  // inside the box, outside the ellipse
  EXPECT_TRUE(PixelNear(image, 48, 28, kBackground));
  EXPECT_TRUE(PixelNear(image, 5, 5, kBackground));
  EXPECT_TRUE(PixelNear(image, 30, 37, clBlue));
}

TEST(GraphicsAaClip, StaysInsideThePaintersOwnClipAndRestoresIt) {
  TGPPath wide;
  wide.AddRectangle({0, 0, 60, 40});
  QRegion clipAfter;
  const QImage image = Render(
      60, 40,
      [&](TGPGraphics& g) {
        g.SetClip(wide);
        g.FillRectangle(TGPSolidBrush(clRed), {0, 0, 60, 40});
        g.ResetClip();
        g.FillRectangle(TGPSolidBrush(clBlue), {0, 30, 60, 10});
      },
      [&](QPainter& p) { p.setClipRect(QRect(0, 0, 30, 40)); });
  EXPECT_TRUE(PixelNear(image, 10, 10, clRed));
  EXPECT_TRUE(PixelNear(image, 40, 10, kBackground));
  EXPECT_TRUE(PixelNear(image, 10, 35, clBlue));
  EXPECT_TRUE(PixelNear(image, 40, 35, kBackground));

  // Afterwards the painter is back as the caller left it.
  QImage target(4, 4, QImage::Format_RGB32);
  QPainter painter(&target);
  painter.setClipRect(QRect(0, 0, 2, 2));
  {
    TGPGraphics g(&painter);
    g.SetClip(wide);
  }
  EXPECT_EQ(painter.clipRegion(), QRegion(0, 0, 2, 2));
  EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));
}

TEST(GraphicsAaPath, LinesJoinUntilCloseFigureAndShapesStandAlone) {
  TGPPath path;
  path.AddLine(0, 0, 20, 0);
  path.AddLine(0, 20, 0, 0);  // joined from (20, 0): a triangle once closed
  path.CloseFigure();
  path.AddLines({{40, 40}, {60, 40}, {40, 60}});
  path.CloseFigure();
  const QImage image =
      Render(64, 64, [&](TGPGraphics& g) { g.FillPath(TGPSolidBrush(clLime), path); });
  EXPECT_TRUE(PixelNear(image, 4, 4, clLime));
  EXPECT_TRUE(PixelNear(image, 44, 44, clLime));
  EXPECT_TRUE(PixelNear(image, 16, 16, kBackground));
  // Had the second triangle continued the first figure, this strip between
  // them would have been filled.
  EXPECT_TRUE(PixelNear(image, 24, 30, kBackground));
  EXPECT_TRUE(PixelNear(image, 30, 36, kBackground));
}

TEST(GraphicsAaPath, LinesAfterAnEllipseStartAFigureOfTheirOwn) {
  TGPPath path;
  path.AddLine(0, 0, 20, 0);
  path.AddLine(20, 0, 0, 20);  // left open
  path.AddEllipse(40, 0, 20, 20);
  path.AddLines({{0, 40}, {20, 40}, {0, 60}});
  const QImage image =
      Render(64, 64, [&](TGPGraphics& g) { g.FillPath(TGPSolidBrush(clLime), path); });
  EXPECT_TRUE(PixelNear(image, 4, 4, clLime));  // open figures fill as if closed
  EXPECT_TRUE(PixelNear(image, 50, 10, clLime));
  EXPECT_TRUE(PixelNear(image, 4, 44, clLime));
  // Joined to the ellipse, the last figure would have swept across here.
  EXPECT_TRUE(PixelNear(image, 30, 30, kBackground));
}

TEST(GraphicsAaPath, EllipseInsideRectangleCutsAHole) {
  TGPPath ring;
  ring.AddRectangle({0, 0, 40, 40});
  ring.AddEllipse(10, 10, 20, 20);
  const TGPRectF bounds = ring.GetBounds();
  EXPECT_DOUBLE_EQ(bounds.Width, 40);
  EXPECT_DOUBLE_EQ(bounds.Height, 40);
  const QImage image =
      Render(40, 40, [&](TGPGraphics& g) { g.FillPath(TGPSolidBrush(clYellow), ring); });
  EXPECT_TRUE(PixelNear(image, 2, 2, clYellow));
  EXPECT_TRUE(PixelNear(image, 20, 20, kBackground));
}

TEST(GraphicsAaDrawing, PenWidthEllipseFillAndImage) {
  TGPPath line;
  line.AddLine(0, 10, 40, 10);
  QImage picture(4, 4, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  picture.setPixelColor(1, 1, ToQColor(clFuchsia));
  const QImage image = Render(40, 40, [&](TGPGraphics& g) {
    g.DrawPath(TGPPen(clWhite, 4), line);
    g.FillEllipse(TGPSolidBrush(clGreen), {0, 20, 20, 20});
    g.DrawImage(picture, 30, 30);
  });
  EXPECT_TRUE(PixelNear(image, 20, 8, clWhite));
  EXPECT_TRUE(PixelNear(image, 20, 11, clWhite));
  EXPECT_TRUE(PixelNear(image, 20, 13, kBackground));
  EXPECT_TRUE(PixelNear(image, 20, 6, kBackground));
  EXPECT_TRUE(PixelNear(image, 10, 30, clGreen));
  EXPECT_TRUE(PixelNear(image, 1, 21, kBackground));
  EXPECT_TRUE(PixelNear(image, 31, 31, clFuchsia));
  EXPECT_TRUE(PixelNear(image, 30, 30, kBackground));  // transparent pixel
}

TEST(GraphicsAaDrawing, CurvedEdgesAreBlendedWithTheBackground) {
  TGPPath everything;
  everything.AddRectangle({0, 0, 40, 40});
  const QImage image = Render(40, 40, [&](TGPGraphics& g) {
    g.SetClip(everything);  // smoothing must survive a change of clip
    g.FillEllipse(TGPSolidBrush(clWhite), {0, 0, 40, 40});
  });
  // Along the row through the upper part of the circle, count pixels that
  // are neither the background nor the fill: only smoothing makes them.
  int blended = 0;
  for (int x = 0; x < 40; ++x) {
    const QRgb p = image.pixel(x, 6);
    if (p != ToQColor(kBackground).rgb() && p != ToQColor(clWhite).rgb()) ++blended;
  }
  EXPECT_GE(blended, 2);
}

}  // namespace
