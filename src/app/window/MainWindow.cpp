#include "app/window/MainWindow.h"

#include "app/config/AppConfig.h"
#include "app/config/RecentFiles.h"
#include "app/config/WindowTitle.h"
#include "app/dialogs/AboutBox.h"
#include "app/dialogs/OptionsDialog.h"
#include "app/dialogs/PasswordDialog.h"
#include "app/dialogs/SplashWindow.h"
#include "app/dialogs/Theme.h"
#include "app/dialogs/WindowPlacement.h"
#include "app/pages/HtmlSourcePage.h"
#include "app/pages/TextMapPage.h"
#include "app/settings/SettingsPage.h"
#include "app/window/AccessoryWindows.h"
#include "app/window/AutoRefresh.h"
#include "app/window/CommandIcons.h"
#include "app/window/CommandTable.h"
#include "app/window/DocumentSetup.h"
#include "app/window/FileCommands.h"
#include "app/window/MessagePanel.h"
#include "app/window/PageControl.h"
#include "app/window/ProgramFolder.h"
#include "app/window/QtDialogs.h"
#include "app/window/QtFilePicker.h"
#include "app/window/RelatedFilesPanel.h"
#include "app/window/StageCommands.h"
#include "app/window/StatusLine.h"
#include "app/window/WindowHooks.h"
#include "document/Cp932Codec.h"
#include "document/ProductInfo.h"
#include "editor/edit/MapEditCommands.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapView.h"
#include "formats/FileError.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/TextMap.h"
#include "formats/ProjectFile.h"
#include "formats/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <cstdio>
#include <utility>

