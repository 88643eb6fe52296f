#include "MainWindowFixture.h"

#include "app/window/AutoRefresh.h"
#include "app/window/CommandTable.h"
#include "app/window/FileCommands.h"
#include "app/window/MessagePanel.h"
#include "app/window/PageControl.h"
#include "app/window/StatusLine.h"
#include "editor/map/MapPage.h"
#include "formats/ProjectFile.h"
#include "formats/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace zt::test {
namespace {

using MainWindowTest = MainWindowFixture;

bool CloseWindow(MainWindow& w) {
  QCloseEvent close;
  QApplication::sendEvent(&w, &close);
  return close.isAccepted();
}

TEST_F(MainWindowTest, StartsFromTheDefaultsWithoutAConfigurationFile) {
  MainWindow& w = Window();
  EXPECT_EQ(w.size(), QSize(840, 576));
  EXPECT_EQ(w.pos(), QPoint(0, 0));
  EXPECT_EQ(w.windowTitle().toStdString(), "Zarno Tool++ - 無題");
  EXPECT_EQ(w.pages().tabPosition(), QTabWidget::North);
  EXPECT_TRUE(w.messagePanel().isHidden());
  for (QToolBar* toolbar : w.commands().toolbars()) EXPECT_TRUE(toolbar->isMovable());
  EXPECT_FALSE(w.commands().action(Command::FixTool)->isChecked());
  for (const Command c : {Command::SelSt1, Command::SelSt2, Command::SelSt3, Command::SelSt4, Command::SelMap})
    EXPECT_FALSE(w.commands().action(c)->isEnabled());
  EXPECT_TRUE(w.commands().action(Command::SelSt1)->isChecked());
  EXPECT_EQ(w.autoRefresh().Ticked(), -1);
  EXPECT_EQ(w.tileSelector().count(), 66);
  EXPECT_FALSE(w.document().loaded);
}

TEST_F(MainWindowTest, StoredWindowSettingsAreApplied) {
  config->Write(keys::kWindowWidth, 900);
  config->Write(keys::kWindowHeight, 600);
  config->Write(keys::kWindowPosX, 20);
  config->Write(keys::kWindowPosY, 30);
  config->Write(keys::kTabPosition, 3);
  config->Write(keys::kAllowDrag, false);
  config->Write(keys::kMessagePanel, true);
  MainWindow& w = Window();
  EXPECT_EQ(w.size(), QSize(900, 600));
  EXPECT_EQ(w.pos(), QPoint(20, 30));
  EXPECT_EQ(w.pages().tabPosition(), QTabWidget::South);
  EXPECT_FALSE(w.commands().toolbars()[0]->isMovable());
  EXPECT_TRUE(w.commands().action(Command::FixTool)->isChecked());
  EXPECT_FALSE(w.messagePanel().isHidden());
}

TEST_F(MainWindowTest, PagesCannotChangeWithoutADocument) {
  MainWindow& w = Window();
  w.pages().setCurrentIndex(kSettingsPage);
  EXPECT_EQ(w.currentPage(), kMapPage);
  NewDocument(StageType::OneStage);
  w.pages().setCurrentIndex(kSettingsPage);
  EXPECT_EQ(w.currentPage(), kSettingsPage);
  EXPECT_FALSE(w.commands().action(Command::Cut)->isEnabled());
}

TEST_F(MainWindowTest, CloseQuestion) {
  struct Case {
    const char* what;
    bool modified;
    std::string name;
    std::deque<Answer> answers;
    std::deque<std::optional<FileChoice>> saves;
    bool closes;
    const char* written; // file expected afterwards, or ""
  } cases[] = {
      {"unmodified closes without asking", false, kUntitled, {}, {}, true, ""},
      {"cancel keeps the window", true, kUntitled, {Answer::Cancel}, {}, false, ""},
      {"no closes without saving", true, kUntitled, {Answer::No}, {}, true, ""},
      {"yes on an untitled document offers game.zpp; cancel keeps it open", true, kUntitled, {Answer::Yes}, {}, false,
       ""},
      {"yes saves under the chosen name", true, kUntitled, {Answer::Yes}, {FileChoice{"", 0}}, true, "chosen.zpp"},
      {"yes saves a named document", true, "named.zpp", {Answer::Yes}, {}, true, "named.zpp"},
  };
  for (Case& c : cases) {
    MainWindow& w = Window();
    NewDocument(StageType::FourStage);
    if (c.name != kUntitled) w.document().documentName = home.file(c.name);
    for (auto& save : c.saves) {
      if (save) save->path = home.file("chosen.zpp");
    }
    w.document().SetModified(c.modified);
    const std::string name = w.document().documentName;
    dialogs.questions.clear();
    dialogs.answers = c.answers;
    files.saves = c.saves;
    files.saveRequests.clear();
    EXPECT_EQ(CloseWindow(w), c.closes) << c.what;
    if (c.modified) {
      ASSERT_EQ(dialogs.questions.size(), 1u) << c.what;
      EXPECT_EQ(dialogs.questions[0].title, "確認");
      EXPECT_EQ(dialogs.questions[0].text, name + "は変更されています。\r\n保存しますか？");
    }
    if (c.answers == std::deque<Answer>{Answer::Yes} && c.name == kUntitled) {
      ASSERT_EQ(files.saveRequests.size(), 1u);
      EXPECT_EQ(files.saveRequests[0].initialPath, "game.zpp");
    }
    if (*c.written) {
      EXPECT_TRUE(home.Exists(c.written)) << c.what;
    }
  }
}

TEST_F(MainWindowTest, ClosingStoresTheWindowState) {
  MainWindow& w = Window();
  NewDocument(StageType::OneStage);
  w.AddRecentFile("/a/recent.zpp");
  w.resize(800, 500);
  w.move(12, 34);
  ASSERT_TRUE(CloseWindow(w));
  const AppConfig stored(home.file("zarnotool.ini"), home.dir());
  EXPECT_EQ(stored.Read(keys::kWindowWidth), 800);
  EXPECT_EQ(stored.Read(keys::kWindowHeight), 500);
  EXPECT_EQ(stored.Read(keys::kWindowPosX), 12);
  EXPECT_EQ(stored.Read(keys::kAutoReload), 1); // the refresh a document set-up chose
  EXPECT_FALSE(stored.Read(keys::kWindowMax));
  EXPECT_EQ(stored.ReadString("hfiles", "0", "?"), "/a/recent.zpp");
  EXPECT_EQ(stored.ReadString("hfiles", "9", "?"), "");
  home.Write("tmp.$$$", "scratch");
  EXPECT_TRUE(home.Exists("tmp.$$$"));
  Window();
  NewDocument(StageType::OneStage);
  ASSERT_TRUE(CloseWindow(*window));
  EXPECT_FALSE(home.Exists("tmp.$$$"));
}

TEST_F(MainWindowTest, RecentFilesMenuIsBuiltAtStartUp) {
  config->WriteString("hfiles", "0", home.file("gone.zpp"));
  config->WriteString("hfiles", "2", "/x/two.htm");
  MainWindow& w = Window();
  const QList<QAction*> items = w.commands().recentFilesMenu()->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text().toStdString(), "&0:" + home.file("gone.zpp"));
  EXPECT_EQ(items[1]->text().toStdString(), "&2:/x/two.htm");
  w.document().SetModified(true);
  items[0]->trigger();
  EXPECT_EQ(dialogs.notices, std::vector<std::string>{"ファイルが存在しません"});
  EXPECT_TRUE(dialogs.questions.empty()); // no question about saving for a missing file
  w.AddRecentFile("/new.zpp");
  EXPECT_EQ(w.commands().recentFilesMenu()->actions().size(), 2); // built once
}

