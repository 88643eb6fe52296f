#pragma once
// A picture file decoded into memory, with what the pattern chooser and the
// loaders need to know about it.

#include "editor/pattern/ImageFileType.h"

#include <QImage>

#include <cstdint>

namespace zt {

struct DecodedPicture {
  QImage image; // Format_RGB32
  ImageFileType type = ImageFileType::Other;
  // GIF only: the colour the palette gives the transparent index. A GIF
  // without a transparent index gets a colour that none of its pixels has,
  // so nothing of it counts as transparent.
  QRgb transparent = 0;
  bool hasTransparentIndex = false;
  // Bytes of pixel data of the picture held as a bitmap at the file's colour
  // depth (8 bits for a GIF), every row padded to 4 bytes.
  std::int64_t dataSize = 0;
};

// Bytes of a bitmap of that size and depth, rows padded to 4 bytes.
std::int64_t BitmapDataSize(int width, int height, int bitsPerPixel);

} // namespace zt
