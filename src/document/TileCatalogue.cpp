#include "document/TileCatalogue.h"

#include <array>

namespace zt {
namespace {

enum : int { kNoColour = -1 };

struct TileRow {
  std::string_view name;
  PatternCell cell;
  CellOffset offset;
  std::string_view mark;
  CountGroup group;
  int red, green, blue; // kNoColour in red: no overview colour
};

using G = CountGroup;
constexpr CellOffset kHere{0, 0};
constexpr CellOffset kLeft{-1, 0};
constexpr CellOffset kUp{0, -1};
constexpr PatternCell kPlatform{0, 608, 96, 32}; // moving platforms use a type-dependent cell instead

// Index = tile code. Names are shown in the status line and the palette.
constexpr std::array<TileRow, kLastTileCode + 1> kTiles{{
    {"空白", {0, 0, 32, 32}, kHere, "", G::None, kNoColour, 0, 0},
    {"Zarno 主人公", {0, 320, 32, 32}, kHere, "", G::None, 255, 0, 0},
    {"亀 下に床がないと向きをかえる", {0, 448, 32, 32}, kHere, "⇔", G::Enemy, 128, 0, 128},
    {"亀 下に床がないと落ちる", {0, 448, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"亀　下に床がないと落ちる 3匹連続", {0, 448, 32, 32}, kHere, "×3", G::Enemy, 128, 0, 128},
    {"ピカチー 電撃", {96, 448, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"チコリン はっぱカッター", {0, 480, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"ヒノララシ 踏めない", {64, 480, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"ポッピー 上下移動", {224, 448, 32, 32}, kHere, "↑↓", G::Enemy, 128, 0, 128},
    {"ポッピー 直進", {224, 448, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"ポッピー 直進×3", {224, 448, 32, 32}, kHere, "×3", G::Enemy, 128, 0, 128},
    {"動く床 上下移動", kPlatform, kHere, "↑↓", G::Obstacle, 128, 128, 0},
    {"動く床 左右移動", kPlatform, kHere, "⇔", G::Obstacle, 128, 128, 0},
    {"動く床 左右移動×３", kPlatform, kHere, "⇔×3", G::Obstacle, 128, 128, 0},
    {"ドッスンスン 落ちてくる", {96, 576, 96, 64}, kLeft, "", G::Obstacle, 128, 0, 128},
    {"マリリ 跳ねる", {128, 480, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"ヤチャモ 火の粉", {256, 480, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"ミズタロウ 水鉄砲", {0, 512, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"エアームズ 爆撃", {128, 512, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"グラーダ ボス 噴火", {192, 576, 64, 64}, kUp, "", G::Boss, 128, 128, 128},
    {"カイオール ボス 水の波動", {256, 576, 64, 64}, kUp, "", G::Boss, 128, 128, 128},
    {"ファイヤーバー 左回り", {0, 160, 32, 32}, kHere, "左", G::Obstacle, 128, 0, 128},
    {"ファイヤーバー 右回り", {0, 160, 32, 32}, kHere, "右", G::Obstacle, 128, 0, 128},
    {"タイキング 左右移動 水中専用", {192, 512, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"クラゲッ・バブル光線 水中専用", {224, 512, 32, 32}, kHere, "", G::Enemy, 128, 0, 128},
    {"水草 ただの背景", {192, 224, 64, 64}, kHere, "", G::Obstacle, kNoColour, 0, 0},
    {"センクウザ ボス グレネード", {256, 736, 64, 64}, kUp, "", G::Boss, 128, 128, 128},
    {"ブロック１", {0, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"ブロック２", {32, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"ブロック３", {64, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"ブロック４", {96, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"ブロック５", {128, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"ブロック６", {160, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"ブロック７", {192, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"ブロック８", {224, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"ブロック９", {256, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"ブロック１０", {288, 64, 32, 32}, kHere, "", G::None, 0, 128, 0},
    {"？ブロック コイン１枚", {0, 288, 32, 32}, kHere, "？", G::Item, 255, 0, 255},
    {"？ブロック コイン３枚", {0, 288, 32, 32}, kHere, "？×3", G::Item, 255, 0, 255},
    {"？ブロック ファイヤーボール", {64, 128, 32, 32}, kHere, "", G::Item, 255, 0, 255},
    {"？ブロック バリア", {96, 128, 32, 32}, kHere, "", G::Item, 255, 0, 255},
    {"？ブロック タイム", {128, 128, 32, 32}, kHere, "", G::Item, 255, 0, 255},
    {"？ブロック ジェット", {160, 128, 32, 32}, kHere, "", G::Item, 255, 0, 255},
    {"？ブロック ヘルメット", {192, 128, 32, 32}, kHere, "", G::Item, 255, 0, 255},
    {"？ブロック しっぽ", {224, 128, 32, 32}, kHere, "", G::Item, 255, 0, 255},
    {"？ブロック ドリル", {256, 128, 32, 32}, kHere, "", G::Item, 255, 0, 255},
    {"？ブロック グレネード", {288, 128, 32, 32}, kHere, "", G::Item, 255, 0, 255},
    {"リンク土管 1 他のwebページに移動", {0, 192, 64, 32}, kHere, "1", G::Obstacle, 0, 255, 255},
    {"リンク土管 2 他のwebページに移動", {64, 192, 64, 32}, kHere, "2", G::Obstacle, 0, 255, 255},
    {"リンク土管 3 他のwebページに移動", {128, 192, 64, 32}, kHere, "3", G::Obstacle, 0, 255, 255},
    {"リンク土管 4 他のwebページに移動", {192, 192, 64, 32}, kHere, "4", G::Obstacle, 0, 255, 255},
    {"？ブロック 1UP 1ステージ版では効果なし", {288, 160, 32, 32}, kHere, "", G::None, 255, 0, 255},
    {"すべる床", {288, 192, 32, 32}, kHere, "", G::None, 1, 1, 1},
    {"雲の左側 背景", {32, 0, 32, 32}, kHere, "", G::None, kNoColour, 0, 0},
    {"雲の右側 背景", {64, 0, 32, 32}, kHere, "", G::None, kNoColour, 0, 0},
    {"草 背景", {96, 0, 32, 32}, kHere, "", G::None, kNoColour, 0, 0},
    {"水中 左に敵やコインを設置するとそこも水中になる", {128, 0, 32, 32}, kHere, "", G::None, 0, 0, 255},
    {"上向きのトゲ", {160, 0, 32, 32}, kHere, "", G::None, 128, 0, 0},
    {"下向きのトゲ", {192, 0, 32, 32}, kHere, "", G::None, 128, 0, 0},
    {"ろうそく 背景", {192, 288, 32, 32}, kHere, "", G::None, kNoColour, 0, 0},
    {"星 これをとるとクリア", {128, 288, 32, 32}, kHere, "", G::None, 255, 0, 0},
    {"コイン", {0, 288, 32, 32}, kHere, "", G::None, 200, 200, 0},
    {"一言メッセージ1", {192, 96, 32, 32}, kHere, "", G::None, 0, 255, 0},
    {"一言メッセージ2", {224, 96, 32, 32}, kHere, "", G::None, 0, 255, 0},
    {"一言メッセージ3", {256, 96, 32, 32}, kHere, "", G::None, 0, 255, 0},
    {"一言メッセージ4", {288, 96, 32, 32}, kHere, "", G::None, 0, 255, 0},
}};

// Pattern cell of a moving platform by its type 1..7.
constexpr std::array<PatternCell, 7> kPlatformByType{{
    {0, 608, 96, 32}, // 1 moves
    {0, 576, 96, 32}, // 2 falls when stepped on
    {0, 576, 96, 32}, // 3 falls after a while
    {0, 608, 96, 32}, // 4 turns left
    {0, 608, 96, 32}, // 5 turns right
    {256, 576, 64, 64}, // 6 rideable boss
    {64, 96, 32, 32},   // 7 jump pad
}};

constexpr TileCode kFirstPlatform = 11;
constexpr TileCode kLastPlatform = 13;

struct WorldRow {
  std::string_view entry;
  int x, y; // -1: not drawn
};

constexpr std::array<WorldRow, kLastWorldCode + 1> kWorld{{
    {"  .  空白", -1, -1},
    {"  A  自分", 0, 320},
    {"  B  メッセージの人１", 192, 672},
    {"  C  メッセージの人２", 224, 672},
    {"  D  店", 256, 672},
    {"  E  説明する人", 288, 672},
    {"  a  ステージ１", 96, 704},
    {"  b  ステージ２", 128, 704},
    {"  c  ステージ３", 160, 704},
    {"  d  ラストステージ", 192, 704},
    {"  e  人面星１つで開く扉", 96, 672},
    {"  f  人面星２つで開く扉", 128, 672},
    {"  g  人面星３つで開く扉", 160, 672},
    {"  h  得点で開く扉", 64, 672},
    {"  i  リンク土管１", 192, 640},
    {"  j  リンク土管２", 224, 640},
    {"  k  リンク土管３", 256, 640},
    {"  l  リンク土管４", 288, 640},
    {"  1  中継地点", 0, 704},
    {"  2  縦の道", 32, 704},
    {"  3  横の道", 64, 704},
}};

bool IsTile(TileCode code) { return code <= kLastTileCode; }

} // namespace

std::string_view TileName(TileCode code) { return IsTile(code) ? kTiles[code].name : "Unknown"; }

PatternCell TilePatternCell(TileCode code, const PlatformLook& platforms) {
  if (!IsTile(code)) return {};
  if (code >= kFirstPlatform && code <= kLastPlatform && platforms.followTypes) {
    const int type = platforms.types[code - kFirstPlatform];
    // A type the game does not know (a hand-written page may hold one) is
    // shown as the plain moving platform.
    if (type >= 1 && type <= static_cast<int>(kPlatformByType.size())) return kPlatformByType[type - 1];
  }
  return kTiles[code].cell;
}

CellOffset TileDrawOffset(TileCode code) { return IsTile(code) ? kTiles[code].offset : kHere; }

std::string_view TileMark(TileCode code) { return IsTile(code) ? kTiles[code].mark : ""; }

CountGroup TileCountGroup(TileCode code) { return IsTile(code) ? kTiles[code].group : G::None; }

std::optional<Rgb> TileOverviewColour(TileCode code) {
  if (!IsTile(code)) return Rgb{58, 58, 58};
  const TileRow& row = kTiles[code];
  if (row.red == kNoColour) return std::nullopt;
  return Rgb{row.red, row.green, row.blue};
}

std::string_view WorldListEntry(WorldCode code) { return code <= kLastWorldCode ? kWorld[code].entry : ""; }

std::optional<PatternCell> WorldPatternCell(WorldCode code) {
  if (code > kLastWorldCode || kWorld[code].x < 0) return std::nullopt;
  return PatternCell{kWorld[code].x, kWorld[code].y, 32, 32};
}

} // namespace zt
