#include "app/dialogs/OptionsControls.h"

#include <QVBoxLayout>

namespace zt {

QGroupBox* AddPageGroup(QWidget* page, const QString& title) {
  auto* layout = new QVBoxLayout(page);
  auto* group = new QGroupBox(title, page);
  layout->addWidget(group);
  layout->addStretch(1);
  return group;
}

} // namespace zt
