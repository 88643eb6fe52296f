#include "SettingsPageFixture.h"
#include "app/settings/SettingsTable.h"
#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "document/StageDocument.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <cstdint>
#include <string>

namespace zt {
namespace {

using P = ParamId;

QString Ui(const std::string& sjis) { return QString::fromStdString(Utf8FromShiftJis(sjis)); }

bool Carried(ParamGroup group, StageType type) {
  return group == ParamGroup::Common || (group == ParamGroup::FourStage && type != StageType::OneStage) ||
         (group == ParamGroup::Map && type == StageType::MapStage);
}

// A value the row's control can show, different for every row.
std::int64_t ShowableNumber(const SettingControl& row, int n) {
  if (row.kind == ControlKind::ComboBox) return static_cast<std::int64_t>(row.items.size()); // the last item
  const std::int64_t range = std::int64_t{row.maximum} - row.minimum + 1;
  return row.minimum + (n * 37 + 11) % range;
}

// Every parameter gets a value that its control can show and that differs
// from its start-up value where the control allows it.
StageDocument ShowableDocument(StageType type) {
  StageDocument doc;
  doc.stageType = type;
  int n = 0;
  for (const SettingControl& row : SettingControls()) {
    ++n;
    if (row.kind == ControlKind::Edit) doc.SetText(row.param, Sjis("値") + row.name + Sjis("・日本語"));
    else doc.SetInt(row.param, ShowableNumber(row, n));
  }
  doc.headerLines = {"<HTML>", Sjis("<TITLE>ヘッダ</TITLE>"), ""};
  doc.footerLines = {"", Sjis("フッタ"), "</HTML>"};
  return doc;
}

void ExpectSameValue(const StageDocument& actual, const StageDocument& expected, const GameParameter& p) {
  if (p.kind == ParamKind::Text) EXPECT_EQ(actual.Text(p.id), expected.Text(p.id)) << p.name;
  else EXPECT_EQ(actual.Int(p.id), expected.Int(p.id)) << p.name;
}

class SettingsRoundTrip : public test::SettingsPageFixture, public ::testing::WithParamInterface<StageType> {
 protected:
  // Whether the row's control shows the document's value.
  bool Shows(const SettingControl& row, const StageDocument& doc) {
    switch (row.kind) {
      case ControlKind::SpinEdit: return Find<QSpinBox>(row.name).value() == doc.Int(row.param);
      case ControlKind::ComboBox: return Find<QComboBox>(row.name).currentIndex() == doc.Int(row.param) - 1;
      case ControlKind::Edit: return Find<QLineEdit>(row.name).text() == Ui(doc.Text(row.param));
    }
    return false;
  }

