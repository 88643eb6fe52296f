#pragma once
// Pictures for the pattern tests and a pixel-exact comparison.

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace zt::test {

// A picture of exactly `colours` distinct colours (at most 4096), in
// horizontal bands, none of them magenta-ish 128, 0, 128.
inline QImage BandedPicture(int width, int height, int colours) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    const int band = y * colours / height;
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, qRgb(16 * (band % 16), 16 * ((band / 16) % 16) + 1, 16 * (band / 256) + 2));
  }
  return image;
}

// Empty when equal, otherwise where and how the first difference shows.
inline std::string FirstDifference(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size())
    return "size " + std::to_string(actual.width()) + "x" + std::to_string(actual.height()) + " instead of " +
           std::to_string(expected.width()) + "x" + std::to_string(expected.height());
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if ((actual.pixel(x, y) | 0xFF000000u) != (expected.pixel(x, y) | 0xFF000000u))
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") differs";
  return {};
}

inline void SaveBmp(const QImage& image, const std::string& path) {
  ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP")) << path;
}

} // namespace zt::test
