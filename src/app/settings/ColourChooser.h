#pragma once
// How the "..." buttons of the colour groups ask for a colour. The default
// opens the modal colour dialog; tests answer in its place.

#include <QColor>

#include <functional>
#include <optional>

class QWidget;

namespace zt {

// The chosen colour, or nullopt when the user cancelled.
using ColourChooser = std::function<std::optional<QColor>(const QColor& initial)>;

ColourChooser ModalColourChooser(QWidget* parent);

} // namespace zt
