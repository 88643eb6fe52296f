// Cut, copy, paste and delete through the tile clipboard, undo of pen
// edits, copying the selection as a picture and the clipboard view.

#include "MapEditFixture.h"

#include "editor/edit/BulkMapCommands.h"
#include "editor/edit/ClipboardView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace zt {
namespace {

constexpr TileCode kBlock = 27; // "a"
constexpr TileCode kCoin = 61;  // "9"

// Tile codes that differ cell by cell.
TileCode CodeFor(int i, int j) { return static_cast<TileCode>(kBlock + i * 3 + j); }

class ClipboardCommandsTest : public ::testing::Test, public test::MapEditFixture {
 protected:
  // A 3 x 2 block of distinct tiles at stage (2, 2).
  void PlaceBlock() {
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 2; ++j) doc.SetCell(2 + i, 2 + j, CodeFor(i, j));
  }
};

TEST_F(ClipboardCommandsTest, PasteLandsOnThePressedCellAfterAnUpLeftDrag) {
  PlaceBlock();
  Select({2, 2}, {4, 3});
  commands->Copy();
  EXPECT_FALSE(view.selection().active);
  Select({20, 10}, {15, 5});
  commands->Paste();
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j) EXPECT_EQ(doc.GetCell(20 + i, 10 + j), CodeFor(i, j)) << i << "," << j;
  EXPECT_EQ(doc.GetCell(15, 5), 0);
  EXPECT_FALSE(view.selection().active);
}

TEST_F(ClipboardCommandsTest, ABlockPastTheLastColumnCopiesAsEmptyCells) {
  page->ScrollTo(178, 0);
  doc.SetCell(178, 0, kBlock);
  doc.SetCell(179, 1, kCoin);
  Select({0, 0}, {3, 1});
  commands->Copy();
  const TileClipboard& clipboard = commands->clipboard();
  ASSERT_EQ(clipboard.width(), 4);
  EXPECT_EQ(clipboard.At(0, 0), kBlock);
  EXPECT_EQ(clipboard.At(1, 1), kCoin);
  EXPECT_EQ(clipboard.At(2, 0), 0);
  EXPECT_EQ(clipboard.At(3, 1), 0);
}

TEST_F(ClipboardCommandsTest, CutEmptiesTheBlockAndPastesBackWhereTheViewIs) {
  page->ScrollTo(40, 5);
  doc.SetCell(41, 6, kCoin);
  Select({1, 1}, {2, 2});
  commands->Cut();
  EXPECT_EQ(doc.GetCell(41, 6), 0);
  EXPECT_EQ(commands->clipboard().At(0, 0), kCoin);
  Select({5, 0}, {5, 0});
  commands->Paste();
  EXPECT_EQ(doc.GetCell(45, 5), kCoin);
}

TEST_F(ClipboardCommandsTest, DeletingABlockLeavesTheClipboardAsItWas) {
  doc.SetCell(0, 0, kCoin);
  doc.SetCell(1, 1, kBlock);
  Select({0, 0}, {1, 1});
  commands->Copy();
  for (int i = 5; i < 15; ++i) doc.SetCell(i, i % 10, kBlock);
  Select({5, 0}, {14, 9});
  commands->Deleted();
  for (int i = 5; i < 15; ++i) EXPECT_EQ(doc.GetCell(i, i % 10), 0) << i;
  Select({20, 3}, {20, 3});
  commands->Paste();
  EXPECT_EQ(doc.GetCell(20, 3), kCoin);
  EXPECT_EQ(doc.GetCell(21, 4), kBlock);
  EXPECT_EQ(doc.GetCell(22, 3), 0) << "a 2 x 2 block";
}

// Cut, like paste and delete, marks the document modified once it changed
// a cell, so that closing offers to save it; copy never does.
TEST_F(ClipboardCommandsTest, OnlyCommandsThatChangeCellsMarkTheDocumentModified) {
  const struct {
    const char* name;
    void (MapEditCommands::*command)();
    bool tileInBlock;
    bool modified;
  } cases[] = {
      {"cut", &MapEditCommands::Cut, true, true},         {"cut of empty cells", &MapEditCommands::Cut, false, false},
      {"copy", &MapEditCommands::Copy, true, false},      {"paste", &MapEditCommands::Paste, false, true},
      {"delete", &MapEditCommands::Deleted, false, true},
  };
  for (const auto& c : cases) {
    doc.SetCell(3, 3, c.tileInBlock ? kCoin : 0);
    doc.SetModified(false);
    view.selection().active = false;
    (commands->*c.command)();
    EXPECT_FALSE(doc.modified()) << c.name << " without a selection";
    Select({3, 3}, {4, 4});
    (commands->*c.command)();
    EXPECT_EQ(doc.modified(), c.modified) << c.name;
  }
}

