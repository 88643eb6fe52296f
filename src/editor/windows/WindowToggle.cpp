#include "editor/windows/WindowToggle.h"

#include <QWidget>

namespace zt {

bool ToggleWindow(QWidget& window) {
  if (window.isVisible() && window.isActiveWindow()) {
    window.hide();
    return false;
  }
  window.show();
  window.raise();
  window.activateWindow();
  return true;
}

} // namespace zt
