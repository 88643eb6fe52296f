#pragma once
// Fixed-size tile grids, stored column by column as the stage files describe.

#include "document/TileCode.h"

#include <array>
#include <cstdint>
#include <string>

namespace zt {

inline constexpr int kStageWidth = 180;
inline constexpr int kStageHeight = 30;
inline constexpr int kStageCells = kStageWidth * kStageHeight;
inline constexpr int kStageCount = 4;

inline constexpr int kWorldWidth = 15; // used part of the world map
inline constexpr int kWorldHeight = 9;

constexpr bool InStage(int x, int y) { return x >= 0 && x < kStageWidth && y >= 0 && y < kStageHeight; }
constexpr bool InWorld(int x, int y) { return x >= 0 && x < kWorldWidth && y >= 0 && y < kWorldHeight; }

// Columns x Rows cells; cell (x, y) is element x * Rows + y.
template <typename Code, int Columns, int Rows>
class ColumnMajorGrid {
 public:
  static constexpr int kColumns = Columns;
  static constexpr int kRows = Rows;

  Code at(int x, int y) const { return cells_[static_cast<std::size_t>(x * Rows + y)]; }
  Code& at(int x, int y) { return cells_[static_cast<std::size_t>(x * Rows + y)]; }
  void Fill(Code code) { cells_.fill(code); }
  bool operator==(const ColumnMajorGrid&) const = default;

 private:
  std::array<Code, static_cast<std::size_t>(Columns * Rows)> cells_{};
};

using StageGrid = ColumnMajorGrid<TileCode, kStageWidth, kStageHeight>;
// Declared 16 x 11; only the 15 x 9 part is read, written, drawn and edited.
using WorldMapGrid = ColumnMajorGrid<WorldCode, 16, 11>;

// Row y of a stage as its map characters, one per column.
std::string StageRowText(const StageGrid& grid, int y);
// Row y of the used world-map part as its characters.
std::string WorldRowText(const WorldMapGrid& grid, int y);

} // namespace zt
