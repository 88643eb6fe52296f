#include "app/config/AppConfig.h"

#include "document/Cp932Codec.h"
#include "formats/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::TempDir;

class AppConfigTest : public ::testing::Test {
 protected:
  TempDir dir;
  AppConfig config{dir.file("zarnotool.ini"), dir.dir()};
};

TEST_F(AppConfigTest, MissingFileGivesTheDefaults) {
  EXPECT_TRUE(config.Read(keys::kTitleFilename));
  EXPECT_FALSE(config.Read(keys::kTitleFullpath));
  EXPECT_EQ(config.Read(keys::kWindowWidth), 840);
  EXPECT_EQ(config.Read(keys::kWindowHeight), 576);
  EXPECT_EQ(config.Read(keys::kGridType), 3);
  EXPECT_EQ(config.Read(keys::kFontColour), 255);
  EXPECT_EQ(config.Read(keys::kTheme), "Default");
  EXPECT_EQ(config.Read(keys::kHtmlDir), dir.dir() + "html/");
  EXPECT_EQ(config.Read(keys::kHtmlHeader), dir.dir() + "header.htm");
  EXPECT_EQ(config.Read(keys::kTestPlayPage), dir.dir() + "html/testplay.htm");
  EXPECT_EQ(config.Read(keys::kDataDir), dir.dir() + "data/");
  EXPECT_EQ(config.Read(keys::kHtmlExt), "*.htm;*.html");
  EXPECT_EQ(config.Read(keys::kFtpPort), 21);
  EXPECT_FALSE(dir.Exists("zarnotool.ini")); // reading never creates the file
}

TEST_F(AppConfigTest, TheTwoDefaultsOfAutoReload) {
  EXPECT_EQ(config.Read(keys::kAutoReload), 1);
  EXPECT_EQ(config.Read(keys::kAutoReloadInDialog), 0);
  config.Write(keys::kAutoReloadInDialog, 0);
  EXPECT_EQ(config.Read(keys::kAutoReload), 0);
}

TEST_F(AppConfigTest, WritesReachTheFileAtOnce) {
  config.Write(keys::kMini, true);
  config.Write(keys::kWindowPosX, -12);
  config.Write(keys::kHtmlDir, "/ホーム/html/");
  const std::string text = dir.Read("zarnotool.ini");
  EXPECT_NE(text.find("[map]\r\nmini=1\r\n"), std::string::npos);
  EXPECT_NE(text.find("window_pos_x=-12"), std::string::npos);
  EXPECT_NE(text.find("html_dir=" + Sjis("/ホーム/html/")), std::string::npos); // Shift-JIS in the file
  const AppConfig again(dir.file("zarnotool.ini"), dir.dir());
  EXPECT_TRUE(again.Read(keys::kMini));
  EXPECT_EQ(again.Read(keys::kWindowPosX), -12);
  EXPECT_EQ(again.Read(keys::kHtmlDir), "/ホーム/html/");
}

TEST_F(AppConfigTest, ValuesThatAreNoNumbersReadAsTheDefault) {
  dir.Write("zarnotool.ini", "[map]\r\ngrid_type=dotted\r\nmini=yes\r\ngrid=0\r\nview_info=0\r\nview_num=2\r\n");
  EXPECT_EQ(config.Read(keys::kGridType), 3);
  EXPECT_FALSE(config.Read(keys::kMini));
  EXPECT_FALSE(config.Read(keys::kGrid));
  EXPECT_FALSE(config.Read(keys::kViewInfo));
  EXPECT_TRUE(config.Read(keys::kViewNum)); // any number but 0 is true
}

TEST_F(AppConfigTest, ChangesMadeByHandAreSeen) {
  config.Write(keys::kGrid, true);
  dir.Write("zarnotool.ini", "[map]\r\ngrid=0\r\n");
  EXPECT_FALSE(config.Read(keys::kGrid));
}

TEST_F(AppConfigTest, AFailedWriteIsReported) {
  AppConfig broken(dir.file("no/such/folder/zarnotool.ini"), dir.dir());
  EXPECT_THROW(broken.Write(keys::kGrid, true), FileError);
}

TEST_F(AppConfigTest, SettingsForTheFileFormats) {
  config.Write(keys::kComment, true);
  config.Write(keys::kBookmarksWithProjects, false);
  const PageOptions page = config.PageOptionsNow();
  EXPECT_TRUE(page.comment);
  EXPECT_FALSE(page.mapPrint);
  const FileSettings files = config.FileSettingsNow();
  EXPECT_EQ(files.htmlDir, dir.dir() + "html/");
  EXPECT_EQ(files.footerFile, dir.dir() + "footer.htm");
  EXPECT_EQ(files.workDir, dir.dir());
  EXPECT_FALSE(files.bookmarksWithProjects);
}

} // namespace
} // namespace zt
