// Cut, copy, paste and delete of stage blocks, and the blocks a selection
// stands for.

#include "editor/core/BlockEditing.h"

#include "document/StageDocument.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

constexpr TileCode kBlock = 27;
constexpr TileCode kCoin = 61;

TEST(SelectionBlock, IsReorderedAndMovedByTheScrollPosition) {
  TileSelection selection;
  selection.Start({96, 64}); // view cell (3, 2)
  selection.MoveSecond({32, 0});
  const ViewGeometry view{32, 50, 10, 640, 480};
  EXPECT_EQ(TakeSelectionBlock(selection, view), (CellRect{51, 10, 54, 13}));
  EXPECT_EQ(selection.first, (PixelPos{32, 0}));
  EXPECT_EQ(selection.second, (PixelPos{96, 64}));
}

TEST(SelectionBlock, TheAnchorIsTheFirstCornerAsItStands) {
  TileSelection selection;
  selection.Start({160, 96}); // pressed at view cell (10, 6) with mini chips
  selection.MoveSecond({16, 16});
  const ViewGeometry view{16, 20, 5, 640, 480};
  EXPECT_EQ(SelectionAnchor(selection, view), (CellPos{30, 11}));
}

class BlockEditingTest : public ::testing::Test {
 protected:
  StageDocument doc;
};

TEST_F(BlockEditingTest, CopyHoldsCodesColumnByColumnAndZeroBeyondTheStage) {
  doc.SetCell(178, 4, kBlock);
  doc.SetCell(179, 5, kCoin);
  const TileClipboard clipboard = CopyBlock(doc, {178, 4, 182, 6});
  ASSERT_EQ(clipboard.width(), 4);
  ASSERT_EQ(clipboard.height(), 2);
  EXPECT_EQ(clipboard.At(0, 0), kBlock);
  EXPECT_EQ(clipboard.At(1, 1), kCoin);
  for (int i = 2; i < 4; ++i)
    for (int j = 0; j < 2; ++j) EXPECT_EQ(clipboard.At(i, j), 0) << i << "," << j;
  EXPECT_FALSE(doc.modified());
}

TEST_F(BlockEditingTest, TheUnrecognisedCodeIsHeldAsMinusOneAndPastedBackAs255) {
  doc.SetCell(3, 3, kUnknownTile);
  const TileClipboard clipboard = CopyBlock(doc, {3, 3, 4, 4});
  EXPECT_EQ(clipboard.At(0, 0), -1);
  PasteBlock(doc, clipboard, {10, 10});
  EXPECT_EQ(doc.GetCell(10, 10), kUnknownTile);
}

TEST_F(BlockEditingTest, ClearingCountsTheCellsThatChanged) {
  doc.SetCell(5, 5, kBlock);
  doc.SetCell(6, 7, kCoin);
  doc.SetCell(179, 0, kCoin);
  EXPECT_EQ(ClearBlock(doc, {5, 5, 8, 8}), 2);
  EXPECT_EQ(doc.GetCell(5, 5), 0);
  EXPECT_EQ(doc.GetCell(6, 7), 0);
  EXPECT_EQ(ClearBlock(doc, {5, 5, 8, 8}), 0) << "already empty";
  EXPECT_EQ(ClearBlock(doc, {178, -2, 183, 1}), 1) << "only the cells in the stage";
  EXPECT_EQ(doc.GetCell(179, 0), 0);
}

TEST_F(BlockEditingTest, PasteDropsWhatFallsBeyondTheStageAndWritesTheRest) {
  TileClipboard clipboard(3, 2);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j) clipboard.Set(i, j, static_cast<TileCode>(kBlock + i * 2 + j));
  std::vector<CellPos> written;
  doc.onCellWritten = [&](int x, int y, TileCode) { written.push_back({x, y}); };
  PasteBlock(doc, clipboard, {178, 28});
  EXPECT_EQ(written, (std::vector<CellPos>{{178, 28}, {178, 29}, {179, 28}, {179, 29}}));
  EXPECT_EQ(doc.GetCell(178, 28), kBlock);
  EXPECT_EQ(doc.GetCell(179, 29), kBlock + 3);
}

TEST_F(BlockEditingTest, PasteAboveAndLeftOfTheStageWritesTheOverlap) {
  TileClipboard clipboard(2, 2);
  clipboard.Set(1, 1, kCoin);
  clipboard.Set(0, 1, kBlock);
  PasteBlock(doc, clipboard, {-1, -1});
  EXPECT_EQ(doc.GetCell(0, 0), kCoin);
  EXPECT_EQ(CopyBlock(doc, {0, 0, 1, 1}).At(0, 0), kCoin);
}

} // namespace
} // namespace zt
