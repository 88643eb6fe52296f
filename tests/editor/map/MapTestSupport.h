#pragma once
// A document, a synthetic pattern picture and a map view over them.

#include "document/StageDocument.h"
#include "editor/map/MapView.h"
#include "editor/pattern/PatternImage.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace zt::test {

// Every 32 x 32 cell of the pattern has a colour of its own (none of them
// black, the transparent colour, nor reddish like the map text).
inline QRgb PatternCellColour(int column, int row) { return qRgb(8 + column * 24, 8 + row * 9, 200); }
inline QRgb PatternColourAt(int x, int y) { return PatternCellColour(x / 32, y / 32); }

inline QImage SyntheticPattern() {
  QImage picture(PatternImage::kWidth, PatternImage::kHeight, QImage::Format_RGB32);
  QPainter painter(&picture);
  for (int column = 0; column < 10; ++column)
    for (int row = 0; row < 25; ++row)
      painter.fillRect(column * 32, row * 32, 32, 32, QColor(PatternCellColour(column, row)));
  return picture;
}

// Antialiased text in the default red over the pattern's blue colours.
inline bool IsTextPixel(QRgb pixel) { return qBlue(pixel) < 150 && qRed(pixel) > qBlue(pixel); }

inline constexpr QRgb kStageOneBackground = 0xFF00FFFF; // cyan, a new document's colour
inline constexpr QRgb kStageTwoBackground = 0xFF305070;

struct MapFixture {
  explicit MapFixture(int width = 640, int height = 480) {
    pattern.SetRaw(SyntheticPattern(), qRgb(0, 0, 0));
    doc.SetStageBackground(0, {0, 255, 255});
    doc.SetStageBackground(1, {0x30, 0x50, 0x70});
    pattern.BuildSubstituted(kStageOneBackground);
    doc.loaded = true;
    view.resize(width, height);
  }
  QRgb At(int x, int y) const { return view.backBuffer().pixel(x, y) | 0xFF000000u; }
  void SetOptions(const std::function<void(MapViewOptions&)>& change) {
    MapViewOptions options = view.options();
    change(options);
    view.SetOptions(options);
  }

  StageDocument doc;
  PatternImage pattern;
  MapView view{doc, pattern};
};

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, buttons, modifiers);
  QCoreApplication::sendEvent(&widget, &event);
}
inline void Press(QWidget& widget, QPoint at, Qt::MouseButton button,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  SendMouse(widget, QEvent::MouseButtonPress, at, button, button, modifiers);
}
inline void Move(QWidget& widget, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
  SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, held);
}
inline void Release(QWidget& widget, QPoint at, Qt::MouseButton button) {
  SendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

} // namespace zt::test
