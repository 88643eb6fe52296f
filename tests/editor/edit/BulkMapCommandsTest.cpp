// The map menu's commands on the clicked cell's tile and the selected tile,
// and the remaining-count report.

#include "MapEditFixture.h"

#include "editor/edit/BulkMapCommands.h"
#include "editor/edit/RemainingCountReport.h"
#include "editor/map/StatusPanels.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTimerEvent>

#include <gtest/gtest.h>

#include <algorithm>

namespace zt {
namespace {

constexpr TileCode kBlock = 27; // "a"
constexpr TileCode kCoin = 61;  // "9"
constexpr TileCode kTurtle = 2; // "B", an enemy
constexpr TileCode kOneUp = 51; // "y"
constexpr TileCode kPipeV = 48; // "v"

class BulkMapCommandsTest : public ::testing::Test, public test::MapEditFixture {
 protected:
  BulkMapCommands& bulk = commands->bulk();
  QSignalSpy cellsChanged{commands, &MapEditCommands::cellsChanged};

  std::string OnlyNotice() const {
    EXPECT_EQ(dialogs.notices.size(), 1u);
    return dialogs.notices.empty() ? "" : dialogs.notices.back();
  }
  void ExpectQuestion(const std::string& text) const {
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].title, "確認");
    EXPECT_EQ(dialogs.questions[0].text, text);
    EXPECT_EQ(dialogs.questions[0].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.questions[0].icon, Icon::Question);
  }
};

TEST_F(BulkMapCommandsTest, TheClickedCellCountsFromTheScrollPosition) {
  page->ScrollTo(10, 2);
  doc.SetCell(13, 6, kCoin);
  RightClick({3, 4});
  EXPECT_EQ(bulk.ClickedCell(), (CellPos{13, 6}));
  bulk.G1Click();
  EXPECT_EQ(view.selectedTile(), kCoin);
  EXPECT_EQ(page->mapStatus().text(3), "selected 9");
}

TEST_F(BulkMapCommandsTest, CountingNamesTheTileAndItsNumber) {
  doc.SetCell(3, 3, kCoin);
  doc.SetCell(100, 29, kCoin);
  doc.SetCell(179, 0, kCoin);
  RightClick({3, 3});
  bulk.N12Click();
  EXPECT_EQ(OnlyNotice(), "「9」は合計3個ありました。");
}

TEST_F(BulkMapCommandsTest, TheShareIsGivenInItsShortestForm) {
  const struct {
    int coins;
    CellPos clicked;
    const char* notice;
  } cases[] = {{1, {0, 0}, "全体の0.0185185185185185%です。"},
               {54, {0, 0}, "全体の1%です。"},
               {0, {5, 5}, "全体の100%です。"}};
  for (const auto& c : cases) {
    doc.stages[0].Fill(0);
    for (int i = 0; i < c.coins; ++i) doc.SetCell(i / 30, i % 30, kCoin);
    dialogs.notices.clear();
    RightClick(c.clicked);
    bulk.P1Click();
    EXPECT_EQ(OnlyNotice(), c.notice) << c.coins;
  }
}

TEST_F(BulkMapCommandsTest, DeletingAllAsksThenReportsAndMarksModified) {
  doc.SetCell(2, 2, kCoin);
  doc.SetCell(50, 20, kCoin);
  doc.SetCell(51, 20, kBlock);
  RightClick({2, 2});
  bulk.N14Click();
  ExpectQuestion("「9」を全て削除します。\r\nよろしいですか？");
  EXPECT_EQ(OnlyNotice(), "2個削除しました。");
  EXPECT_EQ(doc.GetCell(2, 2), 0);
  EXPECT_EQ(doc.GetCell(50, 20), 0);
  EXPECT_EQ(doc.GetCell(51, 20), kBlock);
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(cellsChanged.count(), 1);
}

TEST_F(BulkMapCommandsTest, ALoneTileDeletedAllButItselfReportsNoneAndChangesNothing) {
  page->ScrollTo(10, 0);
  doc.SetCell(12, 4, kCoin);
  RightClick({2, 4});
  bulk.D1Click();
  ExpectQuestion("「9」を(12,4)以外削除します。\r\nよろしいですか？");
  EXPECT_EQ(OnlyNotice(), "0個削除しました。");
  EXPECT_EQ(doc.GetCell(12, 4), kCoin);
  EXPECT_FALSE(doc.modified());
  EXPECT_EQ(cellsChanged.count(), 0);
}

TEST_F(BulkMapCommandsTest, AnsweringNoToADeleteKeepsEverything) {
  doc.SetCell(2, 2, kCoin);
  doc.SetCell(3, 2, kCoin);
  dialogs.answers = {Answer::No, Answer::No};
  RightClick({2, 2});
  bulk.N14Click();
  bulk.D1Click();
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_EQ(doc.GetCell(3, 2), kCoin);
  EXPECT_FALSE(doc.modified());
}

