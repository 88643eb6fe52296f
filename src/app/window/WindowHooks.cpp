#include "app/window/WindowHooks.h"

#include "app/window/DocumentSetup.h"
#include "app/window/MainWindow.h"
#include "app/window/StageCommands.h"

namespace zt {

void WindowHooks::SetStageSelectorItems(int count) { window_.stageCommands().SetSelectorItems(count); }

void WindowHooks::EnableStageCommands(StageType type) { window_.stageCommands().EnableFor(type); }

// The settings pages come with their own controls; there is nothing to
// enable while the page holds none.
void WindowHooks::EnableSettings(StageType) {}

void WindowHooks::LoadDocumentImages(StageDocument&) { window_.documentSetup().LoadDocumentImages(); }

void WindowHooks::RedrawMap() { window_.RedrawMap(); }

void WindowHooks::RefreshWindow() { window_.update(); }

void WindowHooks::AddRecentFile(const std::string& path) { window_.AddRecentFile(path); }

} // namespace zt
