#include <gtest/gtest.h>

#include <QFontMetrics>
#include <string>

#include "framework/text/draw_text.h"
#include "framework/text/font.h"
#include "framework/text/text.h"

using namespace bitcalc::framework;

// Measured as the sum of its characters' advances, a run is exactly as wide as
// Qt lays it out: every printable character of the code page, alone and in
// runs of seven across it, in the faces and sizes the program draws with.
TEST(TextWidths, RunsAreAsWideAsQtLaysThemOut) {
  std::string bytes;
  for (int b = 0x20; b < 0x100; ++b)
    if (b != 0x7F) bytes += char(b);
  const QString chars = FromCp1250(bytes);
  for (const char* name : {"MS Sans Serif", "Arial", "Segoe UI"}) {
    for (int height : {-11, -13, -19, 16}) {
      for (TFontStyles style : {0u, unsigned(fsBold), unsigned(fsItalic)}) {
        TFont font;
        font.SetName(name);
        font.SetHeight(height);
        font.SetStyle(style);
        const QFont q = font.ToQFont();
        const TTextWidths widths(q);
        const QFontMetrics qt(q);
        for (qsizetype i = 0; i < chars.size(); ++i) {
          SCOPED_TRACE(testing::Message() << name << " " << height << " " << style << " at " << i);
          ASSERT_EQ(widths.Of(chars.mid(i, 1)), qt.horizontalAdvance(chars.mid(i, 1)));
          ASSERT_EQ(widths.Of(chars.mid(i, 7)), qt.horizontalAdvance(chars.mid(i, 7)));
        }
      }
    }
  }
}
