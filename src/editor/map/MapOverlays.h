#pragma once
// What the map view draws over the copied back buffer on screen only: the
// grid, the selection outline and the rectangle tool's preview.

#include "editor/core/TileSelection.h"
#include "editor/core/ViewGeometry.h"
#include "editor/map/MapViewOptions.h"

class QPainter;

namespace zt {

// Lines at every multiple of the chip size across the view, in the pen style
// of gridType; with gridColType 0 they invert the pixels under them.
void DrawGrid(QPainter& painter, const ViewGeometry& view, const MapViewOptions& options);
// A dashed, inverting, 2-pixel outline.
void DrawSelectionOutline(QPainter& painter, const PixelRect& outline);
// The block of view cells the rectangle tool would fill: a grey diagonal
// cross hatch inside a 1-pixel black outline.
void DrawRectanglePreview(QPainter& painter, const CellRect& viewBlock, int chipSize);

} // namespace zt
