#include "editor/windows/CoordinateDialog.h"

#include "document/StageDocument.h"
#include "formats/Dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace zt {
namespace {

QSpinBox* PositionBox(const char* name, int maximum, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(0, maximum);
  return box;
}

} // namespace

CoordinateDialog::CoordinateDialog(const StageDocument& doc, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), doc_(doc), dialogs_(dialogs), xv_(PositionBox("xv", kStageWidth, this)),
      yv_(PositionBox("yv", kStageHeight, this)) {
  setWindowTitle(QString::fromUtf8("ダイアログ"));
  setModal(true);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKBtn");
  ok->setDefault(true);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(new QLabel(QString::fromUtf8("座標"), this));
  layout->addWidget(xv_);
  layout->addWidget(yv_);
  layout->addWidget(ok);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(ok, &QPushButton::clicked, this, &CoordinateDialog::OkClicked);
}

std::string CoordinateDialog::CellMessage() const {
  const int x = xv_->value(), y = yv_->value();
  if (!InStage(x, y))
    return "(" + std::to_string(x) + "," + std::to_string(y) + ") はステージの外です。";
  return std::string(1, TileCodeToChar(doc_.GetCell(x, y)));
}

void CoordinateDialog::OkClicked() {
  dialogs_.Notify(CellMessage());
  accept();
}

} // namespace zt
