#include "document/ParameterCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace zt {
namespace {

using P = ParamId;

TEST(ParameterCatalogue, IdentifiersIndexTheTable) {
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < AllParameters().size(); ++i) {
    const GameParameter& p = AllParameters()[i];
    EXPECT_EQ(static_cast<std::size_t>(p.id), i);
    EXPECT_TRUE(names.insert(p.name).second) << p.name;
    EXPECT_EQ(FindParameter(p.name), p.id);
  }
  EXPECT_FALSE(FindParameter("stage_select")); // fixed text, not stored
  EXPECT_FALSE(FindParameter("map0-0"));
}

TEST(ParameterCatalogue, KindsAndTypes) {
  EXPECT_EQ(Parameter(P::hitokoto1_1).name, "hitokoto1-1");
  EXPECT_EQ(Parameter(P::scroll_mode_s).kind, ParamKind::Byte);
  EXPECT_EQ(Parameter(P::dokan_mode).kind, ParamKind::Byte);
  EXPECT_EQ(Parameter(P::stage_kaishi).kind, ParamKind::Integer);
  EXPECT_EQ(Parameter(P::url3).kind, ParamKind::Text);
  EXPECT_EQ(Parameter(P::stage_max).pageTypes, kFour);
  EXPECT_EQ(Parameter(P::kaishi_blue).pageTypes, kFour);
  EXPECT_EQ(Parameter(P::jibun_left_shoki).pageTypes, kFourMap);
  EXPECT_EQ(Parameter(P::filename_chizu).pageTypes, kAllTypes);
  EXPECT_EQ(Parameter(P::door_score).pageTypes, kMap);
}

TEST(ParameterCatalogue, FileOrdersCoverTheirGroupsOnce) {
  std::set<ParamId> common(CommonGroupOrder().begin(), CommonGroupOrder().end());
  std::set<ParamId> map(MapGroupOrder().begin(), MapGroupOrder().end());
  EXPECT_EQ(common.size(), CommonGroupOrder().size());
  EXPECT_EQ(map.size(), MapGroupOrder().size());
  for (const GameParameter& p : AllParameters()) {
    EXPECT_EQ(common.count(p.id), p.group == ParamGroup::Common ? 1u : 0u) << p.name;
    EXPECT_EQ(map.count(p.id), p.group == ParamGroup::Map ? 1u : 0u) << p.name;
  }
  EXPECT_EQ(CommonGroupOrder().back(), P::game_speed);
  EXPECT_EQ(MapGroupOrder().back(), P::door_score);
}

TEST(ParameterCatalogue, StageBackgrounds) {
  EXPECT_EQ(StageBackgroundParams(0).red, P::backcolor_red);
  EXPECT_EQ(StageBackgroundParams(1).green, P::backcolor_green_s);
  EXPECT_EQ(StageBackgroundParams(2).blue, P::backcolor_blue_t);
  EXPECT_EQ(StageBackgroundParams(3).red, P::backcolor_red_f);
}

} // namespace
} // namespace zt