  // Puts the document's value into the row's control, as the user would.
  void Enter(const SettingControl& row, const StageDocument& doc) {
    switch (row.kind) {
      case ControlKind::SpinEdit: Find<QSpinBox>(row.name).setValue(doc.Int(row.param)); break;
      case ControlKind::ComboBox: Find<QComboBox>(row.name).setCurrentIndex(doc.Int(row.param) - 1); break;
      case ControlKind::Edit: Find<QLineEdit>(row.name).setText(Ui(doc.Text(row.param))); break;
    }
  }
};

TEST_P(SettingsRoundTrip, ShowsTheParametersOfTheTypeAndAVisitChangesNothing) {
  const StageType type = GetParam();
  StageDocument doc = ShowableDocument(type);
  const StageDocument shown = doc;
  page.ShowSettings(doc);

  const StageDocument startup;
  for (const SettingControl& row : SettingControls())
    EXPECT_TRUE(Shows(row, Carried(Parameter(row.param).group, type) ? shown : startup)) << row.name;

  page.TakeSettings(doc);
  for (const GameParameter& p : AllParameters()) ExpectSameValue(doc, shown, p);
  EXPECT_EQ(doc.headerLines, shown.headerLines);
  EXPECT_EQ(doc.footerLines, shown.footerLines);
}

// Every control gets a new value, also those of the groups the type does
// not carry: only the type's groups reach the document.
TEST_P(SettingsRoundTrip, TakesTheEditsOfTheGroupsOfTheTypeOnly) {
  const StageType type = GetParam();
  StageDocument doc;
  doc.stageType = type;
  page.ShowSettings(doc);
  const StageDocument entered = ShowableDocument(StageType::MapStage);
  for (const SettingControl& row : SettingControls()) Enter(row, entered);

  page.TakeSettings(doc);
  const StageDocument startup;
  for (const GameParameter& p : AllParameters()) ExpectSameValue(doc, Carried(p.group, type) ? entered : startup, p);
}

INSTANTIATE_TEST_SUITE_P(EachType, SettingsRoundTrip,
                         ::testing::Values(StageType::OneStage, StageType::FourStage, StageType::MapStage));

using SettingsPageTest = test::SettingsPageFixture;

// The controls whose names do not follow the order of their parameters.
TEST_F(SettingsPageTest, ShowsEachParameterInTheControlOfItsName) {
  const StageDocument doc = ShowableDocument(StageType::MapStage);
  page.ShowSettings(doc);
  struct Case {
    const char* name;
    ParamId param;
  };
  for (const Case& c : {Case{"Edit14", P::hitokoto2_name}, {"Edit10", P::hitokoto3_name}, {"Edit21", P::hitokoto4_3},
                        {"Edit80", P::shop_serifu1}, {"Edit71", P::serifu10_1}, {"Edit54", P::shop_item_name1},
                        {"Edit86", P::filename_chizu}, {"Edit2", P::url1}, {"Edit63", P::setumei_name}})
    EXPECT_EQ(Find<QLineEdit>(c.name).text(), Ui(doc.Text(c.param))) << c.name;
  for (const Case& c : {Case{"SpinEdit23", P::moji_size}, {"SpinEdit24", P::game_speed}, {"SpinEdit46", P::door_score},
                        {"SpinEdit37", P::shop_item_teika1}, {"SpinEdit45", P::shop_item_teika9},
                        {"SpinEdit47", P::kaishi_red}, {"SpinEdit27", P::score_1up_2}, {"SpinEdit1", P::time_max}})
    EXPECT_EQ(Find<QSpinBox>(c.name).value(), doc.Int(c.param)) << c.name;
  for (const Case& c : {Case{"ComboBox4", P::j_tail_hf}, {"ComboBox17", P::dokan_mode}, {"ComboBox20", P::scroll_mode_f},
                        {"ComboBox22", P::stage_kaishi}})
    EXPECT_EQ(Find<QComboBox>(c.name).currentIndex(), doc.Int(c.param) - 1) << c.name;
}

TEST_F(SettingsPageTest, ControlsHaveTheirItemsAndBounds) {
  EXPECT_EQ(Find<QComboBox>("ComboBox1").itemText(2), QString::fromUtf8("高速強制スクロール "));
  EXPECT_EQ(Find<QComboBox>("ComboBox6").itemText(3), QString::fromUtf8("エネルギー砲 ボスには効かない"));
  EXPECT_EQ(Find<QComboBox>("ComboBox13").itemText(0), QString::fromUtf8("左右移動×2"));
  EXPECT_EQ(Find<QComboBox>("ComboBox13").itemText(6), QString::fromUtf8("ジャンプ台"));
  struct Bounds {
    const char* name;
    int minimum, maximum;
  };
  for (const Bounds& b : {Bounds{"SpinEdit1", INT32_MIN, INT32_MAX}, {"SpinEdit2", 0, 255}, {"SpinEdit49", 0, 255},
                          {"SpinEdit26", 0, 1000000}, {"SpinEdit45", INT32_MIN, INT32_MAX}}) {
    EXPECT_EQ(Find<QSpinBox>(b.name).minimum(), b.minimum) << b.name;
    EXPECT_EQ(Find<QSpinBox>(b.name).maximum(), b.maximum) << b.name;
  }
}

// Values a page can carry that the controls cannot show stay as they are
// when the settings page is only visited.
TEST_F(SettingsPageTest, ValuesWithoutAnItemOrOutOfBoundsSurviveAVisit) {
  struct Case {
    const char* control;
    ParamId param;
    std::int64_t read; // as a page gives it
    int stored;        // what the document holds
  };
  const Case cases[] = {
      {"ComboBox1", P::scroll_mode, 300, 44},  {"ComboBox2", P::score_v, 200, -56},
      {"ComboBox6", P::grenade_type, 0, 0},    {"ComboBox21", P::stage_max, 7, 7},
      {"ComboBox18", P::scroll_mode_s, 4, 4},
  };
  StageDocument doc;
  doc.stageType = StageType::FourStage;
  for (const Case& c : cases) doc.SetInt(c.param, c.read);
  doc.SetInt(P::backcolor_red, 300);
  page.ShowSettings(doc);
  for (const Case& c : cases) EXPECT_EQ(Find<QComboBox>(c.control).currentIndex(), -1) << c.control;
  EXPECT_EQ(Find<QSpinBox>("SpinEdit2").value(), 255);

  page.TakeSettings(doc);
  for (const Case& c : cases) EXPECT_EQ(doc.Int(c.param), c.stored) << c.control;
  EXPECT_EQ(doc.Int(P::backcolor_red), 300);

  Find<QComboBox>("ComboBox1").setCurrentIndex(1);
  Find<QSpinBox>("SpinEdit2").setValue(254);
  page.TakeSettings(doc);
  EXPECT_EQ(doc.Int(P::scroll_mode), 2);
  EXPECT_EQ(doc.Int(P::backcolor_red), 254);
}

TEST_F(SettingsPageTest, SelectionShowsValueMinusOneAndStoresIndexPlusOne) {
  StageDocument doc;
  doc.stageType = StageType::FourStage;
  doc.SetInt(P::stage_kaishi, 3);
  page.ShowSettings(doc);
  auto& start = Find<QComboBox>("ComboBox22");
  EXPECT_EQ(start.currentText(), "3");
  start.setCurrentIndex(0);
  page.TakeSettings(doc);
  EXPECT_EQ(doc.Int(P::stage_kaishi), 1);
}

TEST_F(SettingsPageTest, TextThatIsNotShiftJisSurvivesAVisitButNotAnEdit) {
  StageDocument doc;
  const std::string broken = "title\x82.gif"; // a lead byte without its trail byte
  doc.SetText(P::filename_title, broken);
  page.ShowSettings(doc);
  page.TakeSettings(doc);
  EXPECT_EQ(doc.Text(P::filename_title), broken);

  Find<QLineEdit>("Edit28").setText(QString::fromUtf8("タイトル.gif"));
  page.TakeSettings(doc);
  EXPECT_EQ(doc.Text(P::filename_title), Sjis("タイトル.gif"));
}

// A reader may replace the document while the controls still show the one
// before; taking them (before a write) must not bring the old values back.
TEST_F(SettingsPageTest, ControlsThatDoNotShowTheDocumentTakeOnlyWhatTheUserChanged) {
  StageDocument before;
  page.ShowSettings(before);
  StageDocument read = ShowableDocument(StageType::MapStage);
  const StageDocument asRead = read;
  page.TakeSettings(read);
  for (const GameParameter& p : AllParameters()) ExpectSameValue(read, asRead, p);
  EXPECT_EQ(read.headerLines, asRead.headerLines);

  Find<QSpinBox>("SpinEdit1").setValue(9);
  page.TakeSettings(read);
  EXPECT_EQ(read.Int(P::time_max), 9);
  EXPECT_EQ(read.Int(P::game_speed), asRead.Int(P::game_speed));
}

TEST_F(SettingsPageTest, ChangingAControlBackAfterATakeIsTakenToo) {
  StageDocument doc; // saving a project takes the settings while the page stays
  page.ShowSettings(doc);
  Find<QSpinBox>("SpinEdit1").setValue(5);
  Find<QPlainTextEdit>("Memo1").setPlainText("<HTML>");
  page.TakeSettings(doc);
  EXPECT_EQ(doc.Int(P::time_max), 5);
  EXPECT_EQ(doc.headerLines, std::vector<std::string>{"<HTML>"});

  Find<QSpinBox>("SpinEdit1").setValue(0);
  Find<QPlainTextEdit>("Memo1").clear();
  page.TakeSettings(doc);
  EXPECT_EQ(doc.Int(P::time_max), 0);
  EXPECT_TRUE(doc.headerLines.empty());
}

TEST_F(SettingsPageTest, StartupTakesTheInitialValueOfEveryControl) {
  StageDocument doc;
  for (const GameParameter& p : AllParameters()) {
    if (p.kind == ParamKind::Text) doc.SetText(p.id, "x");
    else doc.SetInt(p.id, p.startupNumber == 1 ? 2 : 1);
  }
  page.TakeAllSettings(doc);
  EXPECT_EQ(doc.stageType, StageType::OneStage);
  for (const GameParameter& p : AllParameters()) {
    if (p.kind == ParamKind::Text) EXPECT_EQ(doc.Text(p.id), Sjis(p.startupText)) << p.name;
    else EXPECT_EQ(doc.Int(p.id), p.startupNumber) << p.name;
  }
  EXPECT_TRUE(doc.headerLines.empty());
  EXPECT_TRUE(doc.footerLines.empty());
}

TEST_F(SettingsPageTest, MemosShowAndTakeTheHeaderAndFooterLines) {
  StageDocument doc;
  doc.headerLines = {"<HTML>", Sjis("<TITLE>日本語のページ</TITLE>"), ""};
  doc.footerLines = {Sjis("ＦＯＯＴＥＲ"), "</HTML>"};
  page.ShowSettings(doc);
  EXPECT_EQ(Find<QPlainTextEdit>("Memo1").toPlainText(), QString::fromUtf8("<HTML>\n<TITLE>日本語のページ</TITLE>\n"));
  EXPECT_EQ(Find<QPlainTextEdit>("Memo2").toPlainText(), QString::fromUtf8("ＦＯＯＴＥＲ\n</HTML>"));

  page.TakeSettings(doc);
  EXPECT_EQ(doc.headerLines, (std::vector<std::string>{"<HTML>", Sjis("<TITLE>日本語のページ</TITLE>"), ""}));

  Find<QPlainTextEdit>("Memo1").setPlainText(QString::fromUtf8("一行目\n\n三行目"));
  Find<QPlainTextEdit>("Memo2").clear();
  page.TakeSettings(doc);
  EXPECT_EQ(doc.headerLines, (std::vector<std::string>{Sjis("一行目"), "", Sjis("三行目")}));
  EXPECT_TRUE(doc.footerLines.empty());
}

TEST_F(SettingsPageTest, UnchangedMemoKeepsLinesThatAreNotShiftJis) {
  StageDocument doc;
  doc.headerLines = {"<HTML>", "\x82"};
  page.ShowSettings(doc);
  page.TakeSettings(doc);
  EXPECT_EQ(doc.headerLines, (std::vector<std::string>{"<HTML>", "\x82"}));
}

TEST_F(SettingsPageTest, BackgroundChangedComparesWithTheColourLastShown) {
  StageDocument doc; // start-up background 0, 255, 255
  EXPECT_FALSE(page.BackgroundChanged(doc));

  doc.SetStageBackground(0, {10, 20, 30});
  EXPECT_TRUE(page.BackgroundChanged(doc));
  page.ShowSettings(doc);
  page.TakeSettings(doc);
  EXPECT_FALSE(page.BackgroundChanged(doc));

  Find<QSpinBox>("SpinEdit3").setValue(21);
  page.TakeSettings(doc);
  EXPECT_TRUE(page.BackgroundChanged(doc));

  Find<QSpinBox>("SpinEdit3").setValue(20);
  Find<QSpinBox>("SpinEdit28").setValue(99); // stage 2 is not the background of the check
  doc.stageType = StageType::FourStage;
  page.TakeSettings(doc);
  EXPECT_FALSE(page.BackgroundChanged(doc));
}

struct Enabling {
  StageType type;
  bool fourStageGroup;
  bool stageCountSelections;
  bool mapGroups;
  bool mapBackgroundFile;
};

class SettingsEnabling : public test::SettingsPageFixture, public ::testing::WithParamInterface<Enabling> {};

TEST_P(SettingsEnabling, FollowsTheType) {
  const Enabling expected = GetParam();
  // From another type first, so that nothing passes by staying as it was.
  page.EnableForType(expected.type == StageType::MapStage ? StageType::OneStage : StageType::MapStage);
  page.EnableForType(expected.type);

  EXPECT_EQ(Find<QGroupBox>("4ステージ").isEnabled(), expected.fourStageGroup);
  EXPECT_EQ(Find<QComboBox>("ComboBox18").isEnabled(), expected.fourStageGroup);
  EXPECT_EQ(Find<QSpinBox>("SpinEdit47").isEnabled(), expected.fourStageGroup);
  for (const char* name : {"ComboBox21", "ComboBox22"})
    EXPECT_EQ(Find<QComboBox>(name).isEnabled(), expected.stageCountSelections) << name;
  for (const char* group : {"メッセ-ジ1の人", "メッセ-ジ2の人", "店", "店2", "説明する人", "メニュー１", "メニュー２",
                            "メニュー３", "店3"})
    EXPECT_EQ(Find<QGroupBox>(group).isEnabled(), expected.mapGroups) << group;
  EXPECT_EQ(Find<QSpinBox>("SpinEdit46").isEnabled(), expected.mapGroups);
  EXPECT_EQ(Find<QLineEdit>("Edit86").isEnabled(), expected.mapBackgroundFile);
  for (const char* common : {"Edit28", "Edit6", "SpinEdit2"}) EXPECT_TRUE(Find<QWidget>(common).isEnabled()) << common;
}

INSTANTIATE_TEST_SUITE_P(EachType, SettingsEnabling,
                         ::testing::Values(Enabling{StageType::OneStage, false, false, false, false},
                                           Enabling{StageType::FourStage, true, true, false, false},
                                           Enabling{StageType::MapStage, true, false, true, true}));

} // namespace
} // namespace zt
