// The tile palette: slots, marks, highlight, memo, clicks and the toggle.

#include "WindowsTestSupport.h"

#include "editor/windows/FrameShape.h"
#include "editor/windows/PictureBox.h"
#include "editor/windows/ToolWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QMainWindow>
#include <QPlainTextEdit>

namespace zt {
namespace {

using test::PatternCellColour;

constexpr QRgb kTransparent = qRgb(0, 0, 0);

class ToolWindowTest : public ::testing::Test {
 protected:
  ToolWindowTest() { map.doc.loaded = true; }

  QRgb PaletteAt(QPoint at) const { return tools.palettePicture().pixel(at) | 0xFF000000u; }
  QPoint Highlight() const { return tools.findChild<FrameShape*>("Selected")->pos(); }
  QString Memo() const { return tools.findChild<QPlainTextEdit*>("Memo")->toPlainText(); }
  PictureBox& Picture() { return *tools.findChild<PictureBox*>("timg"); }
  // Whether any pixel of a slot's rows [top, bottom) is map text.
  bool TextInRows(QPoint slot, int top, int bottom) const {
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 32; ++x)
        if (test::IsTextPixel(tools.palettePicture().pixel(slot.x() + x, slot.y() + y))) return true;
    return false;
  }

  test::MapFixture map;
  ToolWindow tools{map.doc, map.pattern, map.view};
};

TEST_F(ToolWindowTest, AFixedWindowOfTenColumnsAndSevenRows) {
  EXPECT_EQ(tools.windowTitle(), "Tool Window");
  EXPECT_EQ(tools.size(), QSize(321, 280));
  EXPECT_EQ(tools.minimumSize(), tools.maximumSize());
  EXPECT_EQ(tools.palettePicture().size(), QSize(321, 224));
  tools.DrawPalette();
  EXPECT_EQ(tools.lastColumn(), 9);
  EXPECT_EQ(tools.SlotOf(10), QPoint(0, 32));
  EXPECT_EQ(tools.SlotOf(65), QPoint(160, 192));
}

TEST_F(ToolWindowTest, SelectingATileMovesTheHighlightAndFillsTheMemo) {
  map.view.SelectTile(65);
  EXPECT_EQ(Highlight(), QPoint(160, 192));
  EXPECT_EQ(Memo(), QString::fromUtf8("/\n一言メッセージ4"));
  map.view.SelectTile(12);
  EXPECT_EQ(Highlight(), QPoint(64, 32));
  EXPECT_EQ(Memo(), QString::fromUtf8("L\n動く床 左右移動"));
}

TEST_F(ToolWindowTest, TilesAreDrawnFromTheRawPatternOneSlotEach) {
  QImage picture = test::SyntheticPattern();
  picture.setPixel(0, 288, kTransparent); // top-left pixel of the coin's cell
  map.pattern.SetRaw(picture, kTransparent);
  map.pattern.BuildSubstituted(test::kStageOneBackground);
  tools.DrawPalette();

  EXPECT_EQ(PaletteAt(tools.SlotOf(27) + QPoint(5, 5)), PatternCellColour(0, 2)) << "block 1 at (0, 64)";
  EXPECT_EQ(PaletteAt(tools.SlotOf(61)), kTransparent) << "the transparent colour itself, not the background";
  // The 96 x 64 picture of tile 14 at (96, 576) is shrunk into one slot.
  EXPECT_EQ(PaletteAt(tools.SlotOf(14)), PatternCellColour(3, 18));
  EXPECT_EQ(PaletteAt(tools.SlotOf(14) + QPoint(31, 31)), PatternCellColour(5, 19));
  EXPECT_EQ(PaletteAt(tools.SlotOf(65) + QPoint(40, 5)), qRgb(255, 255, 255)) << "no slot past the last tile";
}

TEST_F(ToolWindowTest, NothingIsDrawnBeforeADocumentIsLoaded) {
  map.doc.loaded = false;
  tools.DrawPalette();
  EXPECT_EQ(PaletteAt(tools.SlotOf(27) + QPoint(5, 5)), qRgb(255, 255, 255));
}

TEST_F(ToolWindowTest, MarksAreWrittenAsTheMapViewWritesThem) {
  // Tile 2 has the mark "⇔", tile 3 the same picture and no mark.
  struct Case {
    const char* what;
    bool mini, viewInfo;
    bool markInTopRows, markInLowerRows;
  };
  const Case cases[] = {
      {"32-pixel chips: 15 pixels down", false, true, false, true},
      {"16-pixel chips: at the slot's corner", true, true, true, false},
      {"marks switched off", false, false, false, false},
  };
  for (const Case& c : cases) {
    map.SetOptions([&](MapViewOptions& o) {
      o.mini = c.mini;
      o.viewInfo = c.viewInfo;
    });
    tools.DrawPalette();
    const QPoint marked = tools.SlotOf(2), plain = tools.SlotOf(3);
    EXPECT_EQ(TextInRows(marked, 0, 8), c.markInTopRows) << c.what;
    EXPECT_EQ(TextInRows(marked, 15, 32), c.markInLowerRows) << c.what;
    EXPECT_FALSE(TextInRows(plain, 0, 32)) << c.what;
  }
}

TEST_F(ToolWindowTest, AClickSelectsTheTileOfItsSlotWithAnyButton) {
  tools.DrawPalette();
  struct Case {
    QPoint at;
    Qt::MouseButton button;
    int selected; // the tile selected afterwards; 7 = unchanged
  };
  const Case cases[] = {
      {{5, 5}, Qt::LeftButton, 0},
      {{165, 195}, Qt::LeftButton, 65},
      {{40, 70}, Qt::RightButton, 21},
      {{200, 200}, Qt::LeftButton, 7},   // the slot of code 66
      {{300, 220}, Qt::LeftButton, 7},   // the last slot of the last row
      {{320, 10}, Qt::LeftButton, 7},    // the strip right of the last column
  };
  for (const Case& c : cases) {
    map.view.SelectTile(7);
    test::Press(Picture(), c.at, c.button);
    EXPECT_EQ(map.view.selectedTile(), c.selected) << c.at.x() << "," << c.at.y();
  }
}

TEST_F(ToolWindowTest, TheHighlightDarkensTheTileThroughAHatch) {
  tools.DrawPalette();
  tools.show();
  map.view.SelectTile(27);
  const QImage shown = tools.grab().toImage();
  const QRgb tile = PatternCellColour(0, 2);
  int hatch = 0, clear = 0, outline = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const QRgb pixel = shown.pixel(tools.SlotOf(27) + QPoint(x, y)) | 0xFF000000u;
      if (pixel == tile) ++clear;
      else if (pixel == qRgb(0, 0, qBlue(tile) & 160)) ++hatch;
      else if (pixel == qRgb(0, 0, 0)) ++outline;
    }
  EXPECT_GT(hatch, 0) << "hatch lines keep the tile's pixels masked";
  EXPECT_GT(clear, hatch) << "the tile shows between the lines";
  EXPECT_GT(outline, 0);
  EXPECT_EQ(hatch + clear + outline, 32 * 32);
}

