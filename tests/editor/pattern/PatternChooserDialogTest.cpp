#include "editor/pattern/PatternChooserDialog.h"

#include "editor/pattern/GifCodec.h"
#include "editor/pattern/PatternPreview.h"

#include "PictureTestKit.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace zt {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "pattern-chooser-test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

class PatternChooserTest : public ::testing::Test {
 protected:
  PatternChooserTest() {
    EXPECT_TRUE(EncodeGif(folder.file("a.gif"), test::BandedPicture(320, 800, 8), qRgb(0, 0, 0)));
    test::SaveBmp(test::BandedPicture(160, 400, 4), folder.file("b.BMP"));
    EXPECT_TRUE(EncodeGif(folder.file("c.GIF"), test::BandedPicture(320, 800, 2), qRgb(0, 0, 0)));
    test::SaveBmp(test::BandedPicture(320, 800, 3), folder.file("d.bmp"));
    folder.Write("e.Gif", folder.Read("a.gif"));
    folder.Write("f.gif.txt", folder.Read("a.gif"));
    folder.Write("g.gif", "GIF89a broken");
    folder.Write("h.bmp", "\x89PNG\r\n\x1a\n");
    std::filesystem::create_directory(folder.file("i.gif"));
    dialog.SetImageFolder(folder.dir());
    dialog.RefreshPatternList();
  }

  QListWidget* list() { return dialog.findChild<QListWidget*>("PatternList"); }
  QPushButton* ok() { return dialog.findChild<QPushButton*>("OKButton"); }
  QLabel* label(const char* name) { return dialog.findChild<QLabel*>(name); }
  bool IsRed(const char* name) { return label(name)->palette().color(QPalette::WindowText) == QColor(Qt::red); }
  // What a mouse click on the entry does: it becomes current, then is clicked.
  void Click(const QString& name) {
    const auto items = list()->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << name.toStdString();
    list()->setCurrentItem(items[0]);
    emit list()->itemClicked(items[0]);
  }

  QApplication& app = App(); // before any widget
  test::TempDir folder;
  test::ScriptedDialogs dialogs;
  PatternChooserDialog dialog{dialogs};
};

TEST_F(PatternChooserTest, ListsOnlyFilesWithTheFourExtensions) {
  QStringList names;
  for (int row = 0; row < list()->count(); ++row) names << list()->item(row)->text();
  EXPECT_EQ(names, QStringList({"a.gif", "b.BMP", "c.GIF", "d.bmp", "g.gif", "h.bmp"}));
  EXPECT_EQ(list()->currentRow(), 0);
  EXPECT_EQ(dialog.SelectedPath(), folder.dir() + "a.gif");
  EXPECT_FALSE(ok()->isEnabled()); // selected, but not previewed yet
  EXPECT_EQ(label("FileName")->text(), "FileName");
}

