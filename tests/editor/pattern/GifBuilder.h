#pragma once
// Hand-built GIF files for the decoder tests: palette, transparent index,
// frame position and interlacing chosen freely.

#include <QRgb>

#include <cstdint>
#include <string>
#include <vector>

namespace zt::test {

struct GifSpec {
  int canvasWidth = 0, canvasHeight = 0;
  std::vector<QRgb> palette;  // global palette; its size a power of two
  int transparentIndex = -1;  // -1: no graphics control extension
  int backgroundIndex = 0;
  int left = 0, top = 0, width = 0, height = 0;
  bool interlaced = false;
  std::vector<std::uint8_t> indices; // width x height, top row first
};

std::string BuildGif(const GifSpec& spec);

} // namespace zt::test
