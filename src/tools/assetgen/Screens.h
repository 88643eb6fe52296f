#pragma once
// The game's full-screen pictures, 512 x 320, Format_RGB32.

#include <QImage>

namespace zt::art {

QImage DrawTitleScreen();
QImage DrawEndingScreen();
QImage DrawGameOverScreen();
// The world map's landscape; roads along the 32-pixel grid.
QImage DrawWorldMapBackground();

} // namespace zt::art
