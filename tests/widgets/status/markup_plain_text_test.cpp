#include <gtest/gtest.h>

#include "widgets/status/markup_text.h"

using namespace bitcalc::widgets;

// What a status panel's markup reads as when read out rather than drawn.
TEST(MarkupPlainText, DropsTagsAndResolvesEntitiesAndPrefixes) {
  const struct {
    const char* markup;
    const char16_t* plain;
  } cases[] = {
      {"<b>Bold</b> and <font color=\"clred\">red</font>", u"Bold and red"},
      {"<a href=\"x\">link</a>", u"link"},
      {"a&amp;b &lt;tag&gt;&nbsp;x", u"a&b <tag> x"},
      {"&Save &euro;5", u"Save €5"},
      {"Tom & Jerry &x", u"Tom & Jerry &x"},  // a lone '&': taken literally
      {"one<br>two\rthree\n", u"one\ntwo\nthree"},
      {"shown<z> hidden</z> again", u"shown again"},
      {"pomiar\xF3w", u"pomiarów"},  // code page 1250
      {"cut <b", u"cut "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MarkupPlainText(c.markup), QString::fromUtf16(c.plain)) << c.markup;
}
