#include "document/Bookmark.h"
#include "document/Cp932Codec.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(Bookmark, LineForm) {
  EXPECT_EQ((Bookmark{"top", 120, 5, 2}.ToLine()), "top,120,5,2");
  EXPECT_EQ((Bookmark{"", -1, 0, 0}.ToLine()), ",-1,0,0");
}

TEST(Bookmark, ParsesWhatItWrites) {
  const Bookmark mark{Sjis("しおり1"), 90, 29, 3};
  const auto back = Bookmark::FromLine(mark.ToLine());
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, mark.name);
  EXPECT_EQ(back->x, 90);
  EXPECT_EQ(back->y, 29);
  EXPECT_EQ(back->stage, 3);
}

TEST(Bookmark, TrailByteThatLooksLikeACommaDoesNotSplit) {
  // 0x82 0x2C is not valid Shift-JIS, but a lead byte still takes the next
  // byte with it, so the comma byte belongs to the name.
  const std::string name = "a\x82,b";
  const auto back = Bookmark::FromLine(name + ",1,2,0");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, name);
  EXPECT_EQ(back->x, 1);
}

TEST(Bookmark, BadNumbersAreRejected) {
  for (const char* line : {"name", "name,1", "name,x,2,0", "name,1,2,", "a,b,1,2,0"})
    EXPECT_FALSE(Bookmark::FromLine(line).has_value()) << line;
}

} // namespace
} // namespace zt
