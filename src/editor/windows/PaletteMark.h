#pragma once
// The mark that tells apart tiles sharing one picture ("⇔", "×3", ...),
// written over a palette slot the way the map view writes it over a tile:
// bold, in the map's text colour, 15 pixels below the top-left corner with
// 32-pixel chips, at the corner itself and smaller with 16-pixel chips.

#include "document/TileCode.h"
#include "editor/map/MapViewOptions.h"

#include <QPoint>

class QPainter;

namespace zt {

// Nothing is written for tiles without a mark or with the mark overlay off.
void DrawPaletteMark(QPainter& painter, QPoint slotTopLeft, TileCode code, const MapViewOptions& options);

} // namespace zt
