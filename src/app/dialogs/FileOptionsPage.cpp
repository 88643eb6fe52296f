#include "app/dialogs/FileOptionsPage.h"

#include "app/config/AppConfig.h"
#include "app/dialogs/OptionsControls.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace zt {
namespace {

constexpr const char* kFolderHint = "保存するときの初期フォルダになります。";

void ShowText(QLineEdit* field, const AppConfig& config, const TextKey& key) {
  field->setText(QString::fromStdString(config.Read(key)));
}

void StoreText(const QLineEdit* field, AppConfig& config, const TextKey& key) {
  config.Write(key, field->text().toStdString());
}

} // namespace

FileOptionsPage::FileOptionsPage(QWidget* parent) : QWidget(parent) {
  QGroupBox* group = AddPageGroup(this, "ファイル");
  auto* layout = new QVBoxLayout(group);
  auto* form = new QFormLayout;
  auto addField = [&](const TextKey& key, const QString& caption) {
    auto* field = Named(new QLineEdit(group), key);
    field->setMinimumWidth(320);
    form->addRow(caption, field);
    return field;
  };
  testPlayPage_ = addField(keys::kTestPlayPage, "テストプレイファイル");
  htmlDir_ = addField(keys::kHtmlDir, "HTML(画像)フォルダ");
  htmlExt_ = addField(keys::kHtmlExt, "HTML拡張子");
  headerFile_ = addField(keys::kHtmlHeader, "HTMLヘッダファイル");
  footerFile_ = addField(keys::kHtmlFooter, "HTMLフッタファイル");
  dataDir_ = addField(keys::kDataDir, "簡易保存フォルダ");
  for (QLineEdit* folder : {htmlDir_, dataDir_}) folder->setToolTip(kFolderHint);
  layout->addLayout(form);

  bmpToGif_ = KeyCheckBox(keys::kBmpToGif, "BMP形式のパターンを使用したとき、GIF形式に変える。", group);
  layout->addSpacing(6);
  layout->addWidget(bmpToGif_);
  auto* note = new QLabel("(透過色はR 128  G 0  B 128)", group);
  note->setIndent(22);
  layout->addWidget(note);
}

void FileOptionsPage::Load(const AppConfig& config) {
  ShowText(testPlayPage_, config, keys::kTestPlayPage);
  ShowText(htmlDir_, config, keys::kHtmlDir);
  ShowText(htmlExt_, config, keys::kHtmlExt);
  ShowText(headerFile_, config, keys::kHtmlHeader);
  ShowText(footerFile_, config, keys::kHtmlFooter);
  ShowText(dataDir_, config, keys::kDataDir);
  bmpToGif_->setChecked(config.Read(keys::kBmpToGif));
}

void FileOptionsPage::Store(AppConfig& config) const {
  StoreText(testPlayPage_, config, keys::kTestPlayPage);
  StoreText(htmlDir_, config, keys::kHtmlDir);
  StoreText(htmlExt_, config, keys::kHtmlExt);
  config.Write(keys::kBmpToGif, bmpToGif_->isChecked());
  StoreText(headerFile_, config, keys::kHtmlHeader);
  StoreText(footerFile_, config, keys::kHtmlFooter);
  StoreText(dataDir_, config, keys::kDataDir);
}

} // namespace zt
