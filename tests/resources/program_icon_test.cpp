#include <gtest/gtest.h>

#include <QImage>

#include "resources/program_icon.h"

using namespace bitcalc::resources;

// The installed 32-pixel icon is made from the same artwork, so the icon the
// window shows must match it pixel for pixel, transparency included.
TEST(ProgramIcon, MatchesTheInstalledThirtyTwoPixelIcon) {
  const QImage icon = ProgramIcon();
  const QImage installed =
      QImage(QStringLiteral(QT_TESTCASE_SOURCEDIR
                            "/../packaging/icons/hicolor/32x32/apps/org.example.BitCalc.png"))
          .convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(icon.size(), QSize(32, 32));
  ASSERT_EQ(installed.size(), QSize(32, 32));
  int transparent = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb a = icon.pixel(x, y);
      const QRgb b = installed.pixel(x, y);
      if (qAlpha(b) == 0) {
        ++transparent;
        EXPECT_EQ(qAlpha(a), 0) << x << "," << y;
      } else {
        EXPECT_EQ(a, b) << x << "," << y;
      }
    }
  }
  EXPECT_GT(transparent, 0);
}
