#include "app/config/AppConfig.h"
#include "app/config/DefaultPageParts.h"
#include "app/dialogs/ColourComboBox.h"
#include "app/dialogs/OptionsDialog.h"
#include "document/Cp932Codec.h"
#include "support/TempDir.h"
#include "QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>

namespace zt {
namespace {

QString Name(const char* section, const char* name) { return QString(section) + "/" + name; }
template <typename Key>
QString Name(const Key& key) {
  return Name(key.section, key.name);
}

QString JoinedUtf8(const std::vector<std::string>& lines) {
  QStringList joined;
  for (const std::string& line : lines) joined << QString::fromStdString(line);
  return joined.join('\n');
}

// A configuration in a fresh folder, with recorders for everything the
// dialog shows or asks.
struct OptionsFixture {
  test::TempDir folder;
  AppConfig config{folder.file("ZarnoTool.ini"), folder.dir()};
  std::vector<QString> notices;
  std::vector<QString> errors;
  std::deque<std::optional<QColor>> colourAnswers; // cancel when empty
  std::vector<QString> themesApplied;
  QPoint mainWindow{0, 0};
  std::unique_ptr<OptionsDialog> dialog;

  OptionsFixture& WithPageParts() {
    folder.Write("header.htm", Sjis("<HTML>\r\n<TITLE>ヘッダ</TITLE>\r\n"));
    folder.Write("footer.htm", Sjis("フッタ\r\n</HTML>\r\n"));
    return *this;
  }

  OptionsDialog& Open() {
    OptionsDialog::Services services;
    services.prompts.notice = [this](const QString& text) { notices.push_back(text); };
    services.prompts.error = [this](const QString& text) { errors.push_back(text); };
    services.prompts.pickColour = [this](const QColor&) -> std::optional<QColor> {
      if (colourAnswers.empty()) return std::nullopt;
      auto answer = colourAnswers.front();
      colourAnswers.pop_front();
      return answer;
    };
    services.mainWindowPosition = [this] { return mainWindow; };
    services.applyTheme = [this](const QString& name) {
      themesApplied.push_back(name);
      return name;
    };
    services.desktop = DesktopIntegration({QString::fromStdString(folder.file("share")),
                                           QString::fromStdString(folder.file("Desktop")), "/usr/bin/zarnotool"},
                                          [](const QString&, const QStringList&) {});
    dialog = std::make_unique<OptionsDialog>(config, std::move(services));
    dialog->show();
    return *dialog;
  }

