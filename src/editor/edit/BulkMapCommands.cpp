#include "editor/edit/BulkMapCommands.h"

#include "document/StageDocument.h"
#include "editor/core/BulkOperations.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapView.h"
#include "formats/Dialogs.h"

namespace zt {
namespace {

constexpr std::int32_t kWarpPipeMode = 2; // dokan_mode: 1 link pipes, 2 warp pipes

// The map character in the brackets the messages put around it.
std::string Quoted(TileCode code) { return "「" + std::string(1, TileCodeToChar(code)) + "」"; }

} // namespace

BulkMapCommands::BulkMapCommands(StageDocument& doc, MapPage& page, Dialogs& dialogs, QObject* parent)
    : QObject(parent), doc_(doc), page_(page), dialogs_(dialogs) {}

CellPos BulkMapCommands::ClickedCell() const {
  const ViewGeometry view = page_.view().viewGeometry();
  const CellPos cell = page_.view().rightClickCell();
  return {cell.x + view.scrollX, cell.y + view.scrollY};
}

TileCode BulkMapCommands::ClickedCode() const {
  const CellPos cell = ClickedCell();
  return doc_.GetCell(cell.x, cell.y);
}

bool BulkMapCommands::Confirm(const std::string& text) {
  return dialogs_.Ask({"確認", text, Buttons::YesNo, Icon::Question}) == Answer::Yes;
}

void BulkMapCommands::Finish(int changedCells) {
  page_.view().Redraw();
  if (changedCells == 0) return;
  doc_.SetModified(true);
  emit cellsChanged();
}

void BulkMapCommands::G1Click() { page_.view().SelectTile(ClickedCode()); }

void BulkMapCommands::B1Click() {
  if (doc_.Int(ParamId::dokan_mode) != kWarpPipeMode) {
    if (!Confirm("設定がワープ土管ではありません。\r\nワープ土管に変更しますか？")) return;
    doc_.SetInt(ParamId::dokan_mode, kWarpPipeMode);
    // A changed setting is an edit like any other: closing must offer to save it.
    doc_.SetModified(true);
    emit parametersChanged();
  }
  const CellPos clicked = ClickedCell();
  const TileCode code = doc_.GetCell(clicked.x, clicked.y);
  if (!IsWarpPipe(code)) {
    dialogs_.Notify(Quoted(code) + "は土管ではありません");
    return;
  }
  const std::optional<CellPos> partner = FindWarpPartner(doc_, clicked);
  if (!partner) return;
  const CellPos scroll = CentringScroll(*partner, page_.view().viewGeometry());
  page_.ScrollTo(scroll.x, scroll.y);
  page_.view().Redraw();
  page_.UpdateMapStatus();
}

void BulkMapCommands::N12Click() {
  const TileCode code = ClickedCode();
  dialogs_.Notify(Quoted(code) + "は合計" + std::to_string(CountTiles(doc_, code)) + "個ありました。");
}

void BulkMapCommands::N14Click() { DeleteLikeClicked(false); }

void BulkMapCommands::D1Click() { DeleteLikeClicked(true); }

void BulkMapCommands::DeleteLikeClicked(bool keepClicked) {
  const CellPos clicked = ClickedCell();
  const TileCode code = ClickedCode();
  const std::string which = keepClicked ? "を(" + std::to_string(clicked.x) + "," + std::to_string(clicked.y) + ")以外"
                                        : std::string("を全て");
  if (!Confirm(Quoted(code) + which + "削除します。" + "\r\n" + "よろしいですか？")) return;
  const int deleted = DeleteTiles(doc_, code, keepClicked ? std::optional(clicked) : std::nullopt);
  Finish(deleted);
  dialogs_.Notify(std::to_string(deleted) + "個削除しました。");
}

void BulkMapCommands::P1Click() {
  dialogs_.Notify("全体の" + RatioText(CountTiles(doc_, ClickedCode())) + "%です。");
}

void BulkMapCommands::G2Click() { FillWithSelected(ColumnBlock(ClickedCell().x), "縦に"); }

void BulkMapCommands::Y1Click() { FillWithSelected(RowBlock(ClickedCell().y), "横に"); }

void BulkMapCommands::O1Click() { FillWithSelected(StageBlock(), "全て"); }

void BulkMapCommands::FillWithSelected(const CellRect& block, const char* how) {
  const TileCode tile = page_.view().selectedTile();
  if (!Confirm(Quoted(tile) + "で" + how + "塗りつぶします。")) return;
  Finish(FillBlock(doc_, block, tile));
}

} // namespace zt
