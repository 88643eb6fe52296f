#include "document/TileCatalogue.h"
#include "document/TileCode.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zt {
namespace {

TEST(TileCodeText, EveryCodeRoundTripsThroughItsCharacter) {
  std::set<char> seen;
  for (int code = 0; code <= kLastTileCode; ++code) {
    const char c = TileCodeToChar(static_cast<TileCode>(code));
    EXPECT_TRUE(seen.insert(c).second) << "character used twice: " << c;
    EXPECT_EQ(TileCodeFromChar(c), code);
  }
}

TEST(TileCodeText, FixedPointsOfTheTable) {
  struct Case {
    const char* text;
    int code;
  } cases[] = {
      {".", 0}, {"A", 1}, {"Z", 26}, {"a", 27}, {"z", 52}, {"1", 53}, {"9", 61},
      {"+", 62}, {"-", 63}, {"*", 64}, {"/", 65},
      // not tiles: "0", empty, longer text, other punctuation
      {"0", 255}, {"", 255}, {"AB", 255}, {"#", 255}, {" ", 255},
  };
  for (const Case& c : cases) EXPECT_EQ(TileCodeFromChar(std::string_view(c.text)), c.code) << c.text;
}

TEST(TileCodeText, CodesOutsideTheTableWriteZero) {
  for (int code : {66, 100, 254, 255}) EXPECT_EQ(TileCodeToChar(static_cast<TileCode>(code)), '0');
}

TEST(WorldCodeText, TableAndUnknownCharacters) {
  const std::string chars = ".ABCDEabcdefghijkl123";
  for (int code = 0; code <= kLastWorldCode; ++code) {
    EXPECT_EQ(WorldCodeToChar(static_cast<WorldCode>(code)), chars[static_cast<std::size_t>(code)]);
    EXPECT_EQ(WorldCodeFromChar(chars[static_cast<std::size_t>(code)]), code);
  }
  // Unlike stage tiles, anything unknown is the empty cell.
  for (const char* text : {"Z", "F", "m", "4", "0", "", "AB"}) EXPECT_EQ(WorldCodeFromChar(std::string_view(text)), 0) << text;
}

TEST(TileCatalogue, NamesAndUnknownCodes) {
  EXPECT_EQ(TileName(0), "空白");
  EXPECT_EQ(TileName(4), "亀　下に床がないと落ちる 3匹連続"); // ideographic space after the turtle
  EXPECT_EQ(TileName(65), "一言メッセージ4");
  EXPECT_EQ(TileName(66), "Unknown");
  EXPECT_EQ(TileName(255), "Unknown");
  EXPECT_EQ(TilePatternCell(255), (PatternCell{0, 0, 32, 32}));
}

TEST(TileCatalogue, LargePicturesAndTheirOffsets) {
  struct Case {
    TileCode code;
    PatternCell cell;
    CellOffset offset;
  } cases[] = {
      {14, {96, 576, 96, 64}, {-1, 0}}, {19, {192, 576, 64, 64}, {0, -1}}, {20, {256, 576, 64, 64}, {0, -1}},
      {26, {256, 736, 64, 64}, {0, -1}}, {25, {192, 224, 64, 64}, {0, 0}},  {47, {0, 192, 64, 32}, {0, 0}},
      {50, {192, 192, 64, 32}, {0, 0}},  {1, {0, 320, 32, 32}, {0, 0}},    {61, {0, 288, 32, 32}, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TilePatternCell(c.code), c.cell) << int(c.code);
    EXPECT_EQ(TileDrawOffset(c.code), c.offset) << int(c.code);
  }
}

TEST(TileCatalogue, MovingPlatformPictureFollowsTypeOnlyWhenOptionIsOn) {
  const PatternCell plain{0, 608, 96, 32};
  PlatformLook look;
  look.types[1] = 7; // code 12 -> jump pad
  EXPECT_EQ(TilePatternCell(12, look), (PatternCell{64, 96, 32, 32}));
  EXPECT_EQ(TilePatternCell(11, look), plain);
  look.followTypes = false;
  EXPECT_EQ(TilePatternCell(12, look), plain);
  EXPECT_EQ(TileMark(12), "⇔"); // the mark never changes with the type

  const struct {
    int type;
    PatternCell cell;
  } byType[] = {{1, plain}, {2, {0, 576, 96, 32}}, {3, {0, 576, 96, 32}}, {4, plain}, {5, plain},
                {6, {256, 576, 64, 64}}, {7, {64, 96, 32, 32}},
                // a type the game does not know falls back to the plain platform
                {0, plain}, {8, plain}, {-56, plain}};
  for (const auto& c : byType) {
    PlatformLook l;
    l.types[2] = c.type;
    EXPECT_EQ(TilePatternCell(13, l), c.cell) << c.type;
  }
}

TEST(TileCatalogue, MarksGroupsAndColours) {
  EXPECT_EQ(TileMark(2), "⇔");
  EXPECT_EQ(TileMark(38), "？×3");
  EXPECT_EQ(TileMark(3), "");
  EXPECT_EQ(TileCountGroup(2), CountGroup::Enemy);
  EXPECT_EQ(TileCountGroup(14), CountGroup::Obstacle);
  EXPECT_EQ(TileCountGroup(25), CountGroup::Obstacle);
  EXPECT_EQ(TileCountGroup(37), CountGroup::Item);
  EXPECT_EQ(TileCountGroup(19), CountGroup::Boss);
  EXPECT_EQ(TileCountGroup(51), CountGroup::None); // the 1UP block counts nowhere
  EXPECT_EQ(TileCountGroup(255), CountGroup::None);

  EXPECT_EQ(TileOverviewColour(52), (Rgb{1, 1, 1})); // slippery floor is a colour, not "none"
  EXPECT_FALSE(TileOverviewColour(0).has_value());
  EXPECT_FALSE(TileOverviewColour(25).has_value());
  EXPECT_EQ(TileOverviewColour(255), (Rgb{58, 58, 58}));
  EXPECT_EQ(TileOverviewColour(47), (Rgb{0, 255, 255}));
}

TEST(TileCatalogue, WorldEntriesAndPictures) {
  EXPECT_EQ(WorldListEntry(0), "  .  空白");
  EXPECT_EQ(WorldListEntry(20), "  3  横の道");
  EXPECT_FALSE(WorldPatternCell(0).has_value());
  EXPECT_EQ(WorldPatternCell(13), (PatternCell{64, 672, 32, 32}));
  EXPECT_EQ(WorldPatternCell(17), (PatternCell{288, 640, 32, 32}));
}

} // namespace
} // namespace zt
