// The rectangle tool's corners, clamping and writing.

#include "editor/core/RectangleDrag.h"

#include "document/StageDocument.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

struct DragCase {
  const char* what;
  CellPos press;
  std::vector<CellPos> moves; // view cells under the pointer, in order
  int viewWidth, viewHeight;
  std::optional<CellRect> filled;
};

class RectangleRelease : public ::testing::TestWithParam<DragCase> {};

TEST_P(RectangleRelease, FillsTheBlockBetweenTheCorners) {
  const DragCase& c = GetParam();
  RectangleDrag drag;
  drag.Press(c.press);
  for (const CellPos& cell : c.moves) drag.Move(cell);
  EXPECT_EQ(drag.ReleaseBlock(c.viewWidth, c.viewHeight), c.filled) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RectangleRelease,
    ::testing::Values(
        DragCase{"right and down spans both cells", {2, 1}, {{3, 2}, {4, 3}}, 640, 480, CellRect{2, 1, 5, 4}},
        DragCase{"a press and release in one cell fills it", {6, 4}, {}, 640, 480, CellRect{6, 4, 7, 5}},
        DragCase{"back in the pressed cell fills it", {6, 4}, {{8, 7}, {6, 4}}, 640, 480, CellRect{6, 4, 7, 5}},
        // dragging left or up leaves out the pointer's cell and the start's cell
        DragCase{"left and up", {5, 5}, {{2, 3}}, 640, 480, CellRect{3, 4, 5, 5}},
        DragCase{"corners in one column fill nothing", {3, 3}, {{2, 6}}, 640, 480, std::nullopt},
        DragCase{"corners in one row fill nothing", {3, 3}, {{6, 2}}, 640, 480, std::nullopt},
        // 16-pixel chips, 640 pixels wide: the end corner 31 is clamped to 640 div 32
        DragCase{"mini clamping by 32-pixel units", {2, 1}, {{30, 3}}, 640, 480, CellRect{2, 1, 20, 4}},
        DragCase{"a pointer left of and above the view", {3, 3}, {{-2, -3}}, 640, 480, CellRect{0, 0, 3, 3}}));

TEST(RectangleDrag, MoveReportsOnlyANewEndCorner) {
  RectangleDrag drag;
  drag.Press({2, 2});
  EXPECT_FALSE(drag.Move({2, 2}));
  EXPECT_TRUE(drag.Move({3, 2}));
  EXPECT_EQ(drag.end(), (CellPos{4, 3}));
  EXPECT_FALSE(drag.Move({3, 2}));
}

TEST(RectangleDrag, BlockIsOrderedForThePreview) {
  RectangleDrag drag;
  drag.Press({5, 5});
  drag.Move({1, 2});
  EXPECT_EQ(drag.Block(), (CellRect{2, 3, 5, 5}));
}

TEST(FillViewBlock, WritesStageCellsOffsetByTheScrollAndSkipsTheRest) {
  StageDocument doc;
  int writes = 0;
  doc.onCellWritten = [&](int x, int y, TileCode) {
    ++writes;
    EXPECT_TRUE(InStage(x, y));
  };
  FillViewBlock(doc, {0, 28, 5, 32}, 177, 0, 27);
  EXPECT_EQ(writes, 3 * 2);
  EXPECT_EQ(doc.GetCell(177, 28), 27);
  EXPECT_EQ(doc.GetCell(179, 29), 27);
  EXPECT_EQ(doc.GetCell(176, 28), 0);
  EXPECT_FALSE(doc.modified()) << "the caller marks the document";
}

} // namespace
} // namespace zt
