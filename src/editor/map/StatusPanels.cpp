#include "editor/map/StatusPanels.h"

#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

namespace zt {

StatusPanels::StatusPanels(const QString& name, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
  // The panels' widths follow the page, never the other way round: they
  // must not keep the window from shrinking.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  auto* layout = new QHBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetNoConstraint);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  for (QLabel*& panel : panels_) {
    panel = new QLabel(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setTextFormat(Qt::PlainText);
    panel->setMinimumWidth(0);
    layout->addWidget(panel);
  }
  layout->addStretch(1);
}

void StatusPanels::SetText(int panel, const QString& text) { panels_[static_cast<std::size_t>(panel)]->setText(text); }

QString StatusPanels::text(int panel) const { return panels_[static_cast<std::size_t>(panel)]->text(); }

void StatusPanels::SetPanelWidth(int panel, int width) {
  panels_[static_cast<std::size_t>(panel)]->setFixedWidth(std::max(width, 0));
}

int StatusPanels::panelWidth(int panel) const { return panels_[static_cast<std::size_t>(panel)]->maximumWidth(); }

} // namespace zt
