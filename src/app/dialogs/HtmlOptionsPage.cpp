#include "app/dialogs/HtmlOptionsPage.h"

#include "app/config/AppConfig.h"
#include "app/config/DefaultPageParts.h"
#include "app/dialogs/OptionsControls.h"
#include "document/Cp932Codec.h"
#include "formats/FileError.h"
#include "formats/TextFile.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace zt {
namespace {

QPlainTextEdit* PagePartField(const char* name, QWidget* parent) {
  auto* field = new QPlainTextEdit(parent);
  field->setObjectName(name);
  field->setLineWrapMode(QPlainTextEdit::NoWrap);
  field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  field->setMinimumSize(240, 220);
  return field;
}

void ShowLines(QPlainTextEdit& field, const std::vector<std::string>& utf8Lines) {
  QStringList lines;
  for (const std::string& line : utf8Lines) lines << QString::fromStdString(line);
  field.setPlainText(lines.join('\n'));
}

// True when the field now shows the file (or nothing, for an empty name).
bool ShowFile(QPlainTextEdit& field, const std::string& path) {
  if (path.empty()) {
    field.clear();
    return true;
  }
  std::vector<std::string> lines;
  try {
    lines = ReadTextLines(path);
  } catch (const FileError&) {
    return false;
  }
  for (std::string& line : lines) line = Utf8FromShiftJis(line);
  ShowLines(field, lines);
  return true;
}

void SaveField(const QPlainTextEdit& field, const std::string& path) {
  if (path.empty()) return;
  const QString text = field.toPlainText();
  std::vector<std::string> lines;
  if (!text.isEmpty())
    for (const QString& line : text.split('\n')) lines.push_back(ShiftJisFromUtf8(line.toStdString()));
  WriteTextLines(path, lines);
}

} // namespace

HtmlOptionsPage::HtmlOptionsPage(QWidget* parent) : QWidget(parent) {
  QGroupBox* group = AddPageGroup(this, "HTML");
  auto* layout = new QGridLayout(group);
  comment_ = KeyCheckBox(keys::kComment, "コメント(<!--*-->)を入れる", group);
  mapPrint_ = KeyCheckBox(keys::kMapPrint, "マップが必要ないところは出力しない", group);
  viewCopyright_ = KeyCheckBox(keys::kViewCopyright, "使用エディタ(著作権)をHTML下部に表示(コメント)", group);
  layout->addWidget(comment_, 0, 0, 1, 2);
  layout->addWidget(mapPrint_, 1, 0, 1, 2);
  layout->addWidget(viewCopyright_, 2, 0, 1, 2);

  header_ = PagePartField("header_text", group);
  footer_ = PagePartField("footer_text", group);
  ShowLines(*header_, DefaultHeaderLines());
  ShowLines(*footer_, DefaultFooterLines());
  layout->addWidget(new QLabel("デフォルトのHTMLヘッダ", group), 3, 0);
  layout->addWidget(new QLabel("デフォルトのHTMLフッタ", group), 3, 1);
  layout->addWidget(header_, 4, 0);
  layout->addWidget(footer_, 4, 1);
}

void HtmlOptionsPage::Load(const AppConfig& config) {
  comment_->setChecked(config.Read(keys::kComment));
  mapPrint_->setChecked(config.Read(keys::kMapPrint));
  viewCopyright_->setChecked(config.Read(keys::kViewCopyright));
}

bool HtmlOptionsPage::LoadPageParts(const std::string& headerPath, const std::string& footerPath) {
  // Each field is read on its own, so a readable footer file is shown (and
  // not overwritten with the built-in text at the next OK) even when the
  // header file cannot be read.
  const bool headerRead = ShowFile(*header_, headerPath);
  const bool footerRead = ShowFile(*footer_, footerPath);
  return headerRead && footerRead;
}

void HtmlOptionsPage::SavePageParts(const std::string& headerPath, const std::string& footerPath) const {
  SaveField(*header_, headerPath);
  SaveField(*footer_, footerPath);
}

void HtmlOptionsPage::StoreOutputOptions(AppConfig& config) const {
  config.Write(keys::kComment, comment_->isChecked());
  config.Write(keys::kMapPrint, mapPrint_->isChecked());
}

void HtmlOptionsPage::StoreCopyright(AppConfig& config) const {
  config.Write(keys::kViewCopyright, viewCopyright_->isChecked());
}

} // namespace zt
