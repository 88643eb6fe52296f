#pragma once
// Everything the core asks of the user or tells the user. The editor
// implements it with message boxes, the message panel and the status line;
// tests and the command-line tool implement it with scripted answers.
// All texts are UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace zt {

enum class Answer { Yes, No, Cancel };
enum class Buttons { YesNo, YesNoCancel };
enum class Icon { None, Question, Warning };

struct Question {
  std::string title;
  std::string text;
  Buttons buttons = Buttons::YesNo;
  Icon icon = Icon::Question;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual Answer Ask(const Question& question) = 0;
  // A notice with an OK button, titled with the product name.
  virtual void Notify(std::string_view text) = 0;
  // A line for the message log (kept only while the log is shown).
  virtual void Log(std::string_view line) = 0;
  // An error line of the page reader: always kept, also shown as the status
  // text. `errorsBefore` is the reader's error count before this line.
  virtual void LogError(std::string_view line, int errorsBefore) = 0;
  virtual void SetStatus(std::string_view text) = 0;
  // Waits, keeping the user interface responsive.
  virtual void Pause(int milliseconds) = 0;
  // The password dialog; the typed text as Shift-JIS bytes, or nullopt on cancel.
  virtual std::optional<std::string> AskPassword() = 0;
};

} // namespace zt
