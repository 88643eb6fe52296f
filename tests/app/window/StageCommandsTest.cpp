#include "MainWindowFixture.h"

#include "app/window/CommandTable.h"
#include "app/window/StageCommands.h"
#include "document/ParameterCatalogue.h"

#include <QAction>
#include <QComboBox>

namespace zt::test {
namespace {

using StageCommandsTest = MainWindowFixture;
using P = ParamId;

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

const QStringList kFourItems = {"ステージ１", "ステージ２", "ステージ３", "ステージ４"};

TEST_F(StageCommandsTest, NewDocumentOfEachType) {
  struct Case {
    StageType type;
    bool stages2to4;
    bool worldMap;
    int selectorItems;
  } cases[] = {{StageType::OneStage, false, false, 1}, {StageType::FourStage, true, false, 4},
               {StageType::MapStage, true, true, 4}};
  for (const Case& c : cases) {
    MainWindow& w = Window();
    w.document().stages[2].at(1, 1) = 9;
    NewDocument(c.type);
    StageDocument& doc = w.document();
    EXPECT_TRUE(doc.loaded);
    EXPECT_EQ(doc.stageType, c.type);
    EXPECT_EQ(doc.documentName, kUntitled);
    EXPECT_EQ(doc.stages[2].at(1, 1), 0);
    EXPECT_EQ(doc.Int(P::door_score), 800); // the defaults of a new document
    EXPECT_EQ(doc.StageBackground(0), (Rgb{0, 255, 255}));
    EXPECT_EQ(doc.Text(P::filename_pattern), "pattern.gif");
    EXPECT_EQ(doc.headerLines.empty(), false); // from the shipped header file
    EXPECT_EQ(files.patternFolders.back(), home.dir() + "html/");
    EXPECT_TRUE(w.commands().action(Command::SelSt1)->isEnabled());
    EXPECT_EQ(w.commands().action(Command::SelSt4)->isEnabled(), c.stages2to4);
    EXPECT_EQ(w.commands().action(Command::SelMap)->isEnabled(), c.worldMap);
    EXPECT_EQ(w.stageSelector().count(), c.selectorItems);
    EXPECT_EQ(w.stageSelector().currentIndex(), 0);
    EXPECT_EQ(w.windowTitle().toStdString(), "Zarno Tool++ - 無題");
  }
}

TEST_F(StageCommandsTest, CancellingThePatternChooserKeepsNameAndLoadedState) {
  MainWindow& w = Window();
  NewDocument(StageType::FourStage);
  StageDocument& doc = w.document();
  doc.documentName = "/some/where.zpp";
  doc.bookmarks = {"b,1,1,0"};
  doc.stages[0].at(5, 5) = 3;
  doc.SetInt(P::time_max, 77);
  w.stageCommands().NewDocument(StageType::OneStage); // no pattern scripted: cancelled
  EXPECT_EQ(doc.documentName, "/some/where.zpp");
  EXPECT_TRUE(doc.loaded);
  EXPECT_EQ(doc.bookmarks, std::vector<std::string>{"b,1,1,0"});
  EXPECT_EQ(doc.stages[0].at(5, 5), 0);
  EXPECT_EQ(doc.Int(P::time_max), 0);
  EXPECT_EQ(doc.stageType, StageType::OneStage);
}

TEST_F(StageCommandsTest, ConversionKeepsGridsAndMovesOnlyWhatItMust) {
  MainWindow& w = Window();
  NewDocument(StageType::FourStage);
  StageDocument& doc = w.document();
  doc.stages[3].at(7, 7) = 12;
  w.stageCommands().SelectStage(2);
  w.document().SetModified(false);

  w.commands().action(Command::N32)->trigger(); // to the world-map type
  EXPECT_EQ(doc.stageType, StageType::MapStage);
  EXPECT_EQ(doc.currentStage, 2);
  EXPECT_EQ(doc.world, WorldMapGrid{});
  EXPECT_TRUE(w.commands().action(Command::SelMap)->isEnabled());

  w.stageCommands().SelectStage(3);
  w.commands().action(Command::N111)->trigger(); // to one stage: stage 1 shows
  EXPECT_EQ(doc.currentStage, 0);
  EXPECT_TRUE(w.commands().action(Command::SelSt1)->isChecked());
  EXPECT_EQ(Items(w.stageSelector()), QStringList{"ステージ１"});
  EXPECT_FALSE(w.commands().action(Command::SelSt2)->isEnabled());

  w.commands().action(Command::N43)->trigger(); // back: stages 2-4 are still there
  EXPECT_EQ(doc.stages[3].at(7, 7), 12);
  EXPECT_EQ(Items(w.stageSelector()), kFourItems);
  EXPECT_FALSE(doc.modified());
}

TEST_F(StageCommandsTest, SelectingAStageRecoloursThePattern) {
  MainWindow& w = Window();
  NewDocument(StageType::FourStage);
  StageDocument& doc = w.document();
  doc.SetStageBackground(1, {10, 20, 30});
  const QImage& raw = w.pattern().raw();
  // A pixel of the raw picture in the transparent colour.
  QPoint transparent(-1, -1);
  for (int y = 0; y < raw.height() && transparent.x() < 0; ++y)
    for (int x = 0; x < raw.width(); ++x)
      if (raw.pixel(x, y) == (w.pattern().transparentColour() | 0xFF000000u)) {
        transparent = {x, y};
        break;
      }
  ASSERT_GE(transparent.x(), 0) << "the shipped pattern has transparent pixels";
  EXPECT_EQ(QColor(w.pattern().substituted().pixel(transparent)), QColor(0, 255, 255));

  w.stageSelector().setCurrentIndex(1);
  emit w.stageSelector().activated(1);
  EXPECT_EQ(doc.currentStage, 1);
  EXPECT_TRUE(w.commands().action(Command::SelSt2)->isChecked());
  EXPECT_EQ(QColor(w.pattern().substituted().pixel(transparent)), QColor(10, 20, 30));
  EXPECT_EQ(QColor(w.pattern().raw().pixel(transparent)).rgb() | 0xFF000000u,
            w.pattern().transparentColour() | 0xFF000000u); // the raw picture keeps its colours
}

} // namespace
} // namespace zt::test
