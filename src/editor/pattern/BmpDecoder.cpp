// The one place that compiles stb_image, limited to BMP decoding.

#include "editor/pattern/BmpCodec.h"

#include "formats/FileError.h"
#include "formats/TextFile.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include <stb/stb_image.h>

#include <limits>
#include <memory>

namespace zt {
namespace {

unsigned LittleEndian(std::string_view bytes, std::size_t offset, int length) {
  unsigned value = 0;
  for (int i = length - 1; i >= 0; --i)
    value = value << 8 | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
  return value;
}

// The colour depth the file's info header gives (the old 12-byte header
// keeps it at another place than the later ones).
int BitsPerPixel(std::string_view bytes) {
  if (bytes.size() < 30) return 24;
  const unsigned headerSize = LittleEndian(bytes, 14, 4);
  return static_cast<int>(LittleEndian(bytes, headerSize == 12 ? 24 : 28, 2));
}

struct StbFree {
  void operator()(stbi_uc* pixels) const { stbi_image_free(pixels); }
};

} // namespace

std::optional<DecodedPicture> DecodeBmpBytes(std::string_view bytes) {
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) return std::nullopt;
  int width = 0, height = 0, channels = 0;
  std::unique_ptr<stbi_uc, StbFree> pixels(stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                                                 static_cast<int>(bytes.size()), &width, &height,
                                                                 &channels, 3));
  if (!pixels || width <= 0 || height <= 0) return std::nullopt;

  DecodedPicture picture;
  picture.type = ImageFileType::Bmp;
  picture.image = QImage(width, height, QImage::Format_RGB32);
  if (picture.image.isNull()) return std::nullopt;
  const stbi_uc* source = pixels.get();
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.image.scanLine(y));
    for (int x = 0; x < width; ++x, source += 3) line[x] = qRgb(source[0], source[1], source[2]);
  }
  picture.dataSize = BitmapDataSize(width, height, BitsPerPixel(bytes));
  return picture;
}

std::optional<DecodedPicture> DecodeBmp(const std::string& path) {
  try {
    return DecodeBmpBytes(ReadFileBytes(path));
  } catch (const FileError&) {
    return std::nullopt;
  }
}

} // namespace zt
