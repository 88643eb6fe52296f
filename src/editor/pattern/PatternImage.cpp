#include "editor/pattern/PatternImage.h"

#include <QPainter>

namespace zt {
namespace {

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// Draws `picture` 1:1 at (0, 0) of `target`, without blending.
void CopyInto(QImage& target, const QImage& picture) {
  QPainter painter(&target);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, picture.convertToFormat(QImage::Format_RGB32), 0, 0, target.width(), target.height());
}

} // namespace

PatternImage::PatternImage() : raw_(Blank(kWidth, kHeight)), substituted_(raw_), transparent_(qRgb(0, 0, 0)) {}

void PatternImage::SetRaw(const QImage& picture, QRgb transparent) {
  CopyInto(raw_, picture);
  transparent_ = transparent;
}

void PatternImage::Reset() { raw_ = Blank(kWidth, kHeight); }

void PatternImage::BuildSubstituted(QRgb background) {
  substituted_ = raw_.copy();
  const QRgb key = transparent_ | 0xFF000000u;
  const QRgb fill = background | 0xFF000000u;
  for (int y = 0; y < substituted_.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(substituted_.scanLine(y));
    for (int x = 0; x < substituted_.width(); ++x)
      if (line[x] == key) line[x] = fill;
  }
}

WorldMapPicture::WorldMapPicture() : image_(Blank(kWidth, kHeight)) {}

void WorldMapPicture::SetImage(const QImage& picture, bool takeItsSize) {
  if (takeItsSize) image_ = picture.convertToFormat(QImage::Format_RGB32);
  else CopyInto(image_, picture);
}

} // namespace zt
