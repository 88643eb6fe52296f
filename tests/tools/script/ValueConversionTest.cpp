#include "tools/script/ValueConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zt::script {
namespace {

TEST(ReadInteger, DecimalAndHexadecimalWithin64Bits) {
  const struct {
    const char* text;
    std::optional<std::int64_t> value;
  } cases[] = {
      {"0", 0},
      {"  12", 12},
      {"+5", 5},
      {"-5", -5},
      {"$ff", 255},
      {"-$10", -16},
      {"9223372036854775807", INT64_MAX},
      {"-9223372036854775808", INT64_MIN},
      {"$8000000000000000", INT64_MIN},
      {"$FFFFFFFFFFFFFFFF", -1},
      {"9223372036854775808", std::nullopt},
      {"$10000000000000000", std::nullopt},
      {"", std::nullopt},
      {"$", std::nullopt},
      {"-", std::nullopt},
      {"12 ", std::nullopt},
      {"1.0", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadInteger(c.text), c.value) << c.text;
}

TEST(ReadReal, NumbersOnly) {
  EXPECT_EQ(ReadReal(" 1.5 "), 1.5);
  EXPECT_EQ(ReadReal("-.5"), -0.5);
  EXPECT_EQ(ReadReal("1."), 1.0);
  EXPECT_EQ(ReadReal("+2e3"), 2000.0);
  for (const char* text : {"", ".", "e5", "1e", "1e+", "inf", "nan", "0x1p3", "$10", "1.5x", "1e400"})
    EXPECT_FALSE(ReadReal(text).has_value()) << text;
}

TEST(RealToInteger, RangeAndHalves) {
  EXPECT_EQ(TruncToInteger(-9223372036854775808.0), INT64_MIN);
  EXPECT_FALSE(TruncToInteger(9223372036854775808.0).has_value());
  EXPECT_FALSE(TruncToInteger(std::numeric_limits<double>::quiet_NaN()).has_value());
  EXPECT_FALSE(RoundToInteger(std::numeric_limits<double>::infinity()).has_value());
  EXPECT_EQ(RoundToInteger(0.5), 0);
  EXPECT_EQ(RoundToInteger(1.5), 2);
  EXPECT_EQ(RoundToInteger(-1.5), -2);
  EXPECT_EQ(RoundToInteger(-0.5), 0);
  EXPECT_EQ(RoundToInteger(2.4999), 2);
}

TEST(FormatReal, SpecialValues) {
  EXPECT_EQ(FormatReal(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatReal(-std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(FormatReal(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(FormatReal(-0.0), "0");
  EXPECT_EQ(FormatReal(999999999999999.0), "999999999999999");
  EXPECT_EQ(FormatReal(1234567890123456789.0), "1.23456789012346E18");
}

TEST(ParseStringLiteral, LiteralForms) {
  const struct {
    const char* token;
    const char* value;
  } cases[] = {
      {"'abc'", "abc"}, {"'it''s'", "it's"}, {"''", ""},      {"'", ""},     {"'#65'", "#65"},
      {"#65", "A"},     {"#$41", "A"},       {"#$041", "A"}, {"#0655", "A"}, {"#300", ""},
      {"#$100", ""},    {"#", ""},           {"#$", ""},      {"'open", "'open"}, {"'a#66", "B"},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseStringLiteral(c.token), c.value) << c.token;
}

} // namespace
} // namespace zt::script
