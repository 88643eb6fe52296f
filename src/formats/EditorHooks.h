#pragma once
// What the readers and writers ask of the editor around them. Every hook has
// a do-nothing default, so headless callers override only what they need.

#include "document/StageType.h"

#include <string>

namespace zt {

class StageDocument;

class EditorHooks {
 public:
  virtual ~EditorHooks() = default;

  // The stage selector shows 1 or 4 items.
  virtual void SetStageSelectorItems(int /*count*/) {}
  // The stage commands are enabled for a type.
  virtual void EnableStageCommands(StageType /*type*/) {}
  // The settings groups are enabled for a type.
  virtual void EnableSettings(StageType /*type*/) {}
  // Loads the pattern and world-map pictures and starts editing the
  // document; this is what marks a document loaded.
  virtual void LoadDocumentImages(StageDocument& doc);
  virtual void RedrawMap() {}
  virtual void RefreshWindow() {}
  // The bookmark lines changed; the bookmark list shows their names.
  virtual void BookmarksChanged() {}
  // Runs before a project is written: takes the settings controls into the
  // document when the settings page shows.
  virtual void BeforeWriteProject() {}
  virtual void AddRecentFile(const std::string& /*path*/) {}
  // Fetches a file from the web during a net import; true on success.
  virtual bool FetchUrlToFile(const std::string& /*url*/, const std::string& /*path*/) { return false; }
};

} // namespace zt