TEST_F(MainWindowTest, LinksComeInPairsOfLines) {
  WriteTextLines(home.file("link.txt"), {"Site", "http://a.example/", "Local", "/tmp/x", "Lonely"});
  MainWindow& w = Window();
  const QList<QAction*> items = w.commands().linksMenu()->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text(), "Site");
  EXPECT_EQ(items[1]->text(), "Local");
}

TEST_F(MainWindowTest, ReaderErrorsBringUpTheHiddenMessagePanelFromTheSecondOn) {
  // The window's own dialogs write to its panel; use them for this test.
  window.reset();
  window = std::make_unique<MainWindow>(*config, WindowServices{nullptr, &files});
  MessagePanel& panel = window->messagePanel();
  ASSERT_TRUE(panel.isHidden());
  panel.LogError("エラー0 one", 0);
  EXPECT_TRUE(panel.isHidden());
  panel.Log("lost while hidden");
  panel.LogError("エラー1 two", 1);
  EXPECT_FALSE(panel.isHidden());
  EXPECT_EQ(panel.lines(), (QStringList{"エラー1 two", "エラー0 one"}));
  panel.Log("newest");
  EXPECT_EQ(panel.lines().front(), "newest");
  window->commands().action(Command::TBItem47)->trigger(); // hide
  window->commands().action(Command::TBItem47)->trigger(); // show again, emptied
  EXPECT_TRUE(panel.lines().isEmpty());
}

