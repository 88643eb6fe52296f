#include "editor/pattern/GifCodec.h"

#include "GifBuilder.h"
#include "PictureTestKit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zt {
namespace {

using test::BuildGif;
using test::GifSpec;

// A 4 x 2 picture over a four-colour palette.
GifSpec SmallSpec() {
  GifSpec spec;
  spec.canvasWidth = spec.width = 4;
  spec.canvasHeight = spec.height = 2;
  spec.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(10, 20, 30), qRgb(200, 100, 50)};
  spec.indices = {0, 1, 2, 3, 3, 2, 1, 0};
  return spec;
}

TEST(GifDecoder, TransparentColourIsThePaletteColourOfTheTransparentIndex) {
  GifSpec spec = SmallSpec();
  spec.transparentIndex = 2;
  const auto picture = DecodeGifBytes(BuildGif(spec));
  ASSERT_TRUE(picture);
  EXPECT_TRUE(picture->hasTransparentIndex);
  EXPECT_EQ(picture->transparent, qRgb(10, 20, 30));
  EXPECT_EQ(picture->image.pixel(2, 0), qRgb(10, 20, 30)); // transparent pixels keep the palette colour
  EXPECT_EQ(picture->image.pixel(3, 0), qRgb(200, 100, 50));
  EXPECT_EQ(picture->type, ImageFileType::Gif);
  EXPECT_EQ(picture->image.format(), QImage::Format_RGB32);
}

TEST(GifDecoder, WithoutTransparentIndexTheColourIsOneNoPixelHas) {
  GifSpec spec = SmallSpec();
  spec.palette[1] = qRgb(255, 0, 255); // the first colour the decoder would try
  const auto picture = DecodeGifBytes(BuildGif(spec));
  ASSERT_TRUE(picture);
  EXPECT_FALSE(picture->hasTransparentIndex);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_NE(picture->image.pixel(x, y), picture->transparent) << x << "," << y;
}

TEST(GifDecoder, InterlacedRowsComeOutInPictureOrder) {
  GifSpec spec;
  spec.canvasWidth = spec.width = 1;
  spec.canvasHeight = spec.height = 11;
  spec.palette.resize(16);
  for (int i = 0; i < 16; ++i) spec.palette[i] = qRgb(i * 10, 0, 0);
  for (int y = 0; y < 11; ++y) spec.indices.push_back(static_cast<std::uint8_t>(y));
  spec.interlaced = true;
  const auto picture = DecodeGifBytes(BuildGif(spec));
  ASSERT_TRUE(picture);
  for (int y = 0; y < 11; ++y) EXPECT_EQ(picture->image.pixel(0, y), qRgb(y * 10, 0, 0)) << "row " << y;
}

TEST(GifDecoder, CanvasOutsideTheImageTakesTheTransparentOrBackgroundColour) {
  for (const int transparentIndex : {3, -1}) {
    GifSpec spec = SmallSpec();
    spec.canvasWidth = 6;
    spec.canvasHeight = 4;
    spec.left = 1;
    spec.top = 1;
    spec.backgroundIndex = 1;
    spec.transparentIndex = transparentIndex;
    const auto picture = DecodeGifBytes(BuildGif(spec));
    ASSERT_TRUE(picture);
    const QRgb outside = transparentIndex >= 0 ? qRgb(200, 100, 50) : qRgb(255, 255, 255);
    EXPECT_EQ(picture->image.size(), QSize(6, 4));
    EXPECT_EQ(picture->image.pixel(0, 0), outside);
    EXPECT_EQ(picture->image.pixel(5, 3), outside);
    EXPECT_EQ(picture->image.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(picture->image.pixel(4, 2), qRgb(0, 0, 0));
    EXPECT_EQ(picture->dataSize, 8 * 4); // 6 bytes a row, padded to 8
  }
}

TEST(GifDecoder, RefusesWhatIsNoGif) {
  const std::string valid = BuildGif(SmallSpec());
  for (const std::string& bytes : {std::string(), std::string("GIF89a"), valid.substr(0, valid.size() / 2),
                                   std::string("BM") + valid}) {
    EXPECT_FALSE(DecodeGifBytes(bytes)) << bytes.size() << " bytes";
  }
  EXPECT_FALSE(DecodeGif("/nonexistent/pattern.gif"));
}

TEST(GifEncoder, StoresUpTo256ColoursExactly) {
  // 255 picture colours and the transparent colour, which some pixels have.
  QImage picture = test::BandedPicture(40, 510, 255);
  const QRgb transparent = qRgb(128, 0, 128);
  for (int x = 0; x < 40; x += 3) picture.setPixel(x, 7, transparent);
  const auto decoded = DecodeGifBytes(EncodeGifBytes(picture, transparent));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(test::FirstDifference(decoded->image, picture), "");
  EXPECT_TRUE(decoded->hasTransparentIndex);
  EXPECT_EQ(decoded->transparent, transparent);
}

TEST(GifEncoder, TransparentColourNeedNotOccurInThePicture) {
  const QImage picture = test::BandedPicture(3, 3, 3);
  const auto decoded = DecodeGifBytes(EncodeGifBytes(picture, qRgb(1, 2, 3)));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(test::FirstDifference(decoded->image, picture), "");
  EXPECT_EQ(decoded->transparent, qRgb(1, 2, 3));
}

TEST(GifEncoder, ReducesManyColoursButKeepsTransparencyExact) {
  QImage picture(256, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 256; ++x) picture.setPixel(x, y, qRgb(x, y * 4, 255 - x));
  const QRgb transparent = qRgb(100, 100, 155); // a colour of the gradient itself
  for (int y = 0; y < 64; y += 8)
    for (int x = 0; x < 256; x += 5) picture.setPixel(x, y, transparent);

  const auto decoded = DecodeGifBytes(EncodeGifBytes(picture, transparent));
  ASSERT_TRUE(decoded);
  ASSERT_EQ(decoded->transparent, transparent);
  int worst = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 256; ++x) {
      const QRgb original = picture.pixel(x, y), stored = decoded->image.pixel(x, y);
      ASSERT_EQ(original == transparent, stored == transparent) << x << "," << y;
      worst = std::max({worst, std::abs(qRed(original) - qRed(stored)), std::abs(qGreen(original) - qGreen(stored)),
                        std::abs(qBlue(original) - qBlue(stored))});
    }
  }
  EXPECT_LE(worst, 24); // 16384 gradient colours in 255 entries
}

TEST(GifEncoder, WritesTheFileWholeOrReportsFailure) {
  test::TempDir folder;
  const QImage picture = test::BandedPicture(8, 8, 4);
  ASSERT_TRUE(EncodeGif(folder.file("out.gif"), picture, qRgb(0, 0, 0)));
  const auto decoded = DecodeGif(folder.file("out.gif"));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(test::FirstDifference(decoded->image, picture), "");

  EXPECT_FALSE(EncodeGif(folder.file("missing/out.gif"), picture, qRgb(0, 0, 0)));
  EXPECT_FALSE(EncodeGif(folder.file("null.gif"), QImage(), qRgb(0, 0, 0)));
  EXPECT_FALSE(std::filesystem::exists(folder.file("null.gif")));
}

} // namespace
} // namespace zt
