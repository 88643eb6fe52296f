#include "document/ShiftJisText.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(ShiftJisText, FindStepsOverDoubleByteCharacters) {
  // "\x83\x41" is katakana A; its trail byte 0x41 is not the letter "A".
  EXPECT_EQ(FindShiftJis("\x83\x41" "A", "A"), 2u);
  EXPECT_EQ(FindShiftJis("xA", "A"), 1u);
  EXPECT_EQ(FindShiftJis("\x83\x41", "A"), std::string_view::npos);
  EXPECT_EQ(FindShiftJis("abc", ""), 0u);
  EXPECT_EQ(FindShiftJis("ab", "abc"), std::string_view::npos);
  EXPECT_EQ(FindShiftJis("a\x82", "\x82"), 1u); // a lead byte at the end is one character
}

TEST(ShiftJisText, FirstAndLastField) {
  std::string text = "a,b,c";
  EXPECT_EQ(FirstField(text, ','), "a");
  EXPECT_EQ(text, "b,c");
  EXPECT_EQ(LastField(text, ','), "c");
  EXPECT_EQ(text, "b");
  EXPECT_EQ(FirstField(text, ','), "b");
  EXPECT_EQ(text, "");

  std::string sjis = "\x95\x5C,x"; // a character whose trail byte is 0x5C
  EXPECT_EQ(FirstField(sjis, '\x5C'), "\x95\x5C,x");
}

TEST(ShiftJisText, SplitLinesAcceptsEveryLineEnd) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), (V{"a"}));
  EXPECT_EQ(SplitLines("a\n\nb"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitLines("\n"), (V{""}));
  EXPECT_EQ(SplitLines(""), V{});
  EXPECT_EQ(SplitLines("a\n\r"), (V{"a", ""}));
}

} // namespace
} // namespace zt
