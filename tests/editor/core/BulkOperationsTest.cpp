// Whole-stage counting, deleting and filling, the share text and the warp
// pipes.

#include "editor/core/BulkOperations.h"

#include "document/StageDocument.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

constexpr TileCode kBlock = 27;
constexpr TileCode kCoin = 61;
constexpr TileCode kPipeV = 48;

class BulkOperationsTest : public ::testing::Test {
 protected:
  StageDocument doc;
};

TEST_F(BulkOperationsTest, CountsAndDeletesOnlyTheCurrentStage) {
  doc.SetCell(0, 0, kCoin);
  doc.SetCell(179, 29, kCoin);
  doc.SetCell(50, 3, kBlock);
  doc.stages[1].at(7, 7) = kCoin;
  EXPECT_EQ(CountTiles(doc, kCoin), 2);
  EXPECT_EQ(DeleteTiles(doc, kCoin), 2);
  EXPECT_EQ(CountTiles(doc, kCoin), 0);
  EXPECT_EQ(doc.GetCell(50, 3), kBlock);
  EXPECT_EQ(doc.stages[1].at(7, 7), kCoin);
  EXPECT_FALSE(doc.modified());
}

TEST_F(BulkOperationsTest, DeletingAllButOneKeepsThatCell) {
  doc.SetCell(10, 10, kCoin);
  EXPECT_EQ(DeleteTiles(doc, kCoin, CellPos{10, 10}), 0);
  doc.SetCell(11, 10, kCoin);
  EXPECT_EQ(DeleteTiles(doc, kCoin, CellPos{10, 10}), 1);
  EXPECT_EQ(doc.GetCell(10, 10), kCoin);
  EXPECT_EQ(doc.GetCell(11, 10), 0);
}

TEST_F(BulkOperationsTest, TheUnrecognisedCodeMatchesOnlyItself) {
  doc.SetCell(1, 1, kUnknownTile);
  doc.SetCell(2, 1, 65);
  EXPECT_EQ(CountTiles(doc, kUnknownTile), 1);
  EXPECT_EQ(CountTiles(doc, 0), kStageCells - 2);
}

TEST_F(BulkOperationsTest, FillsColumnsRowsAndTheStageCountingChanges) {
  doc.SetCell(4, 9, kBlock);
  EXPECT_EQ(FillBlock(doc, ColumnBlock(4), kBlock), kStageHeight - 1);
  EXPECT_EQ(doc.GetCell(4, 29), kBlock);
  EXPECT_EQ(doc.GetCell(5, 9), 0);
  EXPECT_EQ(FillBlock(doc, RowBlock(29), kBlock), kStageWidth - 1);
  EXPECT_EQ(doc.GetCell(179, 29), kBlock);
  EXPECT_EQ(FillBlock(doc, StageBlock(), 0), kStageHeight + kStageWidth - 1);
  EXPECT_EQ(CountTiles(doc, 0), kStageCells);
  EXPECT_EQ(FillBlock(doc, StageBlock(), 0), 0);
}

TEST(RatioText, IsTheShortestFormWithFifteenDigits) {
  const struct {
    int count;
    const char* text;
  } cases[] = {{1, "0.0185185185185185"}, {2, "0.037037037037037"}, {54, "1"}, {27, "0.5"},
               {5400, "100"},             {0, "0"},                  {5399, "99.9814814814815"}};
  for (const auto& c : cases) EXPECT_EQ(RatioText(c.count), c.text) << c.count;
}

TEST_F(BulkOperationsTest, OnlyTheFourPipesAreWarpPipes) {
  EXPECT_FALSE(IsWarpPipe(46)); // "t"
  for (TileCode code = 47; code <= 50; ++code) EXPECT_TRUE(IsWarpPipe(code)) << int{code};
  EXPECT_FALSE(IsWarpPipe(51)); // "y"
  EXPECT_FALSE(IsWarpPipe(kUnknownTile));
}

TEST_F(BulkOperationsTest, TheWarpPartnerIsTheFirstOtherCellInScanOrder) {
  doc.SetCell(100, 5, kPipeV);
  EXPECT_EQ(FindWarpPartner(doc, {100, 5}), std::nullopt) << "a single pipe";
  doc.SetCell(120, 2, kPipeV);
  doc.SetCell(30, 20, kPipeV);
  doc.SetCell(30, 25, kPipeV);
  EXPECT_EQ(FindWarpPartner(doc, {100, 5}), (CellPos{30, 20}));
  EXPECT_EQ(FindWarpPartner(doc, {30, 20}), (CellPos{30, 25}));
}

TEST(CentringScroll, PutsTheCellNearTheMiddleOfTheView) {
  EXPECT_EQ(CentringScroll({100, 20}, ViewGeometry{32, 0, 0, 640, 480}), (CellPos{90, 13}));
  EXPECT_EQ(CentringScroll({100, 20}, ViewGeometry{16, 0, 0, 640, 480}), (CellPos{80, 5}));
  EXPECT_EQ(CentringScroll({3, 2}, ViewGeometry{32, 0, 0, 640, 480}), (CellPos{-7, -5})) << "the bars clamp";
}

} // namespace
} // namespace zt
