#include "formats/ProjectFile.h"

#include "document/ParameterCatalogue.h"
#include "document/StageDocument.h"
#include "formats/Cryptogram.h"
#include "formats/FileError.h"
#include "formats/TextFile.h"
#include "support/FileFixture.h"
#include "support/SampleDocuments.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using P = ParamId;
using Lines = std::vector<std::string>;

class ProjectFileTest : public ::testing::Test {
 protected:
  std::string Save(StageDocument& d, const std::string& name, ProjectWriteOptions options = {}) {
    return WriteProject(d, fx.folder.file(name), options, fx.context).value_or("");
  }
  ReadOutcome Open(const std::string& name) { return ReadProject(doc, fx.folder.file(name), fx.context); }
  std::string ErrorOf(const std::string& name) {
    try {
      Open(name);
    } catch (const FileError& e) {
      return e.what();
    }
    return "";
  }

  test::FileFixture fx;
  StageDocument doc;
};

TEST_F(ProjectFileTest, LayoutPerType) {
  struct Case {
    StageType type;
    std::size_t gameSpeedLine; // 1-based
    const char* label;
  } cases[] = {{StageType::OneStage, 105, "#1ステージ"}, {StageType::FourStage, 215, "#4ステージ"},
               {StageType::MapStage, 288, "#地図版"}};
  for (const Case& c : cases) {
    StageDocument d = test::SampleDocument(c.type);
    d.SetInt(P::game_speed, 4321);
    const Lines lines = ProjectLines(d);
    EXPECT_EQ(lines[0], "#File Version");
    EXPECT_EQ(lines[1], "3");
    EXPECT_EQ(lines[2], Sjis(c.label));
    EXPECT_EQ(lines[3], std::to_string(static_cast<int>(c.type)));
    EXPECT_EQ(lines[c.gameSpeedLine - 1], "4321");
    // header, "<split>", footer, "<split>"
    EXPECT_EQ(lines.size(), c.gameSpeedLine + d.headerLines.size() + 1 + d.footerLines.size() + 1);
    EXPECT_EQ(lines[c.gameSpeedLine + d.headerLines.size()], "<split>");
    EXPECT_EQ(lines.back(), "<split>");
  }
}

TEST_F(ProjectFileTest, CellsAreTwoHexDigits) {
  doc.stageType = StageType::OneStage;
  doc.stages[0].at(0, 0) = 65;
  doc.stages[0].at(179, 0) = 255;
  doc.stages[1].at(0, 0) = 7; // not written for one stage
  const Lines lines = ProjectLines(doc);
  EXPECT_EQ(lines[4].size(), 360u);
  EXPECT_EQ(lines[4].substr(0, 4), "4100");
  EXPECT_EQ(lines[4].substr(356), "00FF");
  Save(doc, "one.zpp");
  StageDocument back;
  ASSERT_EQ(ReadProject(back, fx.folder.file("one.zpp"), fx.context), ReadOutcome::Completed);
  EXPECT_EQ(back.stages[0].at(179, 0), 255);
  EXPECT_EQ(back.stages[1].at(0, 0), 0);
}

TEST_F(ProjectFileTest, ReadingSetsNameAndLoadsButNotModified) {
  StageDocument d = test::SampleDocument(StageType::FourStage);
  const std::string path = Save(d, "game.zpp");
  doc.SetModified(true);
  doc.currentStage = 2;
  ASSERT_EQ(Open("game.zpp"), ReadOutcome::Completed);
  EXPECT_EQ(doc.documentName, path);
  EXPECT_TRUE(doc.loaded);
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(doc.currentStage, 2);
  EXPECT_EQ(doc.stages, d.stages);
  EXPECT_EQ(doc.headerLines, d.headerLines);
  EXPECT_EQ(fx.dialogs.log.back(), "opened : " + path);
  EXPECT_EQ(fx.hooks.recentFiles, (Lines{path, path}));
  EXPECT_EQ(fx.hooks.selectorItems.back(), 4);

  ASSERT_EQ(Open("game.zpp"), ReadOutcome::Completed); // a second read does not add up header lines
  EXPECT_EQ(doc.headerLines, d.headerLines);
  EXPECT_EQ(doc.footerLines, d.footerLines);
}

TEST_F(ProjectFileTest, OneStageReadShowsStageOne) {
  StageDocument d = test::SampleDocument(StageType::OneStage);
  Save(d, "one.zpp");
  doc.currentStage = 3;
  ASSERT_EQ(Open("one.zpp"), ReadOutcome::Completed);
  EXPECT_EQ(doc.currentStage, 0);
}

