#include "formats/KanjiConversion.h"

#include "document/Cp932Codec.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(DetectKanjiCode, Table) {
  struct Case {
    std::string text;
    KanjiCode code;
  } cases[] = {
      {"", KanjiCode::Ascii},
      {"x", KanjiCode::Ascii},
      {"plain ascii\r\n", KanjiCode::Ascii},
      {"\x82", KanjiCode::Ascii},                     // one byte: the last byte is never a first byte
      {"\x82\xA0", KanjiCode::ShiftJis},             // 0x82 is a Shift-JIS lead byte
      {"a\x1B$B0!\x1B(B", KanjiCode::JisNew},
      {"\x1B$@0!\x1B(J", KanjiCode::JisOld},
      {"\xA4\xA2z", KanjiCode::EucOrShiftJis},        // 161-223 then 161-223: undecided
      {"\xB0\xF5z", KanjiCode::Euc},                  // second byte 240-254
      {"\xF0\xA1z", KanjiCode::Euc},                  // first byte 240-254
      {"\x8E\xB1z", KanjiCode::EucOrShiftJis},        // single shift 2 with a katakana byte
      {"\x8E\x40z", KanjiCode::ShiftJis},
      {"\xE0\x40z", KanjiCode::ShiftJis},
      {"\xE0\xFDz", KanjiCode::Euc},
      {"\xB1\xE0\x81z", KanjiCode::ShiftJis},         // the run after 224-239 finds a Shift-JIS byte
      {"\xB1\xE0\xFDz", KanjiCode::Euc},              // ... or an EUC one
      {"\xB1\x80z", KanjiCode::ShiftJis},             // second byte up to 159
      {"abc\x01xyz", KanjiCode::Binary},              // a control byte in the first 512
      {"abc\xFFxyz", KanjiCode::Binary},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectKanjiCode(c.text), c.code) << c.text;
}

TEST(DetectKanjiCode, BinaryOnlyCountsInTheFirst512Bytes) {
  std::string text(600, 'a');
  text[550] = '\x01';
  // After the pre-scan, the main scan still stops at the control byte.
  EXPECT_EQ(DetectKanjiCode(text), KanjiCode::Binary);
  text = std::string(600, 'a');
  text[550] = '\x82';
  text[551] = '\xA0';
  text[560] = '\x01';
  EXPECT_EQ(DetectKanjiCode(text), KanjiCode::ShiftJis); // decided before the control byte
}

TEST(KanjiConversion, JisAndEucBecomeShiftJis) {
  const std::string sjis = Sjis("漢字とカナ、ASCII混じり");
  // "漢字" in JIS X 0208 is 0x34 0x41, 0x3B 0x7A.
  EXPECT_EQ(JisToShiftJis("\x1B$B4A;z\x1B(B"), Sjis("漢字"));
  EXPECT_EQ(EucToShiftJis("\xB4\xC1\xBB\xFA"), Sjis("漢字"));
  EXPECT_EQ(EucToShiftJis("\x8E\xB1"), "\xB1"); // half-width katakana
  EXPECT_EQ(ToShiftJis("\x1B$B4A;z\x1B(B\r\n"), Sjis("漢字") + "\r\n");
  EXPECT_EQ(ToShiftJis("\xB4\xC1\xBB\xFA\xA4\xC8x"), Sjis("漢字と") + "x"); // decided EUC by 0xFA
  EXPECT_EQ(ToShiftJis(sjis), sjis);
}

TEST(KanjiConversion, UnconvertedCodesComeBackUnchanged) {
  for (const std::string& text : {std::string("ascii"), std::string("\x01\x82\xA0"), std::string("\xA4\xA2z")})
    EXPECT_EQ(ToShiftJis(text), text);
}

TEST(KanjiConversion, EscapeRightAfterAnEscapeIsAnOrdinaryByte) {
  // After ESC $ B the next byte is taken as is even when it is another ESC:
  // in kanji mode it pairs with the byte after it.
  std::string expected;
  JisPairToShiftJis(27, '(', expected);
  JisPairToShiftJis('B', 'x', expected);
  EXPECT_EQ(JisToShiftJis("\x1B$B\x1B(Bx"), expected);
  // Outside kanji mode it is copied.
  EXPECT_EQ(JisToShiftJis("\x1B(B\x1B$"), "\x1B$");
}

TEST(KanjiConversion, CutOffPairsAreDropped) {
  EXPECT_EQ(JisToShiftJis("\x1B$B4"), "");
  EXPECT_EQ(JisToShiftJis("\x1B$"), "");
  EXPECT_EQ(EucToShiftJis("a\xB4"), "a");
  EXPECT_EQ(EucToShiftJis("a\x8E"), "a");
}

TEST(KanjiConversion, PairArithmetic) {
  struct Case {
    unsigned char c1, c2;
    const char* sjis;
  } cases[] = {{0x21, 0x21, "\x81\x40"}, {0x24, 0x22, "\x82\xA0"}, {0x30, 0x21, "\x88\x9F"}, {0x7E, 0x7E, "\xEF\xFC"},
               {0x5F, 0x21, "\xE0\x40"}};
  for (const Case& c : cases) {
    std::string out;
    JisPairToShiftJis(c.c1, c.c2, out);
    EXPECT_EQ(out, c.sjis) << int(c.c1) << "," << int(c.c2);
  }
}

} // namespace
} // namespace zt
