#pragma once
// The main editor window: the four pages, the docks, the menus and toolbars,
// and the one document of the run.

#include "document/StageDocument.h"
#include "editor/pattern/PatternImage.h"
#include "formats/FileContext.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QTimer;

namespace zt {

class AboutBox;
class AccessoryWindows;
class AppConfig;
class AutoRefresh;
class CommandTable;
class DocumentSetup;
class FileCommands;
class MapEditCommands;
class HtmlSourcePage;
class TextMapPage;
class FilePicker;
class MapPage;
class MessagePanel;
class OptionsDialog;
class PageControl;
class PasswordDialog;
class RecentFiles;
class RelatedFilesPanel;
class SettingsPage;
class SplashWindow;
class StageCommands;
class StatusLine;
class WindowHooks;

// Tests put scripted services in; left empty, the window makes the usual
// message boxes and file dialogs.
struct WindowServices {
  Dialogs* dialogs = nullptr;
  FilePicker* files = nullptr;
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(AppConfig& config, WindowServices services = {}, QWidget* parent = nullptr);
  ~MainWindow() override;

  StageDocument& document() { return doc_; }
  AppConfig& config() { return config_; }
  Dialogs& dialogs() { return *dialogs_; }
  FilePicker& files() { return *files_; }
  EditorHooks& hooks();
  // The context of a read or write, with the file settings as they are now.
  FileContext MakeFileContext();

  MapPage& mapPage() { return *mapPage_; }
  PatternImage& pattern() { return pattern_; }
  WorldMapPicture& worldPicture() { return worldPicture_; }
  CommandTable& commands() { return *commands_; }
  FileCommands& fileCommands() { return *fileCommands_; }
  StageCommands& stageCommands() { return *stageCommands_; }
  DocumentSetup& documentSetup() { return *documentSetup_; }
  AutoRefresh& autoRefresh() { return *autoRefresh_; }
  MapEditCommands& mapEdit() { return *mapEdit_; }
  AccessoryWindows& accessories() { return *accessories_; }
  SettingsPage& settingsPage() { return *settingsPage_; }
  // The settings controls into the document (before anything is written).
  void TakeSettings();
  MessagePanel& messagePanel() { return *messages_; }
  RelatedFilesPanel& relatedFiles() { return *relatedFiles_; }
  PageControl& pages() { return *pages_; }
  HtmlSourcePage& sourcePage() { return *sourcePage_; }
  TextMapPage& textMapPage() { return *textMapPage_; }
  QComboBox& stageSelector() { return *stageSelector_; }
  QComboBox& tileSelector() { return *tileSelector_; }
  const RecentFiles& recentFiles() const { return *recentFiles_; }
  int currentPage() const;

  void UpdateTitle();
  void SetStatusText(const QString& text);
  void RedrawMap();
  // Rebuilds the background-substituted pattern for the current stage.
  void RecolourPattern();
  // The text map page's text back into the current stage; false (the user
  // has been told where) when a line is missing.
  bool CommitTextMap();
  void FillTextMap();
  void AddRecentFile(const std::string& path);

  // Runs a command; an error it raises is shown in a message box and ends it.
  void RunCommand(const std::function<void()>& command);
  void ShowOptions();
  // Opens a file named on the command line once the window has appeared.
  void OpenWhenShown(const std::string& path) { commandLineFile_ = path; }

 signals:
  // The window was closed (after its state was stored).
  void closed();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate(SplashWindow& splash);
  void CreateWindows();
  void BuildPages();
  void BuildDocks();
  void BuildSelectorBar();
  void BindCommands();
  void BindEditCommands();
  void CreateOptionsDialog();
  void BuildRecentFilesMenu();
  void BuildLinksMenu();
  void SetToolbarsMovable(bool movable);
  void PlaceWindow();
  void ApplyStayOnTop();
  void ApplyViewOptions(bool chipSizeChanged);
  bool LeavingPage(int page);
  bool LeaveSourcePage();
  void LeaveSettingsPage();
  void EnteredPage(int page);
  bool FormCloseQuery();
  void FormClose();
  void SelectTileFromBox(int index);
  std::optional<std::string> AskPassword();

  AppConfig& config_;
  StageDocument doc_;
  PatternImage pattern_;
  WorldMapPicture worldPicture_;

  std::unique_ptr<Dialogs> ownDialogs_;
  std::unique_ptr<FilePicker> ownFiles_;
  Dialogs* dialogs_ = nullptr;
  FilePicker* files_ = nullptr;
  std::unique_ptr<WindowHooks> hooks_;
  std::unique_ptr<RecentFiles> recentFiles_;
  std::unique_ptr<FileCommands> fileCommands_;
  std::unique_ptr<StageCommands> stageCommands_;
  std::unique_ptr<DocumentSetup> documentSetup_;

  CommandTable* commands_ = nullptr;
  AutoRefresh* autoRefresh_ = nullptr;
  MapEditCommands* mapEdit_ = nullptr;
  AccessoryWindows* accessories_ = nullptr;
  SettingsPage* settingsPage_ = nullptr;
  PageControl* pages_ = nullptr;
  MapPage* mapPage_ = nullptr;
  HtmlSourcePage* sourcePage_ = nullptr;
  TextMapPage* textMapPage_ = nullptr;
  MessagePanel* messages_ = nullptr;
  RelatedFilesPanel* relatedFiles_ = nullptr;
  StatusLine* status_ = nullptr;
  QComboBox* stageSelector_ = nullptr;
  QComboBox* tileSelector_ = nullptr;
  OptionsDialog* options_ = nullptr;
  AboutBox* about_ = nullptr;
  PasswordDialog* password_ = nullptr;
  std::vector<std::string> links_; // the lines of "link.txt"
  std::string commandLineFile_;
};

} // namespace zt