namespace zt {

MainWindow::MainWindow(AppConfig& config, WindowServices services, QWidget* parent)
    : QMainWindow(parent), config_(config), hooks_(std::make_unique<WindowHooks>(*this)),
      recentFiles_(std::make_unique<RecentFiles>()), fileCommands_(std::make_unique<FileCommands>(*this)),
      stageCommands_(std::make_unique<StageCommands>(*this)), documentSetup_(std::make_unique<DocumentSetup>(*this)) {
  setObjectName("Form1");
  setWindowIconText(QString::fromUtf8(kProductName));
  SplashWindow splash;
  splash.show();
  splash.SetGauge(0);
  try {
    status_ = new StatusLine(this);
    messages_ = new MessagePanel(this);
    if (services.dialogs) {
      dialogs_ = services.dialogs;
    } else {
      ownDialogs_ = std::make_unique<QtDialogs>(this, *messages_, *status_, [this] { return AskPassword(); });
      dialogs_ = ownDialogs_.get();
    }
    if (services.files) {
      files_ = services.files;
    } else {
      ownFiles_ = std::make_unique<QtFilePicker>(this, *dialogs_);
      files_ = ownFiles_.get();
    }
    FormCreate(splash);
    splash.hide();
    CreateWindows();
  } catch (const std::exception& e) {
    // The rest of the construction is skipped; the splash goes with this scope.
    QMessageBox::critical(this, QString::fromUtf8(kProductName), QString::fromUtf8(e.what()));
  }
}

MainWindow::~MainWindow() {
  // The accessory windows watch the map page, so they go first.
  delete accessories_;
  accessories_ = nullptr;
}

void MainWindow::FormCreate(SplashWindow& splash) {
  const auto gauge = [&splash](int position) { splash.SetGauge(position); };
  EnterFolder(config_.programFolder());
  setWindowIcon(QIcon::fromTheme("applications-games"));
  gauge(5);
  ApplyTheme(QString::fromStdString(config_.Read(keys::kTheme)));
  gauge(7);
  doc_.currentStage = 0;
  doc_.onModifiedChanged = [this] { UpdateTitle(); };
  gauge(11);

  commands_ = new CommandTable(this);
  BuildPages();
  BuildDocks();
  BuildSelectorBar();
  autoRefresh_ = new AutoRefresh(*commands_, [this] { RedrawMap(); }, this);
  accessories_ = new AccessoryWindows(*this);
  BindCommands();
  commands_->BuildMenusAndToolbars();
  const bool draggable = config_.Read(keys::kAllowDrag);
  commands_->action(Command::FixTool)->setChecked(!draggable);
  SetToolbarsMovable(draggable);
  commands_->selectorBar()->addWidget(stageSelector_);
  commands_->selectorBar()->addWidget(tileSelector_);
  gauge(23);

  resize(767, 564);
  PlaceWindow();
  gauge(30);
  resize(config_.Read(keys::kWindowWidth), config_.Read(keys::kWindowHeight));
  if (config_.Read(keys::kWindowMax)) setWindowState(windowState() | Qt::WindowMaximized);
  gauge(45);
  ApplyStayOnTop();
  pages_->SetTabSide(config_.Read(keys::kTabPosition));
  ApplyViewOptions(true);
  gauge(47);
  // The document starts from the settings controls, map-type ones included.
  doc_.stageType = StageType::MapStage;
  settingsPage_->TakeAllSettings(doc_);
  doc_.stageType = StageType::OneStage;
  gauge(62);
  BuildLinksMenu();
  gauge(70);
  recentFiles_->Load(config_);
  BuildRecentFilesMenu();
  gauge(90);
  accessories_->RestoreVisibility();
  messages_->setVisible(config_.Read(keys::kMessagePanel));
  gauge(100);
  UpdateTitle();
}

void MainWindow::CreateWindows() {
  // Every other window is made once, now, in this order; the options dialog
  // therefore shows the settings as they were at start-up until its first OK.
  if (ownFiles_) static_cast<QtFilePicker&>(*ownFiles_).CreateChooser();
  accessories_->CreateToolWindow();
  accessories_->CreateCoordinateDialog();
  CreateOptionsDialog();
  about_ = new AboutBox(this);
  mapEdit_ = new MapEditCommands(doc_, *mapPage_, pattern_, *dialogs_, this); // with the clipboard view
  accessories_->CreateConsole();
  password_ = new PasswordDialog(this);
  accessories_->CreateWorldMapEditor();
  accessories_->CreateOverview();
  BindEditCommands();
  accessories_->BindCommands();
}

void MainWindow::BuildPages() {
  pages_ = new PageControl(this);
  mapPage_ = new MapPage(doc_, pattern_, pages_);
  pages_->addTab(mapPage_, QString::fromUtf8("マップ(&M)"));
  // The map page takes the keyboard focus, not the tab bar and not the bars,
  // which would turn the arrow keys that scroll the map into other moves.
  pages_->tabBar()->setFocusPolicy(Qt::NoFocus);
  mapPage_->setFocusPolicy(Qt::StrongFocus);
  mapPage_->view().setFocusPolicy(Qt::ClickFocus);
  mapPage_->scrollBar1().setFocusPolicy(Qt::NoFocus);
  mapPage_->scrollBar2().setFocusPolicy(Qt::NoFocus);
  settingsPage_ = new SettingsPage(pages_);
  pages_->addTab(settingsPage_, QString::fromUtf8("設定(&S)"));
  sourcePage_ = new HtmlSourcePage(pages_);
  const std::pair<const char*, QIcon> sourceIcons[] = {
      {"ToolButton19", CommandIcon(Command::Cut)},   {"ToolButton20", CommandIcon(Command::Copy)},
      {"ToolButton21", CommandIcon(Command::Paste)}, {"ToolButton23", CommandIcon(Command::Undo)},
      {"ToolButton1", RedoIcon()}};
  for (const auto& [name, icon] : sourceIcons) sourcePage_->findChild<QAction*>(name)->setIcon(icon);
  pages_->addTab(sourcePage_, QString::fromUtf8("HTMLソース(&S)"));
  textMapPage_ = new TextMapPage(pages_);
  textMapPage_->SetColouring(config_.Read(keys::kTextMapColour));
  pages_->addTab(textMapPage_, QString::fromUtf8("マップ（テキスト）"));
  pages_->leavingPage = [this](int page) { return LeavingPage(page); };
  pages_->enteredPage = [this](int page) { EnteredPage(page); };
  setCentralWidget(pages_);

  MapView& view = mapPage_->view();
  connect(&view, &MapView::simpleStatusTextChanged, this, &MainWindow::SetStatusText);
  connect(&view, &MapView::selectedTileChanged, this, [this](int code) {
    if (tileSelector_ && tileSelector_->currentIndex() != code) tileSelector_->setCurrentIndex(code);
  });
  qApp->installEventFilter(this);
}

void MainWindow::BuildDocks() {
  addDockWidget(Qt::BottomDockWidgetArea, messages_);
  connect(messages_, &QDockWidget::visibilityChanged, this, [this] { RedrawMap(); });
  relatedFiles_ = new RelatedFilesPanel(this);
  addDockWidget(Qt::RightDockWidgetArea, relatedFiles_);
  relatedFiles_->hide();
  statusBar()->addWidget(status_, 1);
}

void MainWindow::BuildSelectorBar() {
  stageSelector_ = new QComboBox(this);
  stageSelector_->setObjectName("TBXComboBoxItem1");
  stageSelector_->setMinimumWidth(74);
  stageSelector_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  stageSelector_->setToolTip(QString::fromUtf8("ステージ選択"));
  stageSelector_->setStatusTip(QString::fromUtf8("ステージを選択します。"));
  stageSelector_->setEnabled(false);
  stageCommands_->SetSelectorItems(1);
  connect(stageSelector_, &QComboBox::activated, this,
          [this](int index) { RunCommand([this, index] { stageCommands_->SelectStage(index); }); });

  tileSelector_ = new QComboBox(this);
  tileSelector_->setObjectName("selectchar");
  tileSelector_->setFixedWidth(30);
  tileSelector_->setStatusTip(QString::fromUtf8("チップを選択します。"));
  for (int code = 0; code <= kLastTileCode; ++code)
    tileSelector_->addItem(QString(QChar::fromLatin1(TileCodeToChar(static_cast<TileCode>(code)))));
  connect(tileSelector_, &QComboBox::currentIndexChanged, this, &MainWindow::SelectTileFromBox);
}

void MainWindow::SelectTileFromBox(int index) {
  if (index < 0) return;
  const TileCode code = TileCodeFromChar(tileSelector_->itemText(index).toStdString());
  if (code != mapPage_->view().selectedTile()) mapPage_->view().SelectTile(code);
}

void MainWindow::BindCommands() {
  CommandTable& c = *commands_;
  const auto bind = [&](Command command, std::function<void()> handler) {
    c.Bind(command, [this, handler = std::move(handler)] { RunCommand(handler); });
  };
  FileCommands& file = *fileCommands_;
  StageCommands& stage = *stageCommands_;

  bind(Command::New, [this] { commands_->newDocumentMenu()->popup(QCursor::pos()); });
  bind(Command::OneStage, [&stage] { stage.NewDocument(StageType::OneStage); });
  bind(Command::FourStage, [&stage] { stage.NewDocument(StageType::FourStage); });
  bind(Command::MapStage, [&stage] { stage.NewDocument(StageType::MapStage); });
  bind(Command::Open, [&file] { file.Open(); });
  bind(Command::Save, [&file] { file.Save(); });
  bind(Command::SaveAs1, [&file] { file.SaveAs1(); });
  bind(Command::K1, [&file] { file.K1Click(); });
  bind(Command::LoadHtmlFile, [&file] { file.LoadHtmlFile(); });
  bind(Command::MakeHtmlFile, [&file] { file.MakeHtmlFile(); });
  bind(Command::Exit, [this] { close(); });
  bind(Command::S3, [this] {
    const QRect area = frameGeometry();
    QScreen* screen = this->screen();
    if (screen) screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save("screenshot.bmp", "BMP");
  });

  const auto tool = [&](Command command, DrawingTool drawingTool) {
    bind(command, [this, drawingTool] { mapPage_->view().SetTool(drawingTool); });
  };
  tool(Command::A_Pen, DrawingTool::Pen);
  tool(Command::A_Select, DrawingTool::Select);
  tool(Command::A_Nuri, DrawingTool::Fill);
  tool(Command::A_Rect, DrawingTool::Rectangle);
  bind(Command::Action6,
       [this] { mapPage_->view().SetSpecialSwitch(commands_->action(Command::Action6)->isChecked()); });
  bind(Command::GoStartingPlace, [this] { documentSetup_->GoStartingPlace(); });

  bind(Command::Refresh, [this] {
    mapPage_->UpdateMapStatus();
    mapPage_->view().Redraw();
    accessories_->StageChanged();
    dialogs_->Log("Refresh..");
  });
  bind(Command::TBItem47, [this] { messages_->Toggle(); });
  bind(Command::TBXItem30, [this] { relatedFiles_->setVisible(relatedFiles_->isHidden()); });
  bind(Command::R2, [this] { documentSetup_->ReloadPattern(); });
  bind(Command::FixTool, [this] {
    const bool draggable = !commands_->action(Command::FixTool)->isChecked();
    SetToolbarsMovable(draggable);
    config_.Write(keys::kAllowDrag, draggable);
  });

  const Command stages[] = {Command::SelSt1, Command::SelSt2, Command::SelSt3, Command::SelSt4};
  for (int i = 0; i < 4; ++i) bind(stages[i], [&stage, i] { stage.SelectStage(i); });
  bind(Command::N111, [&stage] { stage.ConvertType(StageType::OneStage); });
  bind(Command::N43, [&stage] { stage.ConvertType(StageType::FourStage); });
  bind(Command::N32, [&stage] { stage.ConvertType(StageType::MapStage); });
  // Until a document exists the stage commands stay disabled.
  for (const Command command : stages) c.action(command)->setEnabled(false);

  bind(Command::E1, [this] { ShowOptions(); });
  bind(Command::About1, [this] { about_->Present(); });
}

void MainWindow::BindEditCommands() {
  CommandTable& c = *commands_;
  MapEditCommands& edit = *mapEdit_;
  QPlainTextEdit& source = sourcePage_->editor();
  // On the HTML source page the clipboard commands act on its text.
  const auto onSource = [this] { return currentPage() == kSourcePage; };
  c.Bind(Command::Cut, [&edit, &source, onSource] { onSource() ? source.cut() : edit.Cut(); });
  c.Bind(Command::Copy, [&edit, &source, onSource] { onSource() ? source.copy() : edit.Copy(); });
  c.Bind(Command::Paste, [&edit, &source, onSource] { onSource() ? source.paste() : edit.Paste(); });
  c.Bind(Command::Deleted, [&edit] { edit.Deleted(); });
  c.Bind(Command::Undo, [&edit] { edit.Undo(); });
  c.Bind(Command::N24, [&edit] { edit.N24Click(); });
  c.Bind(Command::C1, [&edit] { edit.C1Click(); });
  c.Bind(Command::Action2, [&edit] { edit.C1Click(); });
  connect(&edit, &MapEditCommands::undoAvailable, c.action(Command::Undo), &QAction::setEnabled);
  connect(&edit, &MapEditCommands::cellsChanged, this, [this] { accessories_->StageChanged(); });
  connect(&edit, &MapEditCommands::parametersChanged, this, [this] {
    if (currentPage() == kSettingsPage) settingsPage_->ShowSettings(doc_);
  });
  c.action(Command::Undo)->setEnabled(edit.canUndo());
}

void MainWindow::CreateOptionsDialog() {
  OptionsDialog::Services services;
  services.mainWindowPosition = [this] { return pos(); };
  options_ = new OptionsDialog(config_, std::move(services), this);
  connect(options_, &OptionsDialog::TextMapColourChanged, this,
          [this](bool coloured) { textMapPage_->SetColouring(coloured); });
  connect(options_, &OptionsDialog::SettingsApplied, this, [this](bool chipSizeChanged) {
    UpdateTitle();
    ApplyStayOnTop();
    pages_->SetTabSide(config_.Read(keys::kTabPosition));
    ApplyViewOptions(chipSizeChanged);
  });
}

void MainWindow::ShowOptions() { options_->Present(); }

void MainWindow::ApplyViewOptions(bool chipSizeChanged) {
  MapView& view = mapPage_->view();
  MapViewOptions options = view.options();
  if (chipSizeChanged) options.mini = config_.Read(keys::kMini);
  options.viewNum = config_.Read(keys::kViewNum);
  options.viewInfo = config_.Read(keys::kViewInfo);
  options.grid = config_.Read(keys::kGrid);
  options.gridType = config_.Read(keys::kGridType);
  options.gridColType = config_.Read(keys::kGridColourType);
  options.gridColor = config_.Read(keys::kGridColour);
  options.fontColor = config_.Read(keys::kFontColour);
  options.ugokuyukaView = config_.Read(keys::kPlatformView);
  options.nuritubushi = config_.Read(keys::kFillEverywhere);
  view.SetOptions(options);
  accessories_->ViewOptionsChanged();
}

void MainWindow::SetToolbarsMovable(bool movable) {
  for (QToolBar* toolbar : commands_->toolbars()) toolbar->setMovable(movable);
  commands_->selectorBar()->setMovable(movable);
}

void MainWindow::BuildRecentFilesMenu() {
  QMenu* menu = commands_->recentFilesMenu();
  menu->clear();
  const auto& entries = recentFiles_->entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].empty()) continue;
    const std::string path = entries[i];
    QAction* item = menu->addAction("&" + QString::number(i) + ":" + QString::fromStdString(path));
    connect(item, &QAction::triggered, this,
            [this, path] { RunCommand([this, path] { fileCommands_->HistoryFileOpen(path); }); });
  }
}

