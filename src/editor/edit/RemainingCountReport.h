#pragma once
// Shows how many more enemies, obstacles, items and bosses the current stage
// may take in the four panels of the map page's second status bar, and
// empties them again after ten seconds.

#include <QObject>
#include <QTimer>

namespace zt {

class MapPage;
class StageDocument;

class RemainingCountReport : public QObject {
  Q_OBJECT

 public:
  static constexpr int kShownMilliseconds = 10000;

  explicit RemainingCountReport(MapPage& page, QObject* parent = nullptr);

  // Fills the panels and (re)starts the one-shot timer that empties them.
  void Show(const StageDocument& doc);
  QTimer& timer() { return timer_; }

 private:
  void Clear();

  MapPage& page_;
  QTimer timer_;
};

} // namespace zt
