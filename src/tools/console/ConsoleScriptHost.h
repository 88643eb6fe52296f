#pragma once
// The map script host of the console window: the map view routines go to the
// main window's view, messages and questions to the user, and the user
// interface keeps processing its events while a script runs, so the window
// stays responsive and its stop button works.

#include "tools/console/ConsoleDesktop.h"
#include "tools/console/core/MapScriptHost.h"

#include <chrono>
#include <functional>

class QEventLoop;

namespace zt::console {

// What the console needs of the main window's map page.
struct MapViewHooks {
  std::function<void()> redraw;              // redraws the current stage in the map view
  std::function<void(int x, int y)> scrollTo; // sets the map scroll bars (0..179, 0..29)
};

class ConsoleScriptHost : public MapScriptHost {
 public:
  ConsoleScriptHost(StageDocument& doc, MapViewHooks hooks, ConsoleDesktop& desktop);

  // Stops a running script (a pause or a Sleep ends at once); false when none runs.
  bool Stop();

  // Pending events are processed at most every few milliseconds, so that a
  // tight loop spends its time in the script; while paused, the host waits for
  // events instead of spinning.
  void ProcessMessages() override;
  std::string InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) override;
  std::int64_t MessageBox(std::string_view text, std::string_view caption, std::int64_t flags) override;
  std::int64_t Exec(std::string_view path, std::string_view cmdLine, bool wait) override;
  std::int64_t Shell(std::string_view path, std::string_view cmdLine) override;
  // Waits with the user interface alive.
  void Sleep(std::int64_t milliseconds) override;

 protected:
  void Display() override;
  void ShowMessage(std::string_view message) override;
  void SetScrollPosition(int x, int y) override;

 private:
  void ProcessEventsNow();

  MapViewHooks hooks_;
  ConsoleDesktop& desktop_;
  std::chrono::steady_clock::time_point lastEvents_{};
  QEventLoop* sleeping_ = nullptr; // the loop of a running Sleep
};

} // namespace zt::console
