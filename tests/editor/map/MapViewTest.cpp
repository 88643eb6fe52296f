// The map view widget: presenting, pen, fill, rectangle, select, pick and
// the special switch.

#include "MapTestSupport.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace zt {
namespace {

using test::MapFixture;
using test::PatternColourAt;
using test::Press;
using test::Release;

constexpr TileCode kBlock = 27;
constexpr TileCode kCoin = 61;

QPoint CellCentre(int column, int row, int chip = 32) { return {column * chip + chip / 2, row * chip + chip / 2}; }

class MapViewTest : public ::testing::Test {
 protected:
  MapFixture map;
  MapView& view = map.view;
  StageDocument& doc = map.doc;
};

TEST_F(MapViewTest, NothingIsPresentedBeforeADocumentIsLoaded) {
  doc.loaded = false;
  view.Redraw();
  EXPECT_NE(view.grab().toImage().pixel(100, 100), test::kStageOneBackground);
  doc.loaded = true;
  EXPECT_EQ(view.grab().toImage().pixel(100, 100), test::kStageOneBackground);
}

TEST_F(MapViewTest, TheBackBufferCoversTheScreenAndLargerViews) {
  const QSize screen = QGuiApplication::primaryScreen()->size();
  EXPECT_GE(view.backBuffer().width(), screen.width());
  EXPECT_GE(view.backBuffer().height(), screen.height());
  view.resize(screen.width() + 300, 200);
  view.Redraw();
  EXPECT_GE(view.backBuffer().width(), screen.width() + 300);
  EXPECT_EQ(map.At(screen.width() + 250, 100), test::kStageOneBackground);
}

TEST_F(MapViewTest, GridAndOutlineAreDrawnOnScreenOnly) {
  map.SetOptions([](MapViewOptions& o) {
    o.grid = true;
    o.gridType = 0;
  });
  view.SetTool(DrawingTool::Select);
  Press(view, CellCentre(3, 3), Qt::LeftButton);
  const QImage screen = view.grab().toImage();
  EXPECT_EQ(screen.pixel(32, 5), qRgb(255, 0, 0)) << "the inverted cyan background";
  EXPECT_EQ(map.At(32, 5), test::kStageOneBackground);
  EXPECT_EQ(map.At(96, 100), test::kStageOneBackground);
}

// Every pixel of the view outside `cell` is the same in both pictures.
void ExpectSameOutside(const QImage& before, const QImage& after, const QRect& cell) {
  for (int y = 0; y < 480; y += 2)
    for (int x = 0; x < 640; x += 2) {
      if (!cell.contains(x, y)) {
        ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << "," << y;
      }
    }
}

TEST_F(MapViewTest, PenUpdateTouchesOnlyTheEditedCell) {
  doc.SetCell(3, 3, 25); // a water plant covering (3..4, 3..4)
  doc.SetCell(4, 4, kCoin);
  doc.SetCell(6, 2, kBlock);
  view.Redraw();
  const QRect cell(4 * 32, 4 * 32, 32, 32);
  QImage before = view.backBuffer().copy(0, 0, 640, 480);
  view.PenSetCell(0, 4, 4, true);
  ExpectSameOutside(before, view.backBuffer(), cell);
  EXPECT_EQ(map.At(4 * 32 + 2, 4 * 32 + 2), test::kStageOneBackground) << "the plant stays cut until a rebuild";

  before = view.backBuffer().copy(0, 0, 640, 480);
  view.PenSetCell(kBlock, 4, 4, true);
  ExpectSameOutside(before, view.backBuffer(), cell);
  EXPECT_EQ(map.At(4 * 32 + 2, 4 * 32 + 2), PatternColourAt(2, 64 + 2));
}

TEST_F(MapViewTest, PenEraseClearsTheOldFootprintInTheStagesColour) {
  doc.currentStage = 1;
  doc.SetCell(5, 5, 14); // falling block covering (4..6, 5..6)
  map.pattern.BuildSubstituted(test::kStageTwoBackground);
  view.Redraw();
  view.PenSetCell(0, 5, 5, true);
  for (const QPoint at : {QPoint(4 * 32 + 1, 5 * 32 + 1), QPoint(6 * 32 + 30, 6 * 32 + 30)})
    EXPECT_EQ(map.At(at.x(), at.y()), test::kStageTwoBackground);
}

struct PenCase {
  const char* what;
  TileCode before, code;
  int x, y;
  bool record;
  bool changes;
  bool undoEntry;
};

class PenSetCell : public ::testing::TestWithParam<PenCase> {};

TEST_P(PenSetCell, EditsRecordsAndMarksTheDocument) {
  const PenCase& c = GetParam();
  MapFixture map;
  if (InStage(c.x, c.y)) map.doc.SetCell(c.x, c.y, c.before);
  QSignalSpy undo(&map.view, &MapView::undoAvailable);
  map.view.PenSetCell(c.code, c.x, c.y, c.record);
  if (InStage(c.x, c.y)) {
    EXPECT_EQ(map.doc.GetCell(c.x, c.y), c.changes ? c.code : c.before) << c.what;
  }
  EXPECT_EQ(map.doc.modified(), c.changes) << c.what;
  EXPECT_EQ(map.view.undoHistory().CanUndo(), c.undoEntry) << c.what;
  EXPECT_EQ(undo.count(), c.undoEntry ? 1 : 0) << c.what;
  if (c.undoEntry) {
    EXPECT_EQ(map.view.undoHistory().Entry(0), (UndoEntry{c.x, c.y, c.before})) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PenSetCell,
                         ::testing::Values(PenCase{"a new code", 0, kBlock, 3, 4, true, true, true},
                                           PenCase{"without recording", kCoin, kBlock, 3, 4, false, true, false},
                                           PenCase{"the same code", kBlock, kBlock, 3, 4, true, false, false},
                                           PenCase{"beyond the last column", 0, kBlock, 180, 4, true, false, false},
                                           PenCase{"above the first row", 0, kBlock, 3, -1, true, false, false}));

TEST_F(MapViewTest, ShiftPressErasesOneCellThenTheDragPaints) {
  view.SelectTile(kBlock);
  doc.SetCell(2, 2, kCoin);
  Press(view, CellCentre(2, 2), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(doc.GetCell(2, 2), 0);
  EXPECT_EQ(view.undoHistory().Entry(0), (UndoEntry{2, 2, kCoin}));
  EXPECT_TRUE(view.undoHistory().Entry(1).empty()) << "one entry";
  test::SendMouse(view, QEvent::MouseMove, CellCentre(3, 2), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(doc.GetCell(3, 2), kBlock) << "Shift counts only for the press";
  Release(view, CellCentre(3, 2), Qt::LeftButton);
  EXPECT_TRUE(doc.modified());
}

TEST_F(MapViewTest, AStrokeOverTheSelectedTileChangesNothing) {
  view.SelectTile(kBlock);
  for (int x = 1; x <= 3; ++x) doc.SetCell(x, 1, kBlock);
  Press(view, CellCentre(1, 1), Qt::LeftButton);
  test::Move(view, CellCentre(2, 1), Qt::LeftButton);
  test::Move(view, CellCentre(3, 1), Qt::LeftButton);
  Release(view, CellCentre(3, 1), Qt::LeftButton);
  EXPECT_FALSE(view.undoHistory().CanUndo());
  EXPECT_FALSE(doc.modified());
}

TEST_F(MapViewTest, APenStrokeRecordsTheLastFourCells) {
  view.SelectTile(kBlock);
  Press(view, CellCentre(0, 0), Qt::LeftButton);
  for (int x = 1; x < 5; ++x) test::Move(view, CellCentre(x, 0), Qt::LeftButton);
  for (int i = 0; i < UndoHistory::kDepth; ++i) EXPECT_EQ(view.undoHistory().Entry(i), (UndoEntry{4 - i, 0, 0}));
}

TEST_F(MapViewTest, APenPressSwitchesTheSelectionOff) {
  view.selection().Start({0, 0});
  Press(view, CellCentre(1, 1), Qt::LeftButton);
  EXPECT_FALSE(view.selection().active);
}

class FillTool : public MapViewTest {
 protected:
  FillTool() {
    view.resize(320, 256); // 10 x 8 whole cells and a partly visible column and row
    view.SetTool(DrawingTool::Fill);
    view.SelectTile(kCoin);
  }
  int CountCoins() const {
    int coins = 0;
    for (int x = 0; x < kStageWidth; ++x)
      for (int y = 0; y < kStageHeight; ++y) coins += doc.GetCell(x, y) == kCoin;
    return coins;
  }
};

TEST_F(FillTool, FillsOnlyTheVisiblePartAndShowsItsTime) {
  QSignalSpy timing(&view, &MapView::simpleStatusTextChanged);
  view.resize(330, 260);
  Press(view, CellCentre(2, 2), Qt::LeftButton);
  EXPECT_EQ(CountCoins(), 10 * 8);
  EXPECT_EQ(doc.GetCell(9, 7), kCoin);
  EXPECT_EQ(doc.GetCell(10, 7), 0) << "the partly visible column";
  EXPECT_TRUE(doc.modified()) << "a fill that changed cells must not be lost at closing";
  EXPECT_FALSE(view.undoHistory().CanUndo());
  ASSERT_EQ(timing.count(), 1);
  EXPECT_TRUE(QRegularExpression("^[0-9]+\\.$").match(timing.at(0).at(0).toString()).hasMatch())
      << timing.at(0).at(0).toString().toStdString();
  EXPECT_EQ(map.At(2 * 32 + 5, 2 * 32 + 5), PatternColourAt(5, 288 + 5)) << "redrawn";
}

TEST_F(FillTool, FillsTheWholeStageWhenAllowed) {
  map.SetOptions([](MapViewOptions& o) { o.nuritubushi = true; });
  view.SetOrigin(50, 10);
  Press(view, CellCentre(0, 0), Qt::LeftButton);
  EXPECT_EQ(CountCoins(), kStageCells);
}

TEST_F(FillTool, FillingWithTheTargetTileDoesNothing) {
  QSignalSpy timing(&view, &MapView::simpleStatusTextChanged);
  doc.SetCell(1, 1, kCoin);
  Press(view, CellCentre(1, 1), Qt::LeftButton);
  EXPECT_EQ(CountCoins(), 1);
  EXPECT_EQ(timing.count(), 0);
}

class RectangleTool : public MapViewTest {
 protected:
  RectangleTool() {
    view.SetTool(DrawingTool::Rectangle);
    view.SelectTile(kBlock);
  }
  void Drag(QPoint from, QPoint to) {
    Press(view, from, Qt::LeftButton);
    test::Move(view, to, Qt::LeftButton);
    Release(view, to, Qt::LeftButton);
  }
};

TEST_F(RectangleTool, MiniChipsClampTheEndCornerBy32PixelUnits) {
  map.SetOptions([](MapViewOptions& o) { o.mini = true; });
  Drag(CellCentre(2, 1, 16), CellCentre(30, 1, 16));
  for (int x = 0; x < 40; ++x) EXPECT_EQ(doc.GetCell(x, 1), x >= 2 && x <= 19 ? kBlock : 0) << x;
  EXPECT_TRUE(doc.modified());
  EXPECT_FALSE(view.undoHistory().CanUndo());
}

TEST_F(RectangleTool, APressAndReleaseInOneCellFillsIt) {
  view.SetOrigin(20, 5);
  Drag(CellCentre(4, 3), CellCentre(4, 3) + QPoint(3, 2));
  EXPECT_EQ(doc.GetCell(24, 8), kBlock);
  doc.SetCell(24, 8, 0);
  for (int x = 0; x < kStageWidth; ++x)
    for (int y = 0; y < kStageHeight; ++y) ASSERT_EQ(doc.GetCell(x, y), 0) << "only that cell";
}

TEST_F(RectangleTool, DraggingUpAndLeftFillsWhatThePreviewShowed) {
  Press(view, CellCentre(6, 5), Qt::LeftButton);
  test::Move(view, CellCentre(3, 2), Qt::LeftButton);
  const QImage screen = view.grab().toImage();
  EXPECT_EQ(screen.pixel(4 * 32, 3 * 32 + 10), qRgb(0, 0, 0)) << "the preview's outline";
  EXPECT_EQ(map.At(4 * 32, 3 * 32 + 10), test::kStageOneBackground) << "not in the back buffer";
  Release(view, CellCentre(3, 2), Qt::LeftButton);
  for (int x = 2; x <= 7; ++x)
    for (int y = 1; y <= 6; ++y)
      EXPECT_EQ(doc.GetCell(x, y), x >= 4 && x <= 5 && y >= 3 && y <= 4 ? kBlock : 0) << x << "," << y;
  EXPECT_EQ(view.grab().toImage().pixel(4 * 32, 3 * 32 + 10), PatternColourAt(0, 64 + 10)) << "preview gone";
}

TEST_F(RectangleTool, CornersInOneColumnWriteNothingAndLeaveTheFlag) {
  Drag(CellCentre(4, 2), CellCentre(3, 5));
  EXPECT_EQ(doc.GetCell(3, 3), 0);
  EXPECT_EQ(doc.GetCell(4, 3), 0);
  EXPECT_FALSE(doc.modified());
}

TEST_F(MapViewTest, RightClickPicksTheTileUnderThePointer) {
  QSignalSpy picked(&view, &MapView::selectedTileChanged);
  doc.SetCell(3, 1, kCoin);
  doc.SetCell(4, 1, kUnknownTile);
  Press(view, CellCentre(3, 1), Qt::RightButton);
  EXPECT_EQ(view.selectedTile(), kCoin);
  ASSERT_EQ(picked.count(), 1);
  EXPECT_EQ(picked.at(0).at(0).toInt(), kCoin);
  Press(view, CellCentre(4, 1), Qt::RightButton);
  view.SetOrigin(179, 0);
  Press(view, CellCentre(3, 1), Qt::RightButton);
  EXPECT_EQ(view.selectedTile(), kCoin) << "nothing picked from an unknown code or beyond the stage";
  EXPECT_EQ(picked.count(), 1);
}

TEST_F(MapViewTest, TheSelectToolMarksCellCorners) {
  view.SetTool(DrawingTool::Select);
  Press(view, QPoint(70, 40), Qt::LeftButton);
  EXPECT_TRUE(view.selection().active);
  EXPECT_EQ(view.selection().first, (PixelPos{64, 32}));
  EXPECT_EQ(view.selection().second, (PixelPos{64, 32}));
  test::Move(view, QPoint(10, 130), Qt::LeftButton);
  EXPECT_EQ(view.selection().first, (PixelPos{64, 32}));
  EXPECT_EQ(view.selection().second, (PixelPos{0, 128}));
}

TEST_F(MapViewTest, ARightClickWithASelectionOpensItsMenu) {
  QSignalSpy menu(&view, &MapView::selectionMenuRequested);
  doc.SetCell(1, 1, kCoin);
  view.SetTool(DrawingTool::Select);
  Press(view, CellCentre(1, 1), Qt::RightButton);
  EXPECT_EQ(menu.count(), 0);
  EXPECT_EQ(view.selectedTile(), kCoin) << "no selection: a pick";
  view.SelectTile(0);
  Press(view, CellCentre(1, 1), Qt::LeftButton);
  Press(view, CellCentre(1, 1), Qt::RightButton);
  ASSERT_EQ(menu.count(), 1);
  EXPECT_EQ(menu.at(0).at(0).toPoint(), view.mapToGlobal(CellCentre(1, 1)));
  EXPECT_EQ(view.selectedTile(), 0);
}

TEST_F(MapViewTest, ChoosingAPaintingToolSwitchesTheSelectionOff) {
  for (const DrawingTool tool : {DrawingTool::Pen, DrawingTool::Fill, DrawingTool::Rectangle}) {
    view.selection().Start({32, 32});
    view.SetTool(DrawingTool::Select);
    EXPECT_TRUE(view.selection().active);
    view.SetTool(tool);
    EXPECT_FALSE(view.selection().active);
  }
}

TEST_F(MapViewTest, TheSpecialSwitchOpensTheMapMenuOverStageCells) {
  QSignalSpy menu(&view, &MapView::mapMenuRequested);
  view.SetSpecialSwitch(true);
  view.SetOrigin(175, 0);
  Press(view, CellCentre(4, 2), Qt::RightButton);
  ASSERT_EQ(menu.count(), 1);
  EXPECT_EQ(menu.at(0).at(0).toPoint(), view.mapToGlobal(CellCentre(4, 2)));
  EXPECT_EQ(view.rightClickCell(), (CellPos{4, 2}));
  Press(view, CellCentre(6, 2), Qt::RightButton);
  EXPECT_EQ(menu.count(), 1) << "column 181 is beyond the stage";
  EXPECT_EQ(view.rightClickCell(), (CellPos{6, 2}));
  view.SetSpecialSwitch(false);
  doc.SetCell(179, 2, kCoin);
  Press(view, CellCentre(4, 2), Qt::RightButton);
  EXPECT_EQ(view.selectedTile(), kCoin);
}

} // namespace
} // namespace zt
