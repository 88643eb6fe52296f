#include "app/settings/SettingsTable.h"

#include <array>

namespace zt {
namespace {

using P = ParamId;

constexpr std::array<const char*, 9> kPages{"設定1", "設定2", "メッセージ", "色",  "文字",
                                            "ファイル", "設定3", "地図",       "地図2"};

// Item lists of the selection controls.
constexpr std::array<const char*, 3> kScrollModes{"全方向スクロール", "強制スクロール", "高速強制スクロール "};
constexpr std::array<const char*, 2> kScoreShown{"表示する", "表示しない"};
constexpr std::array<const char*, 3> kTailTypes{"敵を倒せる", "ブロック１を壊せる", "敵を倒せてブロック１を壊せる"};
constexpr std::array<const char*, 2> kTailEquipped{"標準装備しない", "標準装備する"};
constexpr std::array<const char*, 2> kFireballInWater{"水中で消える", "水中でも消えない"};
constexpr std::array<const char*, 6> kGrenadeTypes{
    "グレネード ボスを倒せる",   "グレネード ボスには効かない", "エネルギー砲 ボスを倒せる",
    "エネルギー砲 ボスには効かない", "プラズマ砲 ボスを倒せる",    "プラズマ砲 ボスには効かない"};
constexpr std::array<const char*, 2> kSlipperyFloor{"ドリル等で破壊できる", "破壊できない"};
constexpr std::array<const char*, 2> kShockInWater{"水中で消える", "水中でも消えない "};
constexpr std::array<const char*, 2> kYachamo{"火の粉で攻撃", "何もしない"};
constexpr std::array<const char*, 2> kAirms{"壁に当たると止まる", "壁に当たると向きを変える"};
// The moving platforms differ only in their first item.
constexpr std::array<const char*, 7> PlatformItems(const char* first) {
  return {first, "乗ると落ちる", "ずっと乗っていると落ちる", "左回り", "右回り", "乗れるカイオール", "ジャンプ台"};
}
constexpr auto kPlatformVertical = PlatformItems("上下移動");
constexpr auto kPlatformHorizontal = PlatformItems("左右移動");
constexpr auto kPlatformPair = PlatformItems("左右移動×2");
constexpr std::array<const char*, 4> kGuradaAttacks{"噴火", "亀を投げる", "ヒノララシを投げる", "マリリを投げる"};
constexpr std::array<const char*, 2> kKaiooruAttacks{"水の波動", "バブル光線"};
constexpr std::array<const char*, 4> kSenkuuzaAttacks{"グレネード", "バリアを張って体当たり",
                                                      "バリアを張って高速体当たり", "バリアを張ってジャンプ"};
constexpr std::array<const char*, 2> kPipeModes{"リンク土管", "ワープ土管"};
constexpr std::array<const char*, 4> kStageNumbers{"1", "2", "3", "4"};

constexpr SpinBounds kExtraLifeScore{0, 1000000};

constexpr ControlPlace kSettings1{"設定1"};
constexpr ControlPlace kSettings2{"設定2"};
constexpr ControlPlace kWords{"文字"};
constexpr ControlPlace kFiles{"ファイル"};
constexpr ControlPlace kFourStage{"設定3", "4ステージ"};
constexpr ControlPlace kMap2{"地図2"};

constexpr ControlPlace Message(const char* group) { return {"メッセージ", group}; }
constexpr ControlPlace Colour(const char* group, const char* box = "") { return {"色", group, box}; }
constexpr ControlPlace FourStageColour(const char* box) { return {"設定3", "4ステージ", box}; }
constexpr ControlPlace Map(const char* group) { return {"地図", group}; }
constexpr ControlPlace Map2(const char* group) { return {"地図2", group}; }

constexpr SettingControl Red(ParamId param, ControlPlace place, const char* name) {
  return Spin(param, place, "赤", name, kColourBounds);
}
constexpr SettingControl Green(ParamId param, ControlPlace place, const char* name) {
  return Spin(param, place, "緑", name, kColourBounds);
}
constexpr SettingControl Blue(ParamId param, ControlPlace place, const char* name) {
  return Spin(param, place, "青", name, kColourBounds);
}

constexpr SettingControl kControls[] = {
    // 設定1
    Spin(P::time_max, kSettings1, "制限時間(0で無制限)", "SpinEdit1"),
    Combo(P::scroll_mode, kSettings1, "スクロールモード", "ComboBox1", kScrollModes),
    Combo(P::score_v, kSettings1, "得点の表示", "ComboBox2", kScoreShown),
    Combo(P::j_tail_type, kSettings1, "しっぽ", "ComboBox3", kTailTypes),
    Combo(P::j_tail_hf, kSettings1, "", "ComboBox4", kTailEquipped),
    Combo(P::j_fire_mkf, kSettings1, "ファイヤーボール", "ComboBox5", kFireballInWater),
    Combo(P::grenade_type, kSettings1, "グレネード", "ComboBox6", kGrenadeTypes),
    Combo(P::suberuyuka_hkf, kSettings1, "すべる床", "ComboBox7", kSlipperyFloor).InNewColumn(),
    Combo(P::dengeki_mkf, kSettings1, "ピカチーの電撃", "ComboBox8", kShockInWater),
    Combo(P::yachamo_kf, kSettings1, "ヤチャモ", "ComboBox9", kYachamo),
    Combo(P::airms_kf, kSettings1, "エアームズ", "ComboBox10", kAirms),
    Combo(P::ugokuyuka1_type, kSettings1, "動く床上下", "ComboBox11", kPlatformVertical),
    Combo(P::ugokuyuka2_type, kSettings1, "動く床左右", "ComboBox12", kPlatformHorizontal),
    Combo(P::ugokuyuka3_type, kSettings1, "動く床左右2つ", "ComboBox13", kPlatformPair),

    // 設定2
    Combo(P::boss_type, kSettings2, "グラーダ", "ComboBox14", kGuradaAttacks),
    Combo(P::boss2_type, kSettings2, "カイオール", "ComboBox15", kKaiooruAttacks),
    Combo(P::boss3_type, kSettings2, "センクウザ", "ComboBox16", kSenkuuzaAttacks),
    Edit(P::url1, kSettings2, "リンク土管1移動先URL", "Edit2"),
    Edit(P::url2, kSettings2, "リンク土管2移動先URL", "Edit3"),
    Edit(P::url3, kSettings2, "リンク土管3移動先URL", "Edit4"),
    Edit(P::url4, kSettings2, "リンク土管4移動先URL", "Edit5"),
    Combo(P::dokan_mode, kSettings2, "", "ComboBox17", kPipeModes),
    Spin(P::game_speed, kSettings2, "ゲームスピード", "SpinEdit24"),

    // メッセージ
    Edit(P::hitokoto1_name, Message("一言メッセージ1"), "名前", "Edit6"),
    Edit(P::hitokoto1_1, Message("一言メッセージ1"), "セリフ", "Edit7"),
    Edit(P::hitokoto1_2, Message("一言メッセージ1"), "", "Edit8"),
    Edit(P::hitokoto1_3, Message("一言メッセージ1"), "", "Edit9"),
    Edit(P::hitokoto2_name, Message("一言メッセージ2"), "名前", "Edit14"),
    Edit(P::hitokoto2_1, Message("一言メッセージ2"), "セリフ", "Edit15"),
    Edit(P::hitokoto2_2, Message("一言メッセージ2"), "", "Edit16"),
    Edit(P::hitokoto2_3, Message("一言メッセージ2"), "", "Edit17"),
    Edit(P::hitokoto3_name, Message("一言メッセージ3"), "名前", "Edit10").InNewColumn(),
    Edit(P::hitokoto3_1, Message("一言メッセージ3"), "セリフ", "Edit11"),
    Edit(P::hitokoto3_2, Message("一言メッセージ3"), "", "Edit12"),
    Edit(P::hitokoto3_3, Message("一言メッセージ3"), "", "Edit13"),
    Edit(P::hitokoto4_name, Message("一言メッセージ4"), "名前", "Edit18"),
    Edit(P::hitokoto4_1, Message("一言メッセージ4"), "セリフ", "Edit19"),
    Edit(P::hitokoto4_2, Message("一言メッセージ4"), "", "Edit20"),
    Edit(P::hitokoto4_3, Message("一言メッセージ4"), "", "Edit21"),

    // 色
    Red(P::backcolor_red, Colour("背景色"), "SpinEdit2"),
    Green(P::backcolor_green, Colour("背景色"), "SpinEdit3"),
    Blue(P::backcolor_blue, Colour("背景色"), "SpinEdit4"),
    Red(P::scorecolor_red, Colour("文字色"), "SpinEdit5"),
    Green(P::scorecolor_green, Colour("文字色"), "SpinEdit6"),
    Blue(P::scorecolor_blue, Colour("文字色"), "SpinEdit7"),
    Red(P::grenade_red1, Colour("グレネード1"), "SpinEdit8"),
    Green(P::grenade_green1, Colour("グレネード1"), "SpinEdit9"),
    Blue(P::grenade_blue1, Colour("グレネード1"), "SpinEdit10"),
    Red(P::grenade_red2, Colour("グレネード2"), "SpinEdit11"),
    Green(P::grenade_green2, Colour("グレネード2"), "SpinEdit12"),
    Blue(P::grenade_blue2, Colour("グレネード2"), "SpinEdit13"),
    Red(P::mizunohadou_red, Colour("水の波動"), "SpinEdit14").InNewColumn(),
    Green(P::mizunohadou_green, Colour("水の波動"), "SpinEdit15"),
    Blue(P::mizunohadou_blue, Colour("水の波動"), "SpinEdit16"),
    Red(P::firebar_red1, Colour("ファイヤーバー", "外側"), "SpinEdit17"),
    Green(P::firebar_green1, Colour("ファイヤーバー", "外側"), "SpinEdit18"),
    Blue(P::firebar_blue1, Colour("ファイヤーバー", "外側"), "SpinEdit19"),
    Red(P::firebar_red2, Colour("ファイヤーバー", "内側"), "SpinEdit20"),
    Green(P::firebar_green2, Colour("ファイヤーバー", "内側"), "SpinEdit21"),
    Blue(P::firebar_blue2, Colour("ファイヤーバー", "内側"), "SpinEdit22"),

    // 文字
    Edit(P::moji_score, kWords, "スコアの文字", "Edit22"),
    Edit(P::moji_highscore, kWords, "ハイスコアの文字", "Edit23"),
    Edit(P::moji_time, kWords, "タイムの文字", "Edit24"),
    Edit(P::moji_jet, kWords, "ジェットの文字", "Edit25"),
    Edit(P::moji_grenade, kWords, "グレネードの文字", "Edit26"),
    Edit(P::moji_left, kWords, "レフトの文字", "Edit27"),
    Spin(P::moji_size, kWords, "文字の大きさ", "SpinEdit23"),

    // ファイル
    Edit(P::filename_title, kFiles, "タイトル画面のファイル名", "Edit28"),
    Edit(P::filename_ending, kFiles, "エンディング画面のファイル名", "Edit29"),
    Edit(P::filename_gameover, kFiles, "ゲームオーバー画面のファイル名", "Edit30"),
    Edit(P::filename_pattern, kFiles, "キャラクターパターンのファイル名", "Edit31"),
    Edit(P::filename_chizu, kFiles, "地図画面の背景ののファイル名", "Edit86").EnabledFor(kMap),

    // 設定3
    Combo(P::scroll_mode_s, kFourStage, "ステージ2スクロールモード", "ComboBox18", kScrollModes),
    Combo(P::scroll_mode_t, kFourStage, "ステージ3スクロールモード", "ComboBox19", kScrollModes),
    Combo(P::scroll_mode_f, kFourStage, "ステージ4スクロールモード", "ComboBox20", kScrollModes),
    Combo(P::stage_max, kFourStage, "ステージ数", "ComboBox21", kStageNumbers).EnabledFor(kFour),
    Combo(P::stage_kaishi, kFourStage, "開始ステージ数", "ComboBox22", kStageNumbers).EnabledFor(kFour),
    Spin(P::jibun_left_shoki, kFourStage, "初期残り人数", "SpinEdit25"),
    Spin(P::score_1up_1, kFourStage, "1UPする得点", "SpinEdit26", kExtraLifeScore).WithNote("0で設定なし"),
    Spin(P::score_1up_2, kFourStage, "", "SpinEdit27", kExtraLifeScore),
    Red(P::backcolor_red_s, FourStageColour("ステージ2背景色"), "SpinEdit28").InNewColumn(),
    Green(P::backcolor_green_s, FourStageColour("ステージ2背景色"), "SpinEdit29"),
    Blue(P::backcolor_blue_s, FourStageColour("ステージ2背景色"), "SpinEdit30"),
    Red(P::backcolor_red_t, FourStageColour("ステージ3背景色"), "SpinEdit31"),
    Green(P::backcolor_green_t, FourStageColour("ステージ3背景色"), "SpinEdit32"),
    Blue(P::backcolor_blue_t, FourStageColour("ステージ3背景色"), "SpinEdit33"),
    Red(P::backcolor_red_f, FourStageColour("ステージ4背景色"), "SpinEdit34"),
    Green(P::backcolor_green_f, FourStageColour("ステージ4背景色"), "SpinEdit35"),
    Blue(P::backcolor_blue_f, FourStageColour("ステージ4背景色"), "SpinEdit36"),
    Red(P::kaishi_red, FourStageColour("ステージ番号表示画面"), "SpinEdit47"),
    Green(P::kaishi_green, FourStageColour("ステージ番号表示画面"), "SpinEdit48"),
    Blue(P::kaishi_blue, FourStageColour("ステージ番号表示画面"), "SpinEdit49"),

    // 地図
    Edit(P::mes1_name, Map("メッセ-ジ1の人"), "名前", "Edit33"),
    Edit(P::serifu1_1, Map("メッセ-ジ1の人"), "セリフ", "Edit34"),
    Edit(P::serifu1_2, Map("メッセ-ジ1の人"), "", "Edit35"),
    Edit(P::serifu1_3, Map("メッセ-ジ1の人"), "", "Edit36"),
    Edit(P::serifu2_1, Map("メッセ-ジ1の人"), "セリフ2", "Edit37"),
    Edit(P::serifu2_2, Map("メッセ-ジ1の人"), "", "Edit38"),
    Edit(P::serifu2_3, Map("メッセ-ジ1の人"), "", "Edit39"),
    Edit(P::mes2_name, Map("メッセ-ジ2の人"), "名前", "Edit40"),
    Edit(P::serifu3_1, Map("メッセ-ジ2の人"), "セリフ", "Edit41"),
    Edit(P::serifu3_2, Map("メッセ-ジ2の人"), "", "Edit42"),
    Edit(P::serifu3_3, Map("メッセ-ジ2の人"), "", "Edit43"),
    Edit(P::serifu4_1, Map("メッセ-ジ2の人"), "セリフ2", "Edit44"),
    Edit(P::serifu4_2, Map("メッセ-ジ2の人"), "", "Edit45"),
    Edit(P::serifu4_3, Map("メッセ-ジ2の人"), "", "Edit46"),
    Edit(P::shop_name, Map("店"), "名前", "Edit47").InNewColumn(),
    Edit(P::serifu5_1, Map("店"), "セリフ", "Edit48"),
    Edit(P::serifu5_2, Map("店"), "", "Edit49"),
    Edit(P::serifu5_3, Map("店"), "", "Edit50"),
    Edit(P::serifu8_1, Map("店"), "セリフ2", "Edit51"),
    Edit(P::serifu8_2, Map("店"), "", "Edit52"),
    Edit(P::serifu8_3, Map("店"), "", "Edit53"),
    Edit(P::shop_item_name1, Map("店2"), "", "Edit54").WithHeading("アイテム名 値段"),
    Spin(P::shop_item_teika1, Map("店2"), "", "SpinEdit37").InSameRow(),
    Edit(P::shop_item_name2, Map("店2"), "", "Edit55"),
    Spin(P::shop_item_teika2, Map("店2"), "", "SpinEdit38").InSameRow(),
    Edit(P::shop_item_name3, Map("店2"), "", "Edit56"),
    Spin(P::shop_item_teika3, Map("店2"), "", "SpinEdit39").InSameRow(),
    Edit(P::shop_item_name4, Map("店2"), "", "Edit57"),
    Spin(P::shop_item_teika4, Map("店2"), "", "SpinEdit40").InSameRow(),
    Edit(P::shop_item_name5, Map("店2"), "", "Edit58"),
    Spin(P::shop_item_teika5, Map("店2"), "", "SpinEdit41").InSameRow(),
    Edit(P::shop_item_name6, Map("店2"), "", "Edit59"),
    Spin(P::shop_item_teika6, Map("店2"), "", "SpinEdit42").InSameRow(),
    Edit(P::shop_item_name7, Map("店2"), "", "Edit60"),
    Spin(P::shop_item_teika7, Map("店2"), "", "SpinEdit43").InSameRow(),
    Edit(P::shop_item_name8, Map("店2"), "", "Edit61"),
    Spin(P::shop_item_teika8, Map("店2"), "", "SpinEdit44").InSameRow(),
    Edit(P::shop_item_name9, Map("店2"), "", "Edit62"),
    Spin(P::shop_item_teika9, Map("店2"), "", "SpinEdit45").InSameRow(),

    // 地図2
    Edit(P::setumei_name, Map2("説明する人"), "名前", "Edit63"),
    Edit(P::serifu9_1, Map2("説明する人"), "セリフ", "Edit64"),
    Edit(P::serifu9_2, Map2("説明する人"), "", "Edit65"),
    Edit(P::serifu9_3, Map2("説明する人"), "", "Edit66"),
    Edit(P::setumei_menu1, Map2("説明する人"), "メニュー", "Edit67"),
    Edit(P::setumei_menu2, Map2("説明する人"), "1", "Edit68"),
    Edit(P::setumei_menu3, Map2("説明する人"), "2", "Edit69"),
    Edit(P::setumei_menu4, Map2("説明する人"), "3", "Edit70"),
    Edit(P::shop_serifu1, Map2("店3"), "", "Edit80"),
    Edit(P::shop_serifu2, Map2("店3"), "", "Edit81"),
    Edit(P::shop_serifu3, Map2("店3"), "", "Edit82"),
    Edit(P::shop_serifu4, Map2("店3"), "", "Edit83"),
    Edit(P::shop_serifu5, Map2("店3"), "", "Edit84"),
    Edit(P::shop_serifu6, Map2("店3"), "", "Edit85"),
    Edit(P::serifu10_1, Map2("メニュー１"), "", "Edit71").InNewColumn(),
    Edit(P::serifu10_2, Map2("メニュー１"), "", "Edit72"),
    Edit(P::serifu10_3, Map2("メニュー１"), "", "Edit73"),
    Edit(P::serifu11_1, Map2("メニュー２"), "", "Edit74"),
    Edit(P::serifu11_2, Map2("メニュー２"), "", "Edit75"),
    Edit(P::serifu11_3, Map2("メニュー２"), "", "Edit76"),
    Edit(P::serifu12_1, Map2("メニュー３"), "", "Edit77"),
    Edit(P::serifu12_2, Map2("メニュー３"), "", "Edit78"),
    Edit(P::serifu12_3, Map2("メニュー３"), "", "Edit79"),
    Spin(P::door_score, kMap2, "得点で開く扉に必要な得点", "SpinEdit46"),
};

constexpr ColourGroupControls kColourGroups[] = {
    {P::backcolor_red, "Shape1", "Button1"},    {P::scorecolor_red, "Shape2", "Button2"},
    {P::grenade_red1, "Shape3", "Button3"},     {P::grenade_red2, "Shape4", "Button4"},
    {P::mizunohadou_red, "Shape5", "Button5"},  {P::firebar_red1, "Shape6", "Button6"},
    {P::firebar_red2, "Shape7", "Button7"},     {P::backcolor_red_s, "Shape8", "Button8"},
    {P::backcolor_red_t, "Shape9", "Button9"},  {P::backcolor_red_f, "Shape10", "Button10"},
    {P::kaishi_red, "Shape11", "Button12"},
};

} // namespace

std::span<const char* const> SettingsPageCaptions() { return kPages; }
std::span<const SettingControl> SettingControls() { return kControls; }
std::span<const ColourGroupControls> ColourGroups() { return kColourGroups; }

} // namespace zt
