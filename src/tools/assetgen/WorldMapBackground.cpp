// The world map's landscape: meadows, mountains, a river, the sea and sandy
// roads along the 32-pixel grid of the map cells.

#include "Screens.h"

#include "Colours.h"
#include "ScreenPainting.h"

#include <QRect>

#include <algorithm>
#include <cstdlib>

namespace zt::art {
namespace {

const QColor kMeadow{120, 200, 88};
const QColor kMeadowLight{136, 212, 100};

void Meadow(PixelPainter& p) {
  for (int y = 0; y < kScreenHeight; y += 16)
    for (int x = 0; x < kScreenWidth; x += 16) p.Fill(x, y, 16, 16, (x / 16 + y / 16) % 2 ? kMeadow : kMeadowLight);
}

void Sea(PixelPainter& p) {
  for (int y = 0; y < kScreenHeight; ++y) {
    const int shore = 452 + (y / 8) % 3 * 4;
    p.Fill(shore - 8, y, 8, 1, kSand);
    p.Fill(shore, y, kScreenWidth - shore, 1, kWater);
  }
  for (int y = 12; y < kScreenHeight; y += 24)
    for (int x = 470 + (y / 24) % 2 * 12; x < kScreenWidth - 6; x += 24) p.Fill(x, y, 8, 2, kWaterLight);
}

void Mountain(PixelPainter& p, int x, int baseY, int width, int height) {
  p.Polygon({QPoint(x, baseY), QPoint(x + width / 2, baseY - height), QPoint(x + width, baseY)}, kGrey);
  p.Polygon({QPoint(x + width / 2, baseY - height), QPoint(x + width, baseY), QPoint(x + width / 2, baseY)}, kGreyDark);
  p.Polygon({QPoint(x + width / 2 - width / 8, baseY - height + height / 4), QPoint(x + width / 2, baseY - height),
             QPoint(x + width / 2 + width / 8, baseY - height + height / 4)},
            kWhite);
}

void Tree(PixelPainter& p, int x, int y) {
  p.Fill(x + 6, y + 12, 4, 6, kBrown);
  p.Ellipse(x, y, 16, 14, kGreenDark);
  p.Ellipse(x + 3, y + 2, 7, 5, kGreen);
}

void River(PixelPainter& p) {
  const QPoint bends[] = {{230, -4}, {240, 40}, {214, 100}, {236, 150}, {300, 190}, {340, 250}, {420, 270}, {470, 276}};
  for (std::size_t i = 0; i + 1 < std::size(bends); ++i) {
    p.Line(bends[i].x(), bends[i].y(), bends[i + 1].x(), bends[i + 1].y(), kWaterLight, 22);
  }
  for (std::size_t i = 0; i + 1 < std::size(bends); ++i) {
    p.Line(bends[i].x(), bends[i].y(), bends[i + 1].x(), bends[i + 1].y(), kWater, 16);
  }
}

// A road from cell to cell through the cells' centres, in map cells.
struct Road {
  int fromColumn, fromRow, toColumn, toRow;
  QRect Area(int margin) const {
    const int x = std::min(fromColumn, toColumn) * 32 + 9, y = std::min(fromRow, toRow) * 32 + 9;
    const int w = std::abs(toColumn - fromColumn) * 32 + 14, h = std::abs(toRow - fromRow) * 32 + 14;
    return QRect(x - margin, y - margin, w + 2 * margin, h + 2 * margin);
  }
  bool horizontal() const { return fromRow == toRow; }
};

bool IsWater(QRgb pixel) { return pixel == kWater.rgb() || pixel == kWaterLight.rgb(); }

// Sand on land, wooden planks where a road crosses water. Edges first, so
// that crossing roads join without a seam.
void PaintRoads(QImage& canvas, std::initializer_list<Road> roads) {
  const QImage land = canvas.copy();
  PixelPainter p(canvas);
  for (const int margin : {1, 0}) {
    for (const Road& road : roads) {
      const QRect area = road.Area(margin);
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
          if (!land.rect().contains(x, y)) continue;
          const bool edge = margin == 1;
          const int along = road.horizontal() ? x : y;
          const QColor colour = IsWater(land.pixel(x, y)) ? (edge ? kBrownDark : along % 6 == 0 ? kBrown : kBrownLight)
                                                          : (edge ? kSandDark : kSand);
          p.Dot(x, y, colour);
        }
    }
  }
}

} // namespace

QImage DrawWorldMapBackground() {
  QImage canvas = Transparent(kScreenWidth, kScreenHeight);
  PixelPainter p(canvas);
  Meadow(p);
  Sea(p);
  Mountain(p, 8, 70, 90, 60);
  Mountain(p, 70, 80, 110, 74);
  Mountain(p, 150, 64, 70, 44);
  River(p);

  PaintRoads(canvas, {{1, 3, 6, 3}, {6, 3, 6, 6}, {6, 6, 12, 6}, {12, 2, 12, 6}, {9, 2, 12, 2}, {2, 3, 2, 7}, {2, 7, 6, 7}});

  for (const QPoint tree : {QPoint(20, 150), QPoint(40, 168), QPoint(10, 190), QPoint(110, 150), QPoint(130, 170),
                            QPoint(300, 40), QPoint(320, 60), QPoint(344, 34), QPoint(280, 120), QPoint(160, 260),
                            QPoint(180, 280), QPoint(100, 270), QPoint(420, 120), QPoint(400, 40), QPoint(330, 280)})
    Tree(p, tree.x(), tree.y());
  for (const QPoint flower : {QPoint(60, 120), QPoint(150, 130), QPoint(176, 230), QPoint(260, 250), QPoint(350, 150),
                              QPoint(440, 170), QPoint(90, 296), QPoint(300, 300), QPoint(40, 300), QPoint(420, 300)}) {
    p.Fill(flower.x(), flower.y(), 2, 2, kRed);
    p.Fill(flower.x() + 5, flower.y() + 3, 2, 2, kYellow);
    p.Fill(flower.x() + 2, flower.y() + 6, 2, 2, kWhite);
  }
  return canvas.convertToFormat(QImage::Format_RGB32);
}

} // namespace zt::art