TEST_F(PatternChooserTest, PreviewFillsTheInformationAndEnablesOk) {
  Click("b.BMP");
  EXPECT_EQ(label("FileName")->text(), "FileName b.BMP");
  EXPECT_EQ(label("FileType")->text(), "FileType BMP");
  EXPECT_EQ(label("Widths")->text(), "Width 160px");
  EXPECT_EQ(label("Heights")->text(), "Height 400px");
  const auto size = std::filesystem::file_size(folder.file("b.BMP"));
  EXPECT_EQ(label("FileSize")->text(), QString("FileSize %1Bytes").arg(size));
  EXPECT_EQ(label("DataSize")->text(), "DataSize 192000Bytes"); // 160 x 3 bytes x 400 rows
  EXPECT_TRUE(IsRed("Widths"));
  EXPECT_TRUE(IsRed("Heights"));
  EXPECT_TRUE(ok()->isEnabled());
  EXPECT_EQ(dialog.findChild<PatternPreview*>("Preview")->shown().size(), QSize(64, 160));

  Click("c.GIF");
  EXPECT_EQ(label("FileType")->text(), "FileType GIF");
  EXPECT_EQ(label("Widths")->text(), "Width 320px");
  EXPECT_EQ(label("Heights")->text(), "Height 800px");
  EXPECT_EQ(label("DataSize")->text(), "DataSize 256000Bytes");
  EXPECT_FALSE(IsRed("Widths"));
  EXPECT_FALSE(IsRed("Heights"));
  EXPECT_EQ(dialog.findChild<PatternPreview*>("Preview")->shown().size(), QSize(128, 320));
  EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(PatternChooserTest, ClickOnTheAlreadySelectedFirstEntryPreviewsIt) {
  Click("a.gif");
  EXPECT_EQ(label("FileName")->text(), "FileName a.gif");
  EXPECT_TRUE(ok()->isEnabled());
}

TEST_F(PatternChooserTest, MovingTheSelectionPreviewsTheNewEntry) {
  list()->setCurrentRow(3);
  EXPECT_EQ(label("FileName")->text(), "FileName d.bmp");
  EXPECT_TRUE(ok()->isEnabled());
}

TEST_F(PatternChooserTest, UndecodableFileIsReportedAndCannotBeChosen) {
  Click("a.gif");
  ASSERT_TRUE(ok()->isEnabled());
  Click("g.gif");
  EXPECT_EQ(dialogs.notices, std::vector<std::string>{"表示できませんでした"});
  EXPECT_FALSE(ok()->isEnabled());
  EXPECT_EQ(label("FileName")->text(), "FileName g.gif");
  EXPECT_EQ(label("Widths")->text(), "Width");
  EXPECT_TRUE(dialog.findChild<PatternPreview*>("Preview")->shown().isNull());
}

TEST_F(PatternChooserTest, FileOfAnotherTypeIsIgnored) {
  Click("a.gif");
  Click("h.bmp");
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_FALSE(ok()->isEnabled());
  EXPECT_EQ(label("FileType")->text(), "FileType");
  EXPECT_TRUE(dialog.findChild<PatternPreview*>("Preview")->shown().isNull());
}

// Runs `act` once the dialog is showing; the dialog's answer.
std::optional<std::string> ChooseWhileShowing(PatternChooserDialog& dialog, const std::string& folder,
                                              std::function<void()> act) {
  QTimer::singleShot(0, &dialog, std::move(act));
  return dialog.ChoosePattern(folder);
}

TEST_F(PatternChooserTest, OkReturnsThePreviewedFile) {
  const auto chosen = ChooseWhileShowing(dialog, folder.dir(), [this] {
    Click("d.bmp");
    ok()->click();
  });
  EXPECT_EQ(chosen, folder.dir() + "d.bmp");
}

TEST_F(PatternChooserTest, LeavingWithoutChoosingReturnsNothing) {
  const std::function<void(PatternChooserDialog&)> ways[] = {
      [](PatternChooserDialog& d) { d.findChild<QPushButton*>("CancelButton")->click(); },
      [](PatternChooserDialog& d) { d.close(); },
      [](PatternChooserDialog& d) { d.reject(); },
  };
  for (const auto& leave : ways) {
    const auto chosen = ChooseWhileShowing(dialog, folder.dir(), [&] {
      Click("a.gif");
      leave(dialog);
    });
    EXPECT_EQ(chosen, std::nullopt);
  }
}

TEST_F(PatternChooserTest, EachOpeningStartsWithOkDisabledAndAFreshList) {
  Click("a.gif");
  folder.Write("0.gif", folder.Read("a.gif"));
  bool okEnabledAtStart = true;
  QString firstEntry;
  ChooseWhileShowing(dialog, folder.dir(), [&] {
    okEnabledAtStart = ok()->isEnabled();
    firstEntry = list()->item(0)->text();
    dialog.reject();
  });
  EXPECT_FALSE(okEnabledAtStart);
  EXPECT_EQ(firstEntry, "0.gif");
}

TEST_F(PatternChooserTest, EmptyOrMissingFolderOffersNothing) {
  for (const std::string& path : {folder.file("empty") + "/", folder.file("absent") + "/"}) {
    std::filesystem::create_directory(folder.file("empty"));
    dialog.SetImageFolder(path);
    dialog.RefreshPatternList();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_EQ(dialog.SelectedPath(), "");
    EXPECT_FALSE(ok()->isEnabled());
  }
}

} // namespace
} // namespace zt
