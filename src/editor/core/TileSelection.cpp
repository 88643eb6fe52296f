#include "editor/core/TileSelection.h"

#include <algorithm>
#include <utility>

namespace zt {

void TileSelection::Start(PixelPos corner) {
  active = true;
  first = corner;
  second = corner;
}

bool TileSelection::MoveSecond(PixelPos corner) {
  if (corner == second) return false;
  second = corner;
  return true;
}

void TileSelection::Reorder() {
  if (first.x > second.x) std::swap(first.x, second.x);
  if (first.y > second.y) std::swap(first.y, second.y);
}

PixelRect TileSelection::Outline(int chipSize) const {
  return {std::min(first.x, second.x), std::min(first.y, second.y), std::max(first.x, second.x) + chipSize,
          std::max(first.y, second.y) + chipSize};
}

CellRect TileSelection::ViewCells(int chipSize) const {
  const PixelRect outline = Outline(chipSize);
  return {FloorDiv(outline.left, chipSize), FloorDiv(outline.top, chipSize), FloorDiv(outline.right, chipSize),
          FloorDiv(outline.bottom, chipSize)};
}

} // namespace zt
