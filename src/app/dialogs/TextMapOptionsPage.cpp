#include "app/dialogs/TextMapOptionsPage.h"

#include "app/config/AppConfig.h"
#include "app/dialogs/OptionsControls.h"

#include <QVBoxLayout>

namespace zt {

TextMapOptionsPage::TextMapOptionsPage(QWidget* parent) : QWidget(parent) {
  QGroupBox* group = AddPageGroup(this, "マップテキスト編集画面の設定");
  auto* layout = new QVBoxLayout(group);
  colour_ = KeyCheckBox(keys::kTextMapColour, "カラー表示（一部）", group);
  layout->addWidget(colour_);
}

void TextMapOptionsPage::Load(const AppConfig& config) { colour_->setChecked(config.Read(keys::kTextMapColour)); }

void TextMapOptionsPage::Store(AppConfig& config) const { config.Write(keys::kTextMapColour, colour_->isChecked()); }

bool TextMapOptionsPage::Coloured() const { return colour_->isChecked(); }

} // namespace zt
