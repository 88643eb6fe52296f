#pragma once
// The view settings of section "map" of the configuration, as the main
// window reads them; colours are configuration integers
// (red + 256 x green + 65536 x blue).

#include "editor/core/ViewGeometry.h"

#include <QColor>

namespace zt {

struct MapViewOptions {
  bool mini = false;          // 16-pixel chips
  bool viewNum = false;       // each tile's map character (32-pixel chips only)
  bool viewInfo = true;       // marks on tiles that share a picture
  bool grid = false;
  int gridType = 3;           // 0 solid, 1 dashed, 2 dotted, 3 dash-dot, 4 dash-dot-dot
  int gridColType = 0;        // 0 inverts the pixels under the lines, else gridColor
  int gridColor = 0;
  int fontColor = 255;
  bool ugokuyukaView = true;  // moving platforms drawn by their types
  bool nuritubushi = false;   // the fill tool also fills cells out of view

  int chipSize() const { return mini ? kMiniChipSize : kFullChipSize; }
  bool operator==(const MapViewOptions&) const = default;
};

inline QColor ColourFromConfig(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

} // namespace zt
