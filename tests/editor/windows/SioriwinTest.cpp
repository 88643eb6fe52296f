// The bookmark panel: adding through the name popup, selecting, going,
// deleting, the panel menu and refilling from the document.

#include "WindowsTestSupport.h"

#include "document/Cp932Codec.h"
#include "editor/map/MapView.h"
#include "editor/windows/AddSioriName.h"
#include "editor/windows/Sioriwin.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

namespace zt {
namespace {

class SioriwinTest : public ::testing::Test {
 protected:
  SioriwinTest() { window.addDockWidget(Qt::RightDockWidgetArea, &panel); }

  // Adds a bookmark of the view at (x, y) on a stage, through the popup.
  void AddAt(int x, int y, int stage, const QString& name) {
    doc.currentStage = stage;
    fixture.page.ScrollTo(x, y);
    panel.AddSiori(QPoint(300, 200));
    panel.namePopup().edit32().setText(name);
    panel.namePopup().button11().click();
  }
  void Select(int row) {
    panel.listBox1().setCurrentRow(row);
    panel.SelectEntry(row);
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int row = 0; row < panel.listBox1().count(); ++row)
      names.push_back(panel.listBox1().item(row)->text().toStdString());
    return names;
  }
  // Opens the panel menu's enabling and closes it again.
  bool DeleteEnabledOnOpening() {
    QMenu& menu = panel.popupMenu5();
    emit menu.aboutToShow();
    return menu.actions().at(2)->isEnabled();
  }

  test::PageFixture fixture;
  StageDocument& doc = fixture.doc;
  test::ScriptedDialogs dialogs;
  QMainWindow window;
  QAction addAction{QString::fromUtf8("現在の場所をしおりに追加")};
  Sioriwin panel{doc, fixture.page, dialogs, addAction, &window};
};

TEST_F(SioriwinTest, ThePanelAndItsMenu) {
  EXPECT_EQ(panel.windowTitle(), QString::fromUtf8("移動"));
  EXPECT_EQ(panel.objectName(), "Sioriwin");
  EXPECT_EQ(panel.listBox1().objectName(), "ListBox1");
  EXPECT_EQ(panel.listBox1().toolTip(), QString::fromUtf8("ダブルクリックで記憶した場所にすぐ移動出来ます。"));
  const QList<QAction*> items = panel.popupMenu5().actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), QString::fromUtf8("移動(&G)"));
  EXPECT_EQ(items[1], &addAction);
  EXPECT_EQ(items[2]->text(), QString::fromUtf8("削除(&D)"));
  AddSioriName& popup = panel.namePopup();
  EXPECT_EQ(popup.edit32().objectName(), "Edit32");
  EXPECT_EQ(popup.edit32().toolTip(), QString::fromUtf8("しおりの名前"));
  EXPECT_EQ(popup.edit32().text(), QString::fromUtf8("しおり1"));
  EXPECT_EQ(popup.button11().objectName(), "Button11");
  EXPECT_EQ(popup.button11().text(), QString::fromUtf8("追加(&O)"));
}

TEST_F(SioriwinTest, TheNamePopupOpensBesideThePointerWithTheNextNumber) {
  panel.AddSiori(QPoint(300, 200));
  AddSioriName& popup = panel.namePopup();
  EXPECT_TRUE(popup.isVisible());
  EXPECT_EQ(popup.geometry().topLeft(), QPoint(270, 188)) << popup.pos().x() << "," << popup.frameGeometry().x();
  EXPECT_EQ(popup.edit32().text(), QString::fromUtf8("しおり1"));
  popup.button11().click();
  EXPECT_FALSE(popup.isVisible());
  panel.AddSiori(QPoint(300, 200));
  EXPECT_EQ(popup.edit32().text(), QString::fromUtf8("しおり2"));
}

TEST_F(SioriwinTest, AddingStoresTheViewPositionAndStage) {
  AddAt(120, 5, 2, QString::fromUtf8("城"));
  EXPECT_EQ(doc.bookmarks, std::vector<std::string>{Sjis("城,120,5,2")});
  EXPECT_EQ(Names(), std::vector<std::string>{"城"});
  EXPECT_EQ(dialogs.log, std::vector<std::string>{"added : 城(120,5)"});
  EXPECT_FALSE(doc.modified());

  Select(0);
  ASSERT_FALSE(dialogs.statuses.empty());
  EXPECT_EQ(dialogs.statuses.back(), "城(120,5) ステージ3");
}

