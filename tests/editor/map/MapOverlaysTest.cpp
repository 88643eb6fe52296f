// Grid, selection outline and rectangle preview.

#include "editor/map/MapOverlays.h"

#include <QPainter>

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace zt {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// Left half black, right half white.
QImage Halves(int width = 256, int height = 192) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kWhite);
  QPainter(&image).fillRect(0, 0, width / 2, height, Qt::black);
  return image;
}

QRgb Invert(QRgb pixel) { return qRgb(255 - qRed(pixel), 255 - qGreen(pixel), 255 - qBlue(pixel)); }

void Grid(QImage& image, int gridType, int gridColType, int gridColor = 0, int chip = 32) {
  MapViewOptions options;
  options.grid = true;
  options.gridType = gridType;
  options.gridColType = gridColType;
  options.gridColor = gridColor;
  QPainter painter(&image);
  DrawGrid(painter, ViewGeometry{chip, 0, 0, image.width(), image.height()}, options);
}

TEST(DrawGrid, InvertingLinesShowOnDarkAndLightTiles) {
  const QImage before = Halves();
  QImage image = before;
  Grid(image, 0, 0);
  for (const QPoint at : {QPoint(32, 10), QPoint(224, 10), QPoint(10, 64), QPoint(200, 64), QPoint(0, 5), QPoint(5, 0)})
    EXPECT_EQ(image.pixel(at), Invert(before.pixel(at))) << at.x() << "," << at.y();
  EXPECT_EQ(image.pixel(40, 40), kBlack) << "between the lines";
  EXPECT_EQ(image.pixel(200, 40), kWhite);
}

TEST(DrawGrid, LinesSitAtEveryChipAcrossTheView) {
  QImage image = Halves();
  Grid(image, 0, 1, 0x0000FF, 16); // red lines at every 16 pixels
  const QRgb red = qRgb(255, 0, 0);
  for (int k = 0; k < 256 / 16; ++k) EXPECT_EQ(image.pixel(k * 16, 7), red) << "vertical " << k;
  for (int k = 0; k < 192 / 16; ++k) EXPECT_EQ(image.pixel(7, k * 16), red) << "horizontal " << k;
  EXPECT_EQ(image.pixel(17, 17), kBlack);
  EXPECT_EQ(image.pixel(255, 191), kWhite) << "the bottom-right corner is no line";
}

// The on/off pattern of the vertical line at x = 32 over 120 pixels.
std::string LinePattern(int gridType) {
  QImage image(96, 120, QImage::Format_RGB32);
  image.fill(kWhite);
  Grid(image, gridType, 1, 0); // black lines
  std::string pattern;
  for (int y = 1; y < 120; ++y)
    if (y % 32 != 0) pattern += image.pixel(32, y) == kBlack ? '#' : '.';
  return pattern;
}

TEST(DrawGrid, EachLineStyleHasItsOwnPattern) {
  EXPECT_EQ(LinePattern(0).find('.'), std::string::npos) << "solid";
  std::set<std::string> patterns{LinePattern(0)};
  for (int type = 1; type <= 4; ++type) {
    const std::string pattern = LinePattern(type);
    EXPECT_NE(pattern.find('.'), std::string::npos) << "broken line " << type;
    EXPECT_NE(pattern.find('#'), std::string::npos) << "visible line " << type;
    EXPECT_TRUE(patterns.insert(pattern).second) << "style " << type << " repeats another";
  }
}

TEST(DrawSelectionOutline, InvertsADashedTwoPixelFrame) {
  const QImage before = Halves();
  QImage image = before;
  {
    QPainter painter(&image);
    DrawSelectionOutline(painter, {96, 32, 192, 128});
  }
  int inverted = 0, kept = 0;
  for (int y = 40; y < 120; ++y) {
    const bool changed = image.pixel(96, y) == Invert(before.pixel(96, y));
    (changed ? inverted : kept) += 1;
    EXPECT_EQ(image.pixel(95, y) == Invert(before.pixel(95, y)), changed) << "two pixels wide at " << y;
  }
  EXPECT_GT(inverted, 0);
  EXPECT_GT(kept, 0) << "dashed";
  bool rightEdge = false, bottomEdge = false;
  for (int i = 40; i < 120; ++i) {
    rightEdge |= image.pixel(192, i) != before.pixel(192, i);
    bottomEdge |= image.pixel(100 + i / 2, 128) != before.pixel(100 + i / 2, 128);
  }
  EXPECT_TRUE(rightEdge);
  EXPECT_TRUE(bottomEdge);
  EXPECT_EQ(image.pixel(140, 80), before.pixel(140, 80)) << "inside";
}

TEST(DrawRectanglePreview, HatchesTheBlockInGreyInsideABlackOutline) {
  QImage image(256, 192, QImage::Format_RGB32);
  image.fill(kWhite);
  {
    QPainter painter(&image);
    DrawRectanglePreview(painter, {1, 1, 4, 3}, 32); // pixels 32..127 x 32..95
  }
  EXPECT_EQ(image.pixel(32, 50), kBlack);
  EXPECT_EQ(image.pixel(127, 50), kBlack);
  EXPECT_EQ(image.pixel(60, 95), kBlack);
  EXPECT_EQ(image.pixel(128, 50), kWhite) << "the outline stays inside the block";
  EXPECT_EQ(image.pixel(60, 96), kWhite);
  int grey = 0, white = 0;
  for (int x = 40; x < 120; ++x) {
    const QRgb pixel = image.pixel(x, 60);
    grey += pixel == qRgb(128, 128, 128);
    white += pixel == kWhite;
  }
  EXPECT_GT(grey, 0);
  EXPECT_GT(white, 0) << "the hatch lets the map show through";
}

} // namespace
} // namespace zt
