#pragma once
// A map page with the editing commands over a document, a synthetic pattern
// and scripted dialogs, and the mouse moves that make selections.

#include "editor/edit/MapEditCommands.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapTestSupport.h"
#include "support/ScriptedDialogs.h"

#include <QMenu>

namespace zt::test {

inline QPoint CellCentre(CellPos viewCell) { return {viewCell.x * 32 + 16, viewCell.y * 32 + 16}; }

class MapEditFixture {
 public:
  MapEditFixture() {
    pattern.SetRaw(SyntheticPattern(), qRgb(0, 0, 0));
    pattern.BuildSubstituted(kStageOneBackground);
    doc.loaded = true;
    window.resize(800, 600);
    page->resize(800, 600);
    window.show();
  }

  // A select-tool drag from one view cell to another.
  void Select(CellPos from, CellPos to) {
    view.SetTool(DrawingTool::Select);
    Press(view, CellCentre(from), Qt::LeftButton);
    Move(view, CellCentre(to), Qt::LeftButton);
    Release(view, CellCentre(to), Qt::LeftButton);
  }
  // A right click with the special switch on: the map menu opens over the
  // cell and is closed again, as if dismissed.
  void RightClick(CellPos viewCell) {
    view.SetSpecialSwitch(true);
    Press(view, CellCentre(viewCell), Qt::RightButton);
    Release(view, CellCentre(viewCell), Qt::RightButton);
    commands->mapMenu().hide();
  }
  CellPos Origin() const { return {view.viewGeometry().scrollX, view.viewGeometry().scrollY}; }

  StageDocument doc;
  PatternImage pattern;
  ScriptedDialogs dialogs;
  QWidget window; // owns the page and the commands; destroyed before the document
  MapPage* page = new MapPage(doc, pattern, &window);
  MapView& view = page->view();
  MapEditCommands* commands = new MapEditCommands(doc, *page, pattern, dialogs, &window);
};

} // namespace zt::test
