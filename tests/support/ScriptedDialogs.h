#pragma once
// A Dialogs implementation for tests: answers questions from a script and
// records everything the core said.

#include "formats/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace zt::test {

class ScriptedDialogs : public Dialogs {
 public:
  std::deque<Answer> answers;            // next answers; Yes when empty
  std::deque<std::optional<std::string>> passwords; // next password dialog results; cancel when empty

  std::vector<Question> questions;
  std::vector<std::string> notices;
  std::vector<std::string> log;       // newest last
  std::vector<std::string> errors;    // error lines, in order
  std::vector<int> errorsBefore;
  std::vector<std::string> statuses;
  int pausedMilliseconds = 0;

  Answer Ask(const Question& question) override {
    questions.push_back(question);
    if (answers.empty()) return Answer::Yes;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  void Notify(std::string_view text) override { notices.emplace_back(text); }
  void Log(std::string_view line) override { log.emplace_back(line); }
  void LogError(std::string_view line, int before) override {
    errors.emplace_back(line);
    errorsBefore.push_back(before);
    statuses.emplace_back(line);
  }
  void SetStatus(std::string_view text) override { statuses.emplace_back(text); }
  void Pause(int milliseconds) override { pausedMilliseconds += milliseconds; }
  std::optional<std::string> AskPassword() override {
    if (passwords.empty()) return std::nullopt;
    auto p = passwords.front();
    passwords.pop_front();
    return p;
  }
};

} // namespace zt::test
