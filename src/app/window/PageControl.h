#pragma once
// The main window's four pages. A page change can be refused by the page
// being left; the page entered is told afterwards.

#include <QTabWidget>

#include <functional>

namespace zt {

enum Page : int { kMapPage = 0, kSettingsPage = 1, kSourcePage = 2, kTextMapPage = 3 };

class PageControl : public QTabWidget {
  Q_OBJECT
 public:
  explicit PageControl(QWidget* parent);

  // Runs before a change; false keeps the current page.
  std::function<bool(int leaving)> leavingPage;
  // Runs after a change.
  std::function<void(int entered)> enteredPage;

  // 0 top, 1 left, 2 right, 3 bottom; other values leave the tabs where they are.
  void SetTabSide(int position);

 private:
  void OnCurrentChanged(int index);
  int shown_ = 0;
  bool reverting_ = false;
};

} // namespace zt
