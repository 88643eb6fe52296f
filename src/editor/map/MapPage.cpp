#include "editor/map/MapPage.h"

#include "document/StageGrid.h"
#include "editor/core/MapStatusText.h"
#include "editor/map/MapView.h"
#include "editor/map/StatusPanels.h"

#include <QGridLayout>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace zt {
namespace {

constexpr int kWheelNotch = 120; // angle delta of one notch

QScrollBar* CellScrollBar(Qt::Orientation orientation, int last, const char* name, QWidget* parent) {
  auto* bar = new QScrollBar(orientation, parent);
  bar->setObjectName(name);
  bar->setRange(0, last);
  bar->setSingleStep(1);
  bar->setPageStep(1);
  // The arrow keys belong to the main window, which scrolls by two cells.
  bar->setFocusPolicy(Qt::NoFocus);
  return bar;
}

} // namespace

MapPage::MapPage(StageDocument& doc, const PatternImage& pattern, QWidget* parent)
    : QWidget(parent), doc_(doc), view_(new MapView(doc, pattern, this)),
      horizontal_(CellScrollBar(Qt::Horizontal, kStageWidth - 1, "ScrollBar1", this)),
      vertical_(CellScrollBar(Qt::Vertical, kStageHeight - 1, "ScrollBar2", this)),
      mapStatus_(new StatusPanels("MapStatus", this)), statusBar2_(new StatusPanels("StatusBar2", this)) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(view_, 0, 0);
  layout->addWidget(vertical_, 0, 1);
  layout->addWidget(horizontal_, 1, 0);
  layout->addWidget(mapStatus_, 2, 0, 1, 2);
  layout->addWidget(statusBar2_, 3, 0, 1, 2);
  layout->setRowStretch(0, 1);
  layout->setColumnStretch(0, 1);

  connect(horizontal_, &QScrollBar::valueChanged, this, &MapPage::ScrollChanged);
  connect(vertical_, &QScrollBar::valueChanged, this, &MapPage::ScrollChanged);
  connect(view_, &MapView::scrollRequested, this, &MapPage::ScrollBy);
  connect(view_, &MapView::statusChanged, this, &MapPage::UpdateMapStatus);
  view_->installEventFilter(this);
  UpdateMapStatus();
}

void MapPage::SetStatusBar2Text(int panel, const QString& text) { statusBar2_->SetText(panel, text); }

void MapPage::ScrollBy(int dxCells, int dyCells) {
  ScrollTo(horizontal_->value() + dxCells, vertical_->value() + dyCells);
}

void MapPage::ScrollTo(int x, int y) {
  const int oldX = horizontal_->value(), oldY = vertical_->value();
  {
    // Both bars move first, so that a diagonal jump redraws once.
    const QSignalBlocker blockHorizontal(horizontal_);
    const QSignalBlocker blockVertical(vertical_);
    horizontal_->setValue(x);
    vertical_->setValue(y);
  }
  if (horizontal_->value() != oldX || vertical_->value() != oldY) ScrollChanged();
}

void MapPage::ScrollChanged() {
  view_->SetOrigin(horizontal_->value(), vertical_->value());
  emit originChanged(horizontal_->value(), vertical_->value());
  UpdateMapStatus();
}

void MapPage::UpdateMapStatus() {
  const auto texts = MapStatusTexts(doc_, view_->viewGeometry(), view_->pointer(), view_->selectedTile());
  for (int panel = 0; panel < StatusPanels::kPanelCount; ++panel)
    mapStatus_->SetText(panel, QString::fromStdString(texts[static_cast<std::size_t>(panel)]));
}

void MapPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int viewWidth = view_->width();
  mapStatus_->SetPanelWidth(0, viewWidth / 5);
  mapStatus_->SetPanelWidth(1, viewWidth / 3);
  mapStatus_->SetPanelWidth(2, viewWidth / 5);
  mapStatus_->SetPanelWidth(3, viewWidth / 5);
  for (int panel = 0; panel < StatusPanels::kPanelCount; ++panel)
    statusBar2_->SetPanelWidth(panel, statusBar2_->width() / 5);
}

bool MapPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view_ || event->type() != QEvent::Wheel) return QWidget::eventFilter(watched, event);
  Wheel(*static_cast<QWheelEvent*>(event));
  return true;
}

void MapPage::Wheel(const QWheelEvent& event) {
  // Fine-grained wheels report parts of a notch; they add up to whole rows.
  wheelRemainder_ += event.angleDelta().y();
  const int notches = wheelRemainder_ / kWheelNotch;
  wheelRemainder_ -= notches * kWheelNotch;
  if (notches != 0) ScrollBy(0, -notches);
}

} // namespace zt
