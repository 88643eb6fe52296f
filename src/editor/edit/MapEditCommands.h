#pragma once
// The editing commands of the map page that the main window binds to its
// actions: cut, copy, paste and delete through the tile clipboard, undo of
// pen edits, copying the selection as a picture, the maze, the selection
// menu "PopupMenu1", the map menu "PopupMenu3", the remaining-count report
// and the clipboard view window.

#include "editor/core/TileClipboard.h"
#include "editor/core/ViewCoordinates.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace zt {

class BulkMapCommands;
class ClipboardView;
class Dialogs;
class MapPage;
class PatternImage;
class RemainingCountReport;
class StageDocument;

class MapEditCommands : public QObject {
  Q_OBJECT

 public:
  // `window` parents the menus and the clipboard view, and the commands.
  MapEditCommands(StageDocument& doc, MapPage& page, const PatternImage& pattern, Dialogs& dialogs, QWidget* window);

  // The selection commands do nothing while no selection is active; each
  // switches the selection off and redraws the map.
  void Cut();     // the selected block into the clipboard, its cells emptied
  void Copy();    // the selected block into the clipboard
  void Paste();   // the clipboard at the cell where the selection began
  void Deleted(); // the selected block emptied; the clipboard stays
  // Restores the newest recorded pen edit.
  void Undo();
  // Whether Undo has an entry to restore: the Undo action's enabled state.
  bool canUndo() const;
  // "選択範囲の画像を　クリップボードにコピー(&I)": the selected cells as drawn,
  // to the system clipboard; only while a document is loaded.
  void I1Click();
  // "迷路作成(&M)": a maze over the selection, walls of the selected tile.
  void M5Click();
  // "全画面迷路作成(&M)": a maze over columns 0..177 and rows 0..27 before
  // widening, with the view scrolled to the stage's top-left.
  void M6Click();
  // "この位置からテストプレイ(&T)": hands the clicked stage cell to the hook.
  void T3Click();
  // "敵などの残数の表示(&N)".
  void N24Click();
  // "クリップボード(&C)" / Ctrl+F1: shows or hides the clipboard view.
  void C1Click();

  // Test play from the clicked cell; the menu item is enabled once it is set.
  void SetTestPlayFromCell(std::function<void(CellPos)> run);

  QMenu& selectionMenu() { return *selectionMenu_; }
  QMenu& mapMenu() { return *mapMenu_; }
  const TileClipboard& clipboard() const { return clipboard_; }
  ClipboardView& clipboardView() { return *clipboardView_; }
  RemainingCountReport& remainingCountReport() { return *report_; }
  BulkMapCommands& bulk() { return *bulk_; }

 signals:
  void undoAvailable(bool available);
  // Many cells changed at once: the overview redraws.
  void cellsChanged();
  // A game parameter changed: the settings controls show it again.
  void parametersChanged();

 private:
  void BuildSelectionMenu();
  void BuildMapMenu();
  QAction* AddItem(QMenu& menu, const char* caption, void (MapEditCommands::*handler)());
  QAction* AddItem(QMenu& menu, const char* caption, void (BulkMapCommands::*handler)());
  // Ends a selection command: selection off, redraw, and for a command that
  // changed the stage the modified mark and the overview.
  void FinishSelectionEdit(bool changed);

  StageDocument& doc_;
  MapPage& page_;
  TileClipboard clipboard_;
  std::function<void(CellPos)> testPlayFromCell_;
  BulkMapCommands* bulk_;
  RemainingCountReport* report_;
  ClipboardView* clipboardView_;
  QMenu* selectionMenu_;
  QMenu* mapMenu_;
  QAction* copyPicture_ = nullptr;
  QAction* testPlay_ = nullptr;
};

} // namespace zt
