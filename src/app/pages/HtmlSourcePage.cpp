#include "app/pages/HtmlSourcePage.h"

#include "app/pages/HtmlHighlighter.h"
#include "document/Cp932Codec.h"

#include <QAction>
#include <QFontDatabase>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

namespace zt {

HtmlSourcePage::HtmlSourcePage(QWidget* parent) : QWidget(parent), editor_(new QPlainTextEdit(this)) {
  editor_->setObjectName("Sourse");
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  new HtmlHighlighter(editor_->document());

  auto* toolbar = new QToolBar(this);
  toolbar->setObjectName("SourceToolBar");
  const auto add = [&](const char* name, const char* caption, auto slot) {
    QAction* action = toolbar->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    connect(action, &QAction::triggered, editor_, slot);
  };
  add("ToolButton19", "切り取り", &QPlainTextEdit::cut);
  add("ToolButton20", "コピー", &QPlainTextEdit::copy);
  add("ToolButton21", "貼り付け", &QPlainTextEdit::paste);
  toolbar->addSeparator();
  add("ToolButton23", "元に戻す", &QPlainTextEdit::undo);
  add("ToolButton1", "やり直し", &QPlainTextEdit::redo);

  // The editor's own menu `PopupMenu4`.
  editor_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(editor_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    QMenu menu(this);
    menu.setObjectName("PopupMenu4");
    connect(menu.addAction(QString::fromUtf8("元に戻す(&U)")), &QAction::triggered, editor_, &QPlainTextEdit::undo);
    connect(menu.addAction(QString::fromUtf8("切り取り(&X)")), &QAction::triggered, editor_, &QPlainTextEdit::cut);
    connect(menu.addAction(QString::fromUtf8("コピー(&C)")), &QAction::triggered, editor_, &QPlainTextEdit::copy);
    connect(menu.addAction(QString::fromUtf8("貼り付け(&P)")), &QAction::triggered, editor_, &QPlainTextEdit::paste);
    menu.exec(editor_->mapToGlobal(at));
  });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(toolbar);
  layout->addWidget(editor_);
}

void HtmlSourcePage::SetLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(Utf8FromShiftJis(line));
  editor_->setPlainText(text.join('\n'));
  editor_->moveCursor(QTextCursor::Start);
}

std::vector<std::string> HtmlSourcePage::Lines() const {
  std::vector<std::string> lines;
  for (QTextBlock block = editor_->document()->begin(); block.isValid(); block = block.next())
    lines.push_back(Sjis(block.text().toStdString()));
  return lines;
}

void HtmlSourcePage::ShowParsing() { editor_->setPlainText(QString::fromUtf8("HTML解析中...")); }

} // namespace zt