void MainWindow::BuildLinksMenu() {
  EnterFolder(config_.programFolder());
  links_.clear();
  try {
    for (const std::string& line : ReadTextLines("link.txt")) links_.push_back(Utf8FromShiftJis(line));
  } catch (const FileError&) {
    // Without "link.txt" the links menu stays empty.
  }
  QMenu* menu = commands_->linksMenu();
  menu->clear();
  for (std::size_t k = 0; k + 1 < links_.size(); k += 2) {
    const QString target = QString::fromStdString(links_[k + 1]);
    QAction* item = menu->addAction(QString::fromStdString(links_[k]));
    connect(item, &QAction::triggered, this, [target] {
      const QUrl url = QUrl::fromUserInput(target);
      QDesktopServices::openUrl(url);
    });
  }
}

void MainWindow::PlaceWindow() {
  if (config_.Read(keys::kWindowPosBefore) || config_.Read(keys::kWindowPosNum)) {
    move(config_.Read(keys::kWindowPosX), config_.Read(keys::kWindowPosY));
    return;
  }
  QScreen* screen = QApplication::primaryScreen();
  if (config_.Read(keys::kWindowPosRandom) && screen) {
    const QRect area = screen->geometry();
    // A window larger than the screen goes to the top-left corner.
    const int spanX = std::max(1, area.width() - width());
    const int spanY = std::max(1, area.height() - height());
    move(QRandomGenerator::global()->bounded(spanX), QRandomGenerator::global()->bounded(spanY));
    return;
  }
  CentreOnScreen(*this);
}

