#include "app/settings/ColourChooser.h"

#include <QColorDialog>

namespace zt {

ColourChooser ModalColourChooser(QWidget* parent) {
  return [parent](const QColor& initial) -> std::optional<QColor> {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  };
}

} // namespace zt
