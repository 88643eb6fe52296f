// Reading GIF files (the first image of the file) with giflib.

#include "editor/pattern/GifCodec.h"

#include "formats/FileError.h"
#include "formats/TextFile.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <set>

namespace zt {
namespace {

// Pictures larger than this are refused rather than allocated.
constexpr std::int64_t kMaxPixels = 64 * 1024 * 1024;

struct ByteSource {
  std::string_view bytes;
  std::size_t offset = 0;
};

int ReadFromSource(GifFileType* gif, GifByteType* out, int length) {
  auto* source = static_cast<ByteSource*>(gif->UserData);
  const std::size_t count = std::min(static_cast<std::size_t>(std::max(length, 0)), source->bytes.size() - source->offset);
  std::memcpy(out, source->bytes.data() + source->offset, count);
  source->offset += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

// Colours of the palette; an index the palette does not hold is black.
class Palette {
 public:
  explicit Palette(const ColorMapObject* map) : map_(map) {}
  bool Holds(int index) const { return map_ && index >= 0 && index < map_->ColorCount; }
  QRgb Colour(int index) const {
    if (!Holds(index)) return qRgb(0, 0, 0);
    const GifColorType& c = map_->Colors[index];
    return qRgb(c.Red, c.Green, c.Blue);
  }
  int size() const { return map_ ? map_->ColorCount : 0; }

 private:
  const ColorMapObject* map_;
};

// A colour that is none of `used`, for a picture without transparency.
QRgb ColourNotIn(const std::set<QRgb>& used) {
  QRgb candidate = qRgb(255, 0, 255);
  while (used.count(candidate)) candidate = 0xFF000000u | ((candidate + 1) & 0xFFFFFFu);
  return candidate;
}

int TransparentIndex(GifFileType* gif) {
  GraphicsControlBlock control{};
  if (DGifSavedExtensionToGCB(gif, 0, &control) != GIF_OK) return NO_TRANSPARENT_COLOR;
  return control.TransparentColor;
}

} // namespace

std::optional<DecodedPicture> DecodeGifBytes(std::string_view bytes) {
  ByteSource source{bytes};
  int error = 0;
  GifHandle gif(DGifOpen(&source, ReadFromSource, &error));
  if (!gif || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1) return std::nullopt;

  const SavedImage& frame = gif->SavedImages[0];
  const GifImageDesc& desc = frame.ImageDesc;
  const Palette palette(desc.ColorMap ? desc.ColorMap : gif->SColorMap);
  if (palette.size() == 0 || !frame.RasterBits) return std::nullopt;

  int width = gif->SWidth > 0 ? gif->SWidth : desc.Left + desc.Width;
  int height = gif->SHeight > 0 ? gif->SHeight : desc.Top + desc.Height;
  if (width <= 0 || height <= 0 || static_cast<std::int64_t>(width) * height > kMaxPixels) return std::nullopt;

  DecodedPicture picture;
  picture.type = ImageFileType::Gif;
  picture.dataSize = BitmapDataSize(width, height, 8);

  int transparentIndex = TransparentIndex(gif.get());
  picture.hasTransparentIndex = palette.Holds(transparentIndex);
  if (!picture.hasTransparentIndex) transparentIndex = NO_TRANSPARENT_COLOR;

  const QRgb canvasColour = picture.hasTransparentIndex ? palette.Colour(transparentIndex)
                                                         : Palette(gif->SColorMap).Colour(gif->SBackGroundColor);
  if (picture.hasTransparentIndex) {
    picture.transparent = palette.Colour(transparentIndex);
  } else {
    std::set<QRgb> used{canvasColour};
    for (int i = 0; i < palette.size(); ++i) used.insert(palette.Colour(i));
    picture.transparent = ColourNotIn(used);
  }

  picture.image = QImage(width, height, QImage::Format_RGB32);
  if (picture.image.isNull()) return std::nullopt;
  picture.image.fill(canvasColour);

  const int left = std::max(desc.Left, 0), top = std::max(desc.Top, 0);
  const int right = std::min(desc.Left + desc.Width, width), bottom = std::min(desc.Top + desc.Height, height);
  for (int y = top; y < bottom; ++y) {
    const GifByteType* indices = frame.RasterBits + static_cast<std::ptrdiff_t>(y - desc.Top) * desc.Width;
    auto* line = reinterpret_cast<QRgb*>(picture.image.scanLine(y));
    for (int x = left; x < right; ++x) line[x] = palette.Colour(indices[x - desc.Left]);
  }
  return picture;
}

std::optional<DecodedPicture> DecodeGif(const std::string& path) {
  try {
    return DecodeGifBytes(ReadFileBytes(path));
  } catch (const FileError&) {
    return std::nullopt;
  }
}

} // namespace zt
