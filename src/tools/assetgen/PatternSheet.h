#pragma once
// The default pattern image: every tile of the catalogue drawn at its
// pattern cell over the transparent colour.

#include <QImage>

#include <string>
#include <vector>

namespace zt::art {

// 320 x 800, Format_RGB32; undrawn pixels hold kKey.
QImage DrawPatternSheet();

// Descriptions of the tile pictures whose cell holds nothing but kKey.
std::vector<std::string> EmptyTileCells(const QImage& sheet);

} // namespace zt::art
