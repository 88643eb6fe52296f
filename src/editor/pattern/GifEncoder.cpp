// Writing GIF files with giflib: one image, one global palette, one
// transparent index.

#include "editor/pattern/GifCodec.h"
#include "editor/pattern/MedianCut.h"

#include "formats/FileError.h"
#include "formats/TextFile.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace zt {
namespace {

constexpr int kMaxGifSide = 65535;
constexpr int kPaletteLimit = 256;

int WriteToString(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
  return length;
}

// Index 0 is the transparent colour; the other entries are the picture's
// colours, or their reduction when there are too many.
struct IndexedColours {
  std::vector<QRgb> palette;
  std::unordered_map<QRgb, GifByteType> indexOf;
};

IndexedColours BuildPalette(const QImage& image, QRgb transparent) {
  std::unordered_map<QRgb, std::uint32_t> counts;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) ++counts[line[x] | 0xFF000000u];
  }
  counts.erase(transparent);

  std::vector<ColourCount> others;
  others.reserve(counts.size());
  for (const auto& [colour, pixels] : counts) others.push_back({colour, pixels});
  std::sort(others.begin(), others.end(), [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });

  IndexedColours result;
  result.palette.push_back(transparent);
  result.indexOf[transparent] = 0;
  if (others.size() < kPaletteLimit) {
    for (const ColourCount& entry : others) {
      result.indexOf[entry.colour] = static_cast<GifByteType>(result.palette.size());
      result.palette.push_back(entry.colour);
    }
    return result;
  }

  std::vector<QRgb> reduced = MedianCutPalette(others, kPaletteLimit - 1);
  // A mean colour may land on the transparent colour; move it off by one step.
  for (QRgb& colour : reduced)
    if (colour == transparent) colour = qRgb(qRed(colour), qGreen(colour), qBlue(colour) ^ 1);
  for (const ColourCount& entry : others)
    result.indexOf[entry.colour] = static_cast<GifByteType>(1 + NearestColourIndex(reduced, entry.colour));
  result.palette.insert(result.palette.end(), reduced.begin(), reduced.end());
  return result;
}

struct ColourMapFree {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::unique_ptr<ColorMapObject, ColourMapFree> MakeColourMap(const std::vector<QRgb>& palette) {
  int size = 2;
  while (size < static_cast<int>(palette.size())) size *= 2;
  std::unique_ptr<ColorMapObject, ColourMapFree> map(GifMakeMapObject(size, nullptr));
  if (!map) return map;
  for (int i = 0; i < size; ++i) {
    const QRgb colour = i < static_cast<int>(palette.size()) ? palette[i] : qRgb(0, 0, 0);
    map->Colors[i] = {static_cast<GifByteType>(qRed(colour)), static_cast<GifByteType>(qGreen(colour)),
                      static_cast<GifByteType>(qBlue(colour))};
  }
  return map;
}

bool WriteImage(GifFileType* gif, const QImage& image, const IndexedColours& colours, const ColorMapObject* map) {
  EGifSetGifVersion(gif, true);
  if (EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) != GIF_OK) return false;

  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSAL_UNSPECIFIED;
  control.TransparentColor = 0;
  GifByteType extension[4];
  const std::size_t length = EGifGCBToExtension(&control, extension);
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_OK) return false;

  if (EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) != GIF_OK) return false;
  std::vector<GifPixelType> row(static_cast<std::size_t>(image.width()));
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) row[x] = colours.indexOf.at(line[x] | 0xFF000000u);
    if (EGifPutLine(gif, row.data(), image.width()) != GIF_OK) return false;
  }
  return true;
}

} // namespace

std::string EncodeGifBytes(const QImage& picture, QRgb transparent) {
  if (picture.isNull() || picture.width() > kMaxGifSide || picture.height() > kMaxGifSide) return {};
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  const IndexedColours colours = BuildPalette(image, transparent | 0xFF000000u);
  const auto map = MakeColourMap(colours.palette);
  if (!map) return {};

  std::string bytes;
  int error = 0;
  GifFileType* gif = EGifOpen(&bytes, WriteToString, &error);
  if (!gif) return {};
  const bool written = WriteImage(gif, image, colours, map.get());
  const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
  return written && closed ? bytes : std::string();
}

bool EncodeGif(const std::string& path, const QImage& picture, QRgb transparent) {
  const std::string bytes = EncodeGifBytes(picture, transparent);
  if (bytes.empty()) return false;
  try {
    WriteFileAtomically(path, bytes);
    return true;
  } catch (const FileError&) {
    return false;
  }
}

} // namespace zt
