#include "editor/core/FloodFill.h"

#include "document/StageDocument.h"

#include <deque>

namespace zt {

bool FloodFill(StageDocument& doc, CellPos start, TileCode fill, const std::optional<CellRect>& limit) {
  const TileCode target = doc.GetCell(start.x, start.y);
  if (!InStage(start.x, start.y) || target == fill) return false;
  const auto holdsTarget = [&](CellPos cell) {
    return InStage(cell.x, cell.y) && doc.GetCell(cell.x, cell.y) == target;
  };
  // A cell may be queued more than once; it is skipped when its turn comes
  // because it no longer holds the target.
  std::deque<CellPos> queue{start};
  while (!queue.empty()) {
    const CellPos cell = queue.front();
    queue.pop_front();
    if (!holdsTarget(cell) || (limit && !limit->Contains(cell))) continue;
    doc.SetCell(cell.x, cell.y, fill);
    for (const CellPos next : {CellPos{cell.x - 1, cell.y}, CellPos{cell.x + 1, cell.y}, CellPos{cell.x, cell.y + 1},
                               CellPos{cell.x, cell.y - 1}})
      if (holdsTarget(next)) queue.push_back(next);
  }
  return true;
}

} // namespace zt
