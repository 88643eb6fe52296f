// The coordinate dialog: its boxes and the message on OK.

#include "document/StageDocument.h"
#include "editor/windows/CoordinateDialog.h"
#include "support/ScriptedDialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace zt {
namespace {

class CoordinateDialogTest : public ::testing::Test {
 protected:
  std::string AskAbout(int x, int y) {
    dialog.xv().setValue(x);
    dialog.yv().setValue(y);
    dialog.show();
    dialog.findChild<QPushButton*>("OKBtn")->click();
    EXPECT_FALSE(dialog.isVisible()) << "OK hides the dialog";
    return dialogs.notices.empty() ? "" : dialogs.notices.back();
  }

  StageDocument doc;
  test::ScriptedDialogs dialogs;
  CoordinateDialog dialog{doc, dialogs};
};

TEST_F(CoordinateDialogTest, BoxesAndCaptions) {
  EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("ダイアログ"));
  EXPECT_TRUE(dialog.isModal());
  EXPECT_EQ(dialog.xv().objectName(), "xv");
  EXPECT_EQ(dialog.xv().maximum(), 180);
  EXPECT_EQ(dialog.yv().objectName(), "yv");
  EXPECT_EQ(dialog.yv().maximum(), 30);
  EXPECT_EQ(dialog.xv().minimum(), 0);
  EXPECT_EQ(dialog.findChild<QPushButton*>("OKBtn")->text(), "OK");
  EXPECT_EQ(dialog.findChild<QLabel*>()->text(), QString::fromUtf8("座標"));
}

TEST_F(CoordinateDialogTest, OkTellsTheCharacterOfTheCellOfTheCurrentStage) {
  doc.currentStage = 2;
  doc.SetCell(179, 29, 1);
  doc.SetCell(0, 0, 65);
  EXPECT_EQ(AskAbout(179, 29), "A");
  EXPECT_EQ(AskAbout(0, 0), "/");
  EXPECT_EQ(AskAbout(5, 5), ".");
  doc.currentStage = 0;
  EXPECT_EQ(AskAbout(179, 29), ".") << "stage 1 holds nothing there";
}

TEST_F(CoordinateDialogTest, ThePositionsJustPastTheStageAreNamedAsOutside) {
  doc.currentStage = 0;
  EXPECT_EQ(AskAbout(180, 0), "(180,0) はステージの外です。");
  EXPECT_EQ(AskAbout(3, 30), "(3,30) はステージの外です。");
  EXPECT_EQ(AskAbout(180, 30), "(180,30) はステージの外です。");
}

} // namespace
} // namespace zt
