#include "editor/pattern/BmpCodec.h"
#include "editor/pattern/ImageFileType.h"

#include "PictureTestKit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(BmpDecoder, DecodesTrueColourAndPalettePicturesExactly) {
  test::TempDir folder;
  const QImage picture = test::BandedPicture(3, 5, 5); // odd width: rows are padded
  struct Case {
    const char* name;
    QImage image;
    std::int64_t dataSize;
  };
  const Case cases[] = {
      {"true colour", picture, 12 * 5},                                       // 9 bytes a row, padded to 12
      {"palette", picture.convertToFormat(QImage::Format_Indexed8), 4 * 5},   // 3 bytes a row, padded to 4
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::SaveBmp(c.image, folder.file("p.bmp"));
    const auto decoded = DecodeBmp(folder.file("p.bmp"));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->type, ImageFileType::Bmp);
    EXPECT_EQ(decoded->image.format(), QImage::Format_RGB32);
    EXPECT_EQ(test::FirstDifference(decoded->image, picture), "");
    EXPECT_EQ(decoded->dataSize, c.dataSize);
  }
}

TEST(BmpDecoder, RefusesWhatIsNoBmp) {
  EXPECT_FALSE(DecodeBmpBytes(""));
  EXPECT_FALSE(DecodeBmpBytes("BM"));
  EXPECT_FALSE(DecodeBmpBytes(std::string("BM") + std::string(60, '\xff')));
  EXPECT_FALSE(DecodeBmp("/nonexistent/pattern.bmp"));
}

TEST(ImageFileType, IsTakenFromTheFirstBytes) {
  const struct {
    std::string bytes;
    ImageFileType type;
  } cases[] = {
      {"GIF87a....", ImageFileType::Gif}, {"GIF89a....", ImageFileType::Gif}, {"GIF88a....", ImageFileType::Other},
      {"BM......", ImageFileType::Bmp},   {"\x89PNG\r\n", ImageFileType::Other}, {"B", ImageFileType::Other},
      {"", ImageFileType::Other},
  };
  for (const auto& c : cases) EXPECT_EQ(DetectImageFileTypeOfBytes(c.bytes), c.type) << c.bytes;

  // The name does not count.
  test::TempDir folder;
  folder.Write("looks.gif", "BM......");
  EXPECT_EQ(DetectImageFileType(folder.file("looks.gif")), ImageFileType::Bmp);
  EXPECT_EQ(DetectImageFileType(folder.file("absent.gif")), ImageFileType::Other);
}

} // namespace
} // namespace zt
