#include <QImage>
#include <cmath>

#include "tests/main_window/calculator_fixture.h"
#include "tests/support/pixels.h"
#include "widgets/entry/num_spin_button.h"
#include "widgets/entry/styled_character_selector.h"

using namespace bitcalc::framework;

// The window at the device pixel ratio the test runs at (QT_SCALE_FACTOR; CTest
// runs this suite at 1, 2 and 1.5), against the same window rendered at ratio 1.
class HiDpi : public CalculatorTest {
 protected:
  void SetUp() override {
    CalculatorTest::SetUp();
    ratio = form->devicePixelRatio();
    const double asked = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                             ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                             : 1.0;
    ASSERT_EQ(ratio, asked);
    scaled = form->grab().toImage();
    ASSERT_EQ(scaled.size(), (QSize(int(std::ceil(645 * ratio)), int(std::ceil(324 * ratio)))));
    plain = QImage(form->size(), QImage::Format_RGB32);
    form->render(&plain);
  }

  bool Whole() const { return ratio == std::floor(ratio); }
  int R() const { return int(ratio); }

  // Whether every device pixel of each window pixel of area shows the colour
  // that pixel has at ratio 1: fills and lines scale as whole blocks.
  ::testing::AssertionResult BlocksMatch(const QRect& area) const {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        for (int d = 0; d < R() * R(); ++d) {
          const QPoint device(x * R() + d % R(), y * R() + d / R());
          if (scaled.pixel(device) != plain.pixel(x, y))
            return ::testing::AssertionFailure()
                   << "window pixel " << x << "," << y << " differs at device pixel " << device.x()
                   << "," << device.y();
        }
    return ::testing::AssertionSuccess();
  }

  QRect Area(const TControl* c, const QRect& local) const {
    return local.translated(c->mapTo(form.get(), QPoint(0, 0)));
  }
  QRect Device(const QRect& r) const {
    return QRect(QPoint(int(r.left() * ratio), int(r.top() * ratio)),
                 QPoint(int(std::ceil((r.right() + 1) * ratio)) - 1,
                        int(std::ceil((r.bottom() + 1) * ratio)) - 1));
  }
  // Whether the ink of area is more than whole blocks, i.e. drawn at the
  // device resolution rather than enlarged.
  bool FinerThanBlocks(const QRect& area) const {
    const QRect d = Device(area);
    for (int y = d.top(); y < d.bottom(); y += R())
      for (int x = d.left(); x < d.right(); x += R())
        if (scaled.pixel(x, y) != scaled.pixel(x + 1, y) ||
            scaled.pixel(x, y) != scaled.pixel(x, y + 1))
          return true;
    return false;
  }

  double ratio = 1;
  QImage scaled;
  QImage plain;
};

TEST_F(HiDpi, FillsAndLinesCoverWholeBlocksOfDevicePixels) {
  if (!Whole()) GTEST_SKIP() << "blocks are whole at whole ratios only";
  struct Rule {
    QPoint at;
    TColor color;
  };
  const TControl* bar = form->ad1;
  const TControl* track = form->StyledTrackBar1;
  const TControl* sw = form->BitToggleSwitch[0];
  const TControl* nibble = form->GradientLabel[0];
  // A switch's ColorOff field, the track bar's black strip row, the status
  // bar's separator and a nibble readout's band boundary below its text.
  const Rule rules[] = {
      {sw->mapTo(form.get(), QPoint(3, 3)), clRed},
      {track->mapTo(form.get(), QPoint(15, 65)), clBlack},
      {track->mapTo(form.get(), QPoint(16, 65)), clBlack},
      {bar->mapTo(form.get(), QPoint(460, 1)), RGB(215, 230, 250)},
      {bar->mapTo(form.get(), QPoint(461, 1)), RGB(228, 239, 252)},
      {nibble->mapTo(form.get(), QPoint(34, 13)), RGB(231, 231, 64)},
      {nibble->mapTo(form.get(), QPoint(35, 13)), RGB(229, 229, 60)},
  };
  for (const Rule& r : rules) {
    EXPECT_TRUE(PixelIs(plain, r.at.x(), r.at.y(), r.color));
    EXPECT_TRUE(BlocksMatch(QRect(r.at, QSize(1, 1))));
  }
  // Whole areas without text: a switch's lever half, the track bar's strip
  // and ticks below the thumb, the status bar's separators, a nibble readout's
  // band row, a frame, a spin button and a selector.
  const QRect areas[] = {
      Area(sw, QRect(0, 17, 17, 16)),
      Area(track, QRect(0, 30, 49, 103)),
      Area(bar, QRect(455, 0, 10, bar->height())),
      Area(nibble, QRect(10, 13, 55, 1)),  // clear of the button over its left end
      QRect(8, 152, 633, 2),
      Area(form->NumSpinEdit4->SpinButton(), form->NumSpinEdit4->SpinButton()->rect()),
      Area(form->as1, form->as1->rect()),
  };
  for (const QRect& a : areas) EXPECT_TRUE(BlocksMatch(a)) << a.x() << "," << a.y();
}

TEST_F(HiDpi, TextIsDrawnAtTheDeviceResolution) {
  // The big red "A", a readout, and the state text a switch composes off screen.
  for (const TControl* c :
       {static_cast<TControl*>(form->Label[13]), static_cast<TControl*>(form->Label[12])}) {
    const QRect area = Area(c, c->rect());
    const QRect one = InkBox(plain, area, PixelColor(plain, area.left(), area.top()));
    const QRect many =
        InkBox(scaled, Device(area), PixelColor(scaled, Device(area).left(), Device(area).top()));
    ASSERT_FALSE(one.isNull());
    EXPECT_NEAR(many.height(), one.height() * ratio, ratio + 1) << c->Name();
    EXPECT_NEAR(many.width(), one.width() * ratio, 0.1 * one.width() * ratio) << c->Name();
    if (Whole() && R() > 1) {
      EXPECT_TRUE(FinerThanBlocks(area)) << c->Name();
    }
  }
  if (Whole() && R() > 1) {
    EXPECT_TRUE(FinerThanBlocks(Area(form->BitToggleSwitch[0], QRect(2, 2, 13, 14))));
  }
}
