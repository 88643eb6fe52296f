// The world map editor: pointer to cell, painting, picking, transparency
// over the background picture and reloading the picture.

#include "document/StageDocument.h"
#include "editor/map/MapTestSupport.h"
#include "editor/pattern/PatternImage.h"
#include "editor/windows/PictureBox.h"
#include "editor/windows/WorldMapEditor.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <QFontInfo>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace zt {
namespace {

constexpr QRgb kTransparent = qRgb(0, 0, 0);
constexpr QRgb kGrass = qRgb(40, 160, 40);
constexpr QRgb kRoad = qRgb(180, 140, 90);
constexpr WorldCode kPlayer = 1; // its picture is the cell at (0, 320)

// Grass with a horizontal road through rows 100..109.
QImage Background(QRgb grass = kGrass) {
  QImage picture(512, 320, QImage::Format_RGB32);
  picture.fill(grass);
  for (int y = 100; y < 110; ++y)
    for (int x = 0; x < 512; ++x) picture.setPixel(x, y, kRoad);
  return picture;
}

// The synthetic pattern, with the left half of the player's cell transparent.
QImage PatternWithSeeThroughPlayer() {
  QImage picture = test::SyntheticPattern();
  for (int y = 320; y < 352; ++y)
    for (int x = 0; x < 16; ++x) picture.setPixel(x, y, kTransparent);
  return picture;
}

class WorldMapEditorTest : public ::testing::Test {
 protected:
  WorldMapEditorTest() {
    pattern.SetRaw(PatternWithSeeThroughPlayer(), kTransparent);
    picture.SetImage(Background(), false);
    editor.DrawMap();
  }
  QRgb Shown(int x, int y) const { return editor.mapImage().pixel(x, y) | 0xFF000000u; }
  PictureBox& Area() { return *editor.findChild<PictureBox*>("PaintBox1"); }
  QListWidget& List() { return editor.listBox1(); }

