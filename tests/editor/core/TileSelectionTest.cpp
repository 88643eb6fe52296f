// The select tool's corners.

#include "editor/core/TileSelection.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(TileSelection, StartSetsBothCornersAndSwitchesOn) {
  TileSelection selection;
  selection.Start({64, 32});
  EXPECT_TRUE(selection.active);
  EXPECT_EQ(selection.first, (PixelPos{64, 32}));
  EXPECT_EQ(selection.second, (PixelPos{64, 32}));
  EXPECT_EQ(selection.Outline(32), (PixelRect{64, 32, 96, 64})) << "one cell";
}

TEST(TileSelection, OutlineAndCellsDoNotDependOnTheDragDirection) {
  TileSelection selection;
  selection.Start({96, 64});
  EXPECT_FALSE(selection.MoveSecond({96, 64}));
  EXPECT_TRUE(selection.MoveSecond({32, 0}));
  EXPECT_EQ(selection.Outline(32), (PixelRect{32, 0, 128, 96}));
  EXPECT_EQ(selection.ViewCells(32), (CellRect{1, 0, 4, 3}));
  EXPECT_EQ(selection.ViewCells(16), (CellRect{2, 0, 7, 5}));
}

TEST(TileSelection, ReorderPutsTheTopLeftCornerFirst) {
  TileSelection selection;
  selection.Start({96, 0});
  selection.MoveSecond({32, 64});
  selection.Reorder();
  EXPECT_EQ(selection.first, (PixelPos{32, 0}));
  EXPECT_EQ(selection.second, (PixelPos{96, 64}));
}

} // namespace
} // namespace zt
