// The four texts of the map status line.

#include "editor/core/MapStatusText.h"

#include "document/StageDocument.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

struct StatusCase {
  const char* what;
  ViewGeometry view;
  PixelPos pointer;
  std::array<std::string, 4> texts;
};

class MapStatusTextTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(MapStatusTextTest, DescribesTheCellUnderThePointer) {
  StageDocument doc;
  doc.currentStage = 2;
  doc.SetCell(3, 2, 27);
  doc.SetCell(178, 29, 1);
  doc.SetCell(5, 5, kUnknownTile);
  EXPECT_EQ(MapStatusTexts(doc, GetParam().view, GetParam().pointer, 61), GetParam().texts) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MapStatusTextTest,
    ::testing::Values(
        StatusCase{"a tile", {32, 0, 0, 640, 480}, {100, 70},
                   {"pos 3,2", "char a ブロック１", "scroll 0,0", "selected 9"}},
        StatusCase{"an empty cell", {32, 0, 0, 640, 480}, {0, 0},
                   {"pos 0,0", "char . 空白", "scroll 0,0", "selected 9"}},
        StatusCase{"unrecognised", {16, 0, 0, 640, 480}, {80, 90},
                   {"pos 5,5", "char 0 Unknown", "scroll 0,0", "selected 9"}},
        StatusCase{"scrolled", {32, 170, 20, 640, 480}, {260, 300},
                   {"pos 178,29", "char A Zarno 主人公", "scroll 170,20", "selected 9"}},
        StatusCase{"beyond the last column", {32, 179, 0, 640, 480}, {40, 0},
                   {"pos 180,0", "char ", "scroll 179,0", "selected 9"}},
        StatusCase{"below the last row", {32, 0, 29, 640, 480}, {0, 33},
                   {"pos 0,30", "char ", "scroll 0,29", "selected 9"}}));

} // namespace
} // namespace zt
