#include "app/window/WindowHooks.h"

#include "app/window/DocumentSetup.h"
#include "app/window/MainWindow.h"
#include "app/settings/SettingsPage.h"
#include "app/window/AccessoryWindows.h"
#include "app/window/PageControl.h"
#include "app/window/StageCommands.h"

namespace zt {

void WindowHooks::SetStageSelectorItems(int count) { window_.stageCommands().SetSelectorItems(count); }

void WindowHooks::EnableStageCommands(StageType type) { window_.stageCommands().EnableFor(type); }

void WindowHooks::EnableSettings(StageType type) { window_.settingsPage().EnableForType(type); }

void WindowHooks::LoadDocumentImages(StageDocument&) { window_.documentSetup().LoadDocumentImages(); }

void WindowHooks::RedrawMap() { window_.RedrawMap(); }

void WindowHooks::RefreshWindow() { window_.update(); }

void WindowHooks::AddRecentFile(const std::string& path) { window_.AddRecentFile(path); }

void WindowHooks::BookmarksChanged() { window_.accessories().BookmarksChanged(); }

void WindowHooks::BeforeWriteProject() {
  if (window_.currentPage() == kSettingsPage) window_.TakeSettings();
}

} // namespace zt