  StageDocument doc;
  PatternImage pattern;
  WorldMapPicture picture;
  std::string picturePath;
  test::ScriptedDialogs dialogs;
  WorldMapEditor editor{doc, pattern, picture, [this] { return picturePath; }, dialogs};
};

TEST(WorldCellAt, MarginsBelongToTheFirstCellsAndNothingBeyondTheGrid) {
  struct Case {
    QPoint at;
    std::optional<CellPos> cell;
  };
  const Case cases[] = {
      {{5, 5}, CellPos{0, 0}},     {{16, 16}, CellPos{0, 0}},  {{47, 47}, CellPos{0, 0}},
      {{48, 16}, CellPos{1, 0}},   {{16, 48}, CellPos{0, 1}},  {{495, 303}, CellPos{14, 8}},
      {{496, 100}, std::nullopt},  {{100, 304}, std::nullopt}, {{500, 300}, std::nullopt},
      {{-20, 5}, std::nullopt},    {{5, -20}, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(WorldCellAt(c.at), c.cell) << c.at.x() << "," << c.at.y();
}

TEST_F(WorldMapEditorTest, TheListHoldsTheTwentyOneEntriesWithTheFirstSelected) {
  EXPECT_EQ(editor.windowTitle(), QString::fromUtf8("地図"));
  EXPECT_EQ(Area().size(), QSize(512, 320));
  ASSERT_EQ(List().count(), 21);
  EXPECT_EQ(List().item(0)->text(), QString::fromUtf8("  .  空白"));
  EXPECT_EQ(List().item(20)->text(), QString::fromUtf8("  3  横の道"));
  EXPECT_EQ(List().currentRow(), 0);
  EXPECT_TRUE(QFontInfo(List().font()).fixedPitch());
  EXPECT_EQ(editor.findChild<QPushButton*>("Button1")->text(), QString::fromUtf8("地図画像の更新"));
}

TEST_F(WorldMapEditorTest, ALeftPressInTheMarginPaintsTheFirstCell) {
  List().setCurrentRow(7);
  test::Press(Area(), {5, 5}, Qt::LeftButton);
  EXPECT_EQ(doc.world.at(0, 0), 7);
  EXPECT_TRUE(doc.modified());
  EXPECT_EQ(Shown(16, 16), test::PatternColourAt(128, 704)) << "drawn at once";
}

TEST_F(WorldMapEditorTest, APressBeyondTheGridChangesNothing) {
  List().setCurrentRow(7);
  const WorldMapGrid before = doc.world;
  test::Press(Area(), {500, 300}, Qt::LeftButton);
  EXPECT_EQ(doc.world, before);
  EXPECT_FALSE(doc.modified());
}

TEST_F(WorldMapEditorTest, PaintingTheCodeACellHoldsKeepsTheFlag) {
  doc.world.at(3, 2) = 20;
  List().setCurrentRow(20);
  test::Press(Area(), {16 + 3 * 32 + 4, 16 + 2 * 32 + 4}, Qt::LeftButton);
  EXPECT_EQ(doc.world.at(3, 2), 20);
  EXPECT_FALSE(doc.modified());
}

TEST_F(WorldMapEditorTest, DraggingWithTheLeftButtonPaintsEveryCellPassed) {
  List().setCurrentRow(19);
  test::Press(Area(), {20, 20}, Qt::LeftButton);
  test::Move(Area(), {52, 20}, Qt::LeftButton);
  test::Move(Area(), {84, 20}, Qt::LeftButton);
  test::Move(Area(), {116, 20}, Qt::NoButton);
  EXPECT_EQ(doc.world.at(0, 0), 19);
  EXPECT_EQ(doc.world.at(1, 0), 19);
  EXPECT_EQ(doc.world.at(2, 0), 19);
  EXPECT_EQ(doc.world.at(3, 0), 0) << "a move without the button paints nothing";
}

TEST_F(WorldMapEditorTest, ARightPressPicksTheCellsEntry) {
  doc.world.at(14, 8) = 12;
  test::Press(Area(), {16 + 14 * 32 + 1, 16 + 8 * 32 + 1}, Qt::RightButton);
  EXPECT_EQ(List().currentRow(), 12);
  EXPECT_EQ(doc.world.at(14, 8), 12);
  EXPECT_FALSE(doc.modified());
}

TEST_F(WorldMapEditorTest, TransparentPixelsShowTheRoadOfThePicture) {
  // Cell (1, 2) covers (48, 80)-(79, 111): the road runs through its rows 20..29.
  doc.world.at(1, 2) = kPlayer;
  editor.DrawMap();
  EXPECT_EQ(Shown(48 + 3, 80 + 25), kRoad) << "the transparent left half shows the road";
  EXPECT_EQ(Shown(48 + 3, 80 + 5), kGrass);
  EXPECT_EQ(Shown(48 + 20, 80 + 25), test::PatternColourAt(0, 320)) << "the tile covers the rest";
  EXPECT_EQ(Shown(5, 105), kRoad) << "the picture fills the area";
  EXPECT_EQ(Shown(48 + 40, 80 + 25), kRoad) << "empty cells draw nothing";
}

TEST_F(WorldMapEditorTest, AnUpdateShowsTheReplacedPictureFile) {
  test::TempDir folder;
  picturePath = folder.file("chizu.bmp");
  ASSERT_TRUE(Background().save(QString::fromStdString(picturePath), "BMP"));
  editor.findChild<QPushButton*>("Button1")->click();
  EXPECT_EQ(Shown(5, 5), kGrass);

  const QRgb snow = qRgb(240, 240, 250);
  ASSERT_TRUE(Background(snow).save(QString::fromStdString(picturePath), "BMP"));
  doc.world.at(0, 0) = kPlayer;
  editor.findChild<QPushButton*>("Button1")->click();
  EXPECT_EQ(Shown(5, 5), snow);
  EXPECT_EQ(Shown(16 + 2, 16 + 2), snow) << "seen through the tile too";
  EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(WorldMapEditorTest, AMissingPictureFileIsReportedAndTheOldPictureStays) {
  test::TempDir folder;
  picturePath = folder.file("absent.gif");
  editor.ReloadPicture();
  ASSERT_EQ(dialogs.notices.size(), 1u);
  EXPECT_NE(dialogs.notices[0].find(picturePath), std::string::npos);
  EXPECT_EQ(Shown(5, 5), kGrass);
}

TEST_F(WorldMapEditorTest, ASmallerBmpPictureLeavesTheRestOfTheAreaWhite) {
  test::TempDir folder;
  picturePath = folder.file("small.bmp");
  ASSERT_TRUE(Background().copy(0, 0, 40, 40).save(QString::fromStdString(picturePath), "BMP"));
  doc.world.at(2, 2) = kPlayer; // its transparent half lies beyond the picture
  editor.ReloadPicture();
  EXPECT_EQ(Shown(5, 5), kGrass);
  EXPECT_EQ(Shown(300, 200), qRgb(255, 255, 255));
  EXPECT_EQ(Shown(80 + 3, 80 + 3), qRgb(255, 255, 255));
}

} // namespace
} // namespace zt
