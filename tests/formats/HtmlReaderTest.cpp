#include "formats/HtmlReader.h"

#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "document/StageDocument.h"
#include "formats/FileError.h"
#include "formats/HtmlWriter.h"
#include "formats/TextFile.h"
#include "support/FileFixture.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using P = ParamId;
using test::FileFixture;
using test::TempDir;

std::string Tag(const std::string& name, const std::string& value) {
  return "<PARAM NAME=\"" + name + "\" VALUE=\"" + value + "\">\r\n";
}

// A complete page of a type, as the writer makes it; with asciiOnly every
// text value is its parameter's name, so the page holds no Japanese text.
std::string PageOf(StageType type, bool asciiOnly = false) {
  StageDocument doc;
  doc.ApplyDefaults(); // start-up values leave the map texts empty, which no page can hold
  doc.stageType = type;
  if (asciiOnly)
    for (const GameParameter& p : AllParameters())
      if (p.kind == ParamKind::Text) doc.SetText(p.id, std::string(p.name));
  return JoinLinesCrLf(WriteHtml(doc, {}));
}

class HtmlReaderTest : public ::testing::Test {
 protected:
  ReadOutcome Read(const std::string& page, HtmlReadOptions options = {false}) {
    fx.folder.Write("page.htm", page);
    return ReadHtml(doc, fx.folder.file("page.htm"), fx.context, options);
  }
  FileFixture fx;
  StageDocument doc;
};

TEST_F(HtmlReaderTest, TypeIsDecidedByThePage) {
  struct Case {
    std::string page;
    StageType type;
  } cases[] = {
      {PageOf(StageType::OneStage), StageType::OneStage},
      {PageOf(StageType::FourStage), StageType::FourStage},
      {PageOf(StageType::MapStage), StageType::MapStage},
      {Tag("scroll_mode_s", "1"), StageType::FourStage},
      {Tag("stage_select", "2"), StageType::MapStage},
      {Tag("stage_select", "3") + Tag("scroll_mode_s", "1"), StageType::FourStage},
  };
  for (const Case& c : cases) {
    fx.dialogs.answers.assign(1, Answer::Yes);
    EXPECT_EQ(Read(c.page), ReadOutcome::Completed);
    EXPECT_EQ(doc.stageType, c.type);
    EXPECT_EQ(fx.hooks.selectorItems.back(), c.type == StageType::OneStage ? 1 : 4);
    EXPECT_EQ(fx.hooks.stageCommands.back(), c.type);
  }
}

TEST_F(HtmlReaderTest, CompletePageReadsWithoutErrors) {
  EXPECT_EQ(Read(PageOf(StageType::MapStage)), ReadOutcome::Completed);
  EXPECT_TRUE(fx.dialogs.errors.empty());
  EXPECT_TRUE(fx.dialogs.questions.empty());
  EXPECT_TRUE(doc.loaded);
  EXPECT_EQ(doc.headerLines, (std::vector<std::string>{"<HTML>", "<BODY>"}));
  EXPECT_EQ(doc.footerLines, (std::vector<std::string>{"</BODY>", "</HTML>"}));
}

TEST_F(HtmlReaderTest, RowsAreTakenCharacterByCharacter) {
  const std::string row = "AB.0" + std::string(60, 'z');
  EXPECT_EQ(Read(Tag("map1-5", row) + Tag("map2-29", "+-*/")), ReadOutcome::Completed);
  EXPECT_EQ(doc.stages[0].at(60, 5), 1);
  EXPECT_EQ(doc.stages[0].at(61, 5), 2);
  EXPECT_EQ(doc.stages[0].at(62, 5), 0);
  EXPECT_EQ(doc.stages[0].at(63, 5), 255); // "0" is no tile
  EXPECT_EQ(doc.stages[0].at(119, 5), 52); // characters after the 60th are ignored
  EXPECT_EQ(doc.stages[0].at(120, 5), 0);
  EXPECT_EQ(doc.stages[0].at(123, 29), 65);
  EXPECT_EQ(doc.stages[0].at(124, 29), 255); // beyond a short row
  EXPECT_EQ(doc.stages[0].at(0, 0), 0);      // missing rows are empty, without errors
}

