#pragma once
// The options dialog "オプション": six pages of settings, each control
// showing one configuration key. It is filled once when it is made and shows
// the state of its last OK (or of start-up) each time it is opened; OK
// writes every key, cancel only hides it and keeps what the user changed.

#include "app/dialogs/DesktopIntegration.h"
#include "app/dialogs/UserPrompts.h"

#include <QDialog>
#include <QPoint>

#include <functional>

class QTabWidget;

namespace zt {

class AppConfig;
class BasicOptionsPage;
class FileOptionsPage;
class HtmlOptionsPage;
class MapOptionsPage;
class TestPlayOptionsPage;
class TextMapOptionsPage;

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  struct Services {
    UserPrompts prompts;
    // The main window's left and top, stored when "前回の位置を記憶する" is
    // chosen; by default the parent window's position.
    std::function<QPoint()> mainWindowPosition;
    std::function<QString(const QString& name)> applyTheme; // default: ApplyTheme
    DesktopIntegration desktop{DesktopIntegration::ForThisUser()};
  };

  // Services left empty get the modal boxes and the application-wide theme.
  // The dialog is filled here, once.
  OptionsDialog(AppConfig& config, Services services, QWidget* parent = nullptr);
  ~OptionsDialog() override;

  // Shows the dialog centred on the screen, without blocking other windows.
  void Present();

  void Button1Click(); // OK
  void Button2Click(); // cancel
  void Button3Click(); // associate project files
  void Button4Click(); // desktop shortcut

 signals:
  // The text map page's colouring was stored (applied at once).
  void TextMapColourChanged(bool coloured);
  // OK stored everything: refresh the title, stay-on-top, tab position, view
  // flags, text colour and redraw the map. `chipSizeChanged` asks to take
  // the chip size from `map`/`mini` again.
  void SettingsApplied(bool chipSizeChanged);

 private:
  void FormCreate();
  void StoreAll();

  AppConfig& config_;
  Services services_;
  QTabWidget* pages_ = nullptr;
  BasicOptionsPage* basic_ = nullptr;
  MapOptionsPage* map_ = nullptr;
  HtmlOptionsPage* html_ = nullptr;
  FileOptionsPage* files_ = nullptr;
  TestPlayOptionsPage* testPlay_ = nullptr;
  TextMapOptionsPage* textMap_ = nullptr;
  // Set when an OK stored a new chip size and stays set until an OK gets
  // as far as telling the main window, so a failed OK does not lose it.
  bool chipSizeChangePending_ = false;
};

} // namespace zt
