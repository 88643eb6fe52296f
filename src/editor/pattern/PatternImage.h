#pragma once
// The game's tile atlas: 10 x 25 cells of 32 x 32 pixels. The raw picture is
// what the file holds; the substituted copy has every pixel of the
// transparent colour replaced by the current stage's background colour.

#include <QImage>

namespace zt {

class PatternImage {
 public:
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 800;

  PatternImage(); // blank (white), transparent colour black

  const QImage& raw() const { return raw_; }
  const QImage& substituted() const { return substituted_; }
  QRgb transparentColour() const { return transparent_; }

  // Draws the region (0, 0)-(320, 800) of the picture 1:1 into the raw
  // picture; parts the picture does not cover keep what they held.
  void SetRaw(const QImage& picture, QRgb transparent);
  void SetTransparentColour(QRgb transparent) { transparent_ = transparent; }
  // A fresh blank raw picture.
  void Reset();
  void BuildSubstituted(QRgb background);

 private:
  QImage raw_;
  QImage substituted_;
  QRgb transparent_;
};

// The background of the world-map editor, 512 x 320.
class WorldMapPicture {
 public:
  static constexpr int kWidth = 512;
  static constexpr int kHeight = 320;

  WorldMapPicture();
  const QImage& image() const { return image_; }
  // A BMP picture is taken at its own size; other pictures are drawn into
  // the 512 x 320 picture at (0, 0).
  void SetImage(const QImage& picture, bool takeItsSize);

 private:
  QImage image_;
};

} // namespace zt
