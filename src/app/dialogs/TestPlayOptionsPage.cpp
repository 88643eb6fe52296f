#include "app/dialogs/TestPlayOptionsPage.h"

#include "app/config/AppConfig.h"
#include "app/dialogs/OptionsControls.h"

#include <QFormLayout>
#include <QLineEdit>

namespace zt {
namespace {

constexpr int kNamedProgram = 2;

} // namespace

TestPlayOptionsPage::TestPlayOptionsPage(QWidget* parent) : QWidget(parent) {
  QGroupBox* group = AddPageGroup(this, "テストプレイをするブラウザ");
  auto* form = new QFormLayout(group);
  form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
  mode_ = KeyComboBox(keys::kTestMode, {"IEオートメーション", "関連付けられたブラウザ", "プラグラムを指定"}, group);
  program_ = Named(new QLineEdit(group), keys::kTestProgram);
  program_->setMinimumWidth(320);
  form->addRow(mode_);
  form->addRow("プログラム:", program_);
  connect(mode_, &QComboBox::currentIndexChanged, this, &TestPlayOptionsPage::ComboBox2Change);
}

void TestPlayOptionsPage::Load(const AppConfig& config) {
  mode_->setCurrentIndex(config.Read(keys::kTestMode));
  program_->setText(QString::fromStdString(config.Read(keys::kTestProgram)));
  program_->setEnabled(false);
}

void TestPlayOptionsPage::Store(AppConfig& config) const {
  config.Write(keys::kTestMode, mode_->currentIndex());
  config.Write(keys::kTestProgram, program_->text().toStdString());
}

void TestPlayOptionsPage::ComboBox2Change() { program_->setEnabled(mode_->currentIndex() == kNamedProgram); }

} // namespace zt
