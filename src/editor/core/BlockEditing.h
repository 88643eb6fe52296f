#pragma once
// Cut, copy, paste and delete of a block of stage cells, and the stage
// blocks a selection on the map view stands for.

#include "editor/core/TileClipboard.h"
#include "editor/core/TileSelection.h"
#include "editor/core/ViewCoordinates.h"
#include "editor/core/ViewGeometry.h"

namespace zt {

class StageDocument;

// Reorders the selection's corners in place (first top-left, second
// bottom-right) and gives the stage cells it covers at the view's scroll
// position; they may reach beyond the stage.
CellRect TakeSelectionBlock(TileSelection& selection, const ViewGeometry& view);
// The stage cell under the selection's first corner, as it stands: where a
// drag began, whichever way it went.
CellPos SelectionAnchor(const TileSelection& selection, const ViewGeometry& view);

// The block's cells, column by column; cells beyond the stage copy as 0.
TileClipboard CopyBlock(const StageDocument& doc, const CellRect& block);
// Empties the block's cells that lie in the stage; returns how many changed.
int ClearBlock(StageDocument& doc, const CellRect& block);
// Writes the clipboard with its top-left cell at `topLeft`; cells that would
// fall beyond the stage are dropped, the rest are written.
void PasteBlock(StageDocument& doc, const TileClipboard& clipboard, CellPos topLeft);

} // namespace zt