TEST_F(ProjectFileTest, VersionTwoHasNoStageNumberColour) {
  StageDocument d = test::SampleDocument(StageType::FourStage);
  Lines lines = ProjectLines(d);
  lines[1] = "2";
  // The last three four-stage values come after score_1up_2, right before
  // the common group (72 values less filename_chizu).
  const std::size_t kaishi = 4 + 120 + 17;
  lines.erase(lines.begin() + kaishi, lines.begin() + kaishi + 3);
  WriteTextLines(fx.folder.file("v2.zpp"), lines);
  doc.SetInt(P::kaishi_red, 11);
  doc.SetInt(P::kaishi_green, 12);
  doc.SetInt(P::kaishi_blue, 13);
  ASSERT_EQ(Open("v2.zpp"), ReadOutcome::Completed);
  EXPECT_EQ(doc.Int(P::kaishi_red), 11);
  EXPECT_EQ(doc.Int(P::kaishi_blue), 13);
  EXPECT_EQ(doc.Int(P::game_speed), d.Int(P::game_speed));
  EXPECT_EQ(doc.Int(P::score_1up_2), d.Int(P::score_1up_2));
}

TEST_F(ProjectFileTest, OldVersionIsRefusedAndChangesNothing) {
  fx.folder.Write("old.zpp", "#File Version\r\n1\r\n#1\r\n0\r\n");
  doc.stages[0].at(1, 1) = 5;
  EXPECT_EQ(Open("old.zpp"), ReadOutcome::Stopped);
  EXPECT_EQ(fx.dialogs.notices, Lines{"ファイルのバージョンが2未満です。"});
  EXPECT_EQ(doc.stages[0].at(1, 1), 5);
  EXPECT_FALSE(doc.loaded);
}

TEST_F(ProjectFileTest, BrokenFilesEndTheReadWithAMessage) {
  StageDocument d = test::SampleDocument(StageType::MapStage);
  const Lines good = ProjectLines(d);
  struct Case {
    const char* what;
    Lines lines;
    std::string message;
  } cases[] = {
      {"empty", {}, "ファイルが途中で終わっています (1行目がありません)"},
      {"cut after the type", Lines(good.begin(), good.begin() + 4), "ファイルが途中で終わっています (5行目がありません)"},
      {"cut in the middle", Lines(good.begin(), good.begin() + 200), "ファイルが途中で終わっています (201行目がありません)"},
      {"version not a number", {"#File Version", "x3", "#", "0"}, "'x3' は整数ではありません"},
      {"unknown type", {"#File Version", "3", "#", "5"}, "ステージタイプが正しくありません (5)"},
      {"bad cell", [&] { Lines l = good; l[4 + 9 + 63][6] = 'G'; return l; }(), "'$G" + good[76].substr(7, 1) + "' は整数ではありません"},
      {"short row", [&] { Lines l = good; l[4 + 9 + 63].resize(359); return l; }(), "'$" + good[76].substr(358, 1) + "' は整数ではありません"},
      {"no header end", [&] { Lines l = good; l.resize(l.size() - 1 - d.footerLines.size() - 1); return l; }(),
       "ファイルのヘッダの終わり(<split>)が見つかりません"},
  };
  for (const Case& c : cases) {
    WriteTextLines(fx.folder.file("bad.zpp"), c.lines);
    EXPECT_EQ(ErrorOf("bad.zpp"), c.message) << c.what;
  }
}

TEST_F(ProjectFileTest, HeaderAndFooterRules) {
  StageDocument d = test::SampleDocument(StageType::OneStage);
  Lines lines = ProjectLines(d);
  const std::size_t afterValues = 105;
  struct Case {
    const char* what;
    Lines tail;
    Lines header, footer;
  } cases[] = {
      {"both closed", {"h", "<split>", "f", "<split>"}, {"h"}, {"f"}},
      {"footer not closed: last line left out", {"h", "<split>", "f1", "f2"}, {"h"}, {"f1"}},
      {"two empty parts", {"<split>", "<split>"}, {}, {}},
      {"lines after the end", {"<split>", "f", "<split>", "junk"}, {}, {"f"}},
      {"nothing: the configured files", {}, {"<HTML>", "<BODY>"}, {"</BODY>", "</HTML>"}},
      {"one line: the configured files", {"lonely"}, {"<HTML>", "<BODY>"}, {"</BODY>", "</HTML>"}},
  };
  for (const Case& c : cases) {
    Lines file(lines.begin(), lines.begin() + afterValues);
    file.insert(file.end(), c.tail.begin(), c.tail.end());
    WriteTextLines(fx.folder.file("hf.zpp"), file);
    ASSERT_EQ(Open("hf.zpp"), ReadOutcome::Completed) << c.what;
    EXPECT_EQ(doc.headerLines, c.header) << c.what;
    EXPECT_EQ(doc.footerLines, c.footer) << c.what;
  }
}

TEST_F(ProjectFileTest, FileNames) {
  doc.stageType = StageType::OneStage;
  EXPECT_EQ(Save(doc, "plain"), fx.folder.file("plain.zpp"));
  EXPECT_TRUE(fx.folder.Exists("plain.zpp"));
  EXPECT_EQ(fx.hooks.beforeWrite, 1);

  // The ".cmd" format is read-only: nothing is written and the user is told.
  EXPECT_EQ(Save(doc, "stage.CMD"), "");
  ProjectWriteOptions allFiles;
  allFiles.allFilesFilter = true;
  EXPECT_EQ(Save(doc, "noext", allFiles), "");
  EXPECT_FALSE(fx.folder.Exists("stage.CMD"));
  EXPECT_FALSE(fx.folder.Exists("noext.cmd"));
  EXPECT_EQ(fx.dialogs.notices.size(), 2u);
}

