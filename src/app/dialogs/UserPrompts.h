#pragma once
// What the dialogs ask of the user besides their own controls: notices,
// error messages and the colour picker. The defaults open the usual modal
// boxes; tests put recorders in their place.

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace zt {

using MessageShower = std::function<void(const QString& text)>;
// The chosen colour, or nullopt when the user cancelled.
using ColourPicker = std::function<std::optional<QColor>(const QColor& initial)>;

struct UserPrompts {
  MessageShower notice;
  MessageShower error;
  ColourPicker pickColour;

  // Message boxes titled with the product name and the colour dialog, all
  // over `parent`.
  static UserPrompts Modal(QWidget* parent);
};

} // namespace zt
