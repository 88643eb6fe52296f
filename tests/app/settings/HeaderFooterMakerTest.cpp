#include "SettingsPageFixture.h"
#include "app/settings/HeaderFooterMaker.h"
#include "document/Cp932Codec.h"
#include "document/ProductInfo.h"
#include "document/StageDocument.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <climits>

namespace zt {
namespace {

class HeaderFooterMakerTest : public test::SettingsPageFixture {
 protected:
  HeaderFooterMaker& maker = page.headerFooterMaker();

  template <typename Widget>
  Widget& Field(const char* name) {
    auto* widget = maker.findChild<Widget*>(name);
    if (!widget) throw std::runtime_error(std::string("no field ") + name);
    return *widget;
  }

  void Open() { Find<QPushButton>("Button13").click(); }
  void Ok() { Field<QPushButton>("OkButton").click(); }
  void Cancel() { Field<QPushButton>("CancelButton").click(); }
  QString Memo(const char* name) { return Find<QPlainTextEdit>(name).toPlainText(); }
};

TEST_F(HeaderFooterMakerTest, ButtonShowsTheMakerWithoutBlockingTheWindow) {
  EXPECT_FALSE(maker.isVisible());
  Open();
  EXPECT_TRUE(maker.isVisible());
  EXPECT_FALSE(maker.isModal());
  EXPECT_EQ(maker.windowTitle(), QString::fromUtf8("ヘッダ フッタ作成"));
}

TEST_F(HeaderFooterMakerTest, FormStartsWithTheInitialValues) {
  EXPECT_EQ(Field<QLineEdit>("title").text(), QString::fromUtf8("Zarnoコンストラクション"));
  EXPECT_EQ(Field<QLineEdit>("backcolor").text(), "silver");
  EXPECT_TRUE(Field<QPlainTextEdit>("text").toPlainText().startsWith(QString::fromUtf8("ゲーム画面をマウスで")));
  EXPECT_TRUE(Field<QLineEdit>("bgmfile").text().isEmpty());
  for (const char* box : {"inf", "autostart", "viewc", "point"}) EXPECT_FALSE(Field<QCheckBox>(box).isChecked()) << box;
  EXPECT_EQ(Field<QSpinBox>("looptimes").value(), 0);
  EXPECT_EQ(Field<QSpinBox>("cwidth").value(), 180);
  EXPECT_EQ(Field<QSpinBox>("cheight").value(), 40);
  EXPECT_EQ(Field<QSpinBox>("inter").value(), 1000);
  EXPECT_EQ(Field<QSpinBox>("inter").minimum(), INT_MIN);
}

TEST_F(HeaderFooterMakerTest, OkReplacesBothMemosLineByLineAndHides) {
  StageDocument doc;
  doc.headerLines = {Sjis("古いヘッダ")};
  doc.footerLines = {Sjis("古いフッタ"), "x"};
  page.ShowSettings(doc);
  Open();
  Field<QLineEdit>("title").setText(QString::fromUtf8("私のゲーム"));
  Ok();
  EXPECT_FALSE(maker.isVisible());

  page.TakeSettings(doc);
  ASSERT_EQ(doc.headerLines.size(), 6u);
  EXPECT_EQ(doc.headerLines[2], Sjis("<TITLE>私のゲーム</TITLE>"));
  ASSERT_EQ(doc.footerLines.size(), 46u);
  EXPECT_EQ(doc.footerLines.front(), "</DIV>");
  EXPECT_EQ(doc.footerLines.back(), "</HTML>");
  EXPECT_EQ(doc.footerLines[39], Sjis(std::string("<a href = \"") + kSupportSite + "\">サポートページ</A>へ移動する。<P>"));
}

TEST_F(HeaderFooterMakerTest, CancelLeavesTheMemosAndKeepsTheFieldsForNextTime) {
  StageDocument doc;
  doc.headerLines = {Sjis("ヘッダ")};
  page.ShowSettings(doc);
  Open();
  Field<QLineEdit>("bgmfile").setText("music.mid");
  Cancel();
  EXPECT_FALSE(maker.isVisible());
  EXPECT_EQ(Memo("Memo1"), QString::fromUtf8("ヘッダ"));
  EXPECT_TRUE(Memo("Memo2").isEmpty());

  Open();
  EXPECT_EQ(Field<QLineEdit>("bgmfile").text(), "music.mid");
  Ok();
  EXPECT_TRUE(Memo("Memo2").contains(R"(<EMBED SRC="music.mid")"));
}

TEST_F(HeaderFooterMakerTest, EnterDoesNotBreakTheDescription) {
  auto& text = Field<QPlainTextEdit>("text");
  text.setPlainText("ab");
  text.moveCursor(QTextCursor::End);
  QTest::keyClick(&text, Qt::Key_Return);
  QTest::keyClick(&text, Qt::Key_Enter);
  QTest::keyClick(&text, Qt::Key_C);
  EXPECT_EQ(text.toPlainText(), "abc");
}

TEST_F(HeaderFooterMakerTest, PastedLineBreaksOfTheDescriptionBecomeMemoLines) {
  Field<QPlainTextEdit>("text").setPlainText(QString::fromUtf8("一行目\n二行目"));
  Open();
  Ok();
  StageDocument doc;
  page.TakeSettings(doc);
  ASSERT_EQ(doc.footerLines.size(), 47u);
  EXPECT_EQ(doc.footerLines[31], Sjis("一行目"));
  EXPECT_EQ(doc.footerLines[32], Sjis("二行目<P>"));
}

} // namespace
} // namespace zt
