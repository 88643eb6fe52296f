#pragma once
// The on/off rule of the palette and overview windows: a window that is
// shown and has the focus is hidden; otherwise it is shown and brought up,
// so a window hidden behind others comes forward instead of disappearing.

class QWidget;

namespace zt {

// True when the window ends up shown.
bool ToggleWindow(QWidget& window);

} // namespace zt
