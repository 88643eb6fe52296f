#include "app/window/QtDialogs.h"

#include "app/window/MessagePanel.h"
#include "app/window/StatusLine.h"
#include "document/ProductInfo.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace zt {

QString MessageText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).replace("\r\n", "\n");
}

QtDialogs::QtDialogs(QWidget* parent, MessagePanel& messages, StatusLine& status, PasswordPrompt password)
    : parent_(parent), messages_(messages), status_(status), password_(std::move(password)) {}

Answer QtDialogs::Ask(const Question& question) {
  QMessageBox box(parent_);
  box.setWindowTitle(MessageText(question.title));
  box.setText(MessageText(question.text));
  switch (question.icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
  }
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (question.buttons == Buttons::YesNoCancel) buttons |= QMessageBox::Cancel;
  box.setStandardButtons(buttons);
  box.setDefaultButton(QMessageBox::Yes);
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return question.buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
  }
}

void QtDialogs::Notify(std::string_view text) {
  QMessageBox::information(parent_, QString::fromUtf8(kProductName), MessageText(text));
}

void QtDialogs::Log(std::string_view line) { messages_.Log(MessageText(line)); }

void QtDialogs::LogError(std::string_view line, int errorsBefore) {
  messages_.LogError(MessageText(line), errorsBefore);
  status_.SetStatusText(MessageText(line));
}

void QtDialogs::SetStatus(std::string_view text) { status_.SetStatusText(MessageText(text)); }

void QtDialogs::Pause(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

std::optional<std::string> QtDialogs::AskPassword() { return password_(); }

} // namespace zt
