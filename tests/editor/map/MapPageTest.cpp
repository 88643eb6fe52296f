// The map page: scroll bars, wheel, middle drag, status line and panel widths.

#include "MapTestSupport.h"

#include "editor/map/MapPage.h"
#include "editor/map/StatusPanels.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace zt {
namespace {

class MapPageTest : public ::testing::Test {
 protected:
  MapPageTest() {
    pattern.SetRaw(test::SyntheticPattern(), qRgb(0, 0, 0));
    pattern.BuildSubstituted(qRgb(0, 255, 255));
    doc.loaded = true;
    page.resize(800, 600);
    page.show();
  }
  void Wheel(int angle) {
    const QPointF at(100, 100);
    QWheelEvent event(at, page.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&page.view(), &event);
  }
  std::string Panel(int panel) { return page.mapStatus().text(panel).toStdString(); }
  PixelPos Origin() { return {page.view().viewGeometry().scrollX, page.view().viewGeometry().scrollY}; }

  StageDocument doc;
  PatternImage pattern;
  MapPage page{doc, pattern};
};

TEST_F(MapPageTest, TheBarsCoverTheStageOneUnitPerCell) {
  EXPECT_EQ(page.scrollBar1().objectName(), "ScrollBar1");
  EXPECT_EQ(page.scrollBar1().maximum(), 179);
  EXPECT_EQ(page.scrollBar2().objectName(), "ScrollBar2");
  EXPECT_EQ(page.scrollBar2().maximum(), 29);
  EXPECT_EQ(page.view().objectName(), "StageMap");
  EXPECT_EQ(page.mapStatus().objectName(), "MapStatus");
  EXPECT_EQ(page.statusBar2().objectName(), "StatusBar2");
}

TEST_F(MapPageTest, MovingABarScrollsTheViewAndTheStatusLine) {
  QSignalSpy moved(&page, &MapPage::originChanged);
  doc.SetCell(40, 3, 27);
  page.scrollBar1().setValue(40);
  page.scrollBar2().setValue(3);
  EXPECT_EQ(Origin(), (PixelPos{40, 3}));
  EXPECT_EQ(Panel(2), "scroll 40,3");
  EXPECT_EQ(moved.count(), 2);
  EXPECT_EQ(page.view().backBuffer().pixel(5, 5), test::PatternColourAt(5, 64 + 5)) << "rebuilt";
}

TEST_F(MapPageTest, KeysScrollByTwoCellsAndTheBarsClamp) {
  page.ScrollBy(2, 0);
  page.ScrollBy(0, 2);
  EXPECT_EQ(Origin(), (PixelPos{2, 2}));
  page.ScrollBy(-2, -2);
  page.ScrollBy(-2, -2);
  EXPECT_EQ(Origin(), (PixelPos{0, 0}));
  page.ScrollTo(178, 28);
  page.ScrollBy(2, 2);
  EXPECT_EQ(Origin(), (PixelPos{179, 29}));
}

TEST_F(MapPageTest, AJumpMovesBothBarsAtOnce) {
  QSignalSpy moved(&page, &MapPage::originChanged);
  page.ScrollTo(60, 12);
  EXPECT_EQ(Origin(), (PixelPos{60, 12}));
  EXPECT_EQ(page.scrollBar1().value(), 60);
  EXPECT_EQ(page.scrollBar2().value(), 12);
  EXPECT_EQ(moved.count(), 1);
  page.ScrollTo(60, 12);
  EXPECT_EQ(moved.count(), 1) << "no change, no redraw";
}

TEST_F(MapPageTest, EachWheelNotchMovesOneRow) {
  Wheel(-120);
  EXPECT_EQ(Origin(), (PixelPos{0, 1}));
  Wheel(-240);
  EXPECT_EQ(Origin(), (PixelPos{0, 3}));
  Wheel(60);
  EXPECT_EQ(Origin(), (PixelPos{0, 3})) << "half a notch";
  Wheel(60);
  EXPECT_EQ(Origin(), (PixelPos{0, 2}));
}

TEST_F(MapPageTest, AMiddleDragMovesOneCellPerTwoPixels) {
  MapView& view = page.view();
  page.ScrollTo(50, 10);
  test::Press(view, {200, 200}, Qt::MiddleButton);
  EXPECT_EQ(view.cursor().shape(), Qt::SizeAllCursor);
  test::Move(view, {180, 206}, Qt::MiddleButton);
  EXPECT_EQ(Origin(), (PixelPos{40, 13}));
  // A pixel at a time, as slow drags arrive.
  for (int x = 181; x <= 184; ++x) test::Move(view, {x, 206}, Qt::MiddleButton);
  EXPECT_EQ(Origin(), (PixelPos{42, 13}));
  test::Release(view, {184, 206}, Qt::MiddleButton);
  EXPECT_EQ(view.cursor().shape(), Qt::CrossCursor);
}

TEST_F(MapPageTest, TheStatusLineFollowsThePointer) {
  doc.SetCell(12, 7, 27);
  page.view().SelectTile(61);
  page.ScrollTo(10, 5);
  test::Move(page.view(), {2 * 32 + 5, 2 * 32 + 31});
  EXPECT_EQ(Panel(0), "pos 12,7");
  EXPECT_EQ(Panel(1), "char a ブロック１");
  EXPECT_EQ(Panel(2), "scroll 10,5");
  EXPECT_EQ(Panel(3), "selected 9");
  page.ScrollTo(179, 29);
  EXPECT_EQ(Panel(0), "pos 181,31");
  EXPECT_EQ(Panel(1), "char ");
}

TEST_F(MapPageTest, ResizingSetsThePanelWidths) {
  page.resize(1000, 700);
  const int viewWidth = page.view().width();
  EXPECT_GT(viewWidth, 900);
  EXPECT_EQ(page.mapStatus().panelWidth(0), viewWidth / 5);
  EXPECT_EQ(page.mapStatus().panelWidth(1), viewWidth / 3);
  EXPECT_EQ(page.mapStatus().panelWidth(3), viewWidth / 5);
  EXPECT_EQ(page.statusBar2().panelWidth(2), page.statusBar2().width() / 5);
  page.resize(300, 200);
  EXPECT_EQ(page.width(), 300) << "the panels do not hold the page wide";
  EXPECT_EQ(page.mapStatus().panelWidth(1), page.view().width() / 3);
}

TEST_F(MapPageTest, TheSecondBarShowsWhatItIsGiven) {
  page.SetStatusBar2Text(3, "ボス:1");
  EXPECT_EQ(page.statusBar2().text(3), "ボス:1");
}

} // namespace
} // namespace zt
