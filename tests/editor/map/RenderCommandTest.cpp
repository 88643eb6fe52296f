// zarnotool-cli render, run as a separate process.

#include "MapTestSupport.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace zt {
namespace {

using test::PatternColourAt;
using test::TempDir;

std::string Tag(const std::string& name, const std::string& value) {
  return "<PARAM NAME=\"" + name + "\" VALUE=\"" + value + "\">\r\n";
}

// A row of 60 characters with `c` at `column`.
std::string Row(int column, char c) {
  std::string row(60, '.');
  row[static_cast<std::size_t>(column)] = c;
  return row;
}

class RenderCommand : public ::testing::Test {
 protected:
  RenderCommand() {
    dir.Write("four.htm", Tag("scroll_mode_s", "1") + Tag("filename_pattern", "pat.bmp") +
                              Tag("backcolor_red", "10") + Tag("backcolor_green", "20") + Tag("backcolor_blue", "30") +
                              Tag("backcolor_red_s", "40") + Tag("backcolor_green_s", "50") +
                              Tag("backcolor_blue_s", "60") + Tag("map0-2", Row(3, 'a')) +
                              Tag("map2-29", Row(59, 'b')) + Tag("map0-6", Row(8, 'B')) + Tag("map0-4-s", Row(2, 'N')));
    dir.Write("one.htm", Tag("filename_pattern", "pat.bmp") + Tag("map0-0", "a"));
    EXPECT_TRUE(test::SyntheticPattern().save(QString::fromStdString(dir.file("pat.bmp")), "BMP"));
  }

  // Runs the tool in the test folder; the exit code, standard error in `err`.
  int Run(const std::string& words, const std::string& program = ZT_CLI) {
    const std::string command =
        "cd '" + dir.dir() + "' && ASAN_OPTIONS=detect_leaks=0 '" + program + "' " + words + " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    err = dir.Read("err.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  QImage Picture(const std::string& name) { return QImage(QString::fromStdString(dir.file(name))); }

  TempDir dir;
  std::string err;
};

TEST_F(RenderCommand, DrawsTheWholeFirstStage) {
  ASSERT_EQ(Run("render four.htm --out stage.png"), 0) << err;
  EXPECT_EQ(err, "") << "no toolkit notes on a successful run";
  const QImage picture = Picture("stage.png");
  EXPECT_EQ(picture.size(), QSize(5760, 960));
  EXPECT_EQ(picture.pixel(3 * 32 + 5, 2 * 32 + 5), PatternColourAt(5, 64 + 5));
  EXPECT_EQ(picture.pixel(179 * 32 + 30, 29 * 32 + 30), PatternColourAt(32 + 30, 64 + 30));
  EXPECT_EQ(picture.pixel(1000, 500), qRgb(10, 20, 30));
}

TEST_F(RenderCommand, MiniChipsHalveThePicture) {
  ASSERT_EQ(Run("render four.htm --out mini.png --mini"), 0) << err;
  const QImage picture = Picture("mini.png");
  EXPECT_EQ(picture.size(), QSize(2880, 480));
  EXPECT_EQ(picture.pixel(3 * 16 + 2, 2 * 16 + 2), PatternColourAt(4, 64 + 4));
}

TEST_F(RenderCommand, DrawsTheChosenStageOnItsBackground) {
  ASSERT_EQ(Run("render four.htm --stage 2 --out two.png"), 0) << err;
  const QImage picture = Picture("two.png");
  EXPECT_EQ(picture.pixel(1 * 32 + 5, 4 * 32 + 5), PatternColourAt(96 + 5, 576 + 5)) << "one cell left of its anchor";
  EXPECT_EQ(picture.pixel(1000, 500), qRgb(40, 50, 60));
  EXPECT_EQ(picture.pixel(3 * 32 + 5, 2 * 32 + 5), qRgb(40, 50, 60)) << "stage 1's block is not there";
}

TEST_F(RenderCommand, TakesAnotherPatternWhenGiven) {
  QImage green(320, 800, QImage::Format_RGB32);
  green.fill(qRgb(0, 200, 0));
  green.setPixel(0, 0, qRgb(1, 2, 3)); // the BMP's transparent colour
  ASSERT_TRUE(green.save(QString::fromStdString(dir.file("green.bmp")), "BMP"));
  ASSERT_EQ(Run("render four.htm --out green.png --pattern green.bmp"), 0) << err;
  EXPECT_EQ(Picture("green.png").pixel(3 * 32 + 5, 2 * 32 + 5), qRgb(0, 200, 0));
}

int TextPixels(const QImage& picture, QRect area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += test::IsTextPixel(picture.pixel(x, y));
  return count;
}

TEST_F(RenderCommand, WritesMarksAndCharactersOnRequest) {
  const QRect turtle(8 * 32, 6 * 32, 32, 32); // "B", marked "⇔"
  const QRect characterBand(8 * 32, 6 * 32, 32, 14);
  ASSERT_EQ(Run("render four.htm --out plain.png"), 0) << err;
  ASSERT_EQ(Run("render four.htm --out marks.png --marks"), 0) << err;
  ASSERT_EQ(Run("render four.htm --out chars.png --chars"), 0) << err;
  EXPECT_EQ(TextPixels(Picture("plain.png"), turtle), 0);
  EXPECT_GT(TextPixels(Picture("marks.png"), turtle), 0);
  EXPECT_EQ(TextPixels(Picture("marks.png"), characterBand), 0) << "the mark sits 15 pixels down";
  EXPECT_GT(TextPixels(Picture("chars.png"), characterBand), 0);
}

TEST_F(RenderCommand, FallsBackToThePatternBesideTheProgram) {
  // A copy of the tool with a default pattern in html/ beside it; the
  // document's own pattern is missing.
  std::filesystem::create_directories(dir.file("bin/html"));
  std::filesystem::copy_file(ZT_CLI, dir.file("bin/zarnotool-cli"));
  std::filesystem::rename(dir.file("pat.bmp"), dir.file("bin/html/pattern.gif")); // decoded by its bytes
  ASSERT_EQ(Run("render four.htm --out fallback.png", dir.file("bin/zarnotool-cli")), 0) << err;
  EXPECT_EQ(Picture("fallback.png").pixel(3 * 32 + 5, 2 * 32 + 5), PatternColourAt(5, 64 + 5));

  std::filesystem::remove(dir.file("bin/html/pattern.gif"));
  EXPECT_EQ(Run("render four.htm --out none.png", dir.file("bin/zarnotool-cli")), 1);
  EXPECT_NE(err.find("bin/html/pattern.gif"), std::string::npos) << err;
  EXPECT_FALSE(dir.Exists("none.png"));
}

TEST_F(RenderCommand, ReportsBadUsageAndFailures) {
  struct Case {
    const char* words;
    int exitCode;
  } cases[] = {
      {"render four.htm", 2},                          // no --out
      {"render --out x.png", 2},                       // no file
      {"render four.htm --out x.png --stage 5", 2},
      {"render four.htm --out x.png --stage two", 2},
      {"render one.htm --out x.png --stage 2", 1},     // a one-stage page
      {"render missing.htm --out x.png", 1},
      {"render four.htm --out x.png --pattern nope.gif", 1},
      {"render four.htm --out no/such/folder/x.png", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.words), c.exitCode) << c.words << "\n" << err;
    EXPECT_FALSE(err.empty()) << c.words;
  }
  EXPECT_FALSE(dir.Exists("x.png"));
}

} // namespace
} // namespace zt
