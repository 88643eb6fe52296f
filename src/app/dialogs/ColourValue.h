#pragma once
// Colours as the configuration file stores them: red + 256 * green +
// 65536 * blue.

#include <QColor>

namespace zt {

inline QColor ColourFromValue(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline int ValueFromColour(const QColor& colour) {
  return colour.red() + 256 * colour.green() + 65536 * colour.blue();
}

} // namespace zt
