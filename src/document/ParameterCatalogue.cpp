#include "document/ParameterCatalogue.h"

#include <algorithm>
#include <array>

namespace zt {
namespace {

constexpr ParamKind T = ParamKind::Text;
constexpr ParamKind I = ParamKind::Integer;
constexpr ParamKind B = ParamKind::Byte;
constexpr ParamGroup Common = ParamGroup::Common;
constexpr ParamGroup FourStage = ParamGroup::FourStage;
constexpr ParamGroup Map = ParamGroup::Map;

constexpr std::array<GameParameter, kParamCount> kParameters{{
#define ZT_PARAM(id, name, kind, group, types, number, text) {ParamId::id, name, kind, group, types, number, text},
#include "document/ParameterList.def"
#undef ZT_PARAM
}};

using P = ParamId;

constexpr std::array kMapGroupOrder{
    P::mes1_name,        P::serifu1_1,        P::serifu1_2,        P::serifu1_3,        P::serifu2_1,
    P::serifu2_2,        P::serifu2_3,        P::mes2_name,        P::serifu3_1,        P::serifu3_2,
    P::serifu3_3,        P::serifu4_1,        P::serifu4_2,        P::serifu4_3,        P::shop_name,
    P::serifu5_1,        P::serifu5_2,        P::serifu5_3,        P::serifu8_1,        P::serifu8_2,
    P::serifu8_3,        P::shop_serifu1,     P::shop_serifu2,     P::shop_serifu3,     P::shop_serifu4,
    P::shop_serifu5,     P::shop_serifu6,     P::shop_item_name1,  P::shop_item_name2,  P::shop_item_name3,
    P::shop_item_name4,  P::shop_item_name5,  P::shop_item_name6,  P::shop_item_name7,  P::shop_item_name8,
    P::shop_item_name9,  P::shop_item_teika1, P::shop_item_teika2, P::shop_item_teika3, P::shop_item_teika4,
    P::shop_item_teika5, P::shop_item_teika6, P::shop_item_teika7, P::shop_item_teika8, P::shop_item_teika9,
    P::setumei_name,     P::serifu9_1,        P::serifu9_2,        P::serifu9_3,        P::setumei_menu1,
    P::setumei_menu2,    P::setumei_menu3,    P::setumei_menu4,    P::serifu10_1,       P::serifu10_2,
    P::serifu10_3,       P::serifu11_1,       P::serifu11_2,       P::serifu11_3,       P::serifu12_1,
    P::serifu12_2,       P::serifu12_3,       P::door_score,
};
static_assert(kMapGroupOrder.size() == 63);

constexpr std::array kCommonGroupOrder{
    P::time_max,          P::scroll_mode,       P::score_v,          P::j_tail_type,     P::j_tail_hf,
    P::j_fire_mkf,        P::grenade_type,      P::suberuyuka_hkf,   P::dengeki_mkf,     P::yachamo_kf,
    P::airms_kf,          P::ugokuyuka1_type,   P::ugokuyuka2_type,  P::ugokuyuka3_type, P::boss_type,
    P::boss2_type,        P::boss3_type,        P::url1,             P::url2,            P::url3,
    P::url4,              P::dokan_mode,        P::hitokoto1_name,   P::hitokoto1_1,     P::hitokoto1_2,
    P::hitokoto1_3,       P::hitokoto2_name,    P::hitokoto2_1,      P::hitokoto2_2,     P::hitokoto2_3,
    P::hitokoto3_name,    P::hitokoto3_1,       P::hitokoto3_2,      P::hitokoto3_3,     P::hitokoto4_name,
    P::hitokoto4_1,       P::hitokoto4_2,       P::hitokoto4_3,      P::backcolor_red,   P::backcolor_green,
    P::backcolor_blue,    P::scorecolor_red,    P::scorecolor_green, P::scorecolor_blue, P::grenade_red1,
    P::grenade_green1,    P::grenade_blue1,     P::grenade_red2,     P::grenade_green2,  P::grenade_blue2,
    P::mizunohadou_red,   P::mizunohadou_green, P::mizunohadou_blue, P::firebar_red1,    P::firebar_green1,
    P::firebar_blue1,     P::firebar_red2,      P::firebar_green2,   P::firebar_blue2,   P::moji_score,
    P::moji_highscore,    P::moji_time,         P::moji_jet,         P::moji_grenade,    P::moji_left,
    P::moji_size,         P::filename_title,    P::filename_ending,  P::filename_gameover, P::filename_pattern,
    P::filename_chizu,    P::game_speed,
};
static_assert(kCommonGroupOrder.size() == 72);

constexpr std::array kStageBackgroundOrder{
    P::backcolor_red_s, P::backcolor_green_s, P::backcolor_blue_s, P::backcolor_red_t, P::backcolor_green_t,
    P::backcolor_blue_t, P::backcolor_red_f, P::backcolor_green_f, P::backcolor_blue_f,
};

} // namespace

std::span<const GameParameter> AllParameters() { return kParameters; }

const GameParameter& Parameter(ParamId id) { return kParameters[static_cast<std::size_t>(id)]; }

std::optional<ParamId> FindParameter(std::string_view name) {
  const auto it = std::find_if(kParameters.begin(), kParameters.end(),
                               [name](const GameParameter& p) { return p.name == name; });
  if (it == kParameters.end()) return std::nullopt;
  return it->id;
}

std::span<const ParamId> MapGroupOrder() { return kMapGroupOrder; }
std::span<const ParamId> CommonGroupOrder() { return kCommonGroupOrder; }
std::span<const ParamId> StageBackgroundOrder() { return kStageBackgroundOrder; }

ColourParams StageBackgroundParams(int stage) {
  if (stage <= 0 || stage > 3) return {P::backcolor_red, P::backcolor_green, P::backcolor_blue};
  const auto base = static_cast<std::size_t>(stage - 1) * 3;
  return {kStageBackgroundOrder[base], kStageBackgroundOrder[base + 1], kStageBackgroundOrder[base + 2]};
}

} // namespace zt
