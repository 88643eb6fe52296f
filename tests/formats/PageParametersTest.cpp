#include "formats/PageParameters.h"

#include "formats/FileError.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::ScriptedDialogs;
using Lines = std::vector<std::string>;

struct Lookup {
  ScriptedDialogs dialogs;
  std::string Text(Lines lines, const std::string& name) {
    PageParameters page(std::move(lines), dialogs);
    return page.GetParamText(name);
  }
};

TEST(PageParameters, FindsValuesAsTheGameWritesThem) {
  struct Case {
    const char* what;
    Lines lines;
    std::string name;
    std::string expected;
  } cases[] = {
      {"plain", {R"(<PARAM NAME="time_max" VALUE="300">)"}, "time_max", "300"},
      {"last line wins", {R"(<PARAM NAME="time_max" VALUE="1">)", R"(<PARAM NAME="time_max" VALUE="2">)"}, "time_max", "2"},
      {"inside a comment", {R"(<!-- <PARAM NAME="time_max" VALUE="7"> -->)"}, "time_max", "7"},
      {"blanks around VALUE", {"<PARAM NAME=\"time_max\"\t  VALUE=\"8\"  >"}, "time_max", "8"},
      {"pattern ignores the case of the rest", {R"(<PARAM NAME="time_max" value="9">)"}, "time_max", "9"},
      {"non-greedy value", {R"(<PARAM NAME="time_max" VALUE="a" x="b">)"}, "time_max", "a\" x=\"b"},
      {"quote inside the value", {R"(<PARAM NAME="url1" VALUE="say "hi"">)"}, "url1", "say \"hi\""},
      {"two tags on a line", {R"(<PARAM NAME="url1" VALUE="u"><PARAM NAME="time_max" VALUE="5">)"}, "time_max", "5"},
      {"empty value keeps the earlier one", {R"(<PARAM NAME="time_max" VALUE="3">)", R"(<PARAM NAME="time_max" VALUE="">)"}, "time_max", "3"},
  };
  for (Case& c : cases) {
    Lookup lookup;
    EXPECT_EQ(lookup.Text(c.lines, c.name), c.expected) << c.what;
    EXPECT_TRUE(lookup.dialogs.errors.empty()) << c.what;
  }
}

TEST(PageParameters, TagsTheContainmentTestDoesNotSee) {
  // Lower-case tags, two blanks and split tags are missed: the quick
  // containment test is exact and case-sensitive.
  const Lines variants[] = {
      {R"(<param name="time_max" value="5">)"},
      {R"(<PARAM  NAME="time_max" VALUE="5">)"},
      {R"(<PARAM NAME="time_max")", R"(VALUE="5">)"},
      {R"(<PARAM NAME="time_max_x" VALUE="5">)"},
      {R"(<PARAM NAME="TIME_MAX" VALUE="5">)"},
  };
  for (const Lines& lines : variants) {
    Lookup lookup;
    EXPECT_EQ(lookup.Text(lines, "time_max"), kNotExist) << lines[0];
    ASSERT_EQ(lookup.dialogs.errors.size(), 1u);
    EXPECT_EQ(lookup.dialogs.errors[0], "エラー0 パラメータ\"time_max\"の値が見つかりません。");
  }
}

TEST(PageParameters, PatternMatchesTheFirstTagOfTheNameEvenInAnotherCase) {
  // The exact tag later on the line lets the pattern run; the pattern itself
  // ignores case and finds the earlier upper-case tag first.
  Lookup lookup;
  EXPECT_EQ(lookup.Text({R"(<PARAM NAME="TIME_MAX" VALUE="1"><PARAM NAME="time_max" VALUE="2">)"}, "time_max"), "1");
}

TEST(PageParameters, TagStartingInsideAnotherTagsValue) {
  Lookup lookup;
  const Lines lines = {R"(<PARAM NAME="url1" VALUE="<PARAM NAME="time_max" VALUE="4">)"};
  EXPECT_EQ(lookup.Text(lines, "time_max"), "4");
  EXPECT_EQ(lookup.Text(lines, "url1"), R"(<PARAM NAME="time_max" VALUE="4)");
}

TEST(PageParameters, MissingValues) {
  ScriptedDialogs dialogs;
  PageParameters page({R"(<PARAM NAME="time_max" VALUE="">)"}, dialogs);
  EXPECT_EQ(page.GetParamText("map1-7-s"), std::string(60, '.')); // no error for map rows
  EXPECT_EQ(page.GetParamText("scroll_mode_s"), kNotExist);       // probes: no error
  EXPECT_EQ(page.GetParamText("stage_select"), kNotExist);
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_EQ(page.GetParamInt("time_max"), 1); // empty value: missing, reads 1
  EXPECT_EQ(page.GetParamText("chizu-3"), kNotExist);
  EXPECT_EQ(dialogs.errors, (std::vector<std::string>{"エラー0 パラメータ\"time_max\"の値が見つかりません。",
                                                       "エラー1 パラメータ\"chizu-3\"の値が見つかりません。"}));
  EXPECT_EQ(dialogs.errorsBefore, (std::vector<int>{0, 1}));
  EXPECT_EQ(dialogs.pausedMilliseconds, 20);
  EXPECT_EQ(page.errorCount(), 2);
}

TEST(PageParameters, Integers) {
  ScriptedDialogs dialogs;
  PageParameters page({R"(<PARAM NAME="a" VALUE="-56">)", R"(<PARAM NAME="b" VALUE="$1F">)",
                       R"(<PARAM NAME="c" VALUE="12x">)"},
                      dialogs);
  EXPECT_EQ(page.GetParamInt("a"), -56);
  EXPECT_EQ(page.GetParamInt("b"), 31);
  try {
    page.GetParamInt("c");
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(), "'12x' は整数ではありません");
  }
}

TEST(PageParameters, EscapesAreDecoded) {
  EXPECT_EQ(DecodeParamEscapes("\\'82\\'A0"), "\x82\xA0");
  EXPECT_EQ(DecodeParamEscapes("a\\'41b"), "aAb");
  EXPECT_EQ(DecodeParamEscapes("\\'0D\\'0a"), "\r\n");
  EXPECT_EQ(DecodeParamEscapes("\\'zz\\'41"), "\\'zzA"); // not hexadecimal: kept
  EXPECT_EQ(DecodeParamEscapes("end\\'4"), "end\\'4");
  // The trail byte 0x5C of a double-byte character is not a backslash.
  EXPECT_EQ(DecodeParamEscapes("\x95\x5C'41"), "\x95\x5C'41");

  std::string many;
  for (int i = 0; i < 205; ++i) many += "\\'41";
  const std::string decoded = DecodeParamEscapes(many);
  EXPECT_EQ(decoded, std::string(201, 'A') + "\\'41\\'41\\'41\\'41"); // at most 201 are decoded
}

TEST(PageParameters, EscapesInsideAPageValue) {
  Lookup lookup;
  EXPECT_EQ(lookup.Text({R"(<PARAM NAME="url2" VALUE="x\'82\'A0y">)"}, "url2"), "x\x82\xA0y");
}

} // namespace
} // namespace zt
