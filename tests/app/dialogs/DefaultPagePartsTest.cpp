#include "app/config/DefaultPageParts.h"
#include "document/Cp932Codec.h"
#include "document/ProductInfo.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zt {
namespace {

// The texts are written to Shift-JIS files: every character must survive.
TEST(DefaultPageParts, EveryLineSurvivesShiftJis) {
  for (const auto* lines : {&DefaultHeaderLines(), &DefaultFooterLines()})
    for (const std::string& line : *lines) EXPECT_EQ(Utf8FromShiftJis(ShiftJisFromUtf8(line)), line);
}

TEST(DefaultPageParts, HeaderOpensThePageAndTheCentredBlock) {
  const auto& header = DefaultHeaderLines();
  ASSERT_FALSE(header.empty());
  EXPECT_EQ(header.front(), "<HTML>");
  EXPECT_EQ(header.back(), "<CENTER>");
  EXPECT_NE(std::find(header.begin(), header.end(), "<TITLE>Zarno コンストラクション  サンプルゲーム</TITLE>"),
            header.end());
  EXPECT_NE(std::find(header.begin(), header.end(), "<BODY BGCOLOR=\"silver\">"), header.end());
}

TEST(DefaultPageParts, FooterClosesWhatTheHeaderOpenedAndLinksTheSupportPage) {
  const auto& footer = DefaultFooterLines();
  ASSERT_GE(footer.size(), 3u);
  EXPECT_EQ(footer.front(), "</CENTER>");
  EXPECT_EQ(footer[footer.size() - 2], "</BODY>");
  EXPECT_EQ(footer.back(), "</HTML>");
  const std::string link = std::string("<A HREF=\"") + kSupportSite + "\">サポートページ</A>へ移動する。<P>";
  EXPECT_NE(std::find(footer.begin(), footer.end(), link), footer.end());
  for (const char* line : {"<H2>キーボード操作</H2>", "<H2>遊び方</H2>", "ゲーム画面をマウスでクリックすると、ゲーム開始です。<P>"})
    EXPECT_NE(std::find(footer.begin(), footer.end(), line), footer.end()) << line;
}

} // namespace
} // namespace zt
