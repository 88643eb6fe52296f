// The main window with its accessory windows and edit commands wired.

#include "MainWindowFixture.h"

#include "app/settings/SettingsPage.h"
#include "app/window/AccessoryWindows.h"
#include "app/window/CommandTable.h"
#include "app/window/FileCommands.h"
#include "app/window/PageControl.h"
#include "document/ParameterCatalogue.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapView.h"
#include "editor/windows/OverviewWindow.h"
#include "editor/windows/Sioriwin.h"
#include "editor/windows/ToolWindow.h"
#include "tools/console/ScriptConsole.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace zt::test {
namespace {

class EditorWindowsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    Window();
    NewDocument(StageType::FourStage);
  }
};

TEST_F(EditorWindowsTest, LoadingADocumentShowsThePalette) {
  EXPECT_TRUE(window->accessories().toolWindow().isVisible());
  EXPECT_FALSE(window->accessories().overview().isVisible()); // show_poswin is off
}

TEST_F(EditorWindowsTest, EveryCommandOfTheseIssuesIsAvailable) {
  // Commands that belong to later work (test play, quick save, the network,
  // help and the CPU window) stay disabled until they exist.
  const std::set<Command> later = {Command::ESave, Command::EOpen,   Command::TestPlay,         Command::E3,
                                   Command::CPUP1, Command::FTP2,    Command::FTPF1,            Command::I2,
                                   Command::Help2, Command::SearchforHelpOn1, Command::N20,   Command::ReadmetxtR1,
                                   Command::N6,    Command::GetFromNet, Command::SelMap, Command::Undo};
  for (int i = 0; i < static_cast<int>(Command::Count); ++i) {
    const auto command = static_cast<Command>(i);
    EXPECT_EQ(window->commands().action(command)->isEnabled(), later.count(command) == 0)
        << window->commands().action(command)->text().toStdString();
  }
}

TEST_F(EditorWindowsTest, LeavingTheSettingsPageTakesItAndMarksTheDocument) {
  StageDocument& doc = window->document();
  doc.SetModified(false);
  window->pages().setCurrentIndex(kSettingsPage);
  auto* timeLimit = window->settingsPage().findChild<QSpinBox*>("SpinEdit1");
  ASSERT_NE(timeLimit, nullptr);
  EXPECT_EQ(timeLimit->value(), 0);
  timeLimit->setValue(250);
  window->pages().setCurrentIndex(kMapPage);
  EXPECT_EQ(doc.Int(ParamId::time_max), 250);
  EXPECT_TRUE(doc.modified());

  doc.SetModified(false);
  window->pages().setCurrentIndex(kSettingsPage);
  window->pages().setCurrentIndex(kMapPage);
  EXPECT_TRUE(doc.modified()) << "leaving the page marks the document even without changes";
}

TEST_F(EditorWindowsTest, BackgroundChangedOnTheSettingsPageRecoloursTheMap) {
  window->pages().setCurrentIndex(kSettingsPage);
  window->settingsPage().findChild<QSpinBox*>("SpinEdit2")->setValue(200); // backcolor_red
  window->pages().setCurrentIndex(kMapPage);
  EXPECT_EQ(QColor(window->mapPage().view().backBuffer().pixel(5, 5)).red(), 200);
}

TEST_F(EditorWindowsTest, UndoFollowsThePenAndRestoresTheCell) {
  MapView& view = window->mapPage().view();
  QAction* undo = window->commands().action(Command::Undo);
  EXPECT_FALSE(undo->isEnabled());
  view.PenSetCell(27, 4, 4, true);
  EXPECT_TRUE(undo->isEnabled());
  undo->trigger();
  EXPECT_EQ(window->document().GetCell(4, 4), 0);
  EXPECT_FALSE(undo->isEnabled());
}

TEST_F(EditorWindowsTest, TheOverviewFollowsSingleCellWrites) {
  OverviewWindow& overview = window->accessories().overview();
  window->commands().action(Command::Z1)->trigger();
  ASSERT_TRUE(overview.isVisible());
  window->mapPage().view().PenSetCell(52, 10, 3, true); // slippery floor: almost black
  EXPECT_EQ(QColor(overview.picture().pixel(21, 7)), QColor(1, 1, 1));
}

TEST_F(EditorWindowsTest, BookmarksTravelWithTheProject) {
  window->accessories().bookmarks().AddBookmark("start");
  files.saves.push_back(FileChoice{home.file("marked.zpp"), 0});
  window->commands().action(Command::Save)->trigger();
  EXPECT_EQ(home.Read("marked.sri"), "start,0,0,0\r\n");

  window->document().bookmarks.clear();
  window->accessories().BookmarksChanged();
  files.opens.push_back(FileChoice{home.file("marked.zpp"), 0});
  window->commands().action(Command::Open)->trigger();
  EXPECT_EQ(window->document().bookmarks, std::vector<std::string>{"start,0,0,0"});
}

TEST_F(EditorWindowsTest, ClosingStoresThePanels) {
  window->commands().action(Command::ViewSiori)->trigger();
  window->commands().action(Command::Z1)->trigger();
  QCloseEvent close;
  QApplication::sendEvent(window.get(), &close);
  const AppConfig stored(home.file("zarnotool.ini"), home.dir());
  EXPECT_EQ(stored.Read(keys::kBookmarkPanel), !window->accessories().bookmarks().isHidden());
  EXPECT_TRUE(stored.Read(keys::kShowPositionWindow));
}

TEST_F(EditorWindowsTest, AConsoleScriptDrawsIntoTheShownStage) {
  window->commands().action(Command::N28)->trigger();
  console::ScriptConsole& console = window->accessories().console();
  EXPECT_TRUE(console.isVisible());
  window->mapPage().ScrollTo(0, 0);
  const QImage before = window->mapPage().view().backBuffer().copy(0, 0, 64, 32);
  console.memo1().setPlainText("begin\n  SetMapValue(1, 0, stage1, 'a');\n  Display\nend\n");
  console.Button1Click();
  EXPECT_EQ(window->document().GetCell(1, 0), 27);
  EXPECT_TRUE(window->document().modified());
  EXPECT_NE(window->mapPage().view().backBuffer().copy(0, 0, 64, 32), before) << "Display redrew the map";
}

TEST_F(EditorWindowsTest, TheWorldMapCommandFollowsTheType) {
  EXPECT_FALSE(window->commands().action(Command::SelMap)->isEnabled());
  window->commands().action(Command::N32)->trigger();
  EXPECT_TRUE(window->commands().action(Command::SelMap)->isEnabled());
}

} // namespace
} // namespace zt::test
