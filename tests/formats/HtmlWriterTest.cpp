#include "formats/HtmlWriter.h"

#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "document/StageDocument.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zt {
namespace {

using Lines = std::vector<std::string>;

StageDocument Empty(StageType type) {
  StageDocument doc;
  doc.stageType = type;
  return doc;
}

long Count(const Lines& lines, const std::string& needle) {
  return std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(needle) != std::string::npos; });
}

const std::string* FindLine(const Lines& lines, const std::string& start) {
  for (const std::string& l : lines)
    if (l.rfind(start, 0) == 0) return &l;
  return nullptr;
}

// The value of a PARAM line.
std::string ValueOf(const std::string& line) {
  const std::size_t start = line.find("VALUE=\"") + 7;
  return line.substr(start, line.rfind("\">") - start);
}

// The values of every stage row line of a stage suffix ("" for stage 1).
std::string StageText(const Lines& page, const std::string& suffix) {
  std::string text;
  for (const std::string& l : page) {
    if (l.rfind("<PARAM NAME=\"map", 0) != 0) continue;
    const std::string name = l.substr(13, l.find('"', 13) - 13);
    const bool plain = name.size() <= 7 && name.find("-", 5) == std::string::npos;
    if (suffix.empty() ? plain : name.size() > 2 && name.substr(name.size() - 2) == suffix) text += ValueOf(l);
  }
  return text;
}

TEST(HtmlWriter, LineCountsPerTypeAndCommentOption) {
  struct Case {
    StageType type;
    bool comment;
    std::size_t lines;
  } cases[] = {{StageType::OneStage, false, 167}, {StageType::FourStage, false, 476}, {StageType::MapStage, false, 542},
               {StageType::OneStage, true, 360},  {StageType::FourStage, true, 734},  {StageType::MapStage, true, 821}};
  for (const Case& c : cases) {
    PageOptions options;
    options.comment = c.comment;
    EXPECT_EQ(WriteHtml(Empty(c.type), options).size(), c.lines) << int(c.type) << " " << c.comment;
  }
}

