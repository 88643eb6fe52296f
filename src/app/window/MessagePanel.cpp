#include "app/window/MessagePanel.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace zt {

MessagePanel::MessagePanel(QWidget* parent) : QDockWidget(QString::fromUtf8("メッセージ"), parent) {
  setObjectName("meswin");
  messages_ = new QPlainTextEdit(this);
  messages_->setObjectName("messages");
  messages_->setReadOnly(true);
  messages_->setLineWrapMode(QPlainTextEdit::NoWrap);
  messages_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  messages_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QPalette palette = messages_->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
  palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
  messages_->setPalette(palette);
  setWidget(messages_);
}

void MessagePanel::Insert(const QString& line) {
  QTextCursor cursor(messages_->document());
  cursor.movePosition(QTextCursor::Start);
  cursor.insertText(messages_->document()->isEmpty() ? line : line + "\n");
}

void MessagePanel::Log(const QString& line) {
  if (shown()) Insert(line);
}

void MessagePanel::LogError(const QString& line, int errorsBefore) {
  Insert(line);
  // The count is that of the errors before this one, so a read with a single
  // error leaves a hidden panel hidden.
  if (errorsBefore > 0 && !shown()) show();
}

void MessagePanel::Toggle() {
  if (shown()) {
    hide();
    return;
  }
  messages_->clear();
  show();
}

QStringList MessagePanel::lines() const {
  const QString text = messages_->toPlainText();
  return text.isEmpty() ? QStringList() : text.split('\n');
}

} // namespace zt
