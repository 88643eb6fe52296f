#pragma once
// The bookmark panel "Sioriwin" (caption "移動"): the list "ListBox1" of the
// document's bookmarks by name, kept in the same order as the bookmark
// lines. Adding stores the view position and stage; going there sets the
// stage and the scroll bars. The stage is set directly: the stage selector
// and the recoloured pattern are left as they are.

#include "document/Bookmark.h"

#include <QCursor>
#include <QDockWidget>

#include <optional>

class QAction;
class QListWidget;
class QMenu;

namespace zt {

class AddSioriName;
class Dialogs;
class MapPage;
class StageDocument;

class Sioriwin : public QDockWidget {
  Q_OBJECT

 public:
  // `addAction` is the main window's "現在の場所をしおりに追加" command, also
  // offered in the panel menu; it should call AddSiori.
  Sioriwin(StageDocument& doc, MapPage& page, Dialogs& dialogs, QAction& addAction, QWidget* parent = nullptr);

  // "しおり": hides the panel when shown, else shows it where it was docked.
  void Toggle();
  // Opens the name popup 30 pixels left of and 12 above the pointer, with
  // "しおり" and the next number as the proposed name.
  void AddSiori(QPoint pointer = QCursor::pos());
  // Appends a bookmark of the current view position and stage. A "," would
  // split the name in its line: it becomes the full-width "，".
  void AddBookmark(const QString& name);
  // Shows the entry as the status text: name(x,y) ステージn.
  void SelectEntry(int row);
  // Double click or "移動(&G)": the selected entry's stage and position.
  void GoToSelected();
  // "削除(&D)": removes the selected entry.
  void DeleteSelected();
  // Fills the list again from the document's bookmark lines.
  void ReloadFromDocument();

  QListWidget& listBox1() { return *list_; }
  AddSioriName& namePopup() { return *namePopup_; }
  QMenu& popupMenu5() { return *menu_; }

 signals:
  // The view was moved to a bookmark, possibly of another stage.
  void wentToBookmark();

 private:
  // The selected list row, or nothing when no entry is selected.
  std::optional<int> SelectedRow() const;
  std::optional<Bookmark> EntryAt(int row) const;

  StageDocument& doc_;
  MapPage& page_;
  Dialogs& dialogs_;
  QListWidget* list_;
  AddSioriName* namePopup_;
  QMenu* menu_;
  QAction* deleteAction_;
};

} // namespace zt
