// What the map view draws into its back buffer, checked pixel by pixel
// against the synthetic pattern.

#include "MapTestSupport.h"

#include "document/ParameterCatalogue.h"
#include "editor/map/MapRenderer.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::MapFixture;
using test::PatternColourAt;

struct TileCase {
  const char* what;
  bool mini;
  int scrollX, scrollY;
  TileCode code;
  int x, y;
  QRect onScreen; // the whole picture, possibly reaching out of the view
  QPoint source;  // its top-left corner in the pattern
};

class TilePosition : public ::testing::TestWithParam<TileCase> {};

TEST_P(TilePosition, DrawsThePatternCellWhereItBelongs) {
  const TileCase& c = GetParam();
  MapFixture map;
  map.SetOptions([&](MapViewOptions& o) { o.mini = c.mini; });
  map.doc.SetCell(c.x, c.y, c.code);
  map.view.SetOrigin(c.scrollX, c.scrollY);

  const int scale = c.mini ? 2 : 1;
  const QRect visible = c.onScreen & QRect(0, 0, 640, 480);
  // Each corner of the visible part, one pixel inwards, shows the matching
  // pattern pixel.
  for (const QPoint corner : {visible.topLeft() + QPoint(1, 1), visible.topRight() + QPoint(-1, 1),
                              visible.bottomLeft() + QPoint(1, -1), visible.bottomRight() - QPoint(1, 1)}) {
    const QPoint from = c.source + (corner - c.onScreen.topLeft()) * scale;
    EXPECT_EQ(map.At(corner.x(), corner.y()), PatternColourAt(from.x(), from.y()))
        << c.what << " at " << corner.x() << "," << corner.y();
  }
  // Just outside the picture the background shows.
  if (c.onScreen.left() > 0) {
    EXPECT_EQ(map.At(c.onScreen.left() - 1, visible.top()), test::kStageOneBackground) << c.what;
  }
  EXPECT_EQ(map.At(c.onScreen.right() + 1, visible.bottom()), test::kStageOneBackground) << c.what;
  if (c.onScreen.bottom() + 1 < 480) {
    EXPECT_EQ(map.At(visible.left(), c.onScreen.bottom() + 1), test::kStageOneBackground) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TilePosition,
    ::testing::Values(TileCase{"block", false, 0, 0, 27, 3, 2, {96, 64, 32, 32}, {0, 64}},
                      TileCase{"scrolled block", false, 8, 4, 27, 10, 5, {64, 32, 32, 32}, {0, 64}},
                      TileCase{"link pipe two cells wide", false, 1, 0, 47, 2, 1, {32, 32, 64, 32}, {0, 192}},
                      TileCase{"falling block one cell left", false, 0, 0, 14, 5, 3, {128, 96, 96, 64}, {96, 576}},
                      TileCase{"falling block stretched to half", true, 0, 0, 14, 5, 3, {64, 48, 48, 32}, {96, 576}},
                      TileCase{"block stretched to half", true, 2, 1, 28, 4, 3, {32, 32, 16, 16}, {32, 64}},
                      TileCase{"boss in row 0 cut at the top", false, 0, 0, 19, 4, 0, {128, -32, 64, 64}, {192, 576}},
                      TileCase{"water plant right and down", false, 0, 0, 25, 1, 1, {32, 32, 64, 64}, {192, 224}}));

TEST(MapRenderer, APlatformAnchoredLeftOfTheViewIsNotDrawn) {
  MapFixture map;
  map.doc.SetCell(8, 2, 12); // its 96-pixel picture would cover columns 8..10
  map.doc.SetCell(9, 3, 12);
  map.view.SetOrigin(10, 0);
  EXPECT_EQ(map.At(5, 2 * 32 + 5), test::kStageOneBackground);
  EXPECT_EQ(map.At(5, 3 * 32 + 5), test::kStageOneBackground);
  map.view.SetOrigin(9, 0);
  EXPECT_EQ(map.At(40, 3 * 32 + 5), PatternColourAt(40, 608 + 5)) << "anchored in view: drawn";
}

TEST(MapRenderer, ScrolledToTheLastCellTheRestIsButtonFace) {
  MapFixture map;
  map.doc.SetCell(179, 29, 27);
  map.view.SetOrigin(179, 29);
  const QRgb buttonFace = map.view.palette().color(QPalette::Button).rgb();
  EXPECT_EQ(map.At(5, 5), PatternColourAt(5, 64 + 5));
  for (const QPoint at : {QPoint(40, 5), QPoint(639, 5), QPoint(5, 40), QPoint(5, 479), QPoint(300, 300)})
    EXPECT_EQ(map.At(at.x(), at.y()), buttonFace) << at.x() << "," << at.y();
}

TEST(MapRenderer, UnrecognisedCodesStayBlank) {
  MapFixture map;
  map.doc.SetCell(2, 2, kUnknownTile);
  map.view.Redraw();
  EXPECT_EQ(map.At(2 * 32 + 3, 2 * 32 + 3), test::kStageOneBackground);
}

TEST(MapRenderer, LaterCellsOfAColumnAndLaterColumnsLieOnTop) {
  MapFixture map;
  map.doc.SetCell(5, 2, 27); // a block above a boss, in the same column
  map.doc.SetCell(5, 3, 19); // the boss covers (5..6, 2..3)
  map.doc.SetCell(2, 2, 25); // a water plant covering (2..3, 2..3)
  map.doc.SetCell(3, 3, 28); // a block in the later column
  map.view.Redraw();
  EXPECT_EQ(map.At(5 * 32 + 3, 2 * 32 + 3), PatternColourAt(192 + 3, 576 + 3)) << "the boss over the block";
  EXPECT_EQ(map.At(3 * 32 + 3, 3 * 32 + 3), PatternColourAt(32 + 3, 64 + 3)) << "the block over the plant";
}

TEST(MapRenderer, PlatformsFollowTheirTypeOnlyWhileSwitchedOn) {
  MapFixture map;
  map.doc.SetInt(ParamId::ugokuyuka2_type, 7); // the 32 x 32 jump pad at 64, 96
  map.doc.SetCell(3, 3, 12);
  map.view.Redraw();
  EXPECT_EQ(map.At(3 * 32 + 3, 3 * 32 + 3), PatternColourAt(64 + 3, 96 + 3));
  EXPECT_EQ(map.At(4 * 32 + 3, 3 * 32 + 3), test::kStageOneBackground);
  map.SetOptions([](MapViewOptions& o) { o.ugokuyukaView = false; });
  EXPECT_EQ(map.At(4 * 32 + 3, 3 * 32 + 3), PatternColourAt(32 + 3, 608 + 3));
}

// Rows of the tile's cell that hold text pixels.
std::vector<int> TextRows(const MapFixture& map, int x, int y, int chip) {
  std::vector<int> rows;
  for (int j = 0; j < chip; ++j)
    for (int i = 0; i < chip; ++i)
      if (test::IsTextPixel(map.At(x * chip + i, y * chip + j))) {
        rows.push_back(j);
        break;
      }
  return rows;
}

struct TextCase {
  const char* what;
  bool mini, viewNum, viewInfo;
  TileCode code;
  int firstRow, lastRow; // rows of the cell with text; -1: no text at all
};

class TileText : public ::testing::TestWithParam<TextCase> {};

TEST_P(TileText, IsWrittenWhereAndWhenSwitchedOn) {
  const TextCase& c = GetParam();
  MapFixture map;
  map.SetOptions([&](MapViewOptions& o) {
    o.mini = c.mini;
    o.viewNum = c.viewNum;
    o.viewInfo = c.viewInfo;
  });
  map.doc.SetCell(4, 4, c.code);
  map.view.Redraw();
  const std::vector<int> rows = TextRows(map, 4, 4, c.mini ? 16 : 32);
  if (c.firstRow < 0) {
    EXPECT_TRUE(rows.empty()) << c.what;
    return;
  }
  ASSERT_FALSE(rows.empty()) << c.what;
  EXPECT_GE(rows.front(), c.firstRow) << c.what;
  EXPECT_LE(rows.back(), c.lastRow) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TileText,
    ::testing::Values(TextCase{"mark 15 pixels down", false, false, true, 2, 15, 31},
                      TextCase{"marks switched off", false, false, false, 2, -1, -1},
                      TextCase{"a tile without a mark", false, false, true, 3, -1, -1},
                      TextCase{"map character at the top", false, true, false, 27, 0, 14},
                      TextCase{"no characters with mini chips", true, true, false, 27, -1, -1},
                      TextCase{"small mark at the top with mini chips", true, false, true, 37, 0, 10}));

TEST(MapRenderer, TheTextTakesTheFontColour) {
  MapFixture map;
  map.SetOptions([](MapViewOptions& o) {
    o.viewNum = true;
    o.fontColor = 0xFF0000; // blue
  });
  map.doc.SetCell(1, 1, 27);
  map.view.Redraw();
  bool blueText = false;
  for (int i = 0; i < 32 && !blueText; ++i)
    for (int j = 0; j < 16; ++j) {
      const QRgb pixel = map.At(32 + i, 32 + j);
      if (qBlue(pixel) > 230 && qRed(pixel) < 100 && qGreen(pixel) < 100) blueText = true;
    }
  EXPECT_TRUE(blueText);
}

TEST(MapRenderer, RebuildPaintsTheCurrentStagesBackground) {
  MapFixture map;
  map.doc.currentStage = 1;
  map.view.Redraw();
  EXPECT_EQ(map.At(100, 100), test::kStageTwoBackground);
}

TEST(MapRenderer, RenderStageDrawsTheWholeStage) {
  for (const bool mini : {false, true}) {
    MapFixture map;
    map.doc.SetCell(0, 0, 27);
    map.doc.SetCell(179, 29, 28);
    MapRenderer renderer(map.doc, map.pattern);
    MapViewOptions options;
    options.mini = mini;
    renderer.SetOptions(options);
    const QImage picture = renderer.RenderStage();
    const int chip = mini ? 16 : 32;
    const int scale = mini ? 2 : 1;
    EXPECT_EQ(picture.size(), QSize(180 * chip, 30 * chip));
    EXPECT_EQ(picture.pixel(1, 1), PatternColourAt(scale, 64 + scale));
    EXPECT_EQ(picture.pixel(180 * chip - 2, 30 * chip - 2), PatternColourAt(64 - 2 * scale, 96 - 2 * scale));
    EXPECT_EQ(picture.pixel(100 * chip, 10 * chip), test::kStageOneBackground);
  }
}

} // namespace
} // namespace zt
