#include "MainWindowFixture.h"

#include "app/config/RecentFiles.h"
#include "app/window/CommandTable.h"
#include "app/window/FileCommands.h"
#include "app/window/PageControl.h"
#include "app/window/StatusLine.h"
#include "document/ParameterCatalogue.h"
#include "formats/TextFile.h"

#include <QAction>

namespace zt::test {
namespace {

using FileCommandsTest = MainWindowFixture;

std::string StatusOf(MainWindow& w) { return w.findChild<StatusLine*>()->fullText().toStdString(); }

TEST_F(FileCommandsTest, SaveReopenAndThePageRoundTrip) {
  MainWindow& w = Window();
  NewDocument(StageType::FourStage);
  StageDocument& doc = w.document();
  doc.stages[1].at(10, 5) = 27;
  doc.stages[0].at(0, 29) = 1;
  doc.SetModified(true);

  files.saves.push_back(FileChoice{home.file("game"), 0}); // no extension typed
  w.commands().action(Command::Save)->trigger();
  EXPECT_TRUE(home.Exists("game.zpp"));
  EXPECT_EQ(doc.documentName, home.file("game.zpp"));
  EXPECT_FALSE(doc.modified());
  EXPECT_EQ(w.windowTitle().toStdString(), "Zarno Tool++ - game.zpp");
  EXPECT_EQ(StatusOf(w), "保存しました -> " + home.file("game.zpp"));
  EXPECT_EQ(dialogs.log.back(), "saved : " + home.file("game.zpp"));
  EXPECT_EQ(files.saveRequests.back().initialPath, "*.zpp");

  files.saves.push_back(FileChoice{home.file("html/out"), 0});
  w.commands().action(Command::MakeHtmlFile)->trigger();
  EXPECT_TRUE(home.Exists("html/out.html"));
  EXPECT_EQ(StatusOf(w), "HTML作成完了 -> " + home.file("game.zpp"));
  EXPECT_EQ(files.saveRequests.back().initialPath, home.dir() + "html/*.htm");
  EXPECT_EQ(files.saveRequests.back().filter, "HTMLファイル(*.htm;*.html)|*.htm;*.html");

  const StageGrid saved = doc.stages[1];
  doc.stages[1].at(10, 5) = 0;
  doc.SetModified(false);
  files.opens.push_back(FileChoice{home.file("game.zpp"), 0});
  w.commands().action(Command::Open)->trigger();
  EXPECT_EQ(doc.stages[1], saved);
  EXPECT_EQ(dialogs.log.back(), "opened : " + home.file("game.zpp"));

  doc.stages[1].at(10, 5) = 0;
  files.opens.push_back(FileChoice{home.file("html/out.html"), 0});
  w.commands().action(Command::LoadHtmlFile)->trigger();
  EXPECT_EQ(doc.stages[1], saved);
  EXPECT_EQ(doc.documentName, kUntitled);
  EXPECT_EQ(w.recentFiles().entries()[0], home.file("html/out.html"));
  EXPECT_EQ(w.recentFiles().entries()[1], home.file("game.zpp"));
}

TEST_F(FileCommandsTest, AModifiedDocumentIsOfferedForSaving) {
  MainWindow& w = Window();
  NewDocument(StageType::OneStage);
  w.document().SetModified(true);
  dialogs.answers = {Answer::Cancel};
  w.commands().action(Command::Open)->trigger();
  EXPECT_TRUE(files.openRequests.empty()); // cancelled before the dialog
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0].text, "「無題」\r\nは変更されています。\r\n保存しますか？");
  EXPECT_EQ(dialogs.questions[0].buttons, Buttons::YesNoCancel);
}

TEST_F(FileCommandsTest, PagesAreReadOnlyFromTheMapPage) {
  MainWindow& w = Window();
  NewDocument(StageType::OneStage);
  w.pages().setCurrentIndex(kSettingsPage);
  w.commands().action(Command::LoadHtmlFile)->trigger();
  EXPECT_EQ(dialogs.notices, std::vector<std::string>{"「マップ」タブを選択してから実行してください。"});
  EXPECT_TRUE(files.openRequests.empty());
}

TEST_F(FileCommandsTest, CommandsNeedADocument) {
  MainWindow& w = Window();
  for (const Command c : {Command::Save, Command::SaveAs1, Command::K1, Command::MakeHtmlFile})
    w.commands().action(c)->trigger();
  EXPECT_TRUE(files.saveRequests.empty());
}

TEST_F(FileCommandsTest, SavingEncrypted) {
  MainWindow& w = Window();
  NewDocument(StageType::OneStage);
  w.document().stages[0].at(3, 3) = 5;

  files.saves.push_back(FileChoice{home.file("locked.zpp"), 0});
  w.commands().action(Command::K1)->trigger(); // password dialog cancelled
  EXPECT_EQ(w.document().documentName, home.file("locked.zpp"));
  EXPECT_FALSE(home.Exists("locked.zpp"));

  files.saves.push_back(FileChoice{home.file("locked.zpp"), 0});
  dialogs.passwords = {std::string("pw")};
  w.commands().action(Command::K1)->trigger();
  EXPECT_EQ(home.Read("locked.zpp").substr(2, 6), "LOCKED");
  EXPECT_EQ(StatusOf(w), "保存しました -> " + home.file("locked.zpp"));

  w.document().stages[0].at(3, 3) = 0;
  files.opens.push_back(FileChoice{home.file("locked.zpp"), 0});
  dialogs.passwords = {std::string("pw")};
  w.commands().action(Command::Open)->trigger();
  EXPECT_EQ(w.document().stages[0].at(3, 3), 5);
}

TEST_F(FileCommandsTest, OldStageFilesOpenThroughEitherFilter) {
  MainWindow& w = Window();
  NewDocument(StageType::OneStage);
  home.Write("old.CMD", "[stage1]\r\nmap1-05=AB\r\n");
  files.opens.push_back(FileChoice{home.file("old.CMD"), 0}); // the project filter, but a .cmd name
  w.commands().action(Command::Open)->trigger();
  EXPECT_EQ(w.document().GetCell(60, 5), 1);
  EXPECT_EQ(w.document().GetCell(61, 5), 2);
}

} // namespace
} // namespace zt::test
