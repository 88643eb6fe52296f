#include "editor/pattern/PatternLoader.h"

#include "editor/pattern/GifCodec.h"

#include "PictureTestKit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zt {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;
constexpr QRgb kCyan = 0xFF00FFFFu;

// A full-size pattern of 66 colours: white ground (top-left white) and one
// tile of 8 x 8 coloured squares.
QImage PatternPicture() {
  QImage image(PatternImage::kWidth, PatternImage::kHeight, QImage::Format_RGB32);
  image.fill(kWhite);
  for (int y = 320; y < 352; ++y)
    for (int x = 0; x < 32; ++x) image.setPixel(x, y, qRgb(200, x / 4 * 30, (y - 320) / 4 * 30));
  image.setPixel(319, 799, qRgb(1, 2, 3));
  return image;
}

class PatternLoaderTest : public ::testing::Test {
 protected:
  test::TempDir folder;
  PatternImage pattern;
};

TEST_F(PatternLoaderTest, GifPatternTakesTheFilesTransparentColour) {
  const QImage picture = PatternPicture();
  ASSERT_TRUE(EncodeGif(folder.file("pattern.gif"), picture, qRgb(200, 30, 60)));
  const PatternLoadResult result = LoadPatternPicture(pattern, folder.file("pattern.gif"), true);
  EXPECT_TRUE(result.loaded);
  EXPECT_EQ(result.convertedFileName, "");
  EXPECT_EQ(pattern.transparentColour(), qRgb(200, 30, 60));
  EXPECT_EQ(test::FirstDifference(pattern.raw(), picture), "");
}

TEST_F(PatternLoaderTest, BmpPatternIsTransparentWhereItsTopLeftColourIs) {
  // The white ground of the BMP shows the stage background on the map.
  const QImage picture = PatternPicture();
  test::SaveBmp(picture, folder.file("pattern.bmp"));
  const PatternLoadResult result = LoadPatternPicture(pattern, folder.file("pattern.bmp"), false);
  EXPECT_TRUE(result.loaded);
  EXPECT_EQ(result.convertedFileName, "");
  EXPECT_FALSE(std::filesystem::exists(folder.file("pattern.bmp.gif")));
  EXPECT_EQ(pattern.transparentColour(), kWhite);
  EXPECT_EQ(test::FirstDifference(pattern.raw(), picture), "");

  pattern.BuildSubstituted(kCyan);
  EXPECT_EQ(pattern.substituted().pixel(100, 100), kCyan);
  EXPECT_EQ(pattern.substituted().pixel(5, 330), picture.pixel(5, 330));
  EXPECT_EQ(pattern.raw().pixel(100, 100), kWhite); // the raw picture stays as the file is
}

TEST_F(PatternLoaderTest, ConvertsBmpToGifBesideIt) {
  const QImage picture = PatternPicture();
  test::SaveBmp(picture, folder.file("pattern.bmp"));
  const PatternLoadResult result = LoadPatternPicture(pattern, folder.file("pattern.bmp"), true);
  EXPECT_TRUE(result.loaded);
  EXPECT_EQ(result.convertedFileName, "pattern.bmp.gif");
  EXPECT_EQ(pattern.transparentColour(), kConvertedTransparent);
  EXPECT_EQ(test::FirstDifference(pattern.raw(), picture), "");

  const auto written = DecodeGif(folder.file("pattern.bmp.gif"));
  ASSERT_TRUE(written);
  EXPECT_EQ(test::FirstDifference(written->image, picture), "");
  EXPECT_TRUE(written->hasTransparentIndex);
  EXPECT_EQ(written->transparent, qRgb(128, 0, 128));
}

TEST_F(PatternLoaderTest, UsesTheBmpAsItIsWhenTheGifCannotBeWritten) {
  const QImage picture = PatternPicture();
  test::SaveBmp(picture, folder.file("pattern.bmp"));
  std::filesystem::create_directory(folder.file("pattern.bmp.gif")); // nothing can be renamed over it
  const PatternLoadResult result = LoadPatternPicture(pattern, folder.file("pattern.bmp"), true);
  EXPECT_TRUE(result.loaded);
  EXPECT_EQ(result.convertedFileName, "");
  EXPECT_EQ(pattern.transparentColour(), kWhite);
  EXPECT_EQ(test::FirstDifference(pattern.raw(), picture), "");
}

