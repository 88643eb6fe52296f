#include "editor/core/Maze.h"

#include "document/StageDocument.h"
#include "editor/core/BlockEditing.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <random>

namespace zt {
namespace {

class MazeBuilder {
 public:
  MazeBuilder(StageDocument& doc, TileCode wall, const MazeRandom& random) : doc_(doc), wall_(wall), random_(random) {}

  void Build(const CellRect& block) {
    ClearBlock(doc_, block);
    const int x0 = block.left, y0 = block.top;
    const int width = block.width() | 1, height = block.height() | 1; // even sizes gain a column or row
    const int xe = x0 + width - 1, ye = y0 + height - 1;
    const int pillarColumns = (width - 2) / 2, pillarRows = (height - 2) / 2;

    for (int x = x0; x <= xe; ++x) {
      Wall({x, y0});
      Wall({x, ye});
    }
    for (int y = y0; y <= ye; ++y) {
      Wall({x0, y});
      Wall({xe, y});
    }
    for (int i = 2; i < width - 2; i += 2)
      for (int j = 2; j < height - 2; j += 2) Wall({x0 + i, y0 + j});

    // Without a pillar column the first-column step would tip cells of the
    // right frame and beyond it.
    if (pillarColumns < 1) return;
    for (int k = 0; k < pillarRows; ++k) TipFirstColumn({x0 + 2, y0 + 2 * k + 2});
    for (int k = 0; k < pillarRows; ++k)
      for (int l = 1; l < pillarColumns; ++l) TipOther({x0 + 2 * l + 2, y0 + 2 * k + 2});
  }

 private:
  void Wall(CellPos cell) {
    if (InStage(cell.x, cell.y)) doc_.SetCell(cell.x, cell.y, wall_);
  }
  // A target beyond the stage counts as occupied.
  bool Free(CellPos cell) const { return InStage(cell.x, cell.y) && doc_.GetCell(cell.x, cell.y) == 0; }

  // Any direction, each with probability 1/4.
  void TipFirstColumn(CellPos pillar) {
    TipUntilPlaced(pillar, true, [&] {
      const bool horizontal = random_(2) != 0;
      const bool second = random_(2) != 0;
      if (horizontal) return second ? Left(pillar) : Right(pillar);
      return second ? Above(pillar) : Below(pillar);
    });
  }
  // Right with probability 2/3, else below or above; never left.
  void TipOther(CellPos pillar) {
    TipUntilPlaced(pillar, false, [&] {
      if (random_(3) != 0) return Right(pillar);
      return random_(2) != 0 ? Above(pillar) : Below(pillar);
    });
  }

  // Draws targets until one is free and walls it. A pillar at the stage's
  // edge may have no free target at all; drawing would never end, so it
  // lays no wall.
  template <typename Draw>
  void TipUntilPlaced(CellPos pillar, bool mayTipLeft, Draw draw) {
    const std::array<CellPos, 4> targets{Right(pillar), Below(pillar), Above(pillar), Left(pillar)};
    const auto end = targets.begin() + (mayTipLeft ? 4 : 3);
    if (std::none_of(targets.begin(), end, [&](CellPos target) { return Free(target); })) return;
    for (;;) {
      const CellPos target = draw();
      if (Free(target)) {
        Wall(target);
        return;
      }
    }
  }

  static CellPos Right(CellPos at) { return {at.x + 1, at.y}; }
  static CellPos Left(CellPos at) { return {at.x - 1, at.y}; }
  static CellPos Below(CellPos at) { return {at.x, at.y + 1}; }
  static CellPos Above(CellPos at) { return {at.x, at.y - 1}; }

  StageDocument& doc_;
  TileCode wall_;
  const MazeRandom& random_;
};

// The block after widening: where the maze may write.
CellRect MazeRect(const CellRect& block) {
  return {block.left, block.top, block.left + (block.width() | 1), block.top + (block.height() | 1)};
}

} // namespace

MazeRandom ClockSeededRandom() {
  const auto ticks = static_cast<unsigned long long>(std::chrono::system_clock::now().time_since_epoch().count());
  std::seed_seq seed{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32)};
  auto engine = std::make_shared<std::mt19937>(seed);
  return [engine](int n) { return std::uniform_int_distribution<int>(0, n - 1)(*engine); };
}

bool BuildMaze(StageDocument& doc, const CellRect& block, TileCode wall, const MazeRandom& random) {
  if (block.width() <= 0 || block.height() <= 0) return false;
  const TileClipboard before = CopyBlock(doc, MazeRect(block));
  MazeBuilder(doc, wall, random).Build(block);
  return CopyBlock(doc, MazeRect(block)) != before;
}

} // namespace zt
