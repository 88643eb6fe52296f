#include "app/dialogs/BasicOptionsPage.h"

#include "app/config/AppConfig.h"
#include "app/dialogs/OptionsControls.h"
#include "app/dialogs/Theme.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

namespace zt {
namespace {

QSpinBox* UnlimitedNumberField(const IntKey& key, QWidget* parent) {
  auto* field = Named(new QSpinBox(parent), key);
  field->setRange(INT_MIN, INT_MAX);
  field->setMinimumWidth(90);
  field->setMaximumWidth(110);
  return field;
}

} // namespace

BasicOptionsPage::BasicOptionsPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildWindowGroup());
  layout->addWidget(BuildTabGroup());
  layout->addWidget(BuildActionGroup());
  layout->addStretch(1);
}

QWidget* BasicOptionsPage::BuildWindowGroup() {
  auto* group = new QGroupBox("ウィンドウ", this);
  auto* layout = new QGridLayout(group);

  titleFilename_ = KeyCheckBox(keys::kTitleFilename, "タイトルバーにファイル名を表示", group);
  titleFullpath_ = KeyCheckBox(keys::kTitleFullpath, "フルパスで表示", group);
  taskFilename_ = KeyCheckBox(keys::kTaskFilename, "タスクバーにもファイル名を表示", group);
  layout->addWidget(titleFilename_, 0, 0);
  layout->addWidget(titleFullpath_, 0, 1);
  layout->addWidget(taskFilename_, 1, 0, 1, 2);

  layout->addWidget(new QLabel("初期ウィンドウの位置", group), 2, 0, 1, 2);
  auto* choices = new QHBoxLayout;
  posBefore_ = Named(new QRadioButton("前回の位置を記憶する", group), keys::kWindowPosBefore);
  posNumbers_ = Named(new QRadioButton("指定", group), keys::kWindowPosNum);
  posRandom_ = Named(new QRadioButton("お任せ", group), keys::kWindowPosRandom);
  auto* exclusive = new QButtonGroup(group);
  for (QRadioButton* choice : {posBefore_, posNumbers_, posRandom_}) {
    exclusive->addButton(choice);
    choices->addWidget(choice);
  }
  posX_ = UnlimitedNumberField(keys::kWindowPosX, group);
  posY_ = UnlimitedNumberField(keys::kWindowPosY, group);
  choices->addSpacing(12);
  choices->addWidget(posX_);
  choices->addWidget(new QLabel(",", group));
  choices->addWidget(posY_);
  choices->addStretch(1);
  layout->addLayout(choices, 3, 0, 1, 2);

  stayTop_ = KeyCheckBox(keys::kStayTop, "常に手前に表示", group);
  stayTopToolWindow_ = KeyCheckBox(keys::kStayTopToolWindow, "ツールウィンドウを常に手前に表示", group);
  layout->addWidget(stayTop_, 4, 0);
  layout->addWidget(stayTopToolWindow_, 4, 1);

  auto* themeRow = new QHBoxLayout;
  theme_ = KeyComboBox(keys::kTheme, ThemeNames(), group);
  theme_->setEditable(true);
  theme_->setMinimumWidth(160);
  themeRow->addWidget(new QLabel("テーマ", group));
  themeRow->addWidget(theme_);
  themeRow->addStretch(1);
  layout->addLayout(themeRow, 5, 0, 1, 2);
  return group;
}

QWidget* BasicOptionsPage::BuildTabGroup() {
  auto* group = new QGroupBox("タブ", this);
  auto* layout = new QHBoxLayout(group);
  tabPosition_ = KeyComboBox(keys::kTabPosition, {"上に表示", "左に表示", "右に表示", "下に表示"}, group);
  layout->addWidget(new QLabel("位置", group));
  layout->addWidget(tabPosition_);
  layout->addStretch(1);
  return group;
}

QWidget* BasicOptionsPage::BuildActionGroup() {
  auto* group = new QGroupBox(this);
  auto* layout = new QVBoxLayout(group);
  associateButton = new QPushButton("*.zppファイルをZarnoTool++に関連付けさせる", group);
  shortcutButton = new QPushButton("デスクトップにショートカットを作成", group);
  layout->addWidget(associateButton);
  layout->addWidget(shortcutButton);
  return group;
}

void BasicOptionsPage::Load(const AppConfig& config) {
  titleFilename_->setChecked(config.Read(keys::kTitleFilename));
  titleFullpath_->setChecked(config.Read(keys::kTitleFullpath));
  taskFilename_->setChecked(config.Read(keys::kTaskFilename));
  // Set in turn: a later choice that is on replaces an earlier one, and when
  // all three keys are off none is chosen.
  if (config.Read(keys::kWindowPosBefore)) posBefore_->setChecked(true);
  if (config.Read(keys::kWindowPosNum)) posNumbers_->setChecked(true);
  if (config.Read(keys::kWindowPosRandom)) posRandom_->setChecked(true);
  posX_->setValue(config.Read(keys::kWindowPosX));
  posY_->setValue(config.Read(keys::kWindowPosY));
  stayTop_->setChecked(config.Read(keys::kStayTop));
  stayTopToolWindow_->setChecked(config.Read(keys::kStayTopToolWindow));
  theme_->setCurrentText(QString::fromStdString(config.Read(keys::kTheme)));
  tabPosition_->setCurrentIndex(config.Read(keys::kTabPosition));
}

void BasicOptionsPage::StoreWindowOptions(AppConfig& config, QPoint mainWindowLeftTop) const {
  config.Write(keys::kTitleFilename, titleFilename_->isChecked());
  config.Write(keys::kTitleFullpath, titleFullpath_->isChecked());
  config.Write(keys::kTaskFilename, taskFilename_->isChecked());
  config.Write(keys::kWindowPosBefore, posBefore_->isChecked());
  config.Write(keys::kWindowPosNum, posNumbers_->isChecked());
  const QPoint position = posBefore_->isChecked() ? mainWindowLeftTop : QPoint(posX_->value(), posY_->value());
  config.Write(keys::kWindowPosX, position.x());
  config.Write(keys::kWindowPosY, position.y());
  config.Write(keys::kWindowPosRandom, posRandom_->isChecked());
  config.Write(keys::kStayTop, stayTop_->isChecked());
  config.Write(keys::kStayTopToolWindow, stayTopToolWindow_->isChecked());
  config.Write(keys::kTheme, ThemeName().toStdString());
}

void BasicOptionsPage::StoreTabPosition(AppConfig& config) const {
  config.Write(keys::kTabPosition, tabPosition_->currentIndex());
}

QString BasicOptionsPage::ThemeName() const { return theme_->currentText(); }

} // namespace zt