TEST_F(PatternLoaderTest, SmallerPictureLeavesTheRestTransparent) {
  const QImage small = test::BandedPicture(160, 400, 6);
  ASSERT_TRUE(EncodeGif(folder.file("small.gif"), small, qRgb(9, 9, 9)));
  ASSERT_TRUE(LoadPatternPicture(pattern, folder.file("small.gif"), false).loaded);
  EXPECT_EQ(test::FirstDifference(pattern.raw().copy(0, 0, 160, 400), small), "");
  EXPECT_EQ(pattern.raw().pixel(160, 0), qRgb(9, 9, 9));
  EXPECT_EQ(pattern.raw().pixel(0, 400), qRgb(9, 9, 9));
  EXPECT_EQ(pattern.raw().pixel(319, 799), qRgb(9, 9, 9));
  pattern.BuildSubstituted(kCyan);
  EXPECT_EQ(pattern.substituted().pixel(319, 799), kCyan);
  EXPECT_EQ(pattern.raw().size(), QSize(320, 800));
}

TEST_F(PatternLoaderTest, LargerPictureIsCutToThePatternSize) {
  const QImage large = test::BandedPicture(400, 900, 9);
  test::SaveBmp(large, folder.file("large.bmp"));
  ASSERT_TRUE(LoadPatternPicture(pattern, folder.file("large.bmp"), false).loaded);
  EXPECT_EQ(pattern.raw().size(), QSize(320, 800));
  EXPECT_EQ(test::FirstDifference(pattern.raw(), large.copy(0, 0, 320, 800)), "");
}

TEST_F(PatternLoaderTest, UnreadableFileLeavesThePatternAsItWas) {
  const QImage picture = PatternPicture();
  ASSERT_TRUE(EncodeGif(folder.file("pattern.gif"), picture, qRgb(1, 2, 3)));
  ASSERT_TRUE(LoadPatternPicture(pattern, folder.file("pattern.gif"), false).loaded);

  folder.Write("broken.bmp", "BM this is no bitmap");
  folder.Write("other.gif", "\x89PNG\r\n\x1a\n");
  for (const std::string name : {"absent.gif", "broken.bmp", "other.gif"}) {
    SCOPED_TRACE(name);
    const PatternLoadResult result = LoadPatternPicture(pattern, folder.file(name), true);
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(pattern.transparentColour(), qRgb(1, 2, 3));
    EXPECT_EQ(test::FirstDifference(pattern.raw(), picture), "");
  }
  EXPECT_FALSE(std::filesystem::exists(folder.file("broken.bmp.gif")));
}

TEST(PatternImage, SubstitutesExactlyTheTransparentPixels) {
  QImage picture(PatternImage::kWidth, PatternImage::kHeight, QImage::Format_RGB32);
  picture.fill(qRgb(10, 10, 10));
  const QRgb key = qRgb(128, 0, 128);
  picture.setPixel(0, 0, key);
  picture.setPixel(319, 799, key);
  picture.setPixel(1, 0, qRgb(128, 0, 129)); // one step away: stays
  PatternImage pattern;
  pattern.SetRaw(picture, key);

  pattern.BuildSubstituted(qRgb(0, 255, 255));
  QImage expected = picture;
  expected.setPixel(0, 0, kCyan);
  expected.setPixel(319, 799, kCyan);
  EXPECT_EQ(test::FirstDifference(pattern.substituted(), expected), "");

  // Another stage's background replaces the same pixels of the raw picture.
  pattern.BuildSubstituted(qRgb(255, 200, 0));
  EXPECT_EQ(pattern.substituted().pixel(0, 0), qRgb(255, 200, 0));
  EXPECT_EQ(pattern.substituted().pixel(1, 0), qRgb(128, 0, 129));
  EXPECT_EQ(test::FirstDifference(pattern.raw(), picture), "");
}

TEST(WorldMapPictureLoader, GifIsDrawnIntoTheMapSizeAndBmpKeepsItsOwn) {
  test::TempDir folder;
  const QImage gif = test::BandedPicture(512, 320, 20);
  ASSERT_TRUE(EncodeGif(folder.file("chizu.gif"), gif, qRgb(0, 0, 0)));
  WorldMapPicture picture;
  ASSERT_TRUE(LoadWorldMapPicture(picture, folder.file("chizu.gif")));
  EXPECT_EQ(test::FirstDifference(picture.image(), gif), "");

  const QImage bmp = test::BandedPicture(600, 300, 7);
  test::SaveBmp(bmp, folder.file("chizu.bmp"));
  ASSERT_TRUE(LoadWorldMapPicture(picture, folder.file("chizu.bmp")));
  EXPECT_EQ(test::FirstDifference(picture.image(), bmp), "");

  EXPECT_FALSE(LoadWorldMapPicture(picture, folder.file("absent.gif")));
  EXPECT_EQ(test::FirstDifference(picture.image(), bmp), "");
}

} // namespace
} // namespace zt
