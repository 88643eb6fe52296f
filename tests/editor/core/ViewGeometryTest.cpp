// Pixel and cell conversions of the map view.

#include "editor/core/ViewGeometry.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

ViewGeometry View(int chip, int scrollX, int scrollY, int width = 640, int height = 480) {
  return {chip, scrollX, scrollY, width, height};
}

struct CellCase {
  int chip, scrollX, scrollY;
  PixelPos pixel;
  CellPos stageCell;
  PixelPos corner;
};

class PixelToCell : public ::testing::TestWithParam<CellCase> {};

TEST_P(PixelToCell, GivesTheCellAndItsCorner) {
  const CellCase& c = GetParam();
  const ViewGeometry view = View(c.chip, c.scrollX, c.scrollY);
  EXPECT_EQ(view.StageCellAt(c.pixel), c.stageCell);
  EXPECT_EQ(view.CellCornerAt(c.pixel), c.corner);
}

INSTANTIATE_TEST_SUITE_P(Cases, PixelToCell,
                         ::testing::Values(CellCase{32, 0, 0, {0, 0}, {0, 0}, {0, 0}},
                                           CellCase{32, 0, 0, {31, 63}, {0, 1}, {0, 32}},
                                           CellCase{32, 10, 5, {32, 70}, {11, 7}, {32, 64}},
                                           CellCase{16, 10, 5, {33, 15}, {12, 5}, {32, 0}},
                                           // a captured pointer left of or above the view
                                           CellCase{32, 10, 5, {-1, -40}, {9, 3}, {-32, -64}}));

TEST(ViewGeometry, DrawnCellsIncludeThePartlyVisibleColumnAndRow) {
  const ViewGeometry view = View(32, 4, 2, 1000, 700);
  EXPECT_EQ(view.ColumnsShown(), 32);
  EXPECT_EQ(view.RowsShown(), 22);
  EXPECT_EQ(view.DrawnCells(), (CellRect{4, 2, 36, 24}));
  EXPECT_EQ(view.FullyVisibleCells(), (CellRect{4, 2, 35, 23}));
  EXPECT_TRUE(view.CellInView(35, 23));
  EXPECT_FALSE(view.CellInView(36, 10));
  EXPECT_FALSE(view.CellInView(3, 10));
}

TEST(ViewGeometry, AnExactMultipleStillDrawsOneMoreColumn) {
  // 1024 / 32 = 32 whole columns; the loop still visits column 32, whose
  // square lies just outside the view.
  const ViewGeometry view = View(32, 0, 0, 1024, 768);
  EXPECT_EQ(view.DrawnCells(), (CellRect{0, 0, 33, 25}));
  EXPECT_EQ(view.FullyVisibleCells(), (CellRect{0, 0, 32, 24}));
}

struct TileCase {
  const char* what;
  int chip, scrollX, scrollY;
  TileCode code;
  int x, y;
  PixelPos expected;
};

class TilePixel : public ::testing::TestWithParam<TileCase> {};

TEST_P(TilePixel, MovesTheAnchorByTheDrawOffset) {
  const TileCase& c = GetParam();
  EXPECT_EQ(View(c.chip, c.scrollX, c.scrollY).TilePixel(c.code, c.x, c.y), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, TilePixel,
                         ::testing::Values(TileCase{"block", 32, 0, 0, 27, 3, 2, {96, 64}},
                                           TileCase{"scrolled block", 32, 8, 4, 27, 10, 5, {64, 32}},
                                           TileCase{"falling block one cell left", 32, 0, 0, 14, 5, 3, {128, 96}},
                                           TileCase{"falling block, mini", 16, 0, 0, 14, 5, 3, {64, 48}},
                                           TileCase{"boss one cell up, cut at the top", 32, 0, 0, 19, 4, 0, {128, -32}},
                                           TileCase{"boss in the first visible row", 16, 0, 10, 26, 4, 10, {64, -16}},
                                           TileCase{"platform left of the view", 32, 10, 0, 12, 8, 2, {-64, 64}}));

TEST(ViewGeometry, MiniChipsHalvePatternLengths) {
  EXPECT_EQ(View(32, 0, 0).ScreenLength(96), 96);
  EXPECT_EQ(View(16, 0, 0).ScreenLength(96), 48);
  EXPECT_EQ(View(16, 0, 0).ScreenLength(64), 32);
}

} // namespace
} // namespace zt