TEST_F(BulkMapCommandsTest, FillsAskWithTheSelectedTileAndFillTheirCells) {
  const struct {
    void (BulkMapCommands::*command)();
    const char* question;
    CellPos filled, untouched;
  } cases[] = {
      {&BulkMapCommands::G2Click, "「a」で縦に塗りつぶします。", {7, 29}, {8, 4}},
      {&BulkMapCommands::Y1Click, "「a」で横に塗りつぶします。", {179, 4}, {7, 5}},
      {&BulkMapCommands::O1Click, "「a」で全て塗りつぶします。", {179, 29}, {-1, -1}},
  };
  view.SelectTile(kBlock);
  for (const auto& c : cases) {
    for (const Answer answer : {Answer::No, Answer::Yes}) {
      doc.stages[0].Fill(0);
      doc.SetModified(false);
      dialogs.questions.clear();
      dialogs.answers = {answer};
      RightClick({7, 4});
      (commands->bulk().*c.command)();
      ExpectQuestion(c.question);
      EXPECT_EQ(doc.GetCell(c.filled.x, c.filled.y), answer == Answer::Yes ? kBlock : 0) << c.question;
      EXPECT_EQ(doc.GetCell(c.untouched.x, c.untouched.y), 0) << c.question;
      EXPECT_EQ(doc.modified(), answer == Answer::Yes) << c.question;
    }
  }
}

TEST_F(BulkMapCommandsTest, FillingTheStageWithTheEmptyTileNamesItsDotAndEmptiesTheStage) {
  doc.SetCell(10, 10, kCoin);
  view.SelectTile(0);
  RightClick({0, 0});
  bulk.O1Click();
  ExpectQuestion("「.」で全て塗りつぶします。");
  EXPECT_EQ(doc.GetCell(10, 10), 0);
  EXPECT_EQ(cellsChanged.count(), 1);
}

class WarpTest : public BulkMapCommandsTest {
 protected:
  WarpTest() {
    doc.SetCell(3, 3, kPipeV);
    doc.SetCell(100, 20, kPipeV);
  }
  QSignalSpy parametersChanged{commands, &MapEditCommands::parametersChanged};
};

TEST_F(WarpTest, AnsweringNoLeavesTheModeAndDoesNotSearch) {
  ASSERT_EQ(doc.Int(ParamId::dokan_mode), 1);
  dialogs.answers = {Answer::No};
  RightClick({3, 3});
  bulk.B1Click();
  ExpectQuestion("設定がワープ土管ではありません。\r\nワープ土管に変更しますか？");
  EXPECT_EQ(doc.Int(ParamId::dokan_mode), 1);
  EXPECT_EQ(Origin(), (CellPos{0, 0}));
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_FALSE(doc.modified());
}

TEST_F(WarpTest, AnsweringYesSwitchesToWarpPipesAndCentresThePartner) {
  RightClick({3, 3});
  bulk.B1Click();
  EXPECT_EQ(doc.Int(ParamId::dokan_mode), 2);
  EXPECT_EQ(parametersChanged.count(), 1);
  EXPECT_TRUE(doc.modified()) << "a changed setting is saved like any edit";
  const ViewGeometry geometry = view.viewGeometry();
  const CellPos expected{100 - geometry.width / 64, std::clamp(20 - geometry.height / 64, 0, 29)};
  EXPECT_EQ(Origin(), expected);
  EXPECT_EQ(page->mapStatus().text(2).toStdString(),
            "scroll " + std::to_string(expected.x) + "," + std::to_string(expected.y));
}

TEST_F(WarpTest, ASinglePipeInWarpModeChangesNothingAndSaysNothing) {
  doc.SetInt(ParamId::dokan_mode, 2);
  doc.SetCell(100, 20, 0);
  RightClick({3, 3});
  bulk.B1Click();
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_EQ(Origin(), (CellPos{0, 0}));
}

TEST_F(WarpTest, ATileThatIsNoPipeIsNamed) {
  doc.SetInt(ParamId::dokan_mode, 2);
  const struct {
    TileCode code;
    const char* notice;
  } cases[] = {{46, "「t」は土管ではありません"}, {kOneUp, "「y」は土管ではありません"}, {0, "「.」は土管ではありません"}};
  for (const auto& c : cases) {
    doc.SetCell(5, 5, c.code);
    dialogs.notices.clear();
    RightClick({5, 5});
    bulk.B1Click();
    EXPECT_EQ(OnlyNotice(), c.notice);
  }
  EXPECT_EQ(Origin(), (CellPos{0, 0}));
}

class RemainingCountReportTest : public BulkMapCommandsTest {
 protected:
  std::string Panel(int panel) const { return page->statusBar2().text(panel).toStdString(); }
  // What the timer does when its time is up.
  void Expire() {
    QTimer& timer = commands->remainingCountReport().timer();
    QTimerEvent event(timer.timerId());
    QCoreApplication::sendEvent(&timer, &event);
  }
};

TEST_F(RemainingCountReportTest, ShowsWhatIsLeftOfEachLimitForTenSeconds) {
  for (int i = 0; i < 130; ++i) doc.SetCell(i, 7, kTurtle);
  doc.SetCell(0, 0, kOneUp);
  commands->N24Click();
  EXPECT_EQ(Panel(0), "敵:-2");
  EXPECT_EQ(Panel(1), "障害物:32");
  EXPECT_EQ(Panel(2), "アイテム ?:64") << "the 1UP block counts nowhere";
  EXPECT_EQ(Panel(3), "ボス:1");

  QTimer& timer = commands->remainingCountReport().timer();
  ASSERT_TRUE(timer.isActive());
  EXPECT_TRUE(timer.isSingleShot());
  EXPECT_EQ(timer.interval(), 10000);
  Expire();
  for (int panel = 0; panel < 4; ++panel) EXPECT_EQ(Panel(panel), "") << panel;
  EXPECT_FALSE(timer.isActive());
}

} // namespace
} // namespace zt