void MainWindow::ApplyStayOnTop() {
  accessories_->ApplyStayOnTop();
  const bool onTop = config_.Read(keys::kStayTop);
  if (onTop == bool(windowFlags() & Qt::WindowStaysOnTopHint)) return;
  const bool wasVisible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) show();
}

EditorHooks& MainWindow::hooks() { return *hooks_; }

FileContext MainWindow::MakeFileContext() { return {*dialogs_, *hooks_, config_.FileSettingsNow()}; }

int MainWindow::currentPage() const { return pages_->currentIndex(); }

void MainWindow::UpdateTitle() {
  const auto title = TitleFor(doc_, config_);
  if (!title) return;
  setWindowTitle(QString::fromStdString(title->title));
  // The task bar shows the window's icon text.
  if (title->alsoTaskBar) setWindowIconText(QString::fromStdString(title->title));
}

void MainWindow::SetStatusText(const QString& text) { status_->SetStatusText(text); }

void MainWindow::RedrawMap() { mapPage_->view().Redraw(); }

void MainWindow::RecolourPattern() {
  const Rgb background = doc_.StageBackground(doc_.currentStage);
  pattern_.BuildSubstituted(qRgb(background.red, background.green, background.blue));
}

void MainWindow::AddRecentFile(const std::string& path) { recentFiles_->Add(path); }

