#include "editor/pattern/DecodedPicture.h"

namespace zt {

std::int64_t BitmapDataSize(int width, int height, int bitsPerPixel) {
  const std::int64_t rowBytes = (static_cast<std::int64_t>(width) * bitsPerPixel + 31) / 32 * 4;
  return rowBytes * height;
}

} // namespace zt
