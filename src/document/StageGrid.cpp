#include "document/StageGrid.h"

namespace zt {

std::string StageRowText(const StageGrid& grid, int y) {
  std::string row(kStageWidth, '.');
  for (int x = 0; x < kStageWidth; ++x) row[static_cast<std::size_t>(x)] = TileCodeToChar(grid.at(x, y));
  return row;
}

std::string WorldRowText(const WorldMapGrid& grid, int y) {
  std::string row(kWorldWidth, '.');
  for (int x = 0; x < kWorldWidth; ++x) row[static_cast<std::size_t>(x)] = WorldCodeToChar(grid.at(x, y));
  return row;
}

} // namespace zt
