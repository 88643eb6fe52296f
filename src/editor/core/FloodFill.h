#pragma once
// The fill tool over the current stage of a document.

#include "document/TileCode.h"
#include "editor/core/ViewCoordinates.h"

#include <optional>

namespace zt {

class StageDocument;

// Replaces the 4-connected region of cells that hold the start cell's code by
// `fill`. With `limit`, cells outside it are neither filled nor passed
// through. Cells are visited in queue order, neighbours queued left, right,
// below, above. Returns false, changing nothing, when the start cell lies
// beyond the stage or already holds `fill`. No undo entries, and the
// modified flag is left as it was.
bool FloodFill(StageDocument& doc, CellPos start, TileCode fill, const std::optional<CellRect>& limit);

} // namespace zt