void MainWindow::RunCommand(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& e) {
    dialogs_->Notify(e.what());
  }
}

std::optional<std::string> MainWindow::AskPassword() {
  const auto typed = password_->Ask();
  if (!typed) return std::nullopt;
  return Sjis(typed->toStdString());
}

bool MainWindow::LeavingPage(int page) {
  if (!doc_.loaded) return false;
  switch (page) {
    case kMapPage:
      for (const Command command : {Command::Cut, Command::Copy, Command::Paste})
        commands_->action(command)->setEnabled(false);
      return true;
    case kSettingsPage: LeaveSettingsPage(); return true;
    case kSourcePage: return LeaveSourcePage();
    // A text map with a missing line keeps its page, so the text is not lost.
    case kTextMapPage: return CommitTextMap();
    default: return true;
  }
}

void MainWindow::TakeSettings() { settingsPage_->TakeSettings(doc_); }

void MainWindow::LeaveSettingsPage() {
  settingsPage_->TakeSettings(doc_);
  if (settingsPage_->BackgroundChanged(doc_)) {
    RecolourPattern();
    RedrawMap();
  }
  // Leaving the page counts as an edit, whether or not anything changed.
  doc_.SetModified(true);
}

bool MainWindow::LeaveSourcePage() {
  // The page is read back through a working file, as any game page is read.
  const std::vector<std::string> lines = sourcePage_->Lines();
  bool completed = false;
  RunCommand([&] {
    WriteTextLines("tmp.$$$", lines);
    sourcePage_->ShowParsing();
    FileContext context = MakeFileContext();
    completed = ReadHtml(doc_, "tmp.$$$", context) == ReadOutcome::Completed;
  });
  std::remove("tmp.$$$");
  // A page that could not be read keeps its text and the page stays, so
  // that the user can correct it.
  if (!completed) sourcePage_->SetLines(lines);
  return completed;
}

