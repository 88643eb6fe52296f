#include "app/dialogs/UserPrompts.h"

#include "document/ProductInfo.h"

#include <QColorDialog>
#include <QMessageBox>

namespace zt {

UserPrompts UserPrompts::Modal(QWidget* parent) {
  UserPrompts prompts;
  prompts.notice = [parent](const QString& text) { QMessageBox::information(parent, kProductName, text); };
  prompts.error = [parent](const QString& text) { QMessageBox::critical(parent, kProductName, text); };
  prompts.pickColour = [parent](const QColor& initial) -> std::optional<QColor> {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  };
  return prompts;
}

} // namespace zt
