#pragma once

class QWidget;

namespace zt {

// Moves the window to the middle of the screen it is on (the primary screen
// before it was shown), keeping its size.
void CentreOnScreen(QWidget& window);

} // namespace zt