TEST_F(ClipboardCommandsTest, UndoRestoresTheLastFourPenEditsNewestFirst) {
  QSignalSpy available(commands, &MapEditCommands::undoAvailable);
  for (int x = 0; x < 5; ++x) view.PenSetCell(kBlock, x, 0, true);
  EXPECT_TRUE(commands->canUndo());
  ASSERT_GE(available.count(), 1);
  EXPECT_TRUE(available.last().at(0).toBool());
  doc.SetModified(false);

  for (int x = 4; x >= 1; --x) {
    commands->Undo();
    EXPECT_EQ(doc.GetCell(x, 0), 0) << x;
    EXPECT_EQ(doc.GetCell(x - 1, 0), kBlock) << x;
    EXPECT_EQ(available.last().at(0).toBool(), x > 1) << x;
  }
  EXPECT_FALSE(commands->canUndo());
  EXPECT_TRUE(doc.modified());
  commands->Undo();
  EXPECT_EQ(doc.GetCell(0, 0), kBlock) << "the first edit is beyond the history";
}

TEST_F(ClipboardCommandsTest, UndoRestoresPenEditsOverWhateverCameLater) {
  view.PenSetCell(kBlock, 5, 5, true);
  doc.SetCell(30, 3, kCoin);
  Select({30, 3}, {30, 3});
  commands->Copy();
  Select({5, 5}, {5, 5});
  commands->Paste();
  Select({0, 0}, {1, 1});
  commands->Deleted();
  view.SelectTile(kCoin);
  view.FloodFill(10, 10);
  commands->bulk().O1Click();
  Select({8, 8}, {12, 12});
  commands->M5Click();
  ASSERT_TRUE(commands->canUndo()) << "none of them touches the history";
  EXPECT_TRUE(view.undoHistory().Entry(1).empty());
  commands->Undo();
  EXPECT_EQ(doc.GetCell(5, 5), 0) << "the code before the pen edit";
  EXPECT_EQ(doc.GetCell(6, 5), kCoin);
}

TEST_F(ClipboardCommandsTest, ThePictureHoldsExactlyTheSelectedCellsAsDrawn) {
  page->ScrollTo(50, 10);
  doc.SetCell(52, 11, kBlock);
  doc.SetCell(54, 13, kCoin);
  view.Redraw();
  QGuiApplication::clipboard()->clear();
  Select({4, 3}, {2, 1});
  commands->I1Click();
  const QImage picture = QGuiApplication::clipboard()->image();
  ASSERT_EQ(picture.size(), QSize(96, 96));
  const auto expected = [&](int i, int j) -> QRgb {
    const TileCode code = doc.GetCell(52 + i, 11 + j);
    if (code == 0) return test::kStageOneBackground;
    const PatternCell cell = TilePatternCell(code);
    return test::PatternColourAt(cell.x + 16, cell.y + 16);
  };
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      EXPECT_EQ(picture.pixel(i * 32 + 16, j * 32 + 16) | 0xFF000000u, expected(i, j)) << i << "," << j;
      EXPECT_EQ(picture.pixel(i * 32, j * 32) | 0xFF000000u, expected(i, j)) << "no outline or grid";
    }
  EXPECT_TRUE(view.selection().active);
  EXPECT_FALSE(doc.modified());
}

TEST_F(ClipboardCommandsTest, NoPictureIsCopiedBeforeADocumentIsLoaded) {
  doc.loaded = false;
  QGuiApplication::clipboard()->clear();
  Select({0, 0}, {1, 1});
  commands->I1Click();
  EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
}

TEST_F(ClipboardCommandsTest, TheClipboardViewShowsEachHeldCellFromThePattern) {
  PlaceBlock();
  doc.SetCell(3, 2, 0);
  Select({2, 2}, {4, 3});
  commands->Copy();
  ClipboardView& clipboardView = commands->clipboardView();
  commands->C1Click();
  ASSERT_TRUE(clipboardView.isVisible());
  EXPECT_EQ(clipboardView.windowTitle(), QString::fromUtf8("クリップボード"));
  EXPECT_EQ(clipboardView.size(), QSize(3 * 32 + 32, 2 * 32 + 32));
  const QImage shown = clipboardView.grab().toImage();
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 2; ++j) {
      const PatternCell cell = TilePatternCell(doc.GetCell(2 + i, 2 + j));
      EXPECT_EQ(shown.pixel(i * 32 + 5, j * 32 + 5), test::PatternColourAt(cell.x + 5, cell.y + 5)) << i << "," << j;
    }
  commands->C1Click();
  EXPECT_FALSE(clipboardView.isVisible());
}

} // namespace
} // namespace zt
