#pragma once
// A colour on the settings page: the red, green and blue spin edits, the
// preview that follows them, and the "..." button that picks the colour in
// the colour dialog.

#include "app/settings/ColourChooser.h"
#include "app/settings/SettingControl.h"

#include <QWidget>

#include <array>

class QSpinBox;

namespace zt {

class ColourSwatch;
class ParameterControl;

class ColourGroup : public QWidget {
 public:
  // Takes the three spin edits (red, green, blue) and their labels into its
  // own row and fills the preview from them.
  ColourGroup(const std::array<const ParameterControl*, 3>& channels, const ColourGroupControls& names,
              ColourChooser chooser, QWidget* parent);

  QColor colour() const;

 private:
  void RefreshSwatch();
  void ChooseColour();

  std::array<QSpinBox*, 3> spins_{};
  ColourSwatch* swatch_ = nullptr;
  ColourChooser chooser_;
};

} // namespace zt
