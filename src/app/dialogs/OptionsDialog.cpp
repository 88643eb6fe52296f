#include "app/dialogs/OptionsDialog.h"

#include "app/config/AppConfig.h"
#include "app/dialogs/BasicOptionsPage.h"
#include "app/dialogs/FileOptionsPage.h"
#include "app/dialogs/HtmlOptionsPage.h"
#include "app/dialogs/MapOptionsPage.h"
#include "app/dialogs/TestPlayOptionsPage.h"
#include "app/dialogs/TextMapOptionsPage.h"
#include "app/dialogs/Theme.h"
#include "app/dialogs/WindowPlacement.h"
#include "formats/FileError.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zt {
namespace {

constexpr const char* kPagePartsUnreadable = "ヘッダ又はフッタファイルが読み込めませんでした。";

void FillMissingServices(OptionsDialog::Services& services, QWidget* dialog) {
  const UserPrompts modal = UserPrompts::Modal(dialog);
  if (!services.prompts.notice) services.prompts.notice = modal.notice;
  if (!services.prompts.error) services.prompts.error = modal.error;
  if (!services.prompts.pickColour) services.prompts.pickColour = modal.pickColour;
  if (!services.applyTheme) services.applyTheme = ApplyTheme;
  if (!services.mainWindowPosition) {
    QWidget* mainWindow = dialog->parentWidget();
    services.mainWindowPosition = [mainWindow] { return mainWindow ? mainWindow->pos() : QPoint(); };
  }
}

} // namespace

OptionsDialog::OptionsDialog(AppConfig& config, Services services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), config_(config), services_(std::move(services)) {
  FillMissingServices(services_, this);
  setWindowTitle("オプション");
  setModal(false);

  pages_ = new QTabWidget(this);
  pages_->tabBar()->setUsesScrollButtons(false); // all six tabs in view
  pages_->tabBar()->setElideMode(Qt::ElideNone);
  basic_ = new BasicOptionsPage(pages_);
  map_ = new MapOptionsPage(services_.prompts.pickColour, pages_);
  html_ = new HtmlOptionsPage(pages_);
  files_ = new FileOptionsPage(pages_);
  testPlay_ = new TestPlayOptionsPage(pages_);
  textMap_ = new TextMapOptionsPage(pages_);
  pages_->addTab(basic_, "基本設定(&S)");
  pages_->addTab(map_, "マップ設定(&M)");
  pages_->addTab(html_, "出力HTMLの設定(&H)");
  pages_->addTab(files_, "ファイル(&F)");
  pages_->addTab(testPlay_, "テストプレイ");
  pages_->addTab(textMap_, "マップ(テキスト)設定");

  auto* ok = new QPushButton("&OK", this);
  auto* cancel = new QPushButton("キャンセル(&C)", this);
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);

  connect(ok, &QPushButton::clicked, this, &OptionsDialog::Button1Click);
  connect(cancel, &QPushButton::clicked, this, &OptionsDialog::Button2Click);
  connect(basic_->associateButton, &QPushButton::clicked, this, &OptionsDialog::Button3Click);
  connect(basic_->shortcutButton, &QPushButton::clicked, this, &OptionsDialog::Button4Click);

  FormCreate();
  setFixedSize(sizeHint());
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::FormCreate() {
  basic_->Load(config_);
  map_->Load(config_);
  html_->Load(config_);
  files_->Load(config_);
  testPlay_->Load(config_);
  textMap_->Load(config_);
  if (!html_->LoadPageParts(config_.Read(keys::kHtmlHeader), config_.Read(keys::kHtmlFooter)))
    services_.prompts.notice(kPagePartsUnreadable);
}

void OptionsDialog::Present() {
  CentreOnScreen(*this);
  show();
  raise();
  activateWindow();
}

void OptionsDialog::StoreAll() {
  basic_->StoreWindowOptions(config_, services_.mainWindowPosition());
  services_.applyTheme(basic_->ThemeName());
  basic_->StoreTabPosition(config_);
  map_->StoreMapOptions(config_);
  if (map_->StoreChipSize(config_)) chipSizeChangePending_ = true;
  html_->StoreOutputOptions(config_);
  textMap_->Store(config_);
  emit TextMapColourChanged(textMap_->Coloured());
  // The texts go to the files named before this OK; new names apply later.
  html_->SavePageParts(config_.Read(keys::kHtmlHeader), config_.Read(keys::kHtmlFooter));
  html_->StoreCopyright(config_);
  files_->Store(config_);
  testPlay_->Store(config_);
}

void OptionsDialog::Button1Click() {
  try {
    StoreAll();
  } catch (const FileError& error) {
    services_.prompts.error(QString::fromUtf8(error.what()));
    return;
  }
  const bool chipSizeChanged = chipSizeChangePending_;
  chipSizeChangePending_ = false;
  emit SettingsApplied(chipSizeChanged);
  hide();
}

void OptionsDialog::Button2Click() { hide(); }

void OptionsDialog::Button3Click() {
  try {
    services_.desktop.AssociateProjectFiles();
  } catch (const FileError& error) {
    services_.prompts.error(QString::fromUtf8(error.what()));
    return;
  }
  services_.prompts.notice("関連付けしました。");
}

void OptionsDialog::Button4Click() {
  services_.prompts.notice(services_.desktop.DesktopFolder());
  services_.prompts.notice(services_.desktop.CreateDesktopShortcut() ? "作成しました" : "作成出来ませんでした。");
}

} // namespace zt
