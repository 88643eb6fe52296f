#include "MainWindowFixture.h"

#include "app/pages/HtmlSourcePage.h"
#include "app/pages/TextMapPage.h"
#include "app/window/CommandTable.h"
#include "app/window/PageControl.h"
#include "app/window/StageCommands.h"
#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "formats/TextFile.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

namespace zt::test {
namespace {

using P = ParamId;

class PageSwitchingTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    Window();
    NewDocument(StageType::FourStage);
  }
  void Show(int page) { window->pages().setCurrentIndex(page); }
  QString SourceText() { return window->sourcePage().editor().toPlainText(); }
  void SetSourceText(const QString& text) { window->sourcePage().editor().setPlainText(text); }
  QPlainTextEdit& TextMap() { return window->textMapPage().editor(); }
};

TEST_F(PageSwitchingTest, TheSourcePageShowsTheWrittenPage) {
  window->document().SetInt(P::time_max, 123);
  Show(kSourcePage);
  EXPECT_TRUE(SourceText().contains("<PARAM NAME=\"time_max\" VALUE=\"123\">"));
  EXPECT_EQ(window->sourcePage().editor().textCursor().position(), 0);
  EXPECT_EQ(dialogs.log.back(), "注：ヘッダ、フッタは変更しても変わりません。");
  EXPECT_FALSE(window->commands().action(Command::Copy)->isEnabled());
  Show(kMapPage);
  EXPECT_TRUE(window->commands().action(Command::Copy)->isEnabled());
}

TEST_F(PageSwitchingTest, LeavingTheSourcePageReadsItBackExceptHeaderAndFooter) {
  StageDocument& doc = window->document();
  doc.stages[2].at(4, 4) = 9;
  const auto stages = doc.stages;
  const auto footer = doc.footerLines;
  Show(kSourcePage);
  QString text = SourceText();
  text.replace("<PARAM NAME=\"game_speed\" VALUE=\"70\">", "<PARAM NAME=\"game_speed\" VALUE=\"99\">");
  text.replace("</BODY>", "</BODY><!-- edited -->");
  SetSourceText(text);
  Show(kMapPage);
  EXPECT_EQ(window->currentPage(), kMapPage);
  EXPECT_EQ(doc.Int(P::game_speed), 99);
  EXPECT_EQ(doc.stages, stages);
  EXPECT_EQ(doc.footerLines, footer); // taken from the footer file again, not from the page
  EXPECT_FALSE(home.Exists("tmp.$$$"));
  EXPECT_EQ(doc.documentName, kUntitled);
}

TEST_F(PageSwitchingTest, AnUnreadableSourceKeepsItsTextAndPage) {
  Show(kSourcePage);
  QString text = SourceText();
  text.replace("<PARAM NAME=\"game_speed\" VALUE=\"70\">", "<PARAM NAME=\"game_speed\" VALUE=\"fast\">");
  SetSourceText(text);
  Show(kMapPage);
  EXPECT_EQ(window->currentPage(), kSourcePage);
  EXPECT_EQ(SourceText(), text);
  EXPECT_EQ(dialogs.notices.back(), "'fast' は整数ではありません");
}

TEST_F(PageSwitchingTest, TheTextMapPage) {
  StageDocument& doc = window->document();
  doc.SetCell(0, 0, 1);
  doc.SetModified(false);
  Show(kTextMapPage);
  EXPECT_EQ(TextMap().document()->blockCount(), 31);
  EXPECT_EQ(TextMap().document()->firstBlock().text().left(2), "A.");

  QTextCursor cursor(TextMap().document()->findBlockByNumber(2));
  cursor.insertText(QString(200, 'a')); // only the first 180 characters count
  Show(kMapPage);
  EXPECT_EQ(doc.GetCell(179, 2), 27);
  EXPECT_TRUE(doc.modified());
}

TEST_F(PageSwitchingTest, AShortTextMapIsReportedAndKept) {
  Show(kTextMapPage);
  QStringList lines = TextMap().toPlainText().split('\n');
  lines = lines.mid(0, 20);
  lines[19] = QString(180, 'z');
  TextMap().setPlainText(lines.join('\n'));
  Show(kMapPage);
  EXPECT_EQ(dialogs.notices.back(), "マップのテキストエラー\r\n0,20");
  EXPECT_EQ(window->currentPage(), kTextMapPage);
  EXPECT_EQ(window->document().GetCell(0, 19), 52); // the rows before the error are stored
}

TEST_F(PageSwitchingTest, ChoosingAStageOnTheTextMapPageKeepsTheEdits) {
  StageDocument& doc = window->document();
  Show(kTextMapPage);
  QTextCursor cursor(TextMap().document()->firstBlock());
  cursor.deleteChar();
  cursor.insertText("B");
  window->stageCommands().SelectStage(1);
  EXPECT_EQ(doc.stages[0].at(0, 0), 2);
  EXPECT_EQ(doc.currentStage, 1);
  EXPECT_EQ(TextMap().document()->firstBlock().text().left(1), ".");

  TextMap().setPlainText("only one line");
  window->stageCommands().SelectStage(3);
  EXPECT_EQ(doc.currentStage, 1); // the commit failed: the stage stays
  EXPECT_TRUE(window->commands().action(Command::SelSt2)->isChecked());
}

TEST_F(PageSwitchingTest, ColouringOfTheTextMap) {
  window->document().SetCell(0, 0, 1);  // A: red
  window->document().SetCell(1, 0, 47); // u: cyan
  window->document().SetCell(2, 0, 25); // Y: no colour, black
  window->document().SetCell(3, 0, 27); // a: plain
  const auto colourAt = [&](int column) -> QColor {
    const QTextBlock block = TextMap().document()->firstBlock();
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
      if (column >= range.start && column < range.start + range.length) return range.format.foreground().color();
    return QColor(); // no format: the editor's plain black
  };
  window->textMapPage().SetColouring(true);
  Show(kTextMapPage);
  EXPECT_EQ(colourAt(0), QColor(255, 0, 0));
  EXPECT_EQ(colourAt(1), QColor(0, 255, 255));
  EXPECT_EQ(colourAt(2), QColor(Qt::black));
  EXPECT_FALSE(colourAt(3).isValid());
  window->textMapPage().SetColouring(false);
  EXPECT_FALSE(colourAt(0).isValid());
}

} // namespace
} // namespace zt::test
