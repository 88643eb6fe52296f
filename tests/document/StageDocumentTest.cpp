#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "document/StageDocument.h"

#include <gtest/gtest.h>

#include <set>

namespace zt {
namespace {

using P = ParamId;

TEST(StageDocument, GridIsAddressedPerCurrentStage) {
  StageDocument doc;
  doc.currentStage = 2;
  doc.SetCell(179, 29, 42);
  EXPECT_EQ(doc.GetCell(179, 29), 42);
  EXPECT_EQ(doc.stages[2].at(179, 29), 42);
  doc.currentStage = 0;
  EXPECT_EQ(doc.GetCell(179, 29), 0);
}

TEST(StageDocument, UnknownCodeIsStoredAsIs) {
  StageDocument doc;
  doc.SetCell(3, 4, kUnknownTile);
  EXPECT_EQ(doc.GetCell(3, 4), 255);
  EXPECT_EQ(TileCodeToChar(doc.GetCell(3, 4)), '0');
}

TEST(StageDocument, OutOfRangeAccessIsHarmless) {
  StageDocument doc;
  doc.currentStage = 4;
  doc.SetCell(0, 0, 5);
  EXPECT_EQ(doc.GetCell(0, 0), 0);
  doc.currentStage = 0;
  for (auto [x, y] : {std::pair{-1, 0}, {180, 0}, {0, -1}, {0, 30}}) {
    doc.SetCell(x, y, 7);
    EXPECT_EQ(doc.GetCell(x, y), 0);
  }
  for (const StageGrid& grid : doc.stages) EXPECT_EQ(grid, StageGrid{});
}

TEST(StageDocument, CellWritesAreReportedToTheObserver) {
  StageDocument doc;
  int calls = 0;
  doc.onCellWritten = [&](int x, int y, TileCode code) {
    ++calls;
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 20);
    EXPECT_EQ(code, 3);
  };
  doc.SetCell(10, 20, 3);
  doc.SetCell(200, 20, 3); // outside: not written, not reported
  EXPECT_EQ(calls, 1);
}

TEST(StageDocument, SetModifiedNotifiesOnlyOnChange) {
  StageDocument doc;
  int notified = 0;
  doc.onModifiedChanged = [&] { ++notified; };
  doc.SetModified(true);
  doc.SetModified(true);
  EXPECT_EQ(notified, 1);
  EXPECT_TRUE(doc.modified());
  doc.SetModified(false);
  EXPECT_EQ(notified, 2);
}

TEST(StageDocument, ClearGridsEmptiesStagesAndWorld) {
  StageDocument doc;
  for (int s = 0; s < 4; ++s) doc.stages[s].at(s, s) = 9;
  doc.world.at(15, 10) = 3; // outside the used part, still declared
  doc.world.at(2, 2) = 4;
  doc.ClearGrids();
  for (const StageGrid& grid : doc.stages) EXPECT_EQ(grid, StageGrid{});
  EXPECT_EQ(doc.world, WorldMapGrid{});
}

TEST(StageDocument, ByteParametersKeepTheLowEightBits) {
  StageDocument doc;
  doc.SetInt(P::scroll_mode, 300);
  EXPECT_EQ(doc.Int(P::scroll_mode), 44);
  doc.SetInt(P::scroll_mode, 200);
  EXPECT_EQ(doc.Int(P::scroll_mode), -56);
  doc.SetInt(P::time_max, 300); // integer kind: unchanged
  EXPECT_EQ(doc.Int(P::time_max), 300);
  doc.SetInt(P::time_max, -2147483648LL);
  EXPECT_EQ(doc.Int(P::time_max), INT32_MIN);
}

TEST(StageDocument, StartupValuesComeFromTheControls) {
  StageDocument doc;
  EXPECT_EQ(doc.Int(P::jibun_left_shoki), 3);
  EXPECT_EQ(doc.Int(P::scorecolor_blue), 255);
  EXPECT_EQ(doc.StageBackground(0), (Rgb{0, 255, 255}));
  EXPECT_EQ(doc.Text(P::filename_pattern), "pattern.gif");
  EXPECT_EQ(doc.Text(P::hitokoto2_name), Sjis("お姫様"));
  EXPECT_EQ(doc.Text(P::mes1_name), ""); // map controls start empty
  EXPECT_EQ(doc.Int(P::door_score), 0);
  EXPECT_EQ(doc.documentName, kUntitled);
  EXPECT_FALSE(doc.loaded);
}

TEST(StageDocument, ApplyDefaultsSetsItsTableAndKeepsTheRest) {
  StageDocument doc;
  doc.SetStageBackground(1, {10, 20, 30});
  doc.SetStageBackground(0, {1, 2, 3});
  doc.SetStageBackground(3, {7, 8, 9});
  doc.SetInt(P::kaishi_green, 77);
  doc.SetText(P::filename_pattern, "mine.gif");
  doc.SetInt(P::time_max, 99);
  doc.SetText(P::serifu12_3, "x");

  doc.ApplyDefaults();

  EXPECT_EQ(doc.StageBackground(1), (Rgb{10, 20, 30}));
  EXPECT_EQ(doc.StageBackground(0), (Rgb{1, 2, 3}));
  EXPECT_EQ(doc.StageBackground(3), (Rgb{7, 8, 9}));
  EXPECT_EQ(doc.Int(P::kaishi_green), 77);
  EXPECT_EQ(doc.Text(P::filename_pattern), "mine.gif");

  EXPECT_EQ(doc.Int(P::time_max), 0);
  EXPECT_EQ(doc.Int(P::jibun_left_shoki), 4);
  EXPECT_EQ(doc.Int(P::scorecolor_blue), 0);
  EXPECT_EQ(doc.Int(P::door_score), 800);
  EXPECT_EQ(doc.Int(P::shop_item_teika8), 980);
  EXPECT_EQ(doc.Text(P::serifu12_3), Sjis("上昇できる。燃料切れには、気を付けるのじゃぞ。"));
  EXPECT_EQ(doc.Text(P::serifu1_3), "0");
  EXPECT_EQ(doc.Text(P::filename_chizu), "chizu.gif");
  EXPECT_EQ(doc.Text(P::shop_serifu6), Sjis("ＳＣＯＲＥが、足りません。"));
}

TEST(StageDocument, EveryParameterHasADefaultOrIsKeptOnPurpose) {
  // Parameters that ApplyDefaults leaves alone: the pattern image and the
  // background colours of every stage and of the stage-number screen.
  const std::set<ParamId> kept = {P::filename_pattern, P::backcolor_red,   P::backcolor_green, P::backcolor_blue,
                                  P::backcolor_red_s,  P::backcolor_green_s, P::backcolor_blue_s, P::backcolor_red_t,
                                  P::backcolor_green_t, P::backcolor_blue_t, P::backcolor_red_f,  P::backcolor_green_f,
                                  P::backcolor_blue_f, P::kaishi_red,      P::kaishi_green,    P::kaishi_blue};
  StageDocument doc;
  for (const GameParameter& p : AllParameters()) {
    if (p.kind == ParamKind::Text) doc.SetText(p.id, "\x01");
    else doc.SetInt(p.id, 111);
  }
  doc.ApplyDefaults();
  for (const GameParameter& p : AllParameters()) {
    const bool untouched = p.kind == ParamKind::Text ? doc.Text(p.id) == "\x01" : doc.Int(p.id) == 111;
    EXPECT_EQ(untouched, kept.count(p.id) == 1) << p.name;
  }
}

} // namespace
} // namespace zt
