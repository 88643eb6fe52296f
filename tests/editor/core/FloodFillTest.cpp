// The fill tool over the current stage.

#include "editor/core/FloodFill.h"

#include "document/StageDocument.h"

#include <gtest/gtest.h>

#include <vector>

namespace zt {
namespace {

constexpr TileCode kBlock = 27;
constexpr TileCode kCoin = 61;

class FloodFillTest : public ::testing::Test {
 protected:
  // Every cell a block except the listed cells, which are empty.
  void Open(const std::vector<CellPos>& cells) {
    doc.stages[0].Fill(kBlock);
    for (const CellPos& cell : cells) doc.stages[0].at(cell.x, cell.y) = 0;
  }
  StageDocument doc;
};

TEST_F(FloodFillTest, FillsTheWholeRegionWithoutALimit) {
  doc.currentStage = 1;
  ASSERT_TRUE(FloodFill(doc, {100, 20}, kCoin, std::nullopt));
  for (int x = 0; x < kStageWidth; ++x)
    for (int y = 0; y < kStageHeight; ++y) ASSERT_EQ(doc.stages[1].at(x, y), kCoin) << x << "," << y;
  EXPECT_EQ(doc.stages[0].at(100, 20), 0) << "only the current stage";
  EXPECT_FALSE(doc.modified());
}

TEST_F(FloodFillTest, NeverStepsDiagonally) {
  Open({{5, 5}, {6, 5}, {7, 6}, {8, 6}});
  FloodFill(doc, {5, 5}, kCoin, std::nullopt);
  EXPECT_EQ(doc.GetCell(5, 5), kCoin);
  EXPECT_EQ(doc.GetCell(6, 5), kCoin);
  EXPECT_EQ(doc.GetCell(7, 6), 0);
  EXPECT_EQ(doc.GetCell(8, 6), 0);
}

TEST_F(FloodFillTest, AStartCellHoldingTheFillOrBeyondTheStageChangesNothing) {
  Open({{5, 5}});
  int writes = 0;
  doc.onCellWritten = [&](int, int, TileCode) { ++writes; };
  EXPECT_FALSE(FloodFill(doc, {7, 7}, kBlock, std::nullopt));
  doc.stages[0].Fill(0);
  EXPECT_FALSE(FloodFill(doc, {180, 7}, kCoin, std::nullopt)) << "reads as an empty cell";
  EXPECT_EQ(writes, 0);
}

TEST_F(FloodFillTest, VisitsNeighboursLeftRightBelowAbove) {
  Open({{5, 5}, {4, 5}, {6, 5}, {5, 6}, {5, 4}});
  std::vector<CellPos> order;
  doc.onCellWritten = [&](int x, int y, TileCode) { order.push_back({x, y}); };
  FloodFill(doc, {5, 5}, kCoin, std::nullopt);
  EXPECT_EQ(order, (std::vector<CellPos>{{5, 5}, {4, 5}, {6, 5}, {5, 6}, {5, 4}}));
}

// A corridor that leaves the visible block at its right edge and comes back
// in lower down: while restricted, the part reached only from outside stays.
class RestrictedFill : public FloodFillTest {
 protected:
  RestrictedFill() {
    std::vector<CellPos> open;
    for (int x = 2; x <= 12; ++x) open.push_back({x, 2});  // top arm, leaves at column 10
    for (int y = 2; y <= 6; ++y) open.push_back({12, y});  // outside, going down
    for (int x = 4; x <= 12; ++x) open.push_back({x, 6});  // lower arm, comes back in
    Open(open);
  }
  const CellRect visible{0, 0, 10, 10}; // columns 0..9, rows 0..9
};

TEST_F(RestrictedFill, FillsOnlyWhatIsVisibleAndReachableInside) {
  FloodFill(doc, {2, 2}, kCoin, visible);
  for (int x = 2; x <= 9; ++x) EXPECT_EQ(doc.GetCell(x, 2), kCoin) << x;
  EXPECT_EQ(doc.GetCell(10, 2), 0) << "outside the visible block";
  EXPECT_EQ(doc.GetCell(12, 4), 0);
  EXPECT_EQ(doc.GetCell(5, 6), 0) << "reachable only through hidden cells";
}

TEST_F(RestrictedFill, WithoutTheLimitTheWholeCorridorFills) {
  FloodFill(doc, {2, 2}, kCoin, std::nullopt);
  EXPECT_EQ(doc.GetCell(10, 2), kCoin);
  EXPECT_EQ(doc.GetCell(12, 4), kCoin);
  EXPECT_EQ(doc.GetCell(4, 6), kCoin);
}

TEST_F(FloodFillTest, StopsAtTheStageEdges) {
  Open({{0, 0}, {1, 0}, {0, 1}, {179, 29}});
  FloodFill(doc, {0, 0}, kCoin, std::nullopt);
  EXPECT_EQ(doc.GetCell(1, 0), kCoin);
  EXPECT_EQ(doc.GetCell(0, 1), kCoin);
  EXPECT_EQ(doc.GetCell(179, 29), 0);
}

} // namespace
} // namespace zt
