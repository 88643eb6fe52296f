#pragma once
// The "マップ設定(&M)" page of the options dialog: drawing and editing
// options of the map view, the grid, the automatic refresh, the text colour
// and the chip size.

#include "app/dialogs/UserPrompts.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;

namespace zt {

class AppConfig;
class ColourComboBox;

class MapOptionsPage : public QWidget {
  Q_OBJECT

 public:
  MapOptionsPage(ColourPicker pickColour, QWidget* parent = nullptr);

  void Load(const AppConfig& config);
  // Every key of the page but the chip size, in the dialog's order.
  void StoreMapOptions(AppConfig& config) const;
  // Writes `map`/`mini`; true when the choice differs from the stored value.
  bool StoreChipSize(AppConfig& config) const;

  // Choosing "色を指定する" opens the colour picker; its answer is what OK
  // stores as the grid colour.
  void ComboBox4Change();

 private:
  QWidget* BuildGridRow(QWidget* parent);
  void ShowGridColour();

  ColourPicker pickColour_;
  QCheckBox* platformView_ = nullptr;
  QCheckBox* viewNum_ = nullptr;
  QCheckBox* fillEverywhere_ = nullptr;
  QCheckBox* grid_ = nullptr;
  QCheckBox* bookmarks_ = nullptr;
  QCheckBox* viewInfo_ = nullptr;
  QComboBox* gridType_ = nullptr;
  QComboBox* gridColourType_ = nullptr;
  QLabel* gridColourSwatch_ = nullptr;
  QComboBox* autoReload_ = nullptr;
  ColourComboBox* fontColour_ = nullptr;
  QRadioButton* chip32_ = nullptr;
  QRadioButton* chip16_ = nullptr;
  int gridColour_ = 0;
};

} // namespace zt