TEST_F(ToolWindowTest, TheToggleHidesOnlyAFocusedWindow) {
  map.doc.loaded = false;
  tools.Toggle();
  EXPECT_FALSE(tools.isVisible()) << "nothing before a document is loaded";

  map.doc.loaded = true;
  tools.Toggle();
  EXPECT_TRUE(tools.isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&tools));
  tools.Toggle();
  EXPECT_FALSE(tools.isVisible()) << "shown and focused: hidden";

  QWidget other;
  tools.show();
  ASSERT_TRUE(test::ShowActive(other));
  tools.Toggle();
  EXPECT_TRUE(tools.isVisible()) << "shown behind another window: brought up";
}

TEST_F(ToolWindowTest, F1InsideTheWindowTogglesIt) {
  ASSERT_TRUE(test::ShowActive(tools));
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(tools.findChild<QPlainTextEdit*>("Memo"), &f1);
  EXPECT_FALSE(tools.isVisible());
}

TEST_F(ToolWindowTest, F1ReachingTheMainWindowsCommandTogglesOnlyOnce) {
  // The main window's F1 command also answers while its tool window has the
  // focus; the window must not toggle a second time by itself.
  QMainWindow main;
  ToolWindow owned(map.doc, map.pattern, map.view, &main);
  QAction command;
  command.setShortcut(Qt::Key_F1);
  main.addAction(&command);
  int triggered = 0;
  QObject::connect(&command, &QAction::triggered, [&] {
    ++triggered;
    owned.Toggle();
  });
  main.show();
  ASSERT_TRUE(test::ShowActive(owned));
  QTest::keyClick(owned.findChild<QPlainTextEdit*>("Memo"), Qt::Key_F1);
  EXPECT_FALSE(owned.isVisible());
  EXPECT_LE(triggered, 1);
}

TEST_F(ToolWindowTest, StayingOnTopKeepsAShownWindowShown) {
  tools.show();
  tools.SetStayOnTop(true);
  EXPECT_TRUE(tools.isVisible());
  EXPECT_TRUE(tools.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(tools.windowFlags() & Qt::Tool);
  tools.SetStayOnTop(false);
  EXPECT_FALSE(tools.windowFlags() & Qt::WindowStaysOnTopHint);
}

} // namespace
} // namespace zt
