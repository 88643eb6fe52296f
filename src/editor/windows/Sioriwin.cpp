#include "editor/windows/Sioriwin.h"

#include "document/Cp932Codec.h"
#include "document/ShiftJisText.h"
#include "document/StageDocument.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapView.h"
#include "editor/windows/AddSioriName.h"
#include "formats/Dialogs.h"

#include <QListWidget>
#include <QMenu>
#include <QScrollBar>

namespace zt {
namespace {

const QPoint kPopupOffset(-30, -12);
constexpr QChar kFullWidthComma(0xFF0C);

QString NameText(const std::string& sjisName) { return QString::fromStdString(Utf8FromShiftJis(sjisName)); }

std::string Position(const Bookmark& mark) {
  return "(" + std::to_string(mark.x) + "," + std::to_string(mark.y) + ")";
}

} // namespace

Sioriwin::Sioriwin(StageDocument& doc, MapPage& page, Dialogs& dialogs, QAction& addAction, QWidget* parent)
    : QDockWidget(QString::fromUtf8("移動"), parent), doc_(doc), page_(page), dialogs_(dialogs),
      list_(new QListWidget(this)), namePopup_(new AddSioriName(this)), menu_(new QMenu(this)) {
  setObjectName("Sioriwin");
  list_->setObjectName("ListBox1");
  list_->setToolTip(QString::fromUtf8("ダブルクリックで記憶した場所にすぐ移動出来ます。"));
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  setWidget(list_);

  menu_->setObjectName("PopupMenu5");
  menu_->addAction(QString::fromUtf8("移動(&G)"), this, &Sioriwin::GoToSelected);
  menu_->addAction(&addAction);
  deleteAction_ = menu_->addAction(QString::fromUtf8("削除(&D)"), this, &Sioriwin::DeleteSelected);
  connect(menu_, &QMenu::aboutToShow, this, [this] { deleteAction_->setEnabled(SelectedRow().has_value()); });
  connect(list_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { menu_->popup(list_->viewport()->mapToGlobal(at)); });

  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { SelectEntry(list_->row(item)); });
  connect(list_, &QListWidget::itemDoubleClicked, this, &Sioriwin::GoToSelected);
  connect(namePopup_, &AddSioriName::nameChosen, this, &Sioriwin::AddBookmark);
  ReloadFromDocument();
}

void Sioriwin::Toggle() { setVisible(!isVisible()); }

void Sioriwin::AddSiori(QPoint pointer) {
  namePopup_->Open(pointer + kPopupOffset, QString::fromUtf8("しおり") + QString::number(doc_.bookmarks.size() + 1));
}

void Sioriwin::AddBookmark(const QString& name) {
  Bookmark mark;
  mark.name = ShiftJisFromUtf8(QString(name).replace(QLatin1Char(','), kFullWidthComma).toStdString());
  mark.x = page_.scrollBar1().value();
  mark.y = page_.scrollBar2().value();
  mark.stage = doc_.currentStage;
  doc_.bookmarks.push_back(mark.ToLine());
  list_->addItem(NameText(mark.name));
  dialogs_.Log("added : " + Utf8FromShiftJis(mark.name) + Position(mark));
}

std::optional<Bookmark> Sioriwin::EntryAt(int row) const {
  if (row < 0 || row >= static_cast<int>(doc_.bookmarks.size())) return std::nullopt;
  return Bookmark::FromLine(doc_.bookmarks[static_cast<std::size_t>(row)]);
}

std::optional<int> Sioriwin::SelectedRow() const {
  const QListWidgetItem* item = list_->currentItem();
  if (!item || !item->isSelected()) return std::nullopt;
  return list_->row(item);
}

void Sioriwin::SelectEntry(int row) {
  const std::optional<Bookmark> mark = EntryAt(row);
  if (!mark) return;
  dialogs_.SetStatus(Utf8FromShiftJis(mark->name) + Position(*mark) + " ステージ" + std::to_string(mark->stage + 1));
}

void Sioriwin::GoToSelected() {
  const std::optional<int> row = SelectedRow();
  if (!row) return;
  const std::optional<Bookmark> mark = EntryAt(*row);
  // A line from a bookmark file may name a stage the document cannot hold.
  if (!mark || mark->stage < 0 || mark->stage >= kStageCount) return;
  doc_.currentStage = mark->stage;
  page_.ScrollTo(mark->x, mark->y);
  dialogs_.SetStatus(Utf8FromShiftJis(mark->name));
  page_.view().Redraw();
  emit wentToBookmark();
}

void Sioriwin::DeleteSelected() {
  const std::optional<int> row = SelectedRow();
  if (!row) return;
  doc_.bookmarks.erase(doc_.bookmarks.begin() + *row);
  delete list_->takeItem(*row);
}

void Sioriwin::ReloadFromDocument() {
  list_->clear();
  for (std::string line : doc_.bookmarks) list_->addItem(NameText(FirstField(line, ',')));
}

} // namespace zt
