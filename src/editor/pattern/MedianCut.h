#pragma once
// Colour reduction for pictures with more colours than a GIF palette holds.

#include <QRgb>

#include <cstdint>
#include <vector>

namespace zt {

struct ColourCount {
  QRgb colour;
  std::uint32_t pixels;
};

// At most `maxColours` colours that represent `colours` well: the colour
// space is split at the pixel-weighted median of the widest channel of the
// fullest box until there are enough boxes, and each box gives its
// pixel-weighted mean colour.
std::vector<QRgb> MedianCutPalette(std::vector<ColourCount> colours, int maxColours);

// The index of the colour of `palette` nearest to `colour` (squared RGB distance).
int NearestColourIndex(const std::vector<QRgb>& palette, QRgb colour);

} // namespace zt
