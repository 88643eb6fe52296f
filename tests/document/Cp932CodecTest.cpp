#include "document/Cp932Codec.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(Cp932Codec, RoundTripsJapaneseText) {
  const std::string utf8 = "ｶﾀｶﾅとひらがな、漢字①～ＳＣＯＲＥ";
  const std::string sjis = ShiftJisFromUtf8(utf8);
  EXPECT_NE(sjis, utf8);
  EXPECT_EQ(Utf8FromShiftJis(sjis), utf8);
}

TEST(Cp932Codec, KnownBytes) {
  EXPECT_EQ(ShiftJisFromUtf8("無題"), "\x96\xB3\x91\xE8");
  EXPECT_EQ(ShiftJisFromUtf8("ア"), "\x83\x41");
  EXPECT_EQ(Utf8FromShiftJis("\xB1"), "ｱ"); // half-width katakana is one byte
}

TEST(Cp932Codec, InvalidInputIsReplacedNotDropped) {
  EXPECT_EQ(Utf8FromShiftJis("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(Utf8FromShiftJis("ab\x82"), "ab\xEF\xBF\xBD"); // cut-off double-byte character
  EXPECT_EQ(ShiftJisFromUtf8("x😀y"), "x?y");          // no such character in code page 932
  EXPECT_EQ(ShiftJisFromUtf8("x\xC3y"), "x?y");        // broken UTF-8
}

TEST(Cp932Codec, LongTextCrossesTheBuffer) {
  std::string utf8;
  for (int i = 0; i < 5000; ++i) utf8 += "あa";
  EXPECT_EQ(Utf8FromShiftJis(ShiftJisFromUtf8(utf8)), utf8);
}

} // namespace
} // namespace zt
