#include "app/pages/TextMapPage.h"

#include "app/pages/TextMapHighlighter.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace zt {
namespace {

QFont MapFont() {
  QFont font(QString::fromUtf8("ＭＳ ゴシック"));
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(12);
  return font;
}

} // namespace

TextMapPage::TextMapPage(QWidget* parent) : QWidget(parent), editor_(new QPlainTextEdit(this)) {
  editor_->setObjectName("SonEdit1");
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor_->setFont(MapFont());
  QPalette palette = editor_->palette();
  palette.setColor(QPalette::Base, QColor(216, 208, 200));
  palette.setColor(QPalette::Text, Qt::black);
  editor_->setPalette(palette);
  QTextOption option = editor_->document()->defaultTextOption();
  option.setFlags(option.flags() | QTextOption::ShowLineAndParagraphSeparators);
  editor_->document()->setDefaultTextOption(option);
  highlighter_ = new TextMapHighlighter(editor_->document());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(editor_);
}

void TextMapPage::SetLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
  editor_->setPlainText(text.join('\n'));
}

std::vector<std::string> TextMapPage::Lines() const {
  std::vector<std::string> lines;
  for (QTextBlock block = editor_->document()->begin(); block.isValid(); block = block.next()) {
    // Characters that are no map characters read as unknown cells ("?").
    std::string line;
    for (const QChar c : block.text()) line += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : '?';
    lines.push_back(std::move(line));
  }
  return lines;
}

void TextMapPage::SetColouring(bool on) { highlighter_->SetColouring(on); }

} // namespace zt