TEST(HtmlWriter, EmptyLinesWithoutComments) {
  const Lines page = WriteHtml(Empty(StageType::FourStage), {});
  // After each of the 12 row blocks, after scroll_mode_s and _t, after
  // stage_max, around jibun_left_shoki and after score_1up_1, and before the
  // three stage backgrounds and the stage-number screen colour.
  EXPECT_EQ(std::count(page.begin(), page.end(), std::string()), 12 + 2 + 1 + 3 + 4);
  const auto after = [&](const std::string& start) {
    const auto it = std::find_if(page.begin(), page.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    return it + 1 != page.end() && (it + 1)->empty();
  };
  EXPECT_TRUE(after("<PARAM NAME=\"scroll_mode_s\""));
  EXPECT_TRUE(after("<PARAM NAME=\"scroll_mode_t\""));
  EXPECT_FALSE(after("<PARAM NAME=\"scroll_mode_f\""));
  EXPECT_TRUE(after("<PARAM NAME=\"stage_max\""));
  EXPECT_TRUE(after("<PARAM NAME=\"jibun_left_shoki\""));
  EXPECT_TRUE(after("<PARAM NAME=\"score_1up_1\""));
  EXPECT_TRUE(after("<PARAM NAME=\"backcolor_blue\""));
}

TEST(HtmlWriter, WhichTypesCarryWhichParameters) {
  for (StageType type : {StageType::OneStage, StageType::FourStage, StageType::MapStage}) {
    const Lines page = WriteHtml(Empty(type), {});
    const bool four = type == StageType::FourStage, map = type == StageType::MapStage;
    EXPECT_EQ(Count(page, "\"filename_chizu\""), 1);
    EXPECT_EQ(Count(page, "\"stage_select\" VALUE=\"2\""), map ? 1 : 0);
    for (const char* name : {"\"stage_max\"", "\"stage_kaishi\"", "\"kaishi_red\"", "\"kaishi_green\"", "\"kaishi_blue\""})
      EXPECT_EQ(Count(page, name), four ? 1 : 0) << name;
    EXPECT_EQ(Count(page, "\"scroll_mode_s\""), type == StageType::OneStage ? 0 : 1);
    EXPECT_EQ(Count(page, "\"chizu-"), map ? 9 : 0);
    EXPECT_EQ(Count(page, "\"door_score\""), map ? 1 : 0);
    EXPECT_EQ(Count(page, "-f\""), type == StageType::OneStage ? 0 : 90);
  }
}

TEST(HtmlWriter, LineForms) {
  StageDocument doc = Empty(StageType::MapStage);
  doc.stages[0].at(0, 7) = 1;
  doc.stages[0].at(59, 7) = 255;
  doc.stages[3].at(179, 29) = 65;
  doc.world.at(14, 8) = 20;
  doc.SetInt(ParamId::time_max, -5);
  doc.SetText(ParamId::url1, Sjis("http://例"));
  const Lines page = WriteHtml(doc, {});
  EXPECT_EQ(page.front(), "<APPLET CODE=\"ZarnoConstruction\" WIDTH=\"512\" HEIGHT=\"320\" ARCHIVE=\"zc_c.zip\">");
  EXPECT_EQ(*FindLine(page, "<PARAM NAME=\"map0-7\""), "<PARAM NAME=\"map0-7\"  VALUE=\"A" + std::string(58, '.') + "0\">");
  EXPECT_EQ(*FindLine(page, "<PARAM NAME=\"map0-12\""), "<PARAM NAME=\"map0-12\" VALUE=\"" + std::string(60, '.') + "\">");
  EXPECT_EQ(*FindLine(page, "<PARAM NAME=\"map2-29-f\""),
            "<PARAM NAME=\"map2-29-f\" VALUE=\"" + std::string(59, '.') + "/\">");
  EXPECT_EQ(*FindLine(page, "<PARAM NAME=\"chizu-8\""), "<PARAM NAME=\"chizu-8\"  VALUE=\"" + std::string(14, '.') + "3\">");
  EXPECT_EQ(*FindLine(page, "<PARAM NAME=\"time_max\""), "<PARAM NAME=\"time_max\" VALUE=\"-5\">");
  EXPECT_EQ(*FindLine(page, "<PARAM NAME=\"url1\""), "<PARAM NAME=\"url1\" VALUE=\"" + Sjis("http://例") + "\">");
  EXPECT_EQ(page.back(), "</APPLET>");
}

TEST(HtmlWriter, HeaderAndFooterSurroundThePage) {
  StageDocument doc = Empty(StageType::OneStage);
  doc.headerLines = {"<HTML>", "<BODY>"};
  doc.footerLines = {"</BODY>"};
  const Lines page = WriteHtml(doc, {});
  EXPECT_EQ(page[0], "<HTML>");
  EXPECT_EQ(page[2].rfind("<APPLET", 0), 0u);
  EXPECT_EQ(page[page.size() - 2], "</APPLET>");
  EXPECT_EQ(page.back(), "</BODY>");
}

TEST(HtmlWriter, MapPrintLeavesOutEmptyRowsButKeepsTheBlocks) {
  PageOptions options;
  options.mapPrint = true;
  StageDocument doc = Empty(StageType::OneStage);
  Lines page = WriteHtml(doc, options);
  EXPECT_EQ(Count(page, "\"map"), 0);
  EXPECT_EQ(std::count(page.begin(), page.end(), std::string()), 3);
  options.comment = true;
  page = WriteHtml(doc, options);
  EXPECT_EQ(Count(page, "0123456789012345678901234567890123456789012345678901234567890123456789"), 0);
  EXPECT_EQ(Count(page, "012345678901234567890123456789012345678901234567890123456789-->"), 3);
  doc.stages[0].at(61, 4) = 27;
  options.comment = false;
  page = WriteHtml(doc, options);
  EXPECT_EQ(Count(page, "\"map"), 1);
  EXPECT_NE(FindLine(page, "<PARAM NAME=\"map1-4\""), nullptr);
}

TEST(HtmlWriter, StartOverrideMovesThePlayerOnTheCurrentStageOnly) {
  StageDocument doc = Empty(StageType::FourStage);
  doc.currentStage = 1;
  doc.stages[0].at(3, 3) = 1;
  doc.stages[1].at(100, 10) = 1;
  doc.stages[1].at(150, 2) = 1;
  PageOptions options;
  options.comment = true;
  const Lines page = WriteHtml(doc, options, {true, 5, 20});
  EXPECT_EQ(ValueOf(*FindLine(page, "<PARAM NAME=\"map0-20-s\"")), std::string(5, '.') + "A" + std::string(54, '.'));
  const std::string stage2 = StageText(page, "-s");
  ASSERT_EQ(stage2.size(), 5400u);
  EXPECT_EQ(std::count(stage2.begin(), stage2.end(), 'A'), 1);
  const std::string stage1 = StageText(page, "");
  ASSERT_EQ(stage1.size(), 5400u);
  EXPECT_EQ(std::count(stage1.begin(), stage1.end(), 'A'), 1); // stage 1 keeps its player
  EXPECT_EQ(ValueOf(*FindLine(page, "<PARAM NAME=\"map0-3\"")).find('A'), 3u);
  const auto kaishi = std::find(page.begin(), page.end(), "<PARAM NAME=\"stage_kaishi\" VALUE=\"2\">");
  ASSERT_NE(kaishi, page.end());
  EXPECT_EQ(*(kaishi - 1), Sjis("<!--  デバッグ中 現在2ステージからです。                    -->"));
  // A one-line player override leaves the stored document alone.
  EXPECT_EQ(doc.stages[1].at(100, 10), 1);
}

TEST(HtmlWriter, TextWithLineBreaksStaysOnOneLine) {
  StageDocument doc = Empty(StageType::OneStage);
  doc.SetText(ParamId::hitokoto1_1, "a\r\nb\nc");
  const Lines page = WriteHtml(doc, {});
  EXPECT_EQ(*FindLine(page, "<PARAM NAME=\"hitokoto1-1\""), "<PARAM NAME=\"hitokoto1-1\" VALUE=\"a\\'0D\\'0Ab\\'0Ac\">");
  EXPECT_EQ(page.size(), 167u);
}

TEST(HtmlWriter, CreditLinesComeLast) {
  StageDocument doc = Empty(StageType::OneStage);
  doc.footerLines = {"</HTML>"};
  PageOptions options;
  options.viewCopyright = true;
  const Lines page = WriteHtml(doc, options);
  ASSERT_EQ(page.size(), 167u + 1 + 2);
  EXPECT_EQ(page[page.size() - 3], "</HTML>");
  EXPECT_NE(page[page.size() - 2].find("Zarno Tool++"), std::string::npos);
  EXPECT_EQ(page.back().rfind("<!--", 0), 0u);
}

} // namespace
} // namespace zt
