#pragma once
// A FilePicker for tests: returns scripted choices and records the requests.

#include "app/window/FilePicker.h"

#include <deque>
#include <vector>

namespace zt::test {

class ScriptedFilePicker : public FilePicker {
 public:
  std::deque<std::optional<FileChoice>> opens;          // next open-dialog results; cancel when empty
  std::deque<std::optional<FileChoice>> saves;          // next save-dialog results; cancel when empty
  std::deque<std::optional<std::string>> patterns;      // next pattern choices; cancel when empty
  std::vector<FileDialogRequest> openRequests, saveRequests;
  std::vector<std::string> patternFolders;

  std::optional<FileChoice> OpenFile(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return Next(opens);
  }
  std::optional<FileChoice> SaveFile(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return Next(saves);
  }
  std::optional<std::string> ChoosePattern(const std::string& imageFolder) override {
    patternFolders.push_back(imageFolder);
    return Next(patterns);
  }

 private:
  template <typename T>
  static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    auto next = queue.front();
    queue.pop_front();
    return next;
  }
};

} // namespace zt::test
