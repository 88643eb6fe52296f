#include "app/settings/HeaderFooterFields.h"
#include "document/ProductInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zt {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kScriptOpen = R"(<SCRIPT TYPE="text/javascript" LANGUAGE="JavaScript">)";
constexpr std::size_t kFixedFooterItems = 45;

// The always-present part of the footer, after the optional parts.
Lines FixedFooter(const Lines& footer) { return Lines(footer.end() - kFixedFooterItems, footer.end()); }

TEST(HeaderLines, InitialFormGivesSixLinesWithSilverBackground) {
  EXPECT_EQ(MakeHeaderLines({}), (Lines{"<HTML>", "<HEAD>", "<TITLE>Zarnoコンストラクション</TITLE>", "</HEAD>",
                                        R"(<BODY BGCOLOR="silver">)", R"(<DIV ID="zarno" ALIGN="center">)"}));
}

TEST(HeaderLines, EmptyBackgroundColourLeavesTheAttributeOut) {
  HeaderFooterFields fields;
  fields.backcolor = "";
  EXPECT_EQ(MakeHeaderLines(fields)[4], "<BODY>");
}

TEST(HeaderLines, BlinkingAddsTheScriptInTheHead) {
  HeaderFooterFields fields;
  fields.point = true;
  fields.title = "題名";
  const Lines header = MakeHeaderLines(fields);
  ASSERT_EQ(header.size(), 21u);
  EXPECT_EQ(header[2], "<TITLE>題名</TITLE>");
  EXPECT_EQ(Lines(header.begin() + 3, header.begin() + 18),
            (Lines{kScriptOpen, "<!--", "var visible = true;", "function blink(){", "  if(visible){",
                   R"(    document.all("zarno").style.visibility="hidden";)", "    visible=false;", "  }", "  else{",
                   R"(    document.all("zarno").style.visibility="visible";)", "    visible=true;", "  }", "}", "//-->",
                   "</SCRIPT>"}));
  EXPECT_EQ(header[18], "</HEAD>");
  EXPECT_EQ(header[20], R"(<DIV ID="zarno" ALIGN="center">)");
}

TEST(FooterLines, InitialFormGivesTheDivEndAndTheFortyFiveFixedItems) {
  const HeaderFooterFields fields;
  const Lines footer = MakeFooterLines(fields);
  ASSERT_EQ(footer.size(), 46u);
  EXPECT_EQ(footer[0], "</DIV>");
  const Lines expected{
      "", "<BR>", "<BR>", "<HR>", "<BR>", "", "", "<H2>キーボード操作</H2>", "", "<DL>",
      "<DT>（←），（４）", "<DD>左へ歩く。素早く２回押すと走る。", "<DT>（→），（６）",
      "<DD>右へ歩く。素早く２回押すと走る。", "<DT>（スペース），（Ｚ）", "<DD>ジャンプする。", "<DT>（Ｔ）",
      "<DD>タイトル画面に戻る。", "</DL>", "", "ゲーム画面をマウスでクリックすると、ゲーム開始です。<P>", "", "",
      "<BR>", "<HR>", "<BR>", "", "", "<H2>遊び方</H2>", "", fields.text + "<P>", "", "", "<BR>", "<HR>", "<BR>", "",
      "", std::string("<a href = \"") + kSupportSite + "\">サポートページ</A>へ移動する。<P>", "", "", "</BODY>", "",
      "", "</HTML>"};
  EXPECT_EQ(FixedFooter(footer), expected);
}

TEST(FooterLines, DescriptionKeepsTheLineBreaksTheUserEntered) {
  HeaderFooterFields fields;
  fields.text = "一行目\n二行目";
  const Lines footer = MakeFooterLines(fields);
  ASSERT_EQ(footer.size(), 46u);
  EXPECT_EQ(footer[31], "一行目\n二行目<P>");
}

struct MusicCase {
  const char* what;
  bool autostart, inf;
  int looptimes;
  bool viewc;
  int cwidth, cheight;
  const char* line;
};

class MusicLine : public ::testing::TestWithParam<MusicCase> {};

TEST_P(MusicLine, FollowsTheFormAndCentresOnlyAShownControlBar) {
  const MusicCase& c = GetParam();
  HeaderFooterFields fields;
  fields.bgmfile = "bgm.mid";
  fields.autostart = c.autostart;
  fields.inf = c.inf;
  fields.looptimes = c.looptimes;
  fields.viewc = c.viewc;
  fields.cwidth = c.cwidth;
  fields.cheight = c.cheight;
  const Lines footer = MakeFooterLines(fields);
  const Lines music = c.viewc ? Lines{"</DIV>", "", R"(<DIV ALIGN="center">)", c.line, "</DIV>"}
                              : Lines{"</DIV>", "", c.line};
  ASSERT_EQ(footer.size(), music.size() + kFixedFooterItems);
  EXPECT_EQ(Lines(footer.begin(), footer.begin() + static_cast<std::ptrdiff_t>(music.size())), music);
  EXPECT_EQ(FixedFooter(footer), FixedFooter(MakeFooterLines({})));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MusicLine,
    ::testing::Values(
        MusicCase{"initial", false, false, 0, false, 180, 40,
                  R"(<EMBED SRC="bgm.mid" AUTOSTART="false" LOOP="0" HIDDEN="true" WIDTH="180" HEIGHT="40">)"},
        MusicCase{"control bar", true, false, 3, true, 180, 40,
                  R"(<EMBED SRC="bgm.mid" AUTOSTART="true" LOOP="3" HIDDEN="false" WIDTH="180" HEIGHT="40">)"},
        MusicCase{"endless loop ignores the count", false, true, 5, false, 180, 40,
                  R"(<EMBED SRC="bgm.mid" AUTOSTART="false" LOOP="true" HIDDEN="true" WIDTH="180" HEIGHT="40">)"},
        MusicCase{"zero width", false, false, 0, true, 0, 40,
                  R"(<EMBED SRC="bgm.mid" AUTOSTART="false" LOOP="0" HIDDEN="false" HEIGHT="40">)"},
        MusicCase{"negative height", false, false, 0, false, 200, -1,
                  R"(<EMBED SRC="bgm.mid" AUTOSTART="false" LOOP="0" HIDDEN="true" WIDTH="200">)"},
        MusicCase{"no sizes", false, false, -2, false, 0, 0,
                  R"(<EMBED SRC="bgm.mid" AUTOSTART="false" LOOP="-2" HIDDEN="true">)"}),
    [](const auto& testInfo) {
      std::string name = testInfo.param.what;
      for (char& ch : name)
        if (ch == ' ') ch = '_';
      return name;
    });

TEST(FooterLines, BlinkingStartsTheTimerAfterTheMusic) {
  HeaderFooterFields fields;
  fields.point = true;
  fields.inter = 250;
  fields.bgmfile = "a.wav";
  const Lines footer = MakeFooterLines(fields);
  ASSERT_EQ(footer.size(), 1u + 2u + 5u + kFixedFooterItems);
  EXPECT_EQ(Lines(footer.begin() + 3, footer.begin() + 8),
            (Lines{kScriptOpen, "<!--", R"js(setInterval("blink()",250);)js", "//-->", "</SCRIPT>"}));
}

} // namespace
} // namespace zt
