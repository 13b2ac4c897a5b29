#include "core/value_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace bitcalc::core;

namespace {

struct TFormCase {
  std::uint16_t Value;
  TValueForm Form;
  std::string Text;
};

TEST(ValueText, EveryFormAtItsEdges) {
  const TFormCase cases[] = {
      {0, TValueForm::Decimal, "0"},
      {65535, TValueForm::Decimal, "65535"},
      {0, TValueForm::Hex, "0x0000"},
      {0xABCD, TValueForm::Hex, "0xABCD"},
      {0, TValueForm::Binary, "0000000000000000"},
      {0x8001, TValueForm::Binary, "1000000000000001"},
      {32767, TValueForm::Signed, "32767"},
      {32768, TValueForm::Signed, "-32768"},
      {65535, TValueForm::Signed, "-1"},
      // High byte first; plain ASCII, then letters of the code page's upper
      // half in UTF-8 (S with caron, l with stroke, dot above at 0xFF).
      {0x4142, TValueForm::Character, "AB"},
      {0x8AB3, TValueForm::Character, "\xC5\xA0\xC5\x82"},
      {0x80FF, TValueForm::Character, "\xE2\x82\xAC\xCB\x99"},
      // Escaped: code 0, controls, DEL and the unassigned codes; 0x20 and
      // the no-break space 0xA0 are characters.
      {0x0000, TValueForm::Character, "\\x00\\x00"},
      {0x1F7F, TValueForm::Character, "\\x1F\\x7F"},
      {0x8183, TValueForm::Character, "\\x81\\x83"},
      {0x8890, TValueForm::Character, "\\x88\\x90"},
      {0x9820, TValueForm::Character, "\\x98 "},
      {0xA05C, TValueForm::Character, "\xC2\xA0\\"},
  };
  for (const TFormCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Value << " form " << int(c.Form));
    EXPECT_EQ(ValueText(c.Value, c.Form), c.Text);
  }
}

TEST(ValueText, BinaryNibblesGroupHighNibbleFirst) {
  EXPECT_EQ(BinaryNibblesText(0x1234), "0001 0010 0011 0100");
  EXPECT_EQ(BinaryNibblesText(0xFFFF), "1111 1111 1111 1111");
}

}  // namespace