TEST_F(ProjectFileTest, BookmarkFileBesideTheProject) {
  doc.stageType = StageType::OneStage;
  Save(doc, "a.zpp");
  EXPECT_FALSE(fx.folder.Exists("a.sri")); // no bookmarks: nothing written
  fx.folder.Write("a.sri", "old\r\n");
  Save(doc, "a.zpp");
  EXPECT_EQ(fx.folder.Read("a.sri"), "old\r\n"); // ... and an existing file left alone

  doc.bookmarks = {Sjis("しおり1") + ",120,5,2", "b,0,0,0"};
  Save(doc, "a.zpp");
  EXPECT_EQ(fx.folder.Read("a.sri"), Sjis("しおり1") + ",120,5,2\r\nb,0,0,0\r\n");

  StageDocument back;
  ASSERT_EQ(ReadProject(back, fx.folder.file("a.zpp"), fx.context), ReadOutcome::Completed);
  EXPECT_EQ(back.bookmarks, doc.bookmarks);

  fx.context.settings.bookmarksWithProjects = false;
  StageDocument other;
  other.bookmarks = {"mine,1,1,0"};
  ASSERT_EQ(ReadProject(other, fx.folder.file("a.zpp"), fx.context), ReadOutcome::Completed);
  EXPECT_EQ(other.bookmarks, Lines{"mine,1,1,0"});
}

TEST_F(ProjectFileTest, EncryptedProjects) {
  StageDocument d = test::SampleDocument(StageType::MapStage);
  ProjectWriteOptions locked;
  locked.encrypt = true;
  locked.password = "secret";
  Save(d, "locked.zpp", locked);
  EXPECT_EQ(fx.folder.Read("locked.zpp").substr(0, 8), std::string("\x17\x00LOCKED", 8));

  fx.dialogs.passwords = {std::string("wrong")};
  EXPECT_EQ(Open("locked.zpp"), ReadOutcome::Stopped);
  EXPECT_EQ(fx.dialogs.notices.back(), "パスワードが違います");
  EXPECT_FALSE(doc.loaded);

  fx.dialogs.passwords = {std::nullopt};
  EXPECT_EQ(Open("locked.zpp"), ReadOutcome::Stopped);

  fx.dialogs.passwords = {std::string("secret")};
  ASSERT_EQ(Open("locked.zpp"), ReadOutcome::Completed);
  EXPECT_EQ(doc.world, d.world);
  EXPECT_EQ(doc.Text(P::serifu12_3), d.Text(P::serifu12_3));
  EXPECT_FALSE(fx.folder.Exists("tmp.$$$"));

  // An empty password leaves the copy enciphered, which then cannot be read.
  fx.dialogs.passwords = {std::string()};
  StageDocument fresh;
  doc = fresh;
  EXPECT_FALSE(ErrorOf("locked.zpp").empty());
  EXPECT_FALSE(doc.loaded);
}

TEST_F(ProjectFileTest, PasswordsThatCouldNeverOpenTheFileAreRefused) {
  for (const std::string& password : {std::string(33, 'x'), std::string("a\x9C" "b")}) {
    ProjectWriteOptions locked;
    locked.encrypt = true;
    locked.password = password;
    EXPECT_EQ(Save(doc, "never.zpp", locked), "");
    EXPECT_FALSE(fx.folder.Exists("never.zpp"));
  }
  EXPECT_EQ(fx.dialogs.notices.size(), 2u);
  ProjectWriteOptions empty;
  empty.encrypt = true;
  EXPECT_EQ(Save(doc, "plain.zpp", empty), fx.folder.file("plain.zpp")); // written, but plain
  EXPECT_EQ(fx.dialogs.notices.back(), "暗号化に失敗しました。");
  EXPECT_EQ(fx.folder.Read("plain.zpp").substr(0, 5), "#File");
}

TEST_F(ProjectFileTest, CmdFilesFillTheCurrentStage) {
  fx.folder.Write("old.cmd", "[stage]\r\nstage_type=1\r\n[stage1]\r\nmap1-05=AB0\r\nmap0-00=" + std::string(70, 'a') + "\r\n");
  doc.currentStage = 2;
  ASSERT_EQ(ReadCmd(doc, fx.folder.file("old.cmd")), ReadOutcome::Completed);
  EXPECT_EQ(doc.stageType, StageType::FourStage);
  EXPECT_TRUE(doc.loaded);
  const StageGrid& grid = doc.stages[2];
  EXPECT_EQ(grid.at(60, 5), 1);
  EXPECT_EQ(grid.at(61, 5), 2);
  EXPECT_EQ(grid.at(62, 5), 255);
  EXPECT_EQ(grid.at(63, 5), 255); // beyond the value
  EXPECT_EQ(grid.at(59, 0), 27);
  EXPECT_EQ(grid.at(60, 0), 255); // a missing key
  EXPECT_EQ(doc.stages[0], StageGrid{});
}

} // namespace
} // namespace zt
