// The pictures a fresh install ships in html/ must load and show every tile.

#include "editor/pattern/GifCodec.h"
#include "editor/pattern/PatternLoader.h"

#include "document/TileCatalogue.h"

#include <gtest/gtest.h>

#include <string>

namespace zt {
namespace {

const std::string kHtml = std::string(ZT_ASSETS_DIR) + "/html/";

// Share of the cell's pixels that are not the transparent colour.
double DrawnShare(const PatternImage& pattern, const PatternCell& cell) {
  int drawn = 0;
  for (int y = cell.y; y < cell.y + cell.height; ++y)
    for (int x = cell.x; x < cell.x + cell.width; ++x) drawn += pattern.raw().pixel(x, y) != pattern.transparentColour();
  return static_cast<double>(drawn) / (cell.width * cell.height);
}

TEST(ShippedPictures, PatternHasATransparentColourAndAPictureInEveryCell) {
  const auto gif = DecodeGif(kHtml + "pattern.gif");
  ASSERT_TRUE(gif);
  EXPECT_EQ(gif->image.size(), QSize(320, 800));
  EXPECT_TRUE(gif->hasTransparentIndex);

  PatternImage pattern;
  ASSERT_TRUE(LoadPatternPicture(pattern, kHtml + "pattern.gif", false).loaded);
  EXPECT_EQ(pattern.raw().pixel(0, 0), pattern.transparentColour()); // the empty tile
  for (int code = 1; code <= 65; ++code)
    EXPECT_GT(DrawnShare(pattern, TilePatternCell(static_cast<TileCode>(code))), 0.1) << "tile " << code;
  for (int type = 1; type <= 7; ++type) {
    PlatformLook look;
    look.types[0] = type;
    EXPECT_GT(DrawnShare(pattern, TilePatternCell(11, look)), 0.1) << "platform type " << type;
  }
  for (int code = 1; code <= 20; ++code)
    EXPECT_GT(DrawnShare(pattern, *WorldPatternCell(static_cast<WorldCode>(code))), 0.1) << "world code " << code;
}

TEST(ShippedPictures, ScreensAndWorldMapAreFullSize) {
  for (const char* name : {"title.gif", "ending.gif", "gameover.gif", "chizu.gif"}) {
    const auto gif = DecodeGif(kHtml + name);
    ASSERT_TRUE(gif) << name;
    EXPECT_EQ(gif->image.size(), QSize(512, 320)) << name;
  }
  WorldMapPicture map;
  EXPECT_TRUE(LoadWorldMapPicture(map, kHtml + "chizu.gif"));
}

} // namespace
} // namespace zt
