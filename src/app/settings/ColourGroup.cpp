#include "app/settings/ColourGroup.h"

#include "app/settings/ColourSwatch.h"
#include "app/settings/ParameterControl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace zt {

ColourGroup::ColourGroup(const std::array<const ParameterControl*, 3>& channels, const ColourGroupControls& names,
                         ColourChooser chooser, QWidget* parent)
    : QWidget(parent), chooser_(std::move(chooser)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < channels.size(); ++i) {
    if (QLabel* label = channels[i]->label()) layout->addWidget(label);
    spins_[i] = static_cast<QSpinBox*>(channels[i]->widget());
    layout->addWidget(spins_[i]);
    layout->addSpacing(6);
    connect(spins_[i], &QSpinBox::valueChanged, this, &ColourGroup::RefreshSwatch);
  }
  swatch_ = new ColourSwatch(this);
  swatch_->setObjectName(QString::fromUtf8(names.swatch));
  layout->addWidget(swatch_);
  auto* button = new QPushButton("...", this);
  button->setObjectName(QString::fromUtf8(names.button));
  button->setFixedWidth(button->fontMetrics().horizontalAdvance("...") + 24);
  connect(button, &QPushButton::clicked, this, &ColourGroup::ChooseColour);
  layout->addWidget(button);
  layout->addStretch(1);
  RefreshSwatch();
}

QColor ColourGroup::colour() const { return {spins_[0]->value(), spins_[1]->value(), spins_[2]->value()}; }

void ColourGroup::RefreshSwatch() { swatch_->SetColour(colour()); }

void ColourGroup::ChooseColour() {
  const std::optional<QColor> chosen = chooser_(colour());
  if (!chosen) return;
  spins_[0]->setValue(chosen->red());
  spins_[1]->setValue(chosen->green());
  spins_[2]->setValue(chosen->blue());
}

} // namespace zt
