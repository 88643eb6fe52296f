// The selection menu "PopupMenu1" and the map menu "PopupMenu3": their
// items, when they open, and the test-play hook.

#include "MapEditFixture.h"

#include <QAction>

#include <gtest/gtest.h>

namespace zt {
namespace {

// The menu's captions in order; separators as "-".
QStringList Captions(const QMenu& menu) {
  QStringList captions;
  for (const QAction* action : menu.actions()) captions << (action->isSeparator() ? "-" : action->text());
  return captions;
}

QAction* Item(const QMenu& menu, const char* caption) {
  for (QAction* action : menu.actions())
    if (action->text() == QString::fromUtf8(caption)) return action;
  return nullptr;
}

class MapEditMenusTest : public ::testing::Test, public test::MapEditFixture {};

TEST_F(MapEditMenusTest, TheSelectionMenuHoldsTheClipboardCommandsAndTheMaze) {
  EXPECT_EQ(commands->selectionMenu().objectName(), "PopupMenu1");
  EXPECT_EQ(Captions(commands->selectionMenu()),
            QString::fromUtf8("切り取り(&X)\tCtrl+X|コピー(&C)\tCtrl+C|貼り付け(&P)\tCtrl+V|-|"
                              "選択範囲の画像を　クリップボードにコピー(&I)|迷路作成(&M)")
                .split('|'));
}

TEST_F(MapEditMenusTest, TheMapMenuHoldsEveryItemInOrder) {
  EXPECT_EQ(commands->mapMenu().objectName(), "PopupMenu3");
  EXPECT_EQ(Captions(commands->mapMenu()),
            QString::fromUtf8("取得(&G)|-|ワープ先へ移動(&W)|数の計算(&I)|これと同じ物を全て削除(&D)|"
                              "これと同じ物をこれ以外全て削除(&A)|割合(&P)|-|列を縦に塗りつぶす(&Z)|"
                              "列を横に塗りつぶす(&Y)|全て塗りつぶす(&O)|全画面迷路作成(&M)|-|"
                              "この位置からテストプレイ(&T)|-|閉じる(&C)")
                .split('|'));
}

TEST_F(MapEditMenusTest, ARightClickWithTheSelectToolOpensTheSelectionMenu) {
  Select({2, 2}, {3, 3});
  test::Press(view, test::CellCentre({2, 2}), Qt::RightButton);
  EXPECT_TRUE(commands->selectionMenu().isVisible());
  commands->selectionMenu().hide();
}

TEST_F(MapEditMenusTest, TheSelectionMenuCopiesAPictureOnlyOfALoadedDocument) {
  QMenu& menu = commands->selectionMenu();
  QAction* picture = Item(menu, "選択範囲の画像を　クリップボードにコピー(&I)");
  ASSERT_NE(picture, nullptr);
  doc.loaded = false;
  emit menu.aboutToShow();
  EXPECT_FALSE(picture->isEnabled());
  doc.loaded = true;
  emit menu.aboutToShow();
  EXPECT_TRUE(picture->isEnabled());
}

TEST_F(MapEditMenusTest, ItemsRunTheirCommands) {
  doc.SetCell(4, 4, 61);
  Select({4, 4}, {4, 4});
  Item(commands->selectionMenu(), "切り取り(&X)\tCtrl+X")->trigger();
  EXPECT_EQ(doc.GetCell(4, 4), 0);
  RightClick({1, 1});
  Item(commands->mapMenu(), "数の計算(&I)")->trigger();
  EXPECT_EQ(dialogs.notices, (std::vector<std::string>{"「.」は合計5400個ありました。"}));
}

TEST_F(MapEditMenusTest, ARightClickWithTheSpecialSwitchOpensTheMapMenu) {
  view.SetSpecialSwitch(true);
  test::Press(view, test::CellCentre({5, 5}), Qt::RightButton);
  EXPECT_TRUE(commands->mapMenu().isVisible());
  commands->mapMenu().hide();
}

TEST_F(MapEditMenusTest, TestPlayFromTheClickedCellWaitsForItsHook) {
  QAction* testPlay = Item(commands->mapMenu(), "この位置からテストプレイ(&T)");
  ASSERT_NE(testPlay, nullptr);
  EXPECT_FALSE(testPlay->isEnabled());
  std::vector<CellPos> started;
  commands->SetTestPlayFromCell([&](CellPos cell) { started.push_back(cell); });
  EXPECT_TRUE(testPlay->isEnabled());
  page->ScrollTo(20, 4);
  RightClick({6, 7});
  testPlay->trigger();
  EXPECT_EQ(started, (std::vector<CellPos>{{26, 11}}));
}

} // namespace
} // namespace zt
