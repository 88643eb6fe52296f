#include "SettingsPageFixture.h"
#include "app/settings/ColourSwatch.h"
#include "document/StageDocument.h"

#include <QPushButton>
#include <QSpinBox>

#include <array>

namespace zt {
namespace {

struct Group {
  std::array<const char*, 3> spins;
  const char* swatch;
  const char* button;
  QColor startup;
};

const Group kGroups[] = {
    {{"SpinEdit2", "SpinEdit3", "SpinEdit4"}, "Shape1", "Button1", {0, 255, 255}},
    {{"SpinEdit5", "SpinEdit6", "SpinEdit7"}, "Shape2", "Button2", {0, 0, 255}},
    {{"SpinEdit8", "SpinEdit9", "SpinEdit10"}, "Shape3", "Button3", {255, 255, 255}},
    {{"SpinEdit11", "SpinEdit12", "SpinEdit13"}, "Shape4", "Button4", {255, 255, 0}},
    {{"SpinEdit14", "SpinEdit15", "SpinEdit16"}, "Shape5", "Button5", {0, 32, 255}},
    {{"SpinEdit17", "SpinEdit18", "SpinEdit19"}, "Shape6", "Button6", {255, 0, 0}},
    {{"SpinEdit20", "SpinEdit21", "SpinEdit22"}, "Shape7", "Button7", {255, 192, 0}},
    {{"SpinEdit28", "SpinEdit29", "SpinEdit30"}, "Shape8", "Button8", {0, 255, 255}},
    {{"SpinEdit31", "SpinEdit32", "SpinEdit33"}, "Shape9", "Button9", {0, 255, 255}},
    {{"SpinEdit34", "SpinEdit35", "SpinEdit36"}, "Shape10", "Button10", {0, 255, 255}},
    {{"SpinEdit47", "SpinEdit48", "SpinEdit49"}, "Shape11", "Button12", {0, 0, 0}},
};

class ColourGroupTest : public test::SettingsPageFixture {
 protected:
  // The groups of 設定3 sit in the four-stage group.
  ColourGroupTest() { page.EnableForType(StageType::MapStage); }

  QColor SpinColour(const Group& group) {
    return {Find<QSpinBox>(group.spins[0]).value(), Find<QSpinBox>(group.spins[1]).value(),
            Find<QSpinBox>(group.spins[2]).value()};
  }
};

TEST_F(ColourGroupTest, PreviewsStartWithTheInitialSpinEditValues) {
  for (const Group& group : kGroups) {
    EXPECT_EQ(SpinColour(group), group.startup) << group.swatch;
    EXPECT_EQ(Find<ColourSwatch>(group.swatch).colour(), group.startup) << group.swatch;
  }
}

TEST_F(ColourGroupTest, EverySpinEditChangeRefillsItsPreview) {
  for (const Group& group : kGroups) {
    for (int channel = 0; channel < 3; ++channel) {
      Find<QSpinBox>(group.spins[channel]).setValue(17 + channel);
      EXPECT_EQ(Find<ColourSwatch>(group.swatch).colour(), SpinColour(group)) << group.spins[channel];
    }
  }
}

TEST_F(ColourGroupTest, ConfirmedDialogColourGoesIntoTheSpinEdits) {
  int n = 0;
  for (const Group& group : kGroups) {
    const QColor before = SpinColour(group);
    const QColor chosen(10 + n, 100 - n, 200 + n);
    ++n;
    colourAnswers.push_back(chosen);
    Find<QPushButton>(group.button).click();
    ASSERT_FALSE(colourQuestions.empty());
    EXPECT_EQ(colourQuestions.back(), before) << group.button << ": the dialog starts from the current colour";
    EXPECT_EQ(SpinColour(group), chosen) << group.button;
    EXPECT_EQ(Find<ColourSwatch>(group.swatch).colour(), chosen) << group.button;
  }
}

TEST_F(ColourGroupTest, CancelledDialogChangesNothing) {
  Find<QPushButton>("Button12").click();
  EXPECT_EQ(colourQuestions.size(), 1u);
  EXPECT_EQ(SpinColour(kGroups[10]), QColor(0, 0, 0));
  EXPECT_EQ(Find<ColourSwatch>("Shape11").colour(), QColor(0, 0, 0));
}

TEST_F(ColourGroupTest, ShowSettingsRefillsThePreviewAndTheSwatchPaintsIt) {
  StageDocument doc;
  doc.SetStageBackground(0, {12, 34, 56});
  page.ShowSettings(doc);
  auto& swatch = Find<ColourSwatch>("Shape1");
  EXPECT_EQ(swatch.colour(), QColor(12, 34, 56));
  swatch.resize(swatch.sizeHint());
  const QImage picture = swatch.grab().toImage();
  EXPECT_EQ(QColor(picture.pixel(picture.width() / 2, picture.height() / 2)), QColor(12, 34, 56));
}

TEST_F(ColourGroupTest, SpinEditsChangeOnlyTheControlsUntilTaken) {
  StageDocument doc;
  page.ShowSettings(doc);
  colourAnswers.push_back(QColor(1, 2, 3));
  Find<QPushButton>("Button1").click();
  EXPECT_EQ(doc.StageBackground(0), (Rgb{0, 255, 255}));
  page.TakeSettings(doc);
  EXPECT_EQ(doc.StageBackground(0), (Rgb{1, 2, 3}));
}

} // namespace
} // namespace zt