TEST_F(MainWindowTest, ArrowKeysScrollTheMapPageOnly) {
  MainWindow& w = Window();
  NewDocument(StageType::OneStage);
  w.show();
  QApplication::setActiveWindow(&w);
  MapPage& page = w.mapPage();
  page.ScrollTo(0, 0);
  const auto press = [&](int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QWidget* receiver = QApplication::focusWidget() ? QApplication::focusWidget() : &w;
    QApplication::sendEvent(receiver, &event);
  };
  press(Qt::Key_Right);
  press(Qt::Key_Down);
  EXPECT_EQ(page.scrollBar1().value(), 2);
  EXPECT_EQ(page.scrollBar2().value(), 2);
  press(Qt::Key_Left);
  press(Qt::Key_Left);
  press(Qt::Key_Up);
  press(Qt::Key_Up);
  EXPECT_EQ(page.scrollBar1().value(), 0); // clamped at the edge
  EXPECT_EQ(page.scrollBar2().value(), 0);
  w.pages().setCurrentIndex(kSettingsPage);
  press(Qt::Key_Right);
  EXPECT_EQ(page.scrollBar1().value(), 0);
}

TEST_F(MainWindowTest, StatusHintsStayUntilReplaced) {
  MainWindow& w = Window();
  QStatusTipEvent tip(QString::fromUtf8("既存のファイルを開きます。"));
  QApplication::sendEvent(&w, &tip);
  QStatusTipEvent leave(QString{});
  QApplication::sendEvent(&w, &leave);
  EXPECT_EQ(w.findChild<StatusLine*>()->fullText().toStdString(), "既存のファイルを開きます。");
}

TEST_F(MainWindowTest, TitleFollowsTheModifiedFlag) {
  MainWindow& w = Window();
  NewDocument(StageType::OneStage);
  w.document().SetModified(true);
  EXPECT_EQ(w.windowTitle().toStdString(), "Zarno Tool++ - * 無題");
  config->Write(keys::kTitleFilename, false);
  w.document().SetModified(false);
  EXPECT_EQ(w.windowTitle().toStdString(), "Zarno Tool++ - * 無題"); // kept as it was
}

} // namespace
} // namespace zt::test

namespace zt::test {
namespace {

TEST_F(MainWindowTest, TheCommandLineFileOpensOnceTheWindowShows) {
  StageDocument page;
  page.ApplyDefaults();
  page.stageType = StageType::FourStage;
  page.stages[0].at(7, 7) = 27;
  WriteTextLines(home.file("start.zpp"), ProjectLines(page));
  MainWindow& w = Window();
  w.OpenWhenShown(home.file("start.zpp"));
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.document().documentName, home.file("start.zpp"));
  EXPECT_EQ(w.document().stages[0].at(7, 7), 27);

  w.document().stages[0].at(7, 7) = 0; // an edit, then the window hides and shows again
  w.hide();
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(w.document().stages[0].at(7, 7), 0);
}

} // namespace
} // namespace zt::test
