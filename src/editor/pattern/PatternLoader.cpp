#include "editor/pattern/PatternLoader.h"

#include "editor/pattern/BmpCodec.h"
#include "editor/pattern/GifCodec.h"
#include "editor/pattern/ImageFileType.h"

#include <QPainter>

namespace zt {
namespace {

std::string FileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The pattern-sized picture: the decoded picture's region (0, 0)-(320, 800)
// over a field of the transparent colour.
QImage PatternSized(const QImage& picture, QRgb transparent) {
  QImage sized(PatternImage::kWidth, PatternImage::kHeight, QImage::Format_RGB32);
  sized.fill(transparent);
  QPainter painter(&sized);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, picture);
  return sized;
}

void Apply(PatternImage& pattern, const QImage& picture, QRgb transparent) {
  pattern.SetRaw(PatternSized(picture, transparent), transparent);
}

PatternLoadResult LoadGifPattern(PatternImage& pattern, const std::string& path) {
  const auto gif = DecodeGif(path);
  if (!gif) return {};
  Apply(pattern, gif->image, gif->transparent);
  return {true, {}};
}

} // namespace

PatternLoadResult LoadPatternPicture(PatternImage& pattern, const std::string& path, bool convertBmpToGif) {
  if (DetectImageFileType(path) != ImageFileType::Bmp) return LoadGifPattern(pattern, path);

  const auto bmp = DecodeBmp(path);
  if (!bmp) return {};
  if (convertBmpToGif) {
    const std::string gifPath = path + ".gif";
    if (EncodeGif(gifPath, bmp->image, kConvertedTransparent)) {
      PatternLoadResult result = LoadGifPattern(pattern, gifPath);
      if (result.loaded) {
        result.convertedFileName = FileNameOf(gifPath);
        return result;
      }
    }
  }
  Apply(pattern, bmp->image, bmp->image.pixel(0, 0));
  return {true, {}};
}

bool LoadWorldMapPicture(WorldMapPicture& picture, const std::string& path) {
  const bool isBmp = DetectImageFileType(path) == ImageFileType::Bmp;
  const auto decoded = isBmp ? DecodeBmp(path) : DecodeGif(path);
  if (!decoded) return false;
  picture.SetImage(decoded->image, isBmp);
  return true;
}

} // namespace zt
