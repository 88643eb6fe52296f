#include "document/IntegerText.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(IntegerText, Accepted) {
  struct Case {
    const char* text;
    std::int32_t value;
  } cases[] = {
      {"0", 0},         {"70", 70},           {"-56", -56},          {"+5", 5},
      {"  12", 12},     {"$FF", 255},         {"$ff", 255},          {"-$10", -16},
      {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1}, {"007", 7},
  };
  for (const Case& c : cases) {
    const auto v = ParseInteger(c.text);
    ASSERT_TRUE(v) << c.text;
    EXPECT_EQ(*v, c.value) << c.text;
  }
}

TEST(IntegerText, Rejected) {
  for (const char* text : {"", " ", "-", "$", "1.5", "12 ", "abc", "1e3", "2147483648", "-2147483649",
                           "$100000000", "0x10", "<notExist>"})
    EXPECT_FALSE(ParseInteger(text).has_value()) << text;
}

TEST(IntegerText, Message) { EXPECT_EQ(NotAnIntegerMessage("abc"), "'abc' は整数ではありません"); }

} // namespace
} // namespace zt
