// The overview: colours, single-cell updates, the viewport rectangle and
// moving the map view from it.

#include "WindowsTestSupport.h"

#include "editor/map/MapView.h"
#include "editor/windows/OverviewWindow.h"
#include "editor/windows/PictureBox.h"

namespace zt {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);

class OverviewWindowTest : public ::testing::Test {
 protected:
  OverviewWindowTest() {
    // What the main window connects: single-cell writes while shown.
    fixture.doc.onCellWritten = [this](int x, int y, TileCode code) {
      if (overview.isVisible()) overview.OverviewCell(x, y, code);
    };
  }
  QRgb At(int px, int py) const { return overview.picture().pixel(px, py) | 0xFF000000u; }
  // The colour of a cell's square, or 0 when its four pixels differ.
  QRgb Square(int x, int y) const {
    const QRgb first = At(2 * x, 2 * y);
    for (const QPoint d : {QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
      if (At(2 * x + d.x(), 2 * y + d.y()) != first) return 0;
    return first;
  }
  PictureBox& Img() { return *overview.findChild<PictureBox*>("Img"); }

  test::PageFixture fixture;
  StageDocument& doc = fixture.doc;
  OverviewWindow overview{doc, fixture.page};
};

TEST_F(OverviewWindowTest, AFixedWindowOfTwoPixelsPerCell) {
  EXPECT_EQ(overview.windowTitle(), QString::fromUtf8("座標"));
  EXPECT_EQ(overview.size(), QSize(360, 60));
  EXPECT_EQ(overview.minimumSize(), overview.maximumSize());
  EXPECT_EQ(overview.picture().size(), QSize(360, 60));
}

TEST_F(OverviewWindowTest, EachCellShowsItsTilesOverviewColour) {
  struct Case {
    TileCode code;
    QRgb colour;
  };
  const Case cases[] = {
      {0, kWhite},
      {52, qRgb(1, 1, 1)},    // the slippery floor: almost black, not white
      {27, qRgb(0, 128, 0)},  // a block
      {25, kWhite},           // water plants have no colour
      {1, qRgb(255, 0, 0)},   // the player
      {kUnknownTile, qRgb(58, 58, 58)},
  };
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) doc.SetCell(10 + i, 2 + i, cases[i].code);
  doc.SetCell(179, 29, 52);
  overview.DrawOverview();
  for (int i = 0; i < static_cast<int>(std::size(cases)); ++i)
    EXPECT_EQ(Square(10 + i, 2 + i), cases[i].colour) << int{cases[i].code};
  EXPECT_EQ(Square(179, 29), qRgb(1, 1, 1)) << "the last cell of the stage";
}

TEST_F(OverviewWindowTest, ItShowsTheCurrentStage) {
  doc.currentStage = 1;
  doc.SetCell(5, 5, 27);
  doc.currentStage = 0;
  overview.DrawOverview();
  EXPECT_EQ(Square(5, 5), kWhite);
  doc.currentStage = 1;
  overview.DrawOverview();
  EXPECT_EQ(Square(5, 5), qRgb(0, 128, 0));
}

TEST_F(OverviewWindowTest, APenEditChangesOnlyItsSquare) {
  overview.show();
  doc.SetCell(40, 12, 27);
  overview.DrawOverview();
  const QImage before = overview.picture().copy();
  MapView& view = fixture.page.view();

  view.PenSetCell(52, 41, 12, true);
  QImage after = overview.picture();
  for (int py = 0; py < 60; ++py)
    for (int px = 0; px < 360; ++px) {
      const bool inSquare = px / 2 == 41 && py / 2 == 12;
      if (!inSquare) {
        ASSERT_EQ(after.pixel(px, py), before.pixel(px, py)) << px << "," << py;
      }
    }
  EXPECT_EQ(Square(41, 12), qRgb(1, 1, 1));

  view.PenSetCell(0, 40, 12, true);
  EXPECT_EQ(Square(40, 12), kWhite) << "erased";
}

TEST_F(OverviewWindowTest, WritesWhileHiddenShowWhenItIsShownAgain) {
  doc.SetCell(3, 3, 27);
  EXPECT_EQ(Square(3, 3), kWhite);
  overview.Toggle();
  ASSERT_TRUE(overview.isVisible());
  EXPECT_EQ(Square(3, 3), qRgb(0, 128, 0));
}

TEST_F(OverviewWindowTest, TheViewportCoversTheVisibleCells) {
  struct Case {
    bool mini;
    QSize view;
    QPoint origin;
    QRect rect;
  };
  const Case cases[] = {
      {false, {640, 320}, {0, 0}, {0, 0, 40, 20}},
      {false, {640, 320}, {10, 5}, {20, 10, 40, 20}},
      {false, {650, 330}, {179, 29}, {358, 58, 40, 20}}, // partly shown cells do not count
      {true, {640, 320}, {90, 10}, {180, 20, 80, 40}},
  };
  overview.show();
  for (const Case& c : cases) {
    MapViewOptions options;
    options.mini = c.mini;
    fixture.page.view().SetOptions(options);
    fixture.SetViewSize(c.view);
    fixture.page.ScrollTo(c.origin.x(), c.origin.y());
    overview.MoveViewport();
    EXPECT_EQ(overview.viewportRect(), c.rect) << c.origin.x() << "," << c.origin.y();
  }
}

TEST_F(OverviewWindowTest, TheViewportFollowsScrollingAndResizingWhileShown) {
  overview.show();
  fixture.page.ScrollTo(30, 4);
  EXPECT_EQ(overview.viewportRect(), QRect(60, 8, 40, 20));
  fixture.SetViewSize({320, 160});
  EXPECT_EQ(overview.viewportRect(), QRect(60, 8, 20, 10));
}

TEST_F(OverviewWindowTest, APressCentresTheViewWithinTheStage) {
  struct Case {
    QPoint at;
    QPoint origin;
  };
  const Case cases[] = {
      {{200, 30}, {90, 10}},
      {{0, 0}, {0, 0}},
      {{10, 5}, {0, 0}},        // the left and top edges keep the view at the start
      {{359, 30}, {161, 10}},   // the right edge keeps the view's right side at the stage's end
      {{359, 59}, {161, 21}},
  };
  overview.show();
  for (const Case& c : cases) {
    test::Press(Img(), c.at, Qt::LeftButton);
    EXPECT_EQ(fixture.Origin(), c.origin) << c.at.x() << "," << c.at.y();
  }
  EXPECT_EQ(overview.viewportRect(), QRect(322, 42, 40, 20)) << "the scrolling moved the rectangle";
}

TEST_F(OverviewWindowTest, PressesOnTheRectangleReachThePictureAtTheSamePlace) {
  overview.show();
  fixture.page.ScrollTo(90, 10);
  const QPoint insideRectangle = overview.viewportRect().topLeft() + QPoint(5, 5);
  EXPECT_EQ(overview.childAt(insideRectangle), &Img());
}

TEST_F(OverviewWindowTest, DraggingWithTheLeftButtonMovesTheView) {
  overview.show();
  test::Move(Img(), {200, 30}, Qt::NoButton);
  EXPECT_EQ(fixture.Origin(), QPoint(0, 0)) << "a move without a button does nothing";
  test::Move(Img(), {200, 30}, Qt::RightButton);
  EXPECT_EQ(fixture.Origin(), QPoint(0, 0));
  test::Move(Img(), {200, 30}, Qt::LeftButton);
  EXPECT_EQ(fixture.Origin(), QPoint(90, 10));
  test::Move(Img(), {400, -20}, Qt::LeftButton); // dragged beyond the window
  EXPECT_EQ(fixture.Origin(), QPoint(161, 0));
}

TEST_F(OverviewWindowTest, TheToggleNeedsALoadedDocument) {
  doc.loaded = false;
  overview.Toggle();
  EXPECT_FALSE(overview.isVisible());
  doc.loaded = true;
  overview.Toggle();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&overview));
  overview.Toggle();
  EXPECT_FALSE(overview.isVisible());
}

} // namespace
} // namespace zt
