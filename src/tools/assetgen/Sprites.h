#pragma once
// The drawings of the pattern image. Each one draws into a transparent
// picture of its pattern cell's size (32 x 32 unless noted).

#include "PixelPainter.h"

namespace zt::art {

// Terrain and background tiles.
void DrawCloudPair(PixelPainter& p); // 64 x 32: left and right half of one cloud
void DrawGrass(PixelPainter& p);
void DrawWater(PixelPainter& p);
void DrawSpikes(PixelPainter& p, bool pointingUp);
void DrawBlock(PixelPainter& p, int number); // the ten plain blocks, 1..10
void DrawSlipperyFloor(PixelPainter& p);
void DrawWaterPlant(PixelPainter& p);      // 64 x 64
void DrawMovingPlatform(PixelPainter& p);  // 96 x 32
void DrawFallingPlatform(PixelPainter& p); // 96 x 32
void DrawJumpPad(PixelPainter& p);

// Items and things to touch.
enum class Item { Fireball, Barrier, Time, Jet, Helmet, Tail, Drill, Grenade };
void DrawCoin(PixelPainter& p);
void DrawItemBlock(PixelPainter& p, Item item);
void DrawOneUpBlock(PixelPainter& p);
void DrawFireBar(PixelPainter& p);
void DrawLinkPipe(PixelPainter& p, int number); // 64 x 32, 1..4
void DrawMessageSign(PixelPainter& p, int number);
void DrawStar(PixelPainter& p);
void DrawCandle(PixelPainter& p);

// The hero and the enemies.
void DrawHero(PixelPainter& p);
void DrawTurtle(PixelPainter& p);
void DrawElectricMouse(PixelPainter& p);
void DrawFlyer(PixelPainter& p);
void DrawLeafSprout(PixelPainter& p);
void DrawFireHedgehog(PixelPainter& p);
void DrawBouncer(PixelPainter& p);
void DrawFireChick(PixelPainter& p);
void DrawWaterSquirter(PixelPainter& p);
void DrawBomber(PixelPainter& p);
void DrawKingFish(PixelPainter& p);
void DrawJellyfish(PixelPainter& p);

// The large ones.
void DrawFallingBlock(PixelPainter& p); // 96 x 64
void DrawVolcanoBoss(PixelPainter& p);  // 64 x 64
void DrawWaterBoss(PixelPainter& p);    // 64 x 64
void DrawSkyBoss(PixelPainter& p);      // 64 x 64

// World-map pictures.
enum class Door { Score, OneStar, TwoStars, ThreeStars };
void DrawRelayPoint(PixelPainter& p);
void DrawRoad(PixelPainter& p, bool vertical);
void DrawStageMarker(PixelPainter& p, int number); // 1..3
void DrawCastle(PixelPainter& p);
void DrawDoor(PixelPainter& p, Door door);
void DrawVillager(PixelPainter& p, int number); // 1..2
void DrawShop(PixelPainter& p);
void DrawGuide(PixelPainter& p);
void DrawWorldPipe(PixelPainter& p, int number); // 1..4

} // namespace zt::art
