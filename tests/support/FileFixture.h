#pragma once
// A folder with header and footer files and a file context around scripted
// dialogs, for reader and writer tests.

#include "formats/FileContext.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <string>
#include <vector>

namespace zt::test {

// Hooks that record what the readers asked of the editor.
class RecordingHooks : public EditorHooks {
 public:
  std::vector<int> selectorItems;
  std::vector<StageType> stageCommands;
  std::vector<StageType> settingsEnabled;
  std::vector<std::string> recentFiles;
  int imagesLoaded = 0;
  int beforeWrite = 0;

  void SetStageSelectorItems(int count) override { selectorItems.push_back(count); }
  void EnableStageCommands(StageType type) override { stageCommands.push_back(type); }
  void EnableSettings(StageType type) override { settingsEnabled.push_back(type); }
  void LoadDocumentImages(StageDocument& doc) override {
    ++imagesLoaded;
    EditorHooks::LoadDocumentImages(doc);
  }
  void BeforeWriteProject() override { ++beforeWrite; }
  void AddRecentFile(const std::string& path) override { recentFiles.push_back(path); }
};

struct FileFixture {
  TempDir folder;
  ScriptedDialogs dialogs;
  RecordingHooks hooks;
  FileContext context{dialogs, hooks, {}};

  FileFixture() {
    folder.Write("header.htm", "<HTML>\r\n<BODY>\r\n");
    folder.Write("footer.htm", "</BODY>\r\n</HTML>\r\n");
    context.settings.htmlDir = folder.dir();
    context.settings.headerFile = folder.file("header.htm");
    context.settings.footerFile = folder.file("footer.htm");
    context.settings.workDir = folder.dir();
  }
};

} // namespace zt::test