TEST_F(HtmlReaderTest, FourStagePageWithoutStageRowsIsEmptyAndSilent) {
  doc.stages[1].at(4, 4) = 9;
  const std::string page = Tag("scroll_mode_s", "2") + Tag("map0-0", "A");
  fx.dialogs.answers.assign(1, Answer::Yes); // the other parameters are missing
  ASSERT_EQ(Read(page), ReadOutcome::Completed);
  EXPECT_EQ(doc.stageType, StageType::FourStage);
  EXPECT_EQ(doc.stages[1], StageGrid{});
  for (const std::string& error : fx.dialogs.errors) EXPECT_EQ(error.find("map"), std::string::npos) << error;
  EXPECT_EQ(doc.Int(P::scroll_mode_s), 2);
  EXPECT_EQ(doc.Int(P::scroll_mode_t), 1); // missing integer reads 1
}

TEST_F(HtmlReaderTest, MapPageWithoutWorldRows) {
  fx.dialogs.answers.assign(1, Answer::Yes);
  ASSERT_EQ(Read(Tag("stage_select", "2")), ReadOutcome::Completed);
  EXPECT_EQ(doc.stageType, StageType::MapStage);
  // "<notExist>" is read like a row: "E" and "i" are world codes.
  EXPECT_EQ(doc.world.at(0, 0), 0);  // "<"
  EXPECT_EQ(doc.world.at(4, 0), 5);  // "E"
  EXPECT_EQ(doc.world.at(6, 0), 14); // "i"
  EXPECT_EQ(doc.world.at(14, 8), 0);
  EXPECT_EQ(fx.dialogs.errors[0], "エラー0 パラメータ\"chizu-0\"の値が見つかりません。");
  EXPECT_EQ(doc.Text(P::mes1_name), "<notExist>");
}

TEST_F(HtmlReaderTest, ParametersOfOtherTypesKeepTheirValues) {
  doc.SetText(P::mes1_name, "kept");
  doc.SetInt(P::stage_max, 3);
  doc.SetText(P::filename_chizu, "mine.gif");
  fx.dialogs.answers.assign(1, Answer::Yes);
  ASSERT_EQ(Read(Tag("time_max", "5")), ReadOutcome::Completed);
  EXPECT_EQ(doc.Text(P::mes1_name), "kept");
  EXPECT_EQ(doc.Int(P::stage_max), 3);
  EXPECT_EQ(doc.Text(P::filename_chizu), "mine.gif"); // only map pages carry it
  EXPECT_EQ(doc.Int(P::time_max), 5);
  EXPECT_EQ(doc.Text(P::url1), "<notExist>");
}

TEST_F(HtmlReaderTest, ErrorsAreNumberedAndTheUserMayStop) {
  fx.dialogs.answers.assign(1, Answer::No);
  doc.headerLines = {"old"};
  EXPECT_EQ(Read(Tag("time_max", "")), ReadOutcome::Stopped);
  ASSERT_FALSE(fx.dialogs.errors.empty());
  EXPECT_EQ(fx.dialogs.errors[0], "エラー0 パラメータ\"time_max\"の値が見つかりません。");
  EXPECT_EQ(fx.dialogs.errors[1].rfind("エラー1 ", 0), 0u);
  ASSERT_EQ(fx.dialogs.questions.size(), 1u);
  EXPECT_EQ(fx.dialogs.questions[0].title, "エラー" + std::to_string(fx.dialogs.errors.size()) + "個");
  EXPECT_EQ(fx.dialogs.questions[0].text, "エラーがありました。続行しますか？");
  EXPECT_EQ(fx.dialogs.notices, (std::vector<std::string>{"ストップしました。\r\nファイルの中身を確認してください。"}));
  EXPECT_FALSE(doc.loaded);
  EXPECT_EQ(doc.headerLines, std::vector<std::string>{"old"}); // stopped before the reload
  EXPECT_EQ(doc.Int(P::time_max), 1);                          // values read so far stay
}

TEST_F(HtmlReaderTest, AValueThatIsNoIntegerStopsTheRead) {
  try {
    Read(PageOf(StageType::OneStage) + Tag("time_max", "77") + Tag("game_speed", "fast"));
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(), "'fast' は整数ではありません");
  }
  EXPECT_FALSE(doc.loaded);
  EXPECT_EQ(doc.Int(P::time_max), 77); // read before the stop
}