bool MainWindow::CommitTextMap() {
  bool changed = false;
  if (const auto error = zt::CommitTextMap(doc_, textMapPage_->Lines(), &changed)) {
    dialogs_->Notify(error->Message());
    return false;
  }
  if (changed) doc_.SetModified(true);
  RecolourPattern();
  RedrawMap();
  return true;
}

void MainWindow::FillTextMap() { textMapPage_->SetLines(zt::FillTextMap(doc_)); }

void MainWindow::EnteredPage(int page) {
  switch (page) {
    case kMapPage:
      mapPage_->setFocus();
      for (const Command command : {Command::Cut, Command::Copy, Command::Paste})
        commands_->action(command)->setEnabled(true);
      break;
    case kSourcePage: {
      sourcePage_->SetLines(WriteHtml(doc_, config_.PageOptionsNow()));
      const std::string note = "注：ヘッダ、フッタは変更しても変わりません。";
      dialogs_->Log(note);
      SetStatusText(QString::fromStdString(note));
      break;
    }
    case kSettingsPage: settingsPage_->ShowSettings(doc_); break;
    case kTextMapPage: FillTextMap(); break;
    default: break;
  }
}

bool MainWindow::event(QEvent* event) {
  // A pointed-at item puts its text into the status line, which keeps it
  // until something else is shown there (moving off an item sends an empty
  // text, which changes nothing).
  if (event->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    if (!tip.isEmpty()) SetStatusText(tip);
    return true;
  }
  return QMainWindow::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The arrow keys scroll the map while its page shows, before any control
  // sees them; the key is not consumed. A key the first receiver ignores is
  // passed on to its parents, so only that first delivery counts.
  if (event->type() == QEvent::KeyPress && currentPage() == kMapPage) {
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    const bool first = widget && widget->window() == this && widget == (focus ? focus : this);
    if (first) {
      switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left: mapPage_->ScrollBy(-2, 0); break;
        case Qt::Key_Right: mapPage_->ScrollBy(2, 0); break;
        case Qt::Key_Up: mapPage_->ScrollBy(0, -2); break;
        case Qt::Key_Down: mapPage_->ScrollBy(0, 2); break;
        default: break;
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (commandLineFile_.empty()) return;
  // Opened once: reading it again each time the window comes back (after
  // being minimised, say) would throw away the edits made since.
  const std::string path = std::exchange(commandLineFile_, std::string());
  // Let the window appear before a long read starts.
  QTimer::singleShot(0, this, [this, path] { RunCommand([this, path] { fileCommands_->OpenByExtension(path); }); });
}

bool MainWindow::FormCloseQuery() {
  if (!doc_.loaded || !doc_.modified()) return true;
  const Answer answer = dialogs_->Ask({"確認", doc_.documentName + "は変更されています。\r\n保存しますか？",
                                       Buttons::YesNoCancel, Icon::Question});
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::No) return true;
  if (doc_.documentName == kUntitled) {
    const auto choice = files_->SaveFile({"game.zpp", kProjectFilter});
    if (!choice) return false;
    doc_.documentName = choice->path;
  }
  FileContext context = MakeFileContext();
  return WriteProject(doc_, doc_.documentName, {}, context).has_value();
}

void MainWindow::FormClose() {
  recentFiles_->Store(config_);
  if (config_.Read(keys::kWindowPosBefore)) {
    config_.Write(keys::kWindowPosX, x());
    config_.Write(keys::kWindowPosY, y());
  }
  if (const int ticked = autoRefresh_->Ticked(); ticked >= 0) config_.Write(keys::kAutoReload, ticked);
  accessories_->StoreVisibility();
  accessories_->StopScript();
  if (!isMaximized()) {
    config_.Write(keys::kWindowWidth, width());
    config_.Write(keys::kWindowHeight, height());
  }
  config_.Write(keys::kWindowMax, isMaximized());
  config_.Write(keys::kMessagePanel, messages_->shown());
  std::remove("tmp.$$$");
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool allowed = false;
  RunCommand([&] { allowed = FormCloseQuery(); });
  if (!allowed) {
    event->ignore();
    return;
  }
  RunCommand([this] { FormClose(); });
  event->accept();
  emit closed();
}

} // namespace zt
