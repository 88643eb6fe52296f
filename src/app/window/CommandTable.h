#pragma once
// The one table of the main window's commands: caption, hint, shortcuts and
// status-line text, with their menus and toolbars. Handlers are bound by the
// main window; a command without a handler stays disabled.

#include "app/window/Command.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;
class QToolButton;

namespace zt {

class CommandTable : public QObject {
  Q_OBJECT
 public:
  explicit CommandTable(QMainWindow* window);

  QAction* action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }
  void Bind(Command command, std::function<void()> handler);
  // Builds the menu bar and the toolbars; call once, after binding.
  void BuildMenusAndToolbars();

  QMenu* recentFilesMenu() const { return recentFiles_; }
  QMenu* linksMenu() const { return links_; }
  QMenu* newDocumentMenu() const { return newDocument_; }
  QToolBar* selectorBar() const { return selectorBar_; }
  const std::array<QToolBar*, 3>& toolbars() const { return toolbars_; }

 private:
  QMenu* AddMenu(QMenuBar* bar, const char* caption);
  void AddActions(QMenu* menu, std::initializer_list<int> items);
  void AddActions(QToolBar* bar, std::initializer_list<int> items);

  QMainWindow* window_;
  std::array<QAction*, static_cast<std::size_t>(Command::Count)> actions_{};
  QMenu* recentFiles_ = nullptr;
  QMenu* links_ = nullptr;
  QMenu* newDocument_ = nullptr;
  QToolBar* selectorBar_ = nullptr;
  std::array<QToolBar*, 3> toolbars_{};
};

} // namespace zt
