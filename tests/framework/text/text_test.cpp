#include <gtest/gtest.h>

#include <set>
#include <string>

#include "codepage/cp1250.h"
#include "framework/text/text.h"

using namespace bitcalc::framework;

TEST(Cp1250, EveryByteSurvivesTheRoundTripThroughUnicode) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const QString unicode = FromCp1250(all);
  ASSERT_EQ(unicode.size(), 256);
  EXPECT_EQ(ToCp1250(unicode), all);

  // One to one: no two bytes share a character.
  std::set<char16_t> seen;
  for (QChar c : unicode) seen.insert(c.unicode());
  EXPECT_EQ(seen.size(), 256u);
}

TEST(Cp1250, CentralEuropeanLettersAndUnassignedCodes) {
  struct Case {
    unsigned char byte;
    char16_t unicode;
  };
  const Case cases[] = {
      {0x41, u'A'},   {0x80, 0x20AC},  // euro sign
      {0x8A, 0x0160}, {0x9A, 0x0161},  // S and s with caron
      {0xA3, 0x0141}, {0xB9, 0x0105},  // L with stroke, a with ogonek
      {0xEA, 0x0119}, {0xFF, 0x02D9},  // e with ogonek, dot above
      {0x81, 0x0081}, {0x83, 0x0083}, {0x88, 0x0088},
      {0x90, 0x0090}, {0x98, 0x0098},  // unassigned: same-numbered C1 controls
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.byte));
    EXPECT_EQ(bitcalc::codepage::ToUnicode(c.byte), c.unicode);
    EXPECT_EQ(bitcalc::codepage::FromUnicode(c.unicode), c.byte);
  }
}

TEST(Cp1250, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach) {
  // Latin-1 letters that 1250 replaced, a CJK character, and an emoji
  // written as a surrogate pair.
  EXPECT_EQ(ToCp1250(u"\u00C0\u00E0"), "??");
  EXPECT_EQ(ToCp1250(u"x\u4E2Dy"), "x?y");
  EXPECT_EQ(ToCp1250(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                       "b")),
            "a?b");
  EXPECT_EQ(ToCp1250(u"\u00C1rv\u00EDzt\u0171r\u0151"), "\xC1rv\xEDzt\xFBr\xF5");
}

TEST(Caption, EndsAtTheFirstZeroByte) {
  const std::string caption("Bit\0garbage", 11);
  EXPECT_EQ(CaptionText(caption), "Bit");
  EXPECT_EQ(CaptionToQString(caption), QString("Bit"));
  EXPECT_EQ(CaptionText("no terminator"), "no terminator");
  EXPECT_EQ(CaptionText(std::string("\0x", 2)), "");
  EXPECT_EQ(CaptionToQString("\x8A\x9A"), QStringView(u"\u0160\u0161").toString());
}
