#pragma once
// What the readers and writers ask of the editor, done by the main window.

#include "formats/EditorHooks.h"

namespace zt {

class MainWindow;

class WindowHooks : public EditorHooks {
 public:
  explicit WindowHooks(MainWindow& window) : window_(window) {}

  void SetStageSelectorItems(int count) override;
  void EnableStageCommands(StageType type) override;
  void EnableSettings(StageType type) override;
  void LoadDocumentImages(StageDocument& doc) override;
  void RedrawMap() override;
  void RefreshWindow() override;
  void AddRecentFile(const std::string& path) override;
  void BookmarksChanged() override;
  void BeforeWriteProject() override;

 private:
  MainWindow& window_;
};

} // namespace zt
