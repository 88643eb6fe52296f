#include "GifBuilder.h"

#include <gif_lib.h>

#include <stdexcept>

namespace zt::test {
namespace {

int Append(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  return length;
}

// Row order of an interlaced GIF: every 8th row from 0, every 8th from 4,
// every 4th from 2, every 2nd from 1.
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = starts[pass]; y < height; y += steps[pass]) rows.push_back(y);
  return rows;
}

} // namespace

std::string BuildGif(const GifSpec& spec) {
  std::string bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, Append, &error);
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(spec.palette.size()), nullptr);
  if (!gif || !map) throw std::runtime_error("giflib could not start a file");
  for (std::size_t i = 0; i < spec.palette.size(); ++i)
    map->Colors[i] = {static_cast<GifByteType>(qRed(spec.palette[i])), static_cast<GifByteType>(qGreen(spec.palette[i])),
                      static_cast<GifByteType>(qBlue(spec.palette[i]))};
  EGifSetGifVersion(gif, true);
  bool ok = EGifPutScreenDesc(gif, spec.canvasWidth, spec.canvasHeight, 8, spec.backgroundIndex, map) == GIF_OK;
  if (ok && spec.transparentIndex >= 0) {
    GraphicsControlBlock control{};
    control.TransparentColor = spec.transparentIndex;
    GifByteType extension[4];
    const auto length = EGifGCBToExtension(&control, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_OK;
  }
  ok = ok && EGifPutImageDesc(gif, spec.left, spec.top, spec.width, spec.height, spec.interlaced, nullptr) == GIF_OK;
  std::vector<GifPixelType> row(static_cast<std::size_t>(spec.width));
  for (int y : RowOrder(spec.height, spec.interlaced)) {
    if (!ok) break;
    for (int x = 0; x < spec.width; ++x) row[x] = spec.indices[static_cast<std::size_t>(y * spec.width + x)];
    ok = EGifPutLine(gif, row.data(), spec.width) == GIF_OK;
  }
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  GifFreeMapObject(map);
  if (!ok) throw std::runtime_error("giflib could not write the file");
  return bytes;
}

} // namespace zt::test
