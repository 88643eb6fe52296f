#include "app/settings/HeaderFooterMaker.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

namespace zt {
namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QSpinBox* NumberField(const char* name, QWidget* parent) {
  auto* field = Named(new QSpinBox(parent), name);
  field->setRange(INT_MIN, INT_MAX);
  field->setMinimumWidth(90);
  return field;
}

QStringList ToQt(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QString::fromStdString(line);
  return list;
}

} // namespace

HeaderFooterMaker::HeaderFooterMaker(QWidget* parent) : QDialog(parent) {
  setObjectName("HeaderFooterMaker");
  setWindowTitle("ヘッダ フッタ作成");
  setModal(false);

  // In the order of the fields, which is also the order of the Tab key.
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildTextGroup(), 1);
  auto* colourRow = new QHBoxLayout;
  backcolor_ = Named(new QLineEdit(this), "backcolor");
  colourRow->addWidget(new QLabel("背景色", this));
  colourRow->addWidget(backcolor_);
  colourRow->addStretch(1);
  layout->addLayout(colourRow);
  layout->addWidget(BuildMusicGroup());
  layout->addWidget(BuildScriptGroup());
  layout->addLayout(BuildButtons());

  SetFields(HeaderFooterFields{});
  resize(560, minimumSizeHint().height());
}

QLayout* HeaderFooterMaker::BuildButtons() {
  auto* ok = Named(new QPushButton("&OK", this), "OkButton");
  auto* cancel = Named(new QPushButton("キャンセル(&C)", this), "CancelButton");
  // Enter in a field must not replace the header and footer by accident.
  for (QPushButton* button : {ok, cancel}) button->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, &HeaderFooterMaker::Button1Click);
  connect(cancel, &QPushButton::clicked, this, &HeaderFooterMaker::Button2Click);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  return buttons;
}

QWidget* HeaderFooterMaker::BuildTextGroup() {
  auto* group = new QGroupBox("文を入力", this);
  auto* grid = new QGridLayout(group);
  title_ = Named(new QLineEdit(group), "title");
  text_ = Named(new QPlainTextEdit(group), "text");
  text_->installEventFilter(this);
  text_->setMinimumHeight(80);
  grid->addWidget(new QLabel("タイトル", group), 0, 0);
  grid->addWidget(title_, 0, 1);
  grid->addWidget(text_, 1, 0, 1, 2);
  return group;
}

QWidget* HeaderFooterMaker::BuildMusicGroup() {
  auto* group = new QGroupBox("音楽(BGM)", this);
  auto* grid = new QGridLayout(group);
  bgmfile_ = Named(new QLineEdit(group), "bgmfile");
  inf_ = Named(new QCheckBox("無限ループ", group), "inf");
  looptimes_ = NumberField("looptimes", group);
  autostart_ = Named(new QCheckBox("自動再生", group), "autostart");
  viewc_ = Named(new QCheckBox("コントロールバーの表示↓", group), "viewc");
  cwidth_ = NumberField("cwidth", group);
  cheight_ = NumberField("cheight", group);

  auto* file = new QHBoxLayout;
  file->addWidget(new QLabel("BGMファイル(midi,wav等)", group));
  file->addWidget(bgmfile_, 1);
  grid->addLayout(file, 0, 0, 1, 5);
  grid->addWidget(inf_, 1, 0, 1, 5);
  grid->addWidget(new QLabel("↑にチェックしなかった場合、ループ回数", group), 2, 0);
  grid->addWidget(looptimes_, 2, 1, Qt::AlignLeft);
  grid->addWidget(autostart_, 3, 0, 1, 5);
  grid->addWidget(viewc_, 4, 0, 1, 5);
  auto* sizes = new QHBoxLayout;
  sizes->addWidget(new QLabel("横のサイズ", group));
  sizes->addWidget(cwidth_);
  sizes->addSpacing(12);
  sizes->addWidget(new QLabel("縦のサイズ", group));
  sizes->addWidget(cheight_);
  sizes->addStretch(1);
  grid->addLayout(sizes, 5, 0, 1, 5);
  grid->setColumnStretch(4, 1);
  return group;
}

QWidget* HeaderFooterMaker::BuildScriptGroup() {
  auto* group = new QGroupBox("スクリプト(IE4以上)", this);
  auto* row = new QHBoxLayout(group);
  point_ = Named(new QCheckBox("Zarnoを点滅(表示,非表示の繰り返し)させる   間隔→", group), "point");
  inter_ = NumberField("inter", group);
  row->addWidget(point_);
  row->addWidget(inter_);
  row->addWidget(new QLabel("ミリ秒(1/1000秒)", group));
  row->addStretch(1);
  return group;
}

HeaderFooterFields HeaderFooterMaker::Fields() const {
  HeaderFooterFields f;
  f.title = title_->text().toStdString();
  f.backcolor = backcolor_->text().toStdString();
  f.text = text_->toPlainText().toStdString();
  f.bgmfile = bgmfile_->text().toStdString();
  f.inf = inf_->isChecked();
  f.looptimes = looptimes_->value();
  f.autostart = autostart_->isChecked();
  f.viewc = viewc_->isChecked();
  f.cwidth = cwidth_->value();
  f.cheight = cheight_->value();
  f.point = point_->isChecked();
  f.inter = inter_->value();
  return f;
}

void HeaderFooterMaker::SetFields(const HeaderFooterFields& f) {
  title_->setText(QString::fromStdString(f.title));
  backcolor_->setText(QString::fromStdString(f.backcolor));
  text_->setPlainText(QString::fromStdString(f.text));
  bgmfile_->setText(QString::fromStdString(f.bgmfile));
  inf_->setChecked(f.inf);
  looptimes_->setValue(f.looptimes);
  autostart_->setChecked(f.autostart);
  viewc_->setChecked(f.viewc);
  cwidth_->setValue(f.cwidth);
  cheight_->setValue(f.cheight);
  point_->setChecked(f.point);
  inter_->setValue(f.inter);
}

void HeaderFooterMaker::Button1Click() {
  const HeaderFooterFields fields = Fields();
  emit LinesMade(ToQt(MakeHeaderLines(fields)), ToQt(MakeFooterLines(fields)));
  hide();
}

void HeaderFooterMaker::Button2Click() { hide(); }

bool HeaderFooterMaker::eventFilter(QObject* watched, QEvent* event) {
  // The description is one paragraph: Enter does not break it.
  if (watched == text_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  return QDialog::eventFilter(watched, event);
}

} // namespace zt
