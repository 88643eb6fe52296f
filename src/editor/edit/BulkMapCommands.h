#pragma once
// The commands of the map menu that act on the clicked cell's tile or on the
// selected tile across the whole current stage: pick, warp-pipe jump, count,
// delete, share and the column, row and stage fills. Questions and notices
// go through Dialogs.

#include "document/TileCode.h"
#include "editor/core/ViewCoordinates.h"

#include <QObject>

#include <string>

namespace zt {

class Dialogs;
class MapPage;
class StageDocument;

class BulkMapCommands : public QObject {
  Q_OBJECT

 public:
  BulkMapCommands(StageDocument& doc, MapPage& page, Dialogs& dialogs, QObject* parent = nullptr);

  // The stage cell under the right click that opened the map menu, at the
  // scroll position of now.
  CellPos ClickedCell() const;

  void G1Click();  // "取得(&G)": the clicked tile becomes the selected one
  void B1Click();  // "ワープ先へ移動(&W)": centre the view on the matching warp pipe
  void N12Click(); // "数の計算(&I)"
  void N14Click(); // "これと同じ物を全て削除(&D)"
  void D1Click();  // "これと同じ物をこれ以外全て削除(&A)"
  void P1Click();  // "割合(&P)"
  void G2Click();  // "列を縦に塗りつぶす(&Z)": the clicked column
  void Y1Click();  // "列を横に塗りつぶす(&Y)": the clicked row
  void O1Click();  // "全て塗りつぶす(&O)"

 signals:
  // Many cells changed at once: the overview redraws.
  void cellsChanged();
  // A game parameter changed (the warp-pipe mode): the settings controls
  // show it again.
  void parametersChanged();

 private:
  TileCode ClickedCode() const;
  bool Confirm(const std::string& text);
  void DeleteLikeClicked(bool keepClicked);
  void FillWithSelected(const CellRect& block, const char* how);
  // Every bulk edit ends with a redraw; one that changed cells marks the
  // document modified, so that closing offers to save it.
  void Finish(int changedCells);

  StageDocument& doc_;
  MapPage& page_;
  Dialogs& dialogs_;
};

} // namespace zt