TEST_F(HtmlReaderTest, ByteParametersWrap) {
  ASSERT_EQ(Read(PageOf(StageType::OneStage) + Tag("scroll_mode", "300") + Tag("score_v", "200")), ReadOutcome::Completed);
  EXPECT_EQ(doc.Int(P::scroll_mode), 44);
  EXPECT_EQ(doc.Int(P::score_v), -56);
}

TEST_F(HtmlReaderTest, NameIsKeptOnlyForALoadedNamedDocument) {
  const std::string page = PageOf(StageType::OneStage);
  doc.documentName = "/x/game.zpp";
  Read(page);
  EXPECT_EQ(doc.documentName, kUntitled); // not loaded yet
  doc.documentName = "/x/game.zpp";
  Read(page);
  EXPECT_EQ(doc.documentName, "/x/game.zpp");
  EXPECT_FALSE(doc.modified());
}

TEST_F(HtmlReaderTest, JisAndEucPagesReadLikeTheirShiftJisForm) {
  // "漢字" as JIS X 0208 (0x34 0x41, 0x3B 0x7A) in each code.
  const std::string value = Sjis("漢字");
  const std::string jis = "\x1B$B4A;z\x1B(B";
  const std::string euc = "\xB4\xC1\xBB\xFA";
  const std::string base = PageOf(StageType::FourStage, true);
  Read(base + Tag("url1", value));
  const StageDocument fromSjis = doc;
  for (const std::string& encoded : {jis, euc}) {
    StageDocument fresh;
    doc = fresh;
    Read(base + Tag("url1", encoded));
    EXPECT_EQ(doc.Text(P::url1), value);
    EXPECT_EQ(doc.stages, fromSjis.stages);
    for (const GameParameter& p : AllParameters()) {
      EXPECT_EQ(doc.Text(p.id), fromSjis.Text(p.id)) << p.name;
      EXPECT_EQ(doc.Int(p.id), fromSjis.Int(p.id)) << p.name;
    }
  }
}

TEST_F(HtmlReaderTest, MissingImagesAreOfferedFromThePageFolder) {
  // The page lies in a folder of its own; the HTML folder has none of the images.
  TempDir pageFolder;
  pageFolder.Write("title.gif", "GIF89a-title");
  pageFolder.Write("page.htm", PageOf(StageType::OneStage));
  fx.dialogs.answers = {Answer::Yes, Answer::No, Answer::Yes, Answer::Yes};
  ASSERT_EQ(ReadHtml(doc, pageFolder.file("page.htm"), fx.context), ReadOutcome::Completed);

  ASSERT_EQ(fx.dialogs.questions.size(), 4u);
  EXPECT_EQ(fx.dialogs.questions[0].title, "警告");
  EXPECT_EQ(fx.dialogs.questions[0].text, fx.folder.dir() + "title.gif\r\n上記タイトル画像が存在しません。\r\n"
                                                            "HTMLファイルのあったフォルダからコピーしますか？");
  EXPECT_EQ(fx.dialogs.questions[3].text.find("上記パターン画像が存在しません。") != std::string::npos, true);
  EXPECT_EQ(fx.folder.Read("title.gif"), "GIF89a-title");
  EXPECT_EQ(fx.dialogs.notices, (std::vector<std::string>{"コピーしました"})); // the others are not there to copy
  EXPECT_EQ(doc.Text(P::filename_ending), "ending.gif"); // "No" sets the standard name
  EXPECT_EQ(fx.dialogs.pausedMilliseconds, 1000);       // after the pattern question
}

TEST_F(HtmlReaderTest, ImageNamesCannotLeaveTheirFolders) {
  TempDir pageFolder;
  pageFolder.Write("page.htm", PageOf(StageType::OneStage) + Tag("filename_title", "../escape.gif"));
  TempDir outside;
  fx.dialogs.answers = {Answer::Yes, Answer::No, Answer::No, Answer::No};
  ASSERT_EQ(ReadHtml(doc, pageFolder.file("page.htm"), fx.context), ReadOutcome::Completed);
  EXPECT_EQ(fx.dialogs.notices.at(0), "コピー出来ませんでした。\r\nファイルが存在するか確認してください");
}

} // namespace
} // namespace zt
