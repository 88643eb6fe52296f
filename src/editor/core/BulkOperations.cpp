#include "editor/core/BulkOperations.h"

#include "document/StageDocument.h"

#include <charconv>

namespace zt {
namespace {

constexpr TileCode kFirstWarpPipe = 47; // "u"
constexpr TileCode kLastWarpPipe = 50;  // "x"

// Calls `visit` for every cell of the current stage in scan order until it
// returns false.
template <typename Visit>
void ScanStage(Visit visit) {
  for (int x = 0; x < kStageWidth; ++x)
    for (int y = 0; y < kStageHeight; ++y)
      if (!visit(CellPos{x, y})) return;
}

} // namespace

int CountTiles(const StageDocument& doc, TileCode code) {
  int count = 0;
  ScanStage([&](CellPos cell) {
    if (doc.GetCell(cell.x, cell.y) == code) ++count;
    return true;
  });
  return count;
}

int DeleteTiles(StageDocument& doc, TileCode code, std::optional<CellPos> keep) {
  int count = 0;
  ScanStage([&](CellPos cell) {
    if (doc.GetCell(cell.x, cell.y) == code && cell != keep) {
      doc.SetCell(cell.x, cell.y, 0);
      ++count;
    }
    return true;
  });
  return count;
}

int FillBlock(StageDocument& doc, const CellRect& block, TileCode code) {
  int changed = 0;
  for (int x = block.left; x < block.right; ++x)
    for (int y = block.top; y < block.bottom; ++y) {
      if (!InStage(x, y)) continue;
      if (doc.GetCell(x, y) != code) ++changed;
      doc.SetCell(x, y, code);
    }
  return changed;
}

CellRect ColumnBlock(int x) { return {x, 0, x + 1, kStageHeight}; }
CellRect RowBlock(int y) { return {0, y, kStageWidth, y + 1}; }
CellRect StageBlock() { return {0, 0, kStageWidth, kStageHeight}; }

std::string RatioText(int count) {
  const double ratio = static_cast<double>(count) * 100.0 / kStageCells;
  // Independent of the locale, which may use a decimal comma.
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, ratio, std::chars_format::general, 15).ptr;
  return std::string(text, end);
}

bool IsWarpPipe(TileCode code) { return code >= kFirstWarpPipe && code <= kLastWarpPipe; }

std::optional<CellPos> FindWarpPartner(const StageDocument& doc, CellPos from) {
  const TileCode code = doc.GetCell(from.x, from.y);
  std::optional<CellPos> found;
  ScanStage([&](CellPos cell) {
    if (cell != from && doc.GetCell(cell.x, cell.y) == code) found = cell;
    return !found;
  });
  return found;
}

CellPos CentringScroll(CellPos cell, const ViewGeometry& view) {
  return {cell.x - view.width / (2 * view.chipSize), cell.y - view.height / (2 * view.chipSize)};
}

} // namespace zt
