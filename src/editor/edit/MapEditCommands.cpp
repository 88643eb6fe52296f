#include "editor/edit/MapEditCommands.h"

#include "document/StageDocument.h"
#include "editor/core/BlockEditing.h"
#include "editor/core/Maze.h"
#include "editor/edit/BulkMapCommands.h"
#include "editor/edit/ClipboardView.h"
#include "editor/edit/RemainingCountReport.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace zt {
namespace {

// The last cell of the full-screen maze before widening.
constexpr CellPos kFullMazeCorner{177, 27};

} // namespace

MapEditCommands::MapEditCommands(StageDocument& doc, MapPage& page, const PatternImage& pattern, Dialogs& dialogs,
                                 QWidget* window)
    : QObject(window), doc_(doc), page_(page), bulk_(new BulkMapCommands(doc, page, dialogs, this)),
      report_(new RemainingCountReport(page, this)),
      clipboardView_(new ClipboardView(clipboard_, pattern, doc, page.view(), window)),
      selectionMenu_(new QMenu(window)), mapMenu_(new QMenu(window)) {
  selectionMenu_->setObjectName("PopupMenu1");
  mapMenu_->setObjectName("PopupMenu3");
  BuildSelectionMenu();
  BuildMapMenu();
  MapView& view = page.view();
  connect(&view, &MapView::undoAvailable, this, &MapEditCommands::undoAvailable);
  connect(&view, &MapView::selectionMenuRequested, selectionMenu_,
          [this](const QPoint& at) { selectionMenu_->popup(at); });
  connect(&view, &MapView::mapMenuRequested, mapMenu_, [this](const QPoint& at) { mapMenu_->popup(at); });
  connect(bulk_, &BulkMapCommands::cellsChanged, this, &MapEditCommands::cellsChanged);
  connect(bulk_, &BulkMapCommands::parametersChanged, this, &MapEditCommands::parametersChanged);
}

QAction* MapEditCommands::AddItem(QMenu& menu, const char* caption, void (MapEditCommands::*handler)()) {
  return menu.addAction(QString::fromUtf8(caption), this, handler);
}

QAction* MapEditCommands::AddItem(QMenu& menu, const char* caption, void (BulkMapCommands::*handler)()) {
  return menu.addAction(QString::fromUtf8(caption), bulk_, handler);
}

void MapEditCommands::BuildSelectionMenu() {
  // The shortcuts belong to the main window's actions; the menu only shows them.
  AddItem(*selectionMenu_, "切り取り(&X)\tCtrl+X", &MapEditCommands::Cut);
  AddItem(*selectionMenu_, "コピー(&C)\tCtrl+C", &MapEditCommands::Copy);
  AddItem(*selectionMenu_, "貼り付け(&P)\tCtrl+V", &MapEditCommands::Paste);
  selectionMenu_->addSeparator();
  copyPicture_ = AddItem(*selectionMenu_, "選択範囲の画像を　クリップボードにコピー(&I)", &MapEditCommands::I1Click);
  AddItem(*selectionMenu_, "迷路作成(&M)", &MapEditCommands::M5Click);
  connect(selectionMenu_, &QMenu::aboutToShow, this, [this] { copyPicture_->setEnabled(doc_.loaded); });
}

void MapEditCommands::BuildMapMenu() {
  QMenu& menu = *mapMenu_;
  AddItem(menu, "取得(&G)", &BulkMapCommands::G1Click);
  menu.addSeparator();
  AddItem(menu, "ワープ先へ移動(&W)", &BulkMapCommands::B1Click);
  AddItem(menu, "数の計算(&I)", &BulkMapCommands::N12Click);
  AddItem(menu, "これと同じ物を全て削除(&D)", &BulkMapCommands::N14Click);
  AddItem(menu, "これと同じ物をこれ以外全て削除(&A)", &BulkMapCommands::D1Click);
  AddItem(menu, "割合(&P)", &BulkMapCommands::P1Click);
  menu.addSeparator();
  AddItem(menu, "列を縦に塗りつぶす(&Z)", &BulkMapCommands::G2Click);
  AddItem(menu, "列を横に塗りつぶす(&Y)", &BulkMapCommands::Y1Click);
  AddItem(menu, "全て塗りつぶす(&O)", &BulkMapCommands::O1Click);
  AddItem(menu, "全画面迷路作成(&M)", &MapEditCommands::M6Click);
  menu.addSeparator();
  testPlay_ = AddItem(menu, "この位置からテストプレイ(&T)", &MapEditCommands::T3Click);
  testPlay_->setEnabled(false);
  menu.addSeparator();
  menu.addAction(QString::fromUtf8("閉じる(&C)")); // choosing any item closes the menu
}

