#pragma once
// The core's questions and notices as message boxes, its log as the message
// panel, its status texts in the status line.

#include "formats/Dialogs.h"

#include <QString>

#include <functional>

class QWidget;

namespace zt {

class MessagePanel;
class StatusLine;

class QtDialogs : public Dialogs {
 public:
  using PasswordPrompt = std::function<std::optional<std::string>()>;
  QtDialogs(QWidget* parent, MessagePanel& messages, StatusLine& status, PasswordPrompt password);

  Answer Ask(const Question& question) override;
  void Notify(std::string_view text) override;
  void Log(std::string_view line) override;
  void LogError(std::string_view line, int errorsBefore) override;
  void SetStatus(std::string_view text) override;
  void Pause(int milliseconds) override;
  std::optional<std::string> AskPassword() override;

 private:
  QWidget* parent_;
  MessagePanel& messages_;
  StatusLine& status_;
  PasswordPrompt password_;
};

// Text for a message box: the core writes its line breaks as CR LF.
QString MessageText(std::string_view text);

} // namespace zt
