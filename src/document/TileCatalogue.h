#pragma once
// The fixed table of the 66 stage tiles and 21 world-map codes: names,
// pictures in the pattern image, draw offsets, marks, count groups and
// overview colours.

#include "document/TileCode.h"

#include <optional>
#include <string_view>

namespace zt {

struct PatternCell {
  int x = 0, y = 0, width = 32, height = 32; // pixels in the 320 x 800 pattern image
  bool operator==(const PatternCell&) const = default;
};

struct CellOffset {
  int dx = 0, dy = 0; // whole cells
  bool operator==(const CellOffset&) const = default;
};

struct Rgb {
  int red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

enum class CountGroup { None, Enemy, Obstacle, Item, Boss };

// What the picture of the three moving-platform tiles depends on: the three
// platform types (settings value 1..7) and whether the view follows them.
struct PlatformLook {
  int types[3] = {1, 1, 1}; // ugokuyuka1_type, ugokuyuka2_type, ugokuyuka3_type
  bool followTypes = true;  // option ugokuyuka_view
};

std::string_view TileName(TileCode code);
PatternCell TilePatternCell(TileCode code, const PlatformLook& platforms = {});
CellOffset TileDrawOffset(TileCode code);
std::string_view TileMark(TileCode code);
CountGroup TileCountGroup(TileCode code);
std::optional<Rgb> TileOverviewColour(TileCode code);

// World-map codes: the editor list entry ("  A  自分") and the pattern cell's
// top-left corner (the cell is 32 x 32); code 0 has no picture.
std::string_view WorldListEntry(WorldCode code);
std::optional<PatternCell> WorldPatternCell(WorldCode code);

} // namespace zt
