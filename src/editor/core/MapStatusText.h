#pragma once
// The four texts of the status line under the map view (UTF-8).

#include "document/TileCode.h"
#include "editor/core/ViewCoordinates.h"
#include "editor/core/ViewGeometry.h"

#include <array>
#include <string>

namespace zt {

class StageDocument;

// "pos x,y", "char C name", "scroll x,y", "selected C" for the stage cell
// under the pointer. Over a cell outside the stage the second text is
// "char " alone: the stage is never read outside its bounds.
std::array<std::string, 4> MapStatusTexts(const StageDocument& doc, const ViewGeometry& view, PixelPos pointer,
                                          TileCode selected);

} // namespace zt