  template <typename Control>
  Control* Find(const QString& name) const {
    auto* control = dialog->findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }
  QCheckBox* Check(const BoolKey& key) const { return Find<QCheckBox>(Name(key)); }
  QComboBox* Combo(const QString& name) const { return Find<QComboBox>(name); }
  QLineEdit* Field(const QString& name) const { return Find<QLineEdit>(name); }
  QPushButton* Button(const QString& caption) const {
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
      if (button->text() == caption) return button;
    ADD_FAILURE() << caption.toStdString();
    return nullptr;
  }
  void ClickOk() const { Button("&OK")->click(); }
};

TEST(OptionsDialog, CaptionPagesAndButtons) {
  OptionsFixture f;
  f.WithPageParts().Open();
  EXPECT_EQ(f.dialog->windowTitle(), "オプション");
  EXPECT_FALSE(f.dialog->isModal());
  auto* pages = f.dialog->findChild<QTabWidget*>();
  ASSERT_NE(pages, nullptr);
  QStringList captions;
  for (int i = 0; i < pages->count(); ++i) captions << pages->tabText(i);
  EXPECT_EQ(captions, QStringList({"基本設定(&S)", "マップ設定(&M)", "出力HTMLの設定(&H)", "ファイル(&F)", "テストプレイ",
                                   "マップ(テキスト)設定"}));
  EXPECT_NE(f.Button("キャンセル(&C)"), nullptr);
  EXPECT_EQ(f.Field(Name(keys::kHtmlDir))->toolTip(), "保存するときの初期フォルダになります。");
  EXPECT_EQ(f.Field(Name(keys::kDataDir))->toolTip(), "保存するときの初期フォルダになります。");
}

TEST(OptionsDialog, WithoutAConfigurationFileShowsTheDefaults) {
  OptionsFixture f;
  f.WithPageParts().Open();
  ASSERT_FALSE(std::filesystem::exists(f.config.path()));
  EXPECT_TRUE(f.notices.empty());

  EXPECT_TRUE(f.Check(keys::kTitleFilename)->isChecked());
  EXPECT_FALSE(f.Check(keys::kTitleFullpath)->isChecked());
  EXPECT_FALSE(f.Check(keys::kTaskFilename)->isChecked());
  EXPECT_TRUE(f.Find<QRadioButton>(Name(keys::kWindowPosBefore))->isChecked());
  EXPECT_EQ(f.Find<QSpinBox>(Name(keys::kWindowPosX))->value(), 0);
  EXPECT_EQ(f.Find<QSpinBox>(Name(keys::kWindowPosY))->value(), 0);
  EXPECT_FALSE(f.Check(keys::kStayTop)->isChecked());
  EXPECT_FALSE(f.Check(keys::kStayTopToolWindow)->isChecked());
  EXPECT_EQ(f.Combo(Name(keys::kTheme))->currentText(), "Default");
  EXPECT_EQ(f.Combo(Name(keys::kTabPosition))->currentText(), "上に表示");

  EXPECT_TRUE(f.Check(keys::kPlatformView)->isChecked());
  EXPECT_FALSE(f.Check(keys::kViewNum)->isChecked());
  EXPECT_FALSE(f.Check(keys::kFillEverywhere)->isChecked());
  EXPECT_FALSE(f.Check(keys::kGrid)->isChecked());
  EXPECT_TRUE(f.Check(keys::kBookmarksWithProjects)->isChecked());
  EXPECT_TRUE(f.Check(keys::kViewInfo)->isChecked());
  EXPECT_EQ(f.Combo(Name(keys::kGridType))->currentText(), "1点鎖線");
  EXPECT_EQ(f.Combo(Name(keys::kGridColourType))->currentText(), "下の色を反転");
  EXPECT_EQ(f.Combo(Name(keys::kAutoReloadInDialog))->currentText(), "自動更新しない");
  auto* font = f.Find<ColourComboBox>(Name(keys::kFontColour));
  EXPECT_EQ(font->currentText(), "Red");
  EXPECT_EQ(font->ColourValue(), 255);
  EXPECT_FALSE(f.Find<QRadioButton>(Name(keys::kMini))->isChecked());

  for (const BoolKey& key : {keys::kComment, keys::kMapPrint, keys::kViewCopyright, keys::kBmpToGif, keys::kTextMapColour})
    EXPECT_FALSE(f.Check(key)->isChecked()) << key.name;

  const std::string dir = f.folder.dir();
  EXPECT_EQ(f.Field(Name(keys::kTestPlayPage))->text().toStdString(), dir + "html/testplay.htm");
  EXPECT_EQ(f.Field(Name(keys::kHtmlDir))->text().toStdString(), dir + "html/");
  EXPECT_EQ(f.Field(Name(keys::kHtmlExt))->text(), "*.htm;*.html");
  EXPECT_EQ(f.Field(Name(keys::kHtmlHeader))->text().toStdString(), dir + "header.htm");
  EXPECT_EQ(f.Field(Name(keys::kHtmlFooter))->text().toStdString(), dir + "footer.htm");
  EXPECT_EQ(f.Field(Name(keys::kDataDir))->text().toStdString(), dir + "data/");

  EXPECT_EQ(f.Combo(Name(keys::kTestMode))->currentText(), "IEオートメーション");
  EXPECT_EQ(f.Field(Name(keys::kTestProgram))->text(), keys::kTestProgram.fallback);
  EXPECT_FALSE(f.Field(Name(keys::kTestProgram))->isEnabled());

  EXPECT_EQ(f.Find<QPlainTextEdit>("header_text")->toPlainText(), "<HTML>\n<TITLE>ヘッダ</TITLE>");
  EXPECT_EQ(f.Find<QPlainTextEdit>("footer_text")->toPlainText(), "フッタ\n</HTML>");
  // Filling the dialog writes nothing.
  EXPECT_FALSE(std::filesystem::exists(f.config.path()));
}

TEST(OptionsDialog, OkWithoutChangesTurnsTheMissingAutoRefreshOff) {
  OptionsFixture f;
  f.WithPageParts().Open();
  ASSERT_EQ(f.config.Read(keys::kAutoReload), 1);
  QSignalSpy applied(f.dialog.get(), &OptionsDialog::SettingsApplied);
  f.ClickOk();
  EXPECT_EQ(f.config.Read(keys::kAutoReload), 0);
  EXPECT_TRUE(f.errors.empty());
  EXPECT_FALSE(f.dialog->isVisible());
  ASSERT_EQ(applied.count(), 1);
  EXPECT_FALSE(applied.at(0).at(0).toBool());
  EXPECT_EQ(f.themesApplied, std::vector<QString>{"Default"});
  // Every key of the dialog is now in the file; the page parts are unchanged.
  const std::string file = Utf8FromShiftJis(f.folder.Read("ZarnoTool.ini"));
  for (const char* name : {"title_filename=1", "window_pos_before=1", "theme=Default", "position=0", "grid_type=3",
                           "font_color=255", "mini=0", "color=0", "view_copyright=0", "html_ext=*.htm;*.html",
                           "test_mode=0", "autbmptogif=0"})
    EXPECT_NE(file.find(name), std::string::npos) << name;
  EXPECT_EQ(f.folder.Read("header.htm"), Sjis("<HTML>\r\n<TITLE>ヘッダ</TITLE>\r\n"));
  EXPECT_EQ(f.folder.Read("footer.htm"), Sjis("フッタ\r\n</HTML>\r\n"));
}

TEST(OptionsDialog, StoredPositionChoiceIsShown) {
  struct Case {
    bool before, numbers, random;
    const char* shown; // nullptr: no choice
  };
  const Case cases[] = {
      {true, false, false, "window/window_pos_before"},
      {true, true, false, "window/window_pos_num"},
      {true, true, true, "window/window_pos_random"},
      {false, false, true, "window/window_pos_random"},
      {false, false, false, nullptr},
  };
  for (const Case& c : cases) {
    OptionsFixture f;
    f.config.Write(keys::kWindowPosBefore, c.before);
    f.config.Write(keys::kWindowPosNum, c.numbers);
    f.config.Write(keys::kWindowPosRandom, c.random);
    f.WithPageParts().Open();
    for (const BoolKey& key : {keys::kWindowPosBefore, keys::kWindowPosNum, keys::kWindowPosRandom})
      EXPECT_EQ(f.Find<QRadioButton>(Name(key))->isChecked(), c.shown && Name(key) == c.shown)
          << key.name << " for " << c.before << c.numbers << c.random;
  }
}

TEST(OptionsDialog, PositionStoredAtOk) {
  struct Case {
    const BoolKey& choice;
    QPoint stored;
  };
  const Case cases[] = {
      {keys::kWindowPosBefore, QPoint(300, 200)}, // the main window's position
      {keys::kWindowPosNum, QPoint(-12, 34)},     // the two number fields
      {keys::kWindowPosRandom, QPoint(-12, 34)},
  };
  for (const Case& c : cases) {
    OptionsFixture f;
    f.WithPageParts().Open();
    f.mainWindow = QPoint(300, 200);
    f.Find<QRadioButton>(Name(c.choice))->setChecked(true);
    f.Find<QSpinBox>(Name(keys::kWindowPosX))->setValue(-12);
    f.Find<QSpinBox>(Name(keys::kWindowPosY))->setValue(34);
    f.ClickOk();
    EXPECT_EQ(QPoint(f.config.Read(keys::kWindowPosX), f.config.Read(keys::kWindowPosY)), c.stored) << c.choice.name;
    for (const BoolKey& key : {keys::kWindowPosBefore, keys::kWindowPosNum, keys::kWindowPosRandom})
      EXPECT_EQ(f.config.Read(key), Name(key) == Name(c.choice)) << key.name;
  }
}

TEST(OptionsDialog, HeaderTextGoesToTheFileNamedBeforeThisOk) {
  OptionsFixture f;
  f.WithPageParts().Open();
  const std::string renamed = f.folder.file("other-header.htm");
  f.Field(Name(keys::kHtmlHeader))->setText(QString::fromStdString(renamed));
  f.Find<QPlainTextEdit>("header_text")->setPlainText("<HTML>\n新しいヘッダ");
  f.ClickOk();
  EXPECT_EQ(f.folder.Read("header.htm"), Sjis("<HTML>\r\n新しいヘッダ\r\n"));
  EXPECT_FALSE(std::filesystem::exists(renamed));
  EXPECT_EQ(f.config.Read(keys::kHtmlHeader), renamed);
}

TEST(OptionsDialog, UnreadablePagePartsKeepTheBuiltInText) {
  struct Case {
    bool headerReadable, footerReadable;
  };
  const QString builtInHeader = JoinedUtf8(DefaultHeaderLines());
  const QString builtInFooter = JoinedUtf8(DefaultFooterLines());
  for (const Case c : {Case{false, true}, Case{true, false}, Case{false, false}}) {
    OptionsFixture f;
    if (c.headerReadable) f.folder.Write("header.htm", Sjis("ヘッダ\r\n"));
    if (c.footerReadable) f.folder.Write("footer.htm", Sjis("フッタ\r\n"));
    f.Open();
    EXPECT_EQ(f.notices, std::vector<QString>{"ヘッダ又はフッタファイルが読み込めませんでした。"});
    EXPECT_EQ(f.Find<QPlainTextEdit>("header_text")->toPlainText(), c.headerReadable ? "ヘッダ" : builtInHeader);
    EXPECT_EQ(f.Find<QPlainTextEdit>("footer_text")->toPlainText(), c.footerReadable ? "フッタ" : builtInFooter);

    // The next OK writes the texts shown, built-in ones included.
    f.ClickOk();
    std::vector<std::string> header = c.headerReadable ? std::vector<std::string>{"ヘッダ"} : DefaultHeaderLines();
    std::vector<std::string> footer = c.footerReadable ? std::vector<std::string>{"フッタ"} : DefaultFooterLines();
    auto crlf = [](const std::vector<std::string>& lines) {
      std::string text;
      for (const std::string& line : lines) text += Sjis(line) + "\r\n";
      return text;
    };
    EXPECT_EQ(f.folder.Read("header.htm"), crlf(header));
    EXPECT_EQ(f.folder.Read("footer.htm"), crlf(footer));
  }
}

TEST(OptionsDialog, EmptyPagePartFileNamesAreNoFiles) {
  OptionsFixture f;
  f.config.Write(keys::kHtmlHeader, "");
  f.config.Write(keys::kHtmlFooter, "");
  f.Open();
  EXPECT_TRUE(f.notices.empty());
  EXPECT_TRUE(f.Find<QPlainTextEdit>("header_text")->toPlainText().isEmpty());
  f.ClickOk();
  EXPECT_TRUE(f.errors.empty());
  EXPECT_FALSE(f.dialog->isVisible());
}

TEST(OptionsDialog, FailedSaveKeepsTheDialogOpenAndStopsTheLaterSteps) {
  OptionsFixture f;
  f.WithPageParts();
  f.config.Write(keys::kHtmlHeader, f.folder.file("missing-folder/header.htm"));
  f.Open();
  QSignalSpy applied(f.dialog.get(), &OptionsDialog::SettingsApplied);
  f.Find<QRadioButton>(Name(keys::kMini))->setChecked(true);
  f.Check(keys::kComment)->setChecked(true);
  f.Check(keys::kViewCopyright)->setChecked(true);
  f.Field(Name(keys::kHtmlExt))->setText("*.html");
  f.ClickOk();

  ASSERT_EQ(f.errors.size(), 1u);
  EXPECT_NE(f.errors[0].indexOf("missing-folder"), -1) << f.errors[0].toStdString();
  EXPECT_TRUE(f.dialog->isVisible());
  EXPECT_EQ(applied.count(), 0);
  EXPECT_TRUE(f.config.Read(keys::kComment));       // written before the save
  EXPECT_TRUE(f.config.Read(keys::kMini));
  EXPECT_FALSE(f.config.Read(keys::kViewCopyright)); // not reached
  EXPECT_EQ(f.config.Read(keys::kHtmlExt), "*.htm;*.html");

  // Once the header can be saved, the main window still learns that the
  // chip size changed at the failed OK.
  f.config.Write(keys::kHtmlHeader, f.folder.file("header.htm"));
  f.ClickOk();
  ASSERT_EQ(applied.count(), 1);
  EXPECT_TRUE(applied.at(0).at(0).toBool());
  EXPECT_TRUE(f.config.Read(keys::kViewCopyright));
}

TEST(OptionsDialog, ChipSizeChangeIsReportedOnce) {
  OptionsFixture f;
  f.WithPageParts().Open();
  QSignalSpy applied(f.dialog.get(), &OptionsDialog::SettingsApplied);
  f.Find<QRadioButton>(Name(keys::kMini))->setChecked(true);
  f.ClickOk();
  f.ClickOk();
  ASSERT_EQ(applied.count(), 2);
  EXPECT_TRUE(applied.at(0).at(0).toBool());
  EXPECT_FALSE(applied.at(1).at(0).toBool());
  EXPECT_TRUE(f.config.Read(keys::kMini));
}

TEST(OptionsDialog, TextMapColouringIsAppliedAtOk) {
  OptionsFixture f;
  f.WithPageParts().Open();
  QSignalSpy colouring(f.dialog.get(), &OptionsDialog::TextMapColourChanged);
  f.Check(keys::kTextMapColour)->setChecked(true);
  f.ClickOk();
  ASSERT_EQ(colouring.count(), 1);
  EXPECT_TRUE(colouring.at(0).at(0).toBool());
  EXPECT_TRUE(f.config.Read(keys::kTextMapColour));
}

TEST(OptionsDialog, CancelHidesAndKeepsTheControlsForTheNextOk) {
  OptionsFixture f;
  f.WithPageParts().Open();
  f.Check(keys::kGrid)->setChecked(true);
  f.Combo(Name(keys::kTheme))->setCurrentText("Aluminum");
  f.Button("キャンセル(&C)")->click();
  EXPECT_FALSE(f.dialog->isVisible());
  EXPECT_FALSE(std::filesystem::exists(f.config.path()));
  EXPECT_TRUE(f.themesApplied.empty());

  f.dialog->Present();
  EXPECT_TRUE(f.Check(keys::kGrid)->isChecked());
  f.ClickOk();
  EXPECT_TRUE(f.config.Read(keys::kGrid));
  EXPECT_EQ(f.config.Read(keys::kTheme), "Aluminum");
  EXPECT_EQ(f.themesApplied, std::vector<QString>{"Aluminum"});
}

TEST(OptionsDialog, ProgramFieldOnlyForTheNamedProgramMode) {
  OptionsFixture f;
  f.config.Write(keys::kTestMode, 2);
  f.WithPageParts().Open();
  QComboBox* mode = f.Combo(Name(keys::kTestMode));
  QLineEdit* program = f.Field(Name(keys::kTestProgram));
  EXPECT_EQ(mode->currentText(), "プラグラムを指定");
  EXPECT_FALSE(program->isEnabled()); // disabled at start whatever the mode
  EXPECT_EQ(mode->itemText(1), "関連付けられたブラウザ");
  for (const auto& [index, enabled] : {std::pair{0, false}, std::pair{2, true}, std::pair{1, false}, std::pair{2, true}}) {
    mode->setCurrentIndex(index);
    EXPECT_EQ(program->isEnabled(), enabled) << index;
  }
  program->setText("firefox");
  f.ClickOk();
  EXPECT_EQ(f.config.Read(keys::kTestMode), 2);
  EXPECT_EQ(f.config.Read(keys::kTestProgram), "firefox");
}

TEST(OptionsDialog, GridColourComesFromThePickerWhenChosen) {
  OptionsFixture f;
  f.config.Write(keys::kGridColour, 0x123456);
  f.WithPageParts().Open();
  QComboBox* kind = f.Combo(Name(keys::kGridColourType));

  kind->setCurrentIndex(1);
  emit kind->activated(1); // the picker is cancelled: the stored colour stays
  f.colourAnswers.push_back(QColor(10, 20, 30));
  emit kind->activated(1);
  EXPECT_TRUE(f.colourAnswers.empty());
  f.ClickOk();
  EXPECT_EQ(f.config.Read(keys::kGridColourType), 1);
  EXPECT_EQ(f.config.Read(keys::kGridColour), 10 + 256 * 20 + 65536 * 30);

  kind->setCurrentIndex(0);
  emit kind->activated(0); // inverting needs no colour
  f.colourAnswers.push_back(QColor(1, 2, 3));
  f.ClickOk();
  EXPECT_EQ(f.colourAnswers.size(), 1u);
  EXPECT_EQ(f.config.Read(keys::kGridColourType), 0);
  EXPECT_EQ(f.config.Read(keys::kGridColour), 10 + 256 * 20 + 65536 * 30);
}

TEST(OptionsDialog, FontColourOutsideTheListSurvivesAndCustomColoursArePicked) {
  OptionsFixture f;
  f.config.Write(keys::kFontColour, 0x0A0B0C);
  f.WithPageParts().Open();
  auto* font = f.Find<ColourComboBox>(Name(keys::kFontColour));
  EXPECT_EQ(font->currentText(), "カスタム");
  f.ClickOk();
  EXPECT_EQ(f.config.Read(keys::kFontColour), 0x0A0B0C);

  const int picker = font->count() - 1;
  font->setCurrentIndex(picker);
  emit font->activated(picker); // cancelled: back to the previous colour
  EXPECT_EQ(font->currentText(), "カスタム");
  f.colourAnswers.push_back(QColor(0, 0, 255)); // a named colour selects its entry
  font->setCurrentIndex(picker);
  emit font->activated(picker);
  EXPECT_EQ(font->currentText(), "Blue");
  f.colourAnswers.push_back(QColor(1, 2, 3));
  font->setCurrentIndex(picker);
  emit font->activated(picker);
  f.ClickOk();
  EXPECT_EQ(f.config.Read(keys::kFontColour), 1 + 256 * 2 + 65536 * 3);
}

TEST(OptionsDialog, AssociationAndShortcutMessages) {
  OptionsFixture f;
  f.WithPageParts().Open();
  f.Button("*.zppファイルをZarnoTool++に関連付けさせる")->click();
  EXPECT_EQ(f.notices, std::vector<QString>{"関連付けしました。"});
  EXPECT_TRUE(f.folder.Exists("share/applications/zarnotoolpp.desktop"));

  const QString desktop = QString::fromStdString(f.folder.file("Desktop"));
  f.notices.clear();
  f.Button("デスクトップにショートカットを作成")->click(); // no desktop folder yet
  EXPECT_EQ(f.notices, (std::vector<QString>{desktop, "作成出来ませんでした。"}));

  std::filesystem::create_directory(f.folder.file("Desktop"));
  f.notices.clear();
  f.Button("デスクトップにショートカットを作成")->click();
  EXPECT_EQ(f.notices, (std::vector<QString>{desktop, "作成しました"}));
  EXPECT_TRUE(f.folder.Exists("Desktop/ZarnoTool++.desktop"));
}

TEST(OptionsDialog, FailedAssociationIsAnErrorWithoutTheMessage) {
  OptionsFixture f;
  f.WithPageParts().Open();
  f.folder.Write("share", "not a folder");
  f.Button("*.zppファイルをZarnoTool++に関連付けさせる")->click();
  EXPECT_EQ(f.errors.size(), 1u);
  EXPECT_TRUE(f.notices.empty());
}

} // namespace
} // namespace zt
