#include "app/window/CommandIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zt {
namespace {

using Draw = void (*)(QPainter&);

void Page(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygon({{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}}));
  p.drawLine(10, 1, 10, 4);
  p.drawLine(10, 4, 13, 4);
}
void Folder(QPainter& p) {
  p.setBrush(QColor(240, 200, 80));
  p.drawPolygon(QPolygon({{1, 4}, {6, 4}, {7, 5}, {14, 5}, {14, 13}, {1, 13}}));
}
void Disk(QPainter& p) {
  p.setBrush(QColor(60, 90, 170));
  p.drawRect(2, 2, 12, 12);
  p.setBrush(Qt::white);
  p.drawRect(5, 2, 6, 4);
  p.drawRect(4, 9, 8, 5);
}
void Arrow(QPainter& p, bool down) {
  p.setBrush(QColor(40, 140, 60));
  const QPolygon arrow = down ? QPolygon({{5, 1}, {10, 1}, {10, 7}, {13, 7}, {7, 13}, {2, 7}, {5, 7}})
                              : QPolygon({{7, 1}, {13, 7}, {10, 7}, {10, 13}, {5, 13}, {5, 7}, {2, 7}});
  p.drawPolygon(arrow);
}
void Globe(QPainter& p) {
  p.setBrush(QColor(120, 180, 240));
  p.drawEllipse(2, 2, 12, 12);
  p.drawLine(2, 8, 14, 8);
  p.drawEllipse(5, 2, 6, 12);
}
void Scissors(QPainter& p) {
  p.drawEllipse(2, 10, 4, 4);
  p.drawEllipse(10, 10, 4, 4);
  p.drawLine(5, 10, 11, 2);
  p.drawLine(11, 10, 5, 2);
}
void TwoPages(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(2, 2, 8, 9);
  p.drawRect(6, 5, 8, 9);
}
void Clipboard(QPainter& p) {
  p.setBrush(QColor(200, 160, 110));
  p.drawRect(3, 3, 10, 11);
  p.setBrush(Qt::white);
  p.drawRect(6, 1, 4, 3);
  p.drawRect(5, 6, 6, 6);
}
void UndoArrow(QPainter& p) {
  QPainterPath path;
  path.moveTo(4, 6);
  path.cubicTo(8, 2, 14, 4, 13, 11);
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygon({{1, 7}, {6, 3}, {6, 9}}));
}
void Reload(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.drawArc(2, 2, 12, 12, 30 * 16, 300 * 16);
  p.setBrush(Qt::black);
  p.drawPolygon(QPolygon({{13, 1}, {14, 6}, {9, 5}}));
}
void Play(QPainter& p) {
  p.setBrush(QColor(220, 60, 40));
  p.drawPolygon(QPolygon({{4, 2}, {13, 8}, {4, 14}}));
}
void Pen(QPainter& p) {
  p.setBrush(QColor(250, 210, 80));
  p.drawPolygon(QPolygon({{11, 1}, {14, 4}, {5, 13}, {2, 14}, {3, 11}}));
}
void Select(QPainter& p) {
  p.setPen(QPen(Qt::black, 1, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(2, 2, 11, 11);
}
void Bucket(QPainter& p) {
  p.setBrush(QColor(80, 150, 230));
  p.drawPolygon(QPolygon({{2, 7}, {8, 1}, {14, 7}, {8, 13}}));
}
void Square(QPainter& p) {
  p.setBrush(QColor(120, 200, 120));
  p.drawRect(2, 3, 12, 10);
}
void Star(QPainter& p) {
  p.setBrush(QColor(250, 190, 40));
  p.drawPolygon(QPolygon({{8, 1}, {10, 6}, {15, 6}, {11, 9}, {12, 14}, {8, 11}, {4, 14}, {5, 9}, {1, 6}, {6, 6}}));
}
void Flag(QPainter& p) {
  p.drawLine(3, 1, 3, 14);
  p.setBrush(QColor(230, 60, 60));
  p.drawPolygon(QPolygon({{3, 1}, {13, 4}, {3, 8}}));
}
void Bookmark(QPainter& p) {
  p.setBrush(QColor(230, 90, 120));
  p.drawPolygon(QPolygon({{4, 1}, {12, 1}, {12, 14}, {8, 10}, {4, 14}}));
}
void BookmarkAdd(QPainter& p) {
  Bookmark(p);
  p.setPen(QPen(Qt::white, 2));
  p.drawLine(8, 3, 8, 8);
  p.drawLine(6, 5, 10, 5);
}
void Open(QPainter& p) { Folder(p); }
void LoadPage(QPainter& p) { Arrow(p, true); }
void WritePage(QPainter& p) { Arrow(p, false); }

Draw DrawingFor(Command command) {
  switch (command) {
    case Command::New: return Page;
    case Command::Open: return Open;
    case Command::Save: return Disk;
    case Command::LoadHtmlFile: return LoadPage;
    case Command::MakeHtmlFile: return WritePage;
    case Command::GetFromNet: return Globe;
    case Command::Cut: return Scissors;
    case Command::Copy: return TwoPages;
    case Command::Paste: return Clipboard;
    case Command::Undo: return UndoArrow;
    case Command::Refresh: return Reload;
    case Command::TestPlay: return Play;
    case Command::A_Pen: return Pen;
    case Command::A_Select: return Select;
    case Command::A_Nuri: return Bucket;
    case Command::A_Rect: return Square;
    case Command::Action6: return Star;
    case Command::GoStartingPlace: return Flag;
    case Command::ViewSiori: return Bookmark;
    case Command::AddSiori: return BookmarkAdd;
    default: return nullptr;
  }
}

QIcon Painted(Draw draw, bool mirrored) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(40, 40, 40), 1));
  if (mirrored) painter.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
  draw(painter);
  painter.end();
  return QIcon(pixmap);
}

} // namespace

QIcon CommandIcon(Command command) {
  const Draw draw = DrawingFor(command);
  return draw ? Painted(draw, false) : QIcon();
}

QIcon RedoIcon() { return Painted(UndoArrow, true); }

} // namespace zt
