#include "app/window/AccessoryWindows.h"

#include "app/config/AppConfig.h"
#include "app/window/CommandTable.h"
#include "app/window/DocumentSetup.h"
#include "app/window/MainWindow.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapView.h"
#include "editor/windows/CoordinateDialog.h"
#include "editor/windows/OverviewWindow.h"
#include "editor/windows/Sioriwin.h"
#include "editor/windows/ToolWindow.h"
#include "editor/windows/WorldMapEditor.h"
#include "tools/console/ScriptConsole.h"

#include <QAction>

namespace zt {

AccessoryWindows::AccessoryWindows(MainWindow& window) : QObject(&window), window_(window) {
  bookmarks_ = new Sioriwin(window.document(), window.mapPage(), window.dialogs(),
                            *window.commands().action(Command::AddSiori), &window);
  window.addDockWidget(Qt::LeftDockWidgetArea, bookmarks_);
  connect(bookmarks_, &Sioriwin::wentToBookmark, this, &AccessoryWindows::StageChanged);
}

void AccessoryWindows::CreateToolWindow() {
  toolWindow_ = new ToolWindow(window_.document(), window_.pattern(), window_.mapPage().view(), &window_);
}

void AccessoryWindows::CreateCoordinateDialog() {
  coordinates_ = new CoordinateDialog(window_.document(), window_.dialogs(), &window_);
}

void AccessoryWindows::CreateConsole() {
  MainWindow& window = window_;
  MapPage& page = window.mapPage();
  console_ = new console::ScriptConsole(
      window.document(), {[&window] { window.RedrawMap(); }, [&page](int x, int y) { page.ScrollTo(x, y); }},
      &window);
}

void AccessoryWindows::CreateWorldMapEditor() {
  MainWindow& window = window_;
  worldMap_ = new WorldMapEditor(
      window.document(), window.pattern(), window.worldPicture(),
      [&window] { return window.documentSetup().WorldMapPicturePath(); }, window.dialogs(), &window);
}

void AccessoryWindows::CreateOverview() {
  overview_ = new OverviewWindow(window_.document(), window_.mapPage(), &window_);
  // Every single-cell write shows in the overview while it is open.
  window_.document().onCellWritten = [this](int x, int y, TileCode code) {
    if (overview_->isVisible()) overview_->OverviewCell(x, y, code);
  };
}

AccessoryWindows::~AccessoryWindows() {
  window_.document().onCellWritten = nullptr;
  delete console_;
  delete bookmarks_;
  delete worldMap_;
  delete coordinates_;
  delete overview_;
  delete toolWindow_;
}

void AccessoryWindows::BindCommands() {
  CommandTable& commands = window_.commands();
  const auto whenLoaded = [this](auto toggle) {
    return [this, toggle] {
      if (window_.document().loaded) toggle();
    };
  };
  commands.Bind(Command::T1, whenLoaded([this] { toolWindow_->Toggle(); }));
  commands.Bind(Command::Z1, whenLoaded([this] { overview_->Toggle(); }));
  commands.Bind(Command::W1, [this] { coordinates_->exec(); });
  commands.Bind(Command::SelMap, [this] {
    worldMap_->show();
    worldMap_->raise();
    worldMap_->activateWindow();
  });
  commands.Bind(Command::ViewSiori, [this] { bookmarks_->Toggle(); });
  commands.Bind(Command::AddSiori, [this] { bookmarks_->AddSiori(); });
  commands.Bind(Command::N28, [this] { console_->Present(); });
  // The world map exists for map-type documents only.
  commands.action(Command::SelMap)->setEnabled(false);
}

void AccessoryWindows::RestoreVisibility() { bookmarks_->setVisible(window_.config().Read(keys::kBookmarkPanel)); }

void AccessoryWindows::StoreVisibility() {
  AppConfig& config = window_.config();
  config.Write(keys::kShowPositionWindow, overview_->isVisible());
  config.Write(keys::kBookmarkPanel, !bookmarks_->isHidden());
}

void AccessoryWindows::DocumentLoaded() {
  toolWindow_->DrawPalette();
  toolWindow_->show();
  if (window_.config().Read(keys::kShowPositionWindow)) overview_->show();
  if (overview_->isVisible()) overview_->DrawOverview();
  if (worldMap_->isVisible()) worldMap_->DrawMap();
  BookmarksChanged();
}

void AccessoryWindows::PatternReloaded() {
  toolWindow_->DrawPalette();
  if (worldMap_->isVisible()) worldMap_->DrawMap();
}

void AccessoryWindows::ViewOptionsChanged() {
  if (!window_.document().loaded || !toolWindow_) return;
  toolWindow_->DrawPalette();
  if (overview_->isVisible()) overview_->MoveViewport();
}

void AccessoryWindows::StageChanged() {
  if (overview_->isVisible()) overview_->DrawOverview();
}

void AccessoryWindows::BookmarksChanged() { bookmarks_->ReloadFromDocument(); }

void AccessoryWindows::ApplyStayOnTop() {
  // The tool window's setting takes effect only while a document is loaded.
  if (window_.document().loaded && toolWindow_) toolWindow_->SetStayOnTop(window_.config().Read(keys::kStayTopToolWindow));
}

void AccessoryWindows::StopScript() { console_->StopScript(); }

} // namespace zt
