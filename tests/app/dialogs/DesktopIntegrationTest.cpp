#include "app/dialogs/DesktopIntegration.h"
#include "app/dialogs/XdgFolders.h"
#include "formats/FileError.h"
#include "support/TempDir.h"
#include "QtPrinters.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace zt {
namespace {

struct DesktopFixture {
  test::TempDir folder;
  std::vector<QString> toolsRun;
  DesktopIntegration desktop = Make("/opt/zarno/zarnotool");

  DesktopIntegration Make(const QString& executable) {
    std::filesystem::create_directory(folder.file("Desktop"));
    return DesktopIntegration({QString::fromStdString(folder.file("share")), QString::fromStdString(folder.file("Desktop")),
                               executable},
                              [this](const QString& program, const QStringList& arguments) {
                                toolsRun.push_back(program + " " + arguments.join(' '));
                              });
  }
  std::string Read(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
  }
};

TEST(DesktopIntegration, AssociationWritesTheMimeTypeAndTheDesktopEntry) {
  DesktopFixture f;
  EXPECT_TRUE(f.desktop.AssociateProjectFiles());

  const std::string mime = f.Read(f.desktop.MimeFilePath());
  EXPECT_NE(mime.find("<mime-type type=\"application/x-zarnotool-project\">"), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.zpp\"/>"), std::string::npos);
  EXPECT_NE(mime.find("<comment>Zarno Tool++ データファイル</comment>"), std::string::npos);

  const std::string entry = f.Read(f.desktop.DesktopEntryPath());
  EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
  EXPECT_NE(entry.find("\nName=Zarno Tool++\n"), std::string::npos);
  EXPECT_NE(entry.find("\nExec=\"/opt/zarno/zarnotool\" %f\n"), std::string::npos);
  EXPECT_NE(entry.find("\nMimeType=application/x-zarnotool-project;\n"), std::string::npos);
  EXPECT_NE(entry.find("\nName=Zarno Tool++で開く\n"), std::string::npos);
  EXPECT_EQ(entry.find('\r'), std::string::npos);

  const std::string share = f.folder.file("share");
  EXPECT_EQ(f.toolsRun, (std::vector<QString>{QString::fromStdString("update-mime-database " + share + "/mime"),
                                              QString::fromStdString("update-desktop-database " + share + "/applications")}));
}

TEST(DesktopIntegration, AssociationWritesOnlyWhatIsMissingOrDifferent) {
  DesktopFixture f;
  ASSERT_TRUE(f.desktop.AssociateProjectFiles());
  const std::string entry = f.Read(f.desktop.DesktopEntryPath());
  f.toolsRun.clear();

  EXPECT_FALSE(f.desktop.AssociateProjectFiles());
  EXPECT_TRUE(f.toolsRun.empty());

  const auto mimeStamp = std::filesystem::last_write_time(f.desktop.MimeFilePath().toStdString());
  QFile file(f.desktop.DesktopEntryPath());
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[Desktop Entry]\nName=Something else\n");
  file.close();

  EXPECT_TRUE(f.desktop.AssociateProjectFiles());
  EXPECT_EQ(f.Read(f.desktop.DesktopEntryPath()), entry);
  EXPECT_EQ(std::filesystem::last_write_time(f.desktop.MimeFilePath().toStdString()), mimeStamp);
  EXPECT_EQ(f.toolsRun.size(), 2u);
}

TEST(DesktopIntegration, AssociationThatCannotWriteThrows) {
  DesktopFixture f;
  f.folder.Write("share", "a file where the data folder should be");
  EXPECT_THROW(f.desktop.AssociateProjectFiles(), FileError);
  EXPECT_TRUE(f.toolsRun.empty());
}

// Spaces, quotes, dollars, backslashes and percent signs in the program's path
// must reach the desktop's launcher unchanged.
TEST(DesktopIntegration, ExecLineQuotesThePath) {
  DesktopFixture f;
  const DesktopIntegration odd = f.Make("/home/a b/$x\\y\"z%1/zarnotool");
  ASSERT_TRUE(odd.AssociateProjectFiles());
  EXPECT_NE(f.Read(odd.DesktopEntryPath()).find("\nExec=\"/home/a b/\\\\$x\\\\\\\\y\\\\\"z%%1/zarnotool\" %f\n"),
            std::string::npos)
      << f.Read(odd.DesktopEntryPath());
}

TEST(DesktopIntegration, ShortcutIsAnExecutableLauncherOnTheDesktop) {
  DesktopFixture f;
  EXPECT_EQ(f.desktop.ShortcutPath(), QString::fromStdString(f.folder.file("Desktop/ZarnoTool++.desktop")));
  ASSERT_TRUE(f.desktop.CreateDesktopShortcut());
  const std::string launcher = f.Read(f.desktop.ShortcutPath());
  EXPECT_NE(launcher.find("\nType=Application\n"), std::string::npos);
  EXPECT_NE(launcher.find("\nExec=\"/opt/zarno/zarnotool\"\n"), std::string::npos);
  EXPECT_TRUE(QFile::permissions(f.desktop.ShortcutPath()) & QFile::ExeOwner);
}

TEST(DesktopIntegration, ShortcutWithoutADesktopFolderFails) {
  DesktopFixture f;
  std::filesystem::remove(f.folder.file("Desktop"));
  EXPECT_FALSE(f.desktop.CreateDesktopShortcut());
  EXPECT_FALSE(std::filesystem::exists(f.folder.file("Desktop")));
}

TEST(XdgFolders, DesktopFromUserDirs) {
  struct Case {
    const char* contents;
    std::optional<QString> desktop;
  };
  const Case cases[] = {
      {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", QString("/home/u/Desktop")},
      {"# comment\nXDG_DOWNLOAD_DIR=\"$HOME/dl\"\nXDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n", QString("/home/u/デスクトップ")},
      {"XDG_DESKTOP_DIR=\"/data/desk/\"", QString("/data/desk")},
      {"XDG_DESKTOP_DIR=\"$HOME\"", QString("/home/u")},
      {"XDG_DESKTOP_DIR=\"relative\"", std::nullopt},
      {"XDG_MUSIC_DIR=\"$HOME/Music\"", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(DesktopFolderFromUserDirs(c.contents, "/home/u"), c.desktop) << c.contents;
}

TEST(XdgFolders, DataHomeFollowsTheEnvironment) {
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", "/srv/data/");
  EXPECT_EQ(XdgDataHome(), "/srv/data");
  for (const char* ignored : {"", "relative/path"}) {
    qputenv("XDG_DATA_HOME", ignored);
    EXPECT_EQ(XdgDataHome(), QDir::homePath() + "/.local/share") << ignored;
  }
  if (wasSet)
    qputenv("XDG_DATA_HOME", saved);
  else
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace zt
