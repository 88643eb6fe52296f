#pragma once
// The periodic redraw of the map view and its four menu items: off, every
// 5, 15 or 30 seconds.

#include <QObject>

#include <functional>

class QTimer;

namespace zt {

class CommandTable;

class AutoRefresh : public QObject {
  Q_OBJECT
 public:
  AutoRefresh(CommandTable& commands, std::function<void()> redraw, QObject* parent);

  // 0 off, 1 high (5 s), 2 medium (15 s), 3 low (30 s); other values: off.
  void Apply(int setting);
  // The ticked item's setting, or -1 while none is ticked.
  int Ticked() const;
  int interval() const; // 0 while off

 private:
  CommandTable& commands_;
  QTimer* timer_;
};

} // namespace zt
