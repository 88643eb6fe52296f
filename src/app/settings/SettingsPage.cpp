#include "app/settings/SettingsPage.h"

#include "app/settings/HeaderFooterMaker.h"
#include "app/settings/SettingsTable.h"
#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "document/StageDocument.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string_view>

namespace zt {
namespace {

// Whether documents of a type carry the parameters of a group.
bool Carries(ParamGroup group, StageType type) {
  switch (group) {
    case ParamGroup::Common: return true;
    case ParamGroup::FourStage: return type != StageType::OneStage;
    case ParamGroup::Map: return type == StageType::MapStage;
  }
  return false;
}

Rgb StartupBackground() {
  const ColourParams p = StageBackgroundParams(0);
  return {Parameter(p.red).startupNumber, Parameter(p.green).startupNumber, Parameter(p.blue).startupNumber};
}

QString MemoText(const std::vector<std::string>& sjisLines) {
  QStringList lines;
  for (const std::string& line : sjisLines) lines << QString::fromStdString(Utf8FromShiftJis(line));
  return lines.join('\n');
}

// Replaces the lines with the memo's, one line each (an empty memo has no
// lines), and remembers the text as taken.
void StoreMemo(const QPlainTextEdit& memo, std::vector<std::string>& sjisLines, QString& taken) {
  taken = memo.toPlainText();
  sjisLines.clear();
  if (taken.isEmpty()) return;
  for (const QString& line : taken.split('\n')) sjisLines.push_back(ShiftJisFromUtf8(line.toStdString()));
}

QPlainTextEdit* Memo(const char* name, QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(name);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  return memo;
}

QWidget* Scrolled(QWidget* content, QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidget(content);
  return area;
}

} // namespace

SettingsPage::SettingsPage(QWidget* parent, ColourChooser chooser)
    : QWidget(parent), shownBackground_(StartupBackground()) {
  setObjectName("SettingsPage");
  maker_ = new HeaderFooterMaker(this);
  connect(maker_, &HeaderFooterMaker::LinesMade, this, &SettingsPage::FillMemos);

  SettingsPageBuilder builder(chooser ? std::move(chooser) : ModalColourChooser(this));
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("SettingsTabs");
  for (const char* caption : SettingsPageCaptions()) {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(builder.BuildPage(caption, content));
    if (std::string_view(caption) == kHeaderFooterPage) layout->addWidget(BuildHeaderFooterPanel(), 1);
    else layout->addStretch(1);
    tabs_->addTab(Scrolled(content, tabs_), QString::fromUtf8(caption));
  }
  controls_ = std::move(builder.controls());
  sections_ = std::move(builder.sections());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs_);
  EnableForType(StageType::OneStage);
}

SettingsPage::~SettingsPage() = default;

QWidget* SettingsPage::BuildHeaderFooterPanel() {
  auto* panel = new QWidget;
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 6, 0, 0);
  headerMemo_ = Memo("Memo1", panel);
  footerMemo_ = Memo("Memo2", panel);
  auto* makeButton = new QPushButton("ヘッダ フッタ作成", panel);
  makeButton->setObjectName("Button13");
  connect(makeButton, &QPushButton::clicked, this, &SettingsPage::Button13Click);
  grid->addWidget(new QLabel("HTMLヘッダ", panel), 0, 0);
  grid->addWidget(new QLabel("HTMLフッタ", panel), 0, 1);
  grid->addWidget(makeButton, 0, 2, Qt::AlignRight);
  grid->addWidget(headerMemo_, 1, 0);
  grid->addWidget(footerMemo_, 1, 1, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  panel->setMinimumHeight(140);
  return panel;
}

void SettingsPage::ShowSettings(const StageDocument& doc) {
  for (ParameterControl& control : controls_)
    if (Carries(Parameter(control.row().param).group, doc.stageType)) control.Show(doc);
  headerShown_ = MemoText(doc.headerLines);
  footerShown_ = MemoText(doc.footerLines);
  headerMemo_->setPlainText(headerShown_);
  footerMemo_->setPlainText(footerShown_);
  shownBackground_ = doc.StageBackground(0);
}

void SettingsPage::TakeSettings(StageDocument& doc) {
  for (ParameterControl& control : controls_)
    if (Carries(Parameter(control.row().param).group, doc.stageType)) control.Take(doc);
  if (headerMemo_->toPlainText() != headerShown_) StoreMemo(*headerMemo_, doc.headerLines, headerShown_);
  if (footerMemo_->toPlainText() != footerShown_) StoreMemo(*footerMemo_, doc.footerLines, footerShown_);
}

void SettingsPage::TakeAllSettings(StageDocument& doc) {
  for (ParameterControl& control : controls_) control.Store(doc);
  StoreMemo(*headerMemo_, doc.headerLines, headerShown_);
  StoreMemo(*footerMemo_, doc.footerLines, footerShown_);
}

bool SettingsPage::BackgroundChanged(const StageDocument& doc) const {
  return doc.StageBackground(0) != shownBackground_;
}

void SettingsPage::EnableForType(StageType type) {
  for (const SettingsPageBuilder::Section& section : sections_)
    section.widget->setEnabled(Carries(section.group, type));
  for (ParameterControl& control : controls_)
    if (control.row().enabledFor != kAllTypes) control.SetEnabled(Contains(control.row().enabledFor, type));
}

void SettingsPage::Button13Click() {
  maker_->show();
  maker_->raise();
  maker_->activateWindow();
}

void SettingsPage::FillMemos(const QStringList& header, const QStringList& footer) {
  headerMemo_->setPlainText(header.join('\n'));
  footerMemo_->setPlainText(footer.join('\n'));
}

} // namespace zt
