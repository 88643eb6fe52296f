// The maze over the selection and over the whole stage.

#include "MapEditFixture.h"

#include "editor/core/BulkOperations.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace zt {
namespace {

constexpr TileCode kWall = 27;
constexpr TileCode kCoin = 61;

class MazeCommandsTest : public ::testing::Test, public test::MapEditFixture {
 protected:
  MazeCommandsTest() { view.SelectTile(kWall); }
  std::vector<CellPos> WallsIn(const CellRect& block) const {
    std::vector<CellPos> walls;
    for (int x = block.left; x < block.right; ++x)
      for (int y = block.top; y < block.bottom; ++y)
        if (doc.GetCell(x, y) == kWall) walls.push_back({x, y});
    return walls;
  }
};

TEST_F(MazeCommandsTest, AFiveByFiveSelectionGetsAFrameAPillarAndOneWallBesideIt) {
  page->ScrollTo(20, 3);
  doc.stages[0].Fill(kCoin);
  Select({5, 5}, {1, 1}); // stage cells 21..25 x 4..8
  commands->M5Click();
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(doc.GetCell(21 + i, 4), kWall);
    EXPECT_EQ(doc.GetCell(21 + i, 8), kWall);
    EXPECT_EQ(doc.GetCell(21, 4 + i), kWall);
    EXPECT_EQ(doc.GetCell(25, 4 + i), kWall);
  }
  EXPECT_EQ(doc.GetCell(23, 6), kWall) << "the pillar";
  const std::vector<CellPos> inside = WallsIn({22, 5, 25, 8});
  ASSERT_EQ(inside.size(), 2u);
  int beside = 0;
  for (const CellPos cell : inside) beside += std::abs(cell.x - 23) + std::abs(cell.y - 6) == 1;
  EXPECT_EQ(beside, 1);
  EXPECT_EQ(doc.GetCell(26, 4), kCoin);
  EXPECT_EQ(doc.GetCell(21, 9), kCoin);
  EXPECT_FALSE(view.selection().active);
  EXPECT_TRUE(doc.modified());
}

TEST_F(MazeCommandsTest, TwoRunsOnTheSameSelectionDiffer) {
  Select({0, 0}, {16, 12});
  commands->M5Click();
  const std::vector<CellPos> first = WallsIn({0, 0, 17, 13});
  view.selection().active = true;
  commands->M5Click();
  EXPECT_NE(WallsIn({0, 0, 17, 13}), first);
}

TEST_F(MazeCommandsTest, WallsOfTheEmptyTileLeaveTheSelectionEmptyAndTheDocumentUnmodified) {
  view.SelectTile(0);
  Select({2, 2}, {10, 8});
  commands->M5Click();
  EXPECT_EQ(CountTiles(doc, 0), kStageCells);
  EXPECT_FALSE(doc.modified()) << "nothing changed";
}

TEST_F(MazeCommandsTest, TheFullScreenMazeSpansColumnsUpTo178AndRowsUpTo28) {
  for (const bool mini : {false, true}) {
    MapViewOptions options = view.options();
    options.mini = mini;
    view.SetOptions(options);
    doc.stages[0].Fill(kCoin);
    page->ScrollTo(30, 5);
    commands->M6Click();
    EXPECT_EQ(Origin(), (CellPos{0, 0})) << mini;
    EXPECT_FALSE(view.selection().active);
    EXPECT_EQ(view.selection().second, (PixelPos{0, 0}));
    for (int x = 0; x <= 178; ++x) {
      ASSERT_EQ(doc.GetCell(x, 0), kWall) << x;
      ASSERT_EQ(doc.GetCell(x, 28), kWall) << x;
    }
    for (int y = 0; y <= 28; ++y) {
      ASSERT_EQ(doc.GetCell(0, y), kWall) << y;
      ASSERT_EQ(doc.GetCell(178, y), kWall) << y;
    }
    for (int y = 0; y < kStageHeight; ++y) ASSERT_EQ(doc.GetCell(179, y), kCoin) << y;
    for (int x = 0; x < kStageWidth; ++x) ASSERT_EQ(doc.GetCell(x, 29), kCoin) << x;
  }
}

} // namespace
} // namespace zt