void MapEditCommands::FinishSelectionEdit(bool changed) {
  page_.view().selection().active = false;
  page_.view().Redraw();
  if (!changed) return;
  doc_.SetModified(true);
  emit cellsChanged();
}

void MapEditCommands::Cut() {
  MapView& view = page_.view();
  if (!view.selection().active) return;
  const CellRect block = TakeSelectionBlock(view.selection(), view.viewGeometry());
  clipboard_ = CopyBlock(doc_, block);
  // Emptying cells is an edit: closing must offer to save it.
  FinishSelectionEdit(ClearBlock(doc_, block) > 0);
}

void MapEditCommands::Copy() {
  MapView& view = page_.view();
  if (!view.selection().active) return;
  clipboard_ = CopyBlock(doc_, TakeSelectionBlock(view.selection(), view.viewGeometry()));
  FinishSelectionEdit(false);
}

void MapEditCommands::Paste() {
  MapView& view = page_.view();
  if (!view.selection().active) return;
  PasteBlock(doc_, clipboard_, SelectionAnchor(view.selection(), view.viewGeometry()));
  FinishSelectionEdit(true);
}

void MapEditCommands::Deleted() {
  MapView& view = page_.view();
  if (!view.selection().active) return;
  ClearBlock(doc_, TakeSelectionBlock(view.selection(), view.viewGeometry()));
  FinishSelectionEdit(true);
}

void MapEditCommands::Undo() {
  MapView& view = page_.view();
  if (const std::optional<UndoEntry> entry = view.undoHistory().Pop())
    view.PenSetCell(entry->code, entry->x, entry->y, false);
  emit undoAvailable(canUndo());
}

bool MapEditCommands::canUndo() const { return page_.view().undoHistory().CanUndo(); }

void MapEditCommands::I1Click() {
  if (!doc_.loaded) return;
  MapView& view = page_.view();
  view.selection().Reorder();
  const PixelRect outline = view.selection().Outline(view.viewGeometry().chipSize);
  const QImage picture =
      view.backBuffer().copy(outline.left, outline.top, outline.right - outline.left, outline.bottom - outline.top);
  QGuiApplication::clipboard()->setImage(picture);
}

void MapEditCommands::M5Click() {
  const MazeRandom random = ClockSeededRandom();
  MapView& view = page_.view();
  if (!view.selection().active) return;
  const CellRect block = TakeSelectionBlock(view.selection(), view.viewGeometry());
  FinishSelectionEdit(BuildMaze(doc_, block, view.selectedTile(), random));
}

void MapEditCommands::M6Click() {
  page_.ScrollTo(0, 0);
  TileSelection& selection = page_.view().selection();
  const int chip = page_.view().viewGeometry().chipSize;
  selection.first = {0, 0};
  selection.second = {kFullMazeCorner.x * chip, kFullMazeCorner.y * chip};
  selection.active = true;
  M5Click();
  selection.second = {0, 0};
}

void MapEditCommands::SetTestPlayFromCell(std::function<void(CellPos)> run) {
  testPlayFromCell_ = std::move(run);
  testPlay_->setEnabled(static_cast<bool>(testPlayFromCell_));
}

void MapEditCommands::T3Click() {
  if (testPlayFromCell_) testPlayFromCell_(bulk_->ClickedCell());
}

void MapEditCommands::N24Click() { report_->Show(doc_); }

void MapEditCommands::C1Click() { clipboardView_->Toggle(); }

} // namespace zt
