#include "app/dialogs/MapOptionsPage.h"

#include "app/config/AppConfig.h"
#include "app/dialogs/ColourComboBox.h"
#include "app/dialogs/ColourValue.h"
#include "app/dialogs/OptionsControls.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zt {
namespace {

constexpr int kInvertBelow = 0;
constexpr int kChosenColour = 1;

} // namespace

MapOptionsPage::MapOptionsPage(ColourPicker pickColour, QWidget* parent)
    : QWidget(parent), pickColour_(std::move(pickColour)) {
  QGroupBox* group = AddPageGroup(this, "マップ");
  auto* layout = new QVBoxLayout(group);

  platformView_ = KeyCheckBox(keys::kPlatformView, "動く床等の設定を変更後マップの表示も変える。", group);
  viewNum_ = KeyCheckBox(keys::kViewNum, "１マスづつ文字を表示する。", group);
  fillEverywhere_ = KeyCheckBox(keys::kFillEverywhere, "塗りつぶしは表示されていないところも塗りつぶす。", group);
  grid_ = KeyCheckBox(keys::kGrid, "グリッドの表示", group);
  bookmarks_ = KeyCheckBox(keys::kBookmarksWithProjects, "しおりの状態をファイルに保存", group);
  viewInfo_ = KeyCheckBox(keys::kViewInfo, "同じ画像のパターンに詳細を表示する。", group);
  for (QCheckBox* box : {platformView_, viewNum_, fillEverywhere_, grid_, bookmarks_, viewInfo_}) layout->addWidget(box);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  form->addRow("グリッドの色", BuildGridRow(group));
  autoReload_ = KeyComboBox(keys::kAutoReloadInDialog, {"自動更新しない", "頻度高", "頻度中", "頻度低"}, group);
  form->addRow("初期自動更新", autoReload_);
  fontColour_ = Named(new ColourComboBox(group), keys::kFontColour);
  fontColour_->SetColourPicker(pickColour_);
  form->addRow("フォントの色", fontColour_);

  auto* chipRow = new QHBoxLayout;
  chip32_ = new QRadioButton("32*32", group);
  chip16_ = Named(new QRadioButton("16*16", group), keys::kMini);
  auto* exclusive = new QButtonGroup(group);
  for (QRadioButton* choice : {chip32_, chip16_}) {
    exclusive->addButton(choice);
    chipRow->addWidget(choice);
  }
  chipRow->addStretch(1);
  form->addRow("チップのサイズ", chipRow);
  layout->addSpacing(6);
  layout->addLayout(form);
}

QWidget* MapOptionsPage::BuildGridRow(QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  gridType_ = KeyComboBox(keys::kGridType, {"1本線", "点線", "破線", "1点鎖線", "2点鎖線"}, row);
  gridColourType_ = KeyComboBox(keys::kGridColourType, {"下の色を反転", "色を指定する"}, row);
  gridColourSwatch_ = Named(new QLabel(row), keys::kGridColour);
  gridColourSwatch_->setFixedSize(22, 16);
  gridColourSwatch_->setFrameShape(QFrame::Box);
  layout->addWidget(gridType_);
  layout->addWidget(gridColourType_);
  layout->addWidget(gridColourSwatch_);
  layout->addStretch(1);
  connect(gridColourType_, &QComboBox::activated, this, &MapOptionsPage::ComboBox4Change);
  return row;
}

void MapOptionsPage::ShowGridColour() {
  const bool chosen = gridColourType_->currentIndex() == kChosenColour;
  gridColourSwatch_->setStyleSheet(QString("background-color: %1;").arg(ColourFromValue(gridColour_).name()));
  gridColourSwatch_->setVisible(chosen);
}

void MapOptionsPage::ComboBox4Change() {
  if (gridColourType_->currentIndex() == kChosenColour && pickColour_) {
    if (const std::optional<QColor> colour = pickColour_(ColourFromValue(gridColour_)))
      gridColour_ = ValueFromColour(*colour);
  }
  ShowGridColour();
}

void MapOptionsPage::Load(const AppConfig& config) {
  platformView_->setChecked(config.Read(keys::kPlatformView));
  viewNum_->setChecked(config.Read(keys::kViewNum));
  fillEverywhere_->setChecked(config.Read(keys::kFillEverywhere));
  grid_->setChecked(config.Read(keys::kGrid));
  bookmarks_->setChecked(config.Read(keys::kBookmarksWithProjects));
  viewInfo_->setChecked(config.Read(keys::kViewInfo));
  gridType_->setCurrentIndex(config.Read(keys::kGridType));
  // Any colour kind but 0 draws in the chosen colour.
  gridColourType_->setCurrentIndex(config.Read(keys::kGridColourType) == kInvertBelow ? kInvertBelow : kChosenColour);
  gridColour_ = config.Read(keys::kGridColour);
  ShowGridColour();
  autoReload_->setCurrentIndex(config.Read(keys::kAutoReloadInDialog));
  fontColour_->SetColourValue(config.Read(keys::kFontColour));
  (config.Read(keys::kMini) ? chip16_ : chip32_)->setChecked(true);
}

void MapOptionsPage::StoreMapOptions(AppConfig& config) const {
  config.Write(keys::kPlatformView, platformView_->isChecked());
  config.Write(keys::kViewNum, viewNum_->isChecked());
  config.Write(keys::kFillEverywhere, fillEverywhere_->isChecked());
  config.Write(keys::kGrid, grid_->isChecked());
  config.Write(keys::kGridType, gridType_->currentIndex());
  config.Write(keys::kGridColourType, gridColourType_->currentIndex());
  config.Write(keys::kGridColour, gridColour_);
  config.Write(keys::kViewInfo, viewInfo_->isChecked());
  config.Write(keys::kAutoReloadInDialog, autoReload_->currentIndex());
  config.Write(keys::kFontColour, fontColour_->ColourValue());
  config.Write(keys::kBookmarksWithProjects, bookmarks_->isChecked());
}

bool MapOptionsPage::StoreChipSize(AppConfig& config) const {
  const bool mini = chip16_->isChecked();
  const bool changed = config.Read(keys::kMini) != mini;
  config.Write(keys::kMini, mini);
  return changed;
}

} // namespace zt
