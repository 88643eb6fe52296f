#pragma once
// Whole-stage operations of the map menu on the current stage: counting,
// deleting and filling, the share of a tile, and the warp-pipe search.
// Scans run column by column, each column top to bottom; codes compare as
// bytes, so the unrecognised code 255 matches only itself.

#include "document/TileCode.h"
#include "editor/core/ViewCoordinates.h"
#include "editor/core/ViewGeometry.h"

#include <optional>
#include <string>

namespace zt {

class StageDocument;

int CountTiles(const StageDocument& doc, TileCode code);
// Empties every cell holding `code`, except `keep` when given; returns how
// many were emptied.
int DeleteTiles(StageDocument& doc, TileCode code, std::optional<CellPos> keep = std::nullopt);
// Writes `code` into every stage cell of the block; returns how many changed.
int FillBlock(StageDocument& doc, const CellRect& block, TileCode code);
CellRect ColumnBlock(int x);
CellRect RowBlock(int y);
CellRect StageBlock();

// The share of the stage's 5400 cells, in percent, in the shortest decimal
// form with at most 15 significant digits ("0.0185185185185185", "1", "100").
std::string RatioText(int count);

// The four warp pipes "u", "v", "w" and "x".
bool IsWarpPipe(TileCode code);
// The first other cell holding the same code as `from`, in scan order.
std::optional<CellPos> FindWarpPartner(const StageDocument& doc, CellPos from);
// The scroll position that puts a cell near the middle of the view; the
// scroll bars clamp it to the stage.
CellPos CentringScroll(CellPos cell, const ViewGeometry& view);

} // namespace zt
