#include "document/StageDocument.h"

#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"

#include <initializer_list>
#include <string_view>

namespace zt {
namespace {

using P = ParamId;

struct NumberDefault {
  ParamId id;
  std::int32_t value;
};
struct TextDefault {
  ParamId id;
  std::string_view value; // UTF-8
};

// Values of a new document. Parameters not listed keep what they had.
constexpr NumberDefault kNumberDefaults[] = {
    {P::time_max, 0},          {P::scroll_mode, 1},       {P::score_v, 1},          {P::j_tail_type, 1},
    {P::j_tail_hf, 1},         {P::j_fire_mkf, 1},        {P::grenade_type, 1},     {P::suberuyuka_hkf, 1},
    {P::dengeki_mkf, 1},       {P::yachamo_kf, 1},        {P::airms_kf, 1},         {P::ugokuyuka1_type, 1},
    {P::ugokuyuka2_type, 1},   {P::ugokuyuka3_type, 1},   {P::boss_type, 1},        {P::boss2_type, 1},
    {P::boss3_type, 1},        {P::dokan_mode, 1},        {P::scorecolor_red, 0},   {P::scorecolor_green, 0},
    {P::scorecolor_blue, 0},   {P::grenade_red1, 255},    {P::grenade_green1, 255}, {P::grenade_blue1, 255},
    {P::grenade_red2, 255},    {P::grenade_green2, 255},  {P::grenade_blue2, 0},    {P::mizunohadou_red, 0},
    {P::mizunohadou_green, 32}, {P::mizunohadou_blue, 255}, {P::firebar_red1, 255}, {P::firebar_green1, 0},
    {P::firebar_blue1, 0},     {P::firebar_red2, 255},    {P::firebar_green2, 192}, {P::firebar_blue2, 0},
    {P::moji_size, 14},        {P::game_speed, 70},       {P::scroll_mode_s, 1},    {P::scroll_mode_t, 1},
    {P::scroll_mode_f, 1},     {P::stage_max, 4},         {P::stage_kaishi, 1},     {P::jibun_left_shoki, 4},
    {P::score_1up_1, 500},     {P::score_1up_2, 1000},    {P::shop_item_teika1, 200}, {P::shop_item_teika2, 150},
    {P::shop_item_teika3, 100}, {P::shop_item_teika4, 100}, {P::shop_item_teika5, 250}, {P::shop_item_teika6, 80},
    {P::shop_item_teika7, 300}, {P::shop_item_teika8, 980}, {P::shop_item_teika9, 1}, {P::door_score, 800},
};

constexpr TextDefault kTextDefaults[] = {
    {P::url1, "http://"},
    {P::url2, "http://"},
    {P::url3, "http://"},
    {P::url4, "http://"},
    {P::hitokoto1_name, "浩二"},
    {P::hitokoto1_1, "0"},
    {P::hitokoto1_2, "0"},
    {P::hitokoto1_3, "0"},
    {P::hitokoto2_name, "お姫様"},
    {P::hitokoto2_1, "0"},
    {P::hitokoto2_2, "0"},
    {P::hitokoto2_3, "0"},
    {P::hitokoto3_name, "ザトシ"},
    {P::hitokoto3_1, "0"},
    {P::hitokoto3_2, "0"},
    {P::hitokoto3_3, "0"},
    {P::hitokoto4_name, "クリス"},
    {P::hitokoto4_1, "0"},
    {P::hitokoto4_2, "0"},
    {P::hitokoto4_3, "0"},
    {P::moji_score, "SCORE"},
    {P::moji_highscore, "HIGHSCORE"},
    {P::moji_time, "TIME"},
    {P::moji_jet, "JET"},
    {P::moji_grenade, "GRENADE"},
    {P::moji_left, "LEFT"},
    {P::filename_title, "title.gif"},
    {P::filename_ending, "ending.gif"},
    {P::filename_gameover, "gameover.gif"},
    {P::filename_chizu, "chizu.gif"},
    {P::mes1_name, "ダケシ"},
    {P::serifu1_1, "人の命は、お金では買えないと言われています。"},
    {P::serifu1_2, "しかし、お店へ行けば、ＳＣＯＲＥで買えます。"},
    {P::serifu1_3, "0"},
    {P::serifu2_1, "時は金なりと、言われています。しかし、"},
    {P::serifu2_2, "お店なら、時間も買えます。"},
    {P::serifu2_3, "店員さんて、グレートですね。"},
    {P::mes2_name, "エリコ"},
    {P::serifu3_1, "おはようございます。星と数字が付いた扉が、"},
    {P::serifu3_2, "ありますよね。あれは、ですねえ、その数だけ"},
    {P::serifu3_3, "人面星を取ると、開くので、ございます。"},
    {P::serifu4_1, "ＬＡＳＴ ＳＴＡＧＥというのは、最終面の事ですわ。"},
    {P::serifu4_2, "これをクリアーすると、エンディングに、"},
    {P::serifu4_3, "行けますのよ。がんばって下さいね。"},
    {P::shop_name, "店員さん"},
    {P::serifu5_1, "いらっしゃいませ。"},
    {P::serifu5_2, "当店では、ＳＣＯＲＥと、アイテムを、"},
    {P::serifu5_3, "交換いたします。"},
    {P::serifu8_1, "本日の営業は、終了いたしました。"},
    {P::serifu8_2, "またのご来店を、"},
    {P::serifu8_3, "こころより、お待ちしております。"},
    {P::shop_serifu1, "どれになさいますか？"},
    {P::shop_serifu2, "で、よろしいですか？"},
    {P::shop_serifu3, "はい"},
    {P::shop_serifu4, "いいえ"},
    {P::shop_serifu5, "を、装備した。"},
    {P::shop_serifu6, "ＳＣＯＲＥが、足りません。"},
    {P::shop_item_name1, "グレネード３発"},
    {P::shop_item_name2, "ジェット"},
    {P::shop_item_name3, "ドリル"},
    {P::shop_item_name4, "ヘルメット"},
    {P::shop_item_name5, "しっぽ"},
    {P::shop_item_name6, "バリア"},
    {P::shop_item_name7, "ファイヤーボール"},
    {P::shop_item_name8, "１ｕｐ"},
    {P::shop_item_name9, "制限時間増加"},
    {P::setumei_name, "キドはかせ"},
    {P::serifu9_1, "よく来た。わしは、キドはかせ。"},
    {P::serifu9_2, "アイテムの研究をしており、みんなから、"},
    {P::serifu9_3, "アイテムはかせと呼ばれて、したわれておるよ。"},
    {P::setumei_menu1, "なんでも、質問してくれたまえよ。"},
    {P::setumei_menu2, "ファイヤーボール"},
    {P::setumei_menu3, "バリア"},
    {P::setumei_menu4, "ジェット"},
    {P::serifu10_1, "黄色いチューリップのアイテムと言えば、"},
    {P::serifu10_2, "そう、ファイヤーボールじゃな。はなれた"},
    {P::serifu10_3, "敵を攻撃できるという、大変便利なものじゃ。"},
    {P::serifu11_1, "ピンクのキノコのアイテムと言えば、そう、"},
    {P::serifu11_2, "バリアじゃな。体当たりで敵を倒せるが、うっかり"},
    {P::serifu11_3, "して、時間切れを忘れぬよう、注意が必要じゃ。"},
    {P::serifu12_1, "ロケットの形のアイテムと言えば、そう、ジェット"},
    {P::serifu12_2, "じゃな。空中で、スペースキーを押せば、さらに"},
    {P::serifu12_3, "上昇できる。燃料切れには、気を付けるのじゃぞ。"},
};

} // namespace

StageDocument::StageDocument() { ApplyStartupValues(); }

TileCode StageDocument::GetCell(int x, int y) const {
  if (currentStage < 0 || currentStage >= kStageCount || !InStage(x, y)) return 0;
  return stages[static_cast<std::size_t>(currentStage)].at(x, y);
}

void StageDocument::SetCell(int x, int y, TileCode code) {
  if (currentStage < 0 || currentStage >= kStageCount || !InStage(x, y)) return;
  stages[static_cast<std::size_t>(currentStage)].at(x, y) = code;
  if (onCellWritten) onCellWritten(x, y, code);
}

void StageDocument::SetModified(bool flag) {
  if (flag == modified_) return;
  modified_ = flag;
  if (onModifiedChanged) onModifiedChanged();
}

void StageDocument::ClearGrids() {
  for (StageGrid& grid : stages) grid.Fill(0);
  world.Fill(0);
}

void StageDocument::ApplyDefaults() {
  for (const NumberDefault& d : kNumberDefaults) SetInt(d.id, d.value);
  for (const TextDefault& d : kTextDefaults) SetText(d.id, Sjis(d.value));
}

void StageDocument::ApplyStartupValues() {
  for (const GameParameter& p : AllParameters()) {
    if (p.kind == ParamKind::Text) SetText(p.id, Sjis(p.startupText));
    else SetInt(p.id, p.startupNumber);
  }
}

void StageDocument::SetInt(ParamId id, std::int64_t number) {
  if (Parameter(id).kind == ParamKind::Byte) value(id).number = static_cast<std::int8_t>(number & 0xFF);
  else value(id).number = static_cast<std::int32_t>(number);
}

Rgb StageDocument::StageBackground(int stage) const {
  const ColourParams p = StageBackgroundParams(stage);
  return {Int(p.red), Int(p.green), Int(p.blue)};
}

void StageDocument::SetStageBackground(int stage, Rgb colour) {
  const ColourParams p = StageBackgroundParams(stage);
  SetInt(p.red, colour.red);
  SetInt(p.green, colour.green);
  SetInt(p.blue, colour.blue);
}

PlatformLook StageDocument::Platforms(bool followTypes) const {
  return {{Int(ParamId::ugokuyuka1_type), Int(ParamId::ugokuyuka2_type), Int(ParamId::ugokuyuka3_type)},
          followTypes};
}

} // namespace zt
