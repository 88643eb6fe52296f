#include "app/window/AutoRefresh.h"

#include "app/window/CommandTable.h"

#include <QAction>
#include <QTimer>

namespace zt {
namespace {

constexpr Command kItems[] = {Command::qN2, Command::qN3, Command::qN4, Command::qN5};
constexpr int kIntervals[] = {0, 5000, 15000, 30000};

} // namespace

AutoRefresh::AutoRefresh(CommandTable& commands, std::function<void()> redraw, QObject* parent)
    : QObject(parent), commands_(commands), timer_(new QTimer(this)) {
  connect(timer_, &QTimer::timeout, this, [redraw = std::move(redraw)] { redraw(); });
  for (int setting = 0; setting < 4; ++setting) commands_.Bind(kItems[setting], [this, setting] { Apply(setting); });
  // At start-up no item is ticked and the timer is off.
  for (const Command item : kItems) commands_.action(item)->setChecked(false);
}

void AutoRefresh::Apply(int setting) {
  if (setting < 0 || setting > 3) setting = 0;
  commands_.action(kItems[setting])->setChecked(true);
  timer_->stop();
  if (kIntervals[setting] > 0) timer_->start(kIntervals[setting]);
}

int AutoRefresh::Ticked() const {
  for (int setting = 0; setting < 4; ++setting)
    if (commands_.action(kItems[setting])->isChecked()) return setting;
  return -1;
}

int AutoRefresh::interval() const { return timer_->isActive() ? timer_->interval() : 0; }

} // namespace zt