TEST_F(SioriwinTest, ACommaInANameBecomesAFullWidthComma) {
  AddAt(7, 1, 0, "a,b");
  ASSERT_EQ(doc.bookmarks.size(), 1u);
  const std::optional<Bookmark> mark = Bookmark::FromLine(doc.bookmarks[0]);
  ASSERT_TRUE(mark);
  EXPECT_EQ(mark->name, Sjis("a，b"));
  EXPECT_EQ(mark->x, 7);
  EXPECT_EQ(mark->y, 1);
  EXPECT_EQ(Names(), std::vector<std::string>{"a，b"});
}

TEST_F(SioriwinTest, GoingSwitchesTheDrawnStageAndTheScrollBars) {
  doc.currentStage = 1;
  doc.SetCell(32, 5, 27);
  AddAt(30, 4, 1, "two");
  AddAt(0, 0, 0, "one");
  QSignalSpy went(&panel, &Sioriwin::wentToBookmark);

  Select(0);
  panel.GoToSelected();
  EXPECT_EQ(doc.currentStage, 1);
  EXPECT_EQ(fixture.Origin(), QPoint(30, 4));
  EXPECT_EQ(dialogs.statuses.back(), "two");
  EXPECT_EQ(went.count(), 1);
  // Stage 2's block at (32, 5) is drawn in the view's cell (2, 1).
  EXPECT_EQ(fixture.page.view().backBuffer().pixel(2 * 32 + 5, 32 + 5), test::PatternColourAt(5, 64 + 5));
}

TEST_F(SioriwinTest, ADoubleClickGoesAndNothingHappensWithoutASelection) {
  AddAt(50, 3, 1, "far");
  doc.currentStage = 0;
  fixture.page.ScrollTo(0, 0);
  panel.listBox1().clearSelection();
  panel.GoToSelected();
  EXPECT_EQ(fixture.Origin(), QPoint(0, 0));

  Select(0);
  emit panel.listBox1().itemDoubleClicked(panel.listBox1().item(0));
  EXPECT_EQ(fixture.Origin(), QPoint(50, 3));
  EXPECT_EQ(doc.currentStage, 1);
}

TEST_F(SioriwinTest, AnEntryNamingAStageTheDocumentCannotHoldIsNotGoneTo) {
  doc.bookmarks = {"bad,10,2,7"};
  panel.ReloadFromDocument();
  Select(0);
  panel.GoToSelected();
  EXPECT_EQ(doc.currentStage, 0);
  EXPECT_EQ(fixture.Origin(), QPoint(0, 0));
}

TEST_F(SioriwinTest, DeletingTheOnlyBookmarkEmptiesBothListsAndDisablesDelete) {
  AddAt(3, 3, 0, "only");
  EXPECT_FALSE(DeleteEnabledOnOpening()) << "nothing selected yet";
  Select(0);
  EXPECT_TRUE(DeleteEnabledOnOpening());
  panel.DeleteSelected();
  EXPECT_TRUE(doc.bookmarks.empty());
  EXPECT_EQ(panel.listBox1().count(), 0);
  EXPECT_FALSE(DeleteEnabledOnOpening());
}

TEST_F(SioriwinTest, DeletingKeepsTheListsInStep) {
  AddAt(1, 1, 0, "a");
  AddAt(2, 2, 0, "b");
  AddAt(3, 3, 0, "c");
  Select(1);
  panel.DeleteSelected();
  EXPECT_EQ(doc.bookmarks, (std::vector<std::string>{"a,1,1,0", "c,3,3,0"}));
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "c"}));
}

TEST_F(SioriwinTest, RefillingShowsTheNamesOfTheDocumentsLines) {
  AddAt(1, 1, 0, "old");
  doc.bookmarks = {Sjis("入口,0,0,0"), "broken line", Sjis("奥,170,20,3")};
  panel.ReloadFromDocument();
  EXPECT_EQ(Names(), (std::vector<std::string>{"入口", "broken line", "奥"}));
  fixture.page.ScrollTo(5, 5);
  Select(1);
  panel.GoToSelected();
  EXPECT_EQ(fixture.Origin(), QPoint(5, 5)) << "a line without numbers goes nowhere";
  Select(2);
  panel.GoToSelected();
  EXPECT_EQ(fixture.Origin(), QPoint(170, 20));
  EXPECT_EQ(doc.currentStage, 3);
}

TEST_F(SioriwinTest, TheToggleHidesAndShowsThePanelWhereItWasDocked) {
  window.show();
  ASSERT_TRUE(panel.isVisible());
  panel.Toggle();
  EXPECT_FALSE(panel.isVisible());
  panel.Toggle();
  EXPECT_TRUE(panel.isVisible());
  EXPECT_EQ(window.dockWidgetArea(&panel), Qt::RightDockWidgetArea);
}

} // namespace
} // namespace zt
