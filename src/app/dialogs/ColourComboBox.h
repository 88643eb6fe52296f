#pragma once
// A list of named standard colours with a swatch each, plus an entry that
// opens the colour picker for any other colour. A colour that is not in the
// list is shown as a "カスタム" entry.

#include "app/dialogs/UserPrompts.h"

#include <QComboBox>

namespace zt {

class ColourComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ColourComboBox(QWidget* parent = nullptr);

  void SetColourPicker(ColourPicker picker) { picker_ = std::move(picker); }

  // Colours as the configuration file stores them (red + 256 green + 65536 blue).
  void SetColourValue(int value);
  int ColourValue() const;

 private:
  void OnActivated(int index);
  int CustomIndex() const;
  int PickerIndex() const { return count() - 1; }

  ColourPicker picker_;
  int lastIndex_ = 0;
};

} // namespace zt
