#include "editor/edit/RemainingCountReport.h"

#include "editor/core/RemainingCounts.h"
#include "editor/map/MapPage.h"
#include "editor/map/StatusPanels.h"

namespace zt {

RemainingCountReport::RemainingCountReport(MapPage& page, QObject* parent) : QObject(parent), page_(page) {
  timer_.setSingleShot(true);
  timer_.setInterval(kShownMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &RemainingCountReport::Clear);
}

void RemainingCountReport::Show(const StageDocument& doc) {
  const auto texts = RemainingCountTexts(CountRemaining(doc));
  for (int panel = 0; panel < StatusPanels::kPanelCount; ++panel)
    page_.SetStatusBar2Text(panel, QString::fromStdString(texts[static_cast<std::size_t>(panel)]));
  timer_.start();
}

void RemainingCountReport::Clear() {
  for (int panel = 0; panel < StatusPanels::kPanelCount; ++panel) page_.SetStatusBar2Text(panel, QString());
}

} // namespace zt
