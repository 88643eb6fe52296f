#pragma once
// The windows around the map: the tile palette, the overview, the coordinate
// dialog, the world-map editor, the bookmarks panel and the script console.
// Made once with the main window; this class wires them to its commands and
// keeps them in step with the document.

#include <QObject>

namespace zt {

class CoordinateDialog;
class MainWindow;
class OverviewWindow;
class Sioriwin;
class ToolWindow;
class WorldMapEditor;
namespace console {
class ScriptConsole;
}

class AccessoryWindows : public QObject {
  Q_OBJECT
 public:
  // Makes the bookmarks panel, a dock of the main window; the windows come
  // afterwards, one by one, in the order the main window makes its windows.
  explicit AccessoryWindows(MainWindow& window);
  // The windows go before the main window's pages, which they watch.
  ~AccessoryWindows() override;

  void CreateToolWindow();
  void CreateCoordinateDialog();
  void CreateConsole();
  void CreateWorldMapEditor();
  void CreateOverview();

  void BindCommands();
  // The bookmarks panel as it was at the last exit.
  void RestoreVisibility();
  void StoreVisibility();

  // A document has been set up: the palette shows, the overview too when
  // the configuration asks, and every open window draws it.
  void DocumentLoaded();
  void PatternReloaded();
  void ViewOptionsChanged();
  // The current stage or many of its cells changed.
  void StageChanged();
  void BookmarksChanged();
  void ApplyStayOnTop();
  void StopScript();

  ToolWindow& toolWindow() { return *toolWindow_; }
  OverviewWindow& overview() { return *overview_; }
  WorldMapEditor& worldMap() { return *worldMap_; }
  Sioriwin& bookmarks() { return *bookmarks_; }
  console::ScriptConsole& console() { return *console_; }

 private:
  MainWindow& window_;
  ToolWindow* toolWindow_ = nullptr;
  OverviewWindow* overview_ = nullptr;
  CoordinateDialog* coordinates_ = nullptr;
  WorldMapEditor* worldMap_ = nullptr;
  Sioriwin* bookmarks_ = nullptr;
  console::ScriptConsole* console_ = nullptr;
};

} // namespace zt
