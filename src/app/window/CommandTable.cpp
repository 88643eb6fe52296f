#include "app/window/CommandTable.h"

#include "app/window/CommandIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenuBar>
#include <QStringList>
#include <QToolBar>
#include <QToolButton>

namespace zt {
namespace {

using C = Command;

enum Flag : unsigned {
  kCheckable = 1u << 0,
  kChecked = 1u << 1,
};

struct Spec {
  Command id;
  const char* caption;
  const char* hint;       // tool tip
  const char* shortcuts;  // ";" separated, the first one shown
  const char* statusHint; // put into the status line while the item is pointed at
  unsigned flags = 0;
};

// In command order.
constexpr Spec kSpecs[] = {
    {C::New, "新規作成(&N)", "新規作成", "Ctrl+N", "新規に作成します。"},
    {C::OneStage, "1ステージ(&O)", "", "", ""},
    {C::FourStage, "4ステージ(&F)", "", "", ""},
    {C::MapStage, "地図対応(&M)", "", "", ""},
    {C::Open, "開く(&O", "開く", "Ctrl+O", "既存のファイルを開きます。"},
    {C::Save, "上書き保存(&S)", "保存", "Ctrl+S", "ファイルを上書き保存します。"},
    {C::SaveAs1, "名前を付けて保存(&R)", "", "", ""},
    {C::K1, "暗号化して保存(&K)", "", "Ctrl+Alt+C", ""},
    {C::ESave, "簡易保存(&E)", "", "Ctrl+E", ""},
    {C::EOpen, "簡易保存した物を開く(&F)", "", "Ctrl+Q", ""},
    {C::MakeHtmlFile, "HTML書き出し(&M)", "HTML書き出し", "", "現在作成しているデータをHTMLに書き出します。"},
    {C::LoadHtmlFile, "HTML読み込み(&R)", "HTML読み込み", "", "既存のHTMLを読み込みます。"},
    {C::TestPlay, "テストプレイ(&T)", "テストプレイ (Space) or", "Ctrl+T;Ctrl+Space", "テストプレイをします。"},
    {C::E3, "テストプレイ終了(&E)", "", "", ""},
    {C::S3, "スクリーンショットを保存(&S)", "", "", ""},
    {C::Exit, "Zarno Tool++の終了(&X)", "", "", ""},
    {C::Cut, "切り取り(&X)", "切り取り", "Ctrl+X", "キリトリ"},
    {C::Copy, "コピー(&C)", "コピー", "Ctrl+C", "コピー"},
    {C::Paste, "貼り付け(&P)", "貼り付け", "Ctrl+V", "貼り付け"},
    {C::Deleted, "削除(&D)", "", "", ""},
    {C::A_Pen, "通常", "通常 F3", "F3", "", kCheckable | kChecked},
    {C::A_Select, "選択", "選択 F4", "F4", "", kCheckable},
    {C::A_Nuri, "塗りつぶし", "塗りつぶし F5", "F5", "", kCheckable},
    {C::A_Rect, "四角モード", "四角モード F6", "F6", "", kCheckable},
    {C::N28, "コードの実行(&E)", "", "", "PPAによるコードの実行"},
    {C::Undo, "元に戻す(&U)", "元に戻す(不完全)", "Ctrl+Z", "元に戻す　この機能は不完全です。"},
    {C::Refresh, "画面の更新(&R)", "画面の更新", "Ctrl+F5", "エディット画面を再描画します。"},
    {C::qN2, "なし(&N)", "", "", "", kCheckable},
    {C::qN3, "頻度高", "", "", "", kCheckable},
    {C::qN4, "頻度中", "", "", "", kCheckable},
    {C::qN5, "頻度低", "", "", "", kCheckable},
    {C::W1, "文字(&W)", "", "", ""},
    {C::C1, "クリップボード(&C)", "", "", ""},
    {C::T1, "ツールウィンドウ(&T)", "", "F1", ""},
    {C::Z1, "座標ウィンドウ(&Z)", "", "Ctrl+F2", ""},
    {C::TBItem47, "メッセージウィンドウ(&E)", "", "", ""},
    {C::TBXItem30, "関連ファイル", "", "", ""},
    {C::R2, "パターン画像再読み込み(&R)", "", "", ""},
    {C::N24, "敵などの残数の表示(&N)", "", "", ""},
    {C::CPUP1, "CPU使用率(&P)", "", "", ""},
    {C::FixTool, "ツールバーを固定", "", "", "", kCheckable},
    {C::SelSt1, "ステージ1(&1)", "", "", "", kCheckable | kChecked},
    {C::SelSt2, "ステージ2(&1)", "", "", "", kCheckable},
    {C::SelSt3, "ステージ3(&3)", "", "", "", kCheckable},
    {C::SelSt4, "ステージ4(&4)", "", "", "", kCheckable},
    {C::SelMap, "地図(&M)", "", "", ""},
    {C::N111, "1ステージ", "", "", ""},
    {C::N43, "4ステージ", "", "", ""},
    {C::N32, "地図対応", "", "", ""},
    {C::FTP2, "アップロード(&U)", "", "", ""},
    {C::FTPF1, "&FTP設定", "", "", ""},
    {C::E1, "設定(&E)", "", "", ""},
    {C::I2, "イメージコンバータ(&I)", "", "", ""},
    {C::Help2, "ヘルプ(&H)", "", "", ""},
    {C::SearchforHelpOn1, "トピックの検索(&F)", "", "", ""},
    {C::N20, "サポートページを開く(&S)", "", "", ""},
    {C::ReadmetxtR1, "Readme.txtを開く(&R)", "", "", ""},
    {C::About1, "バージョン情報(&V)", "", "", ""},
    {C::N6, "最新バージョン(&N)", "", "", ""},
    {C::GetFromNet, "ネット上のHTMLの読み込み(&N)", "ネット上からHTMLの読み込み", "", "Web上のHTMLファイルを読み込みます。"},
    {C::Action6, "特殊(&T)", "特殊(&T)　右クリックでメニュー", "F9", "", kCheckable},
    {C::GoStartingPlace, "スタート地点へ移動", "", "Ctrl+M", ""},
    {C::ViewSiori, "しおり", "しおりの表示　F7", "F7", ""},
    {C::AddSiori, "現在の場所をしおりに追加", "現在の場所をしおりに追加 Ctrl + G", "Ctrl+G", ""},
    // In no menu: the clipboard view's item shows no shortcut, yet Ctrl+F1 works.
    {C::Action2, "", "", "Ctrl+F1", ""},
};
static_assert(std::size(kSpecs) == static_cast<std::size_t>(Command::Count));

constexpr int kSeparator = -1;

constexpr int I(Command c) { return static_cast<int>(c); }

} // namespace

CommandTable::CommandTable(QMainWindow* window) : QObject(window), window_(window) {
  for (std::size_t i = 0; i < std::size(kSpecs); ++i) {
    const Spec& spec = kSpecs[i];
    Q_ASSERT(static_cast<std::size_t>(spec.id) == i);
    auto* action = new QAction(QString::fromUtf8(spec.caption), window);
    if (*spec.hint) action->setToolTip(QString::fromUtf8(spec.hint));
    if (*spec.statusHint) action->setStatusTip(QString::fromUtf8(spec.statusHint));
    QList<QKeySequence> shortcuts;
    for (const QString& key : QString::fromUtf8(spec.shortcuts).split(';', Qt::SkipEmptyParts))
      shortcuts << QKeySequence(key);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setCheckable(spec.flags & kCheckable);
    action->setChecked(spec.flags & kChecked);
    action->setIcon(CommandIcon(spec.id));
    action->setEnabled(false); // until a handler is bound
    window->addAction(action); // shortcuts work whenever the main window is active
    actions_[i] = action;
  }
  // Exactly one tool, one stage and at most one refresh interval are ticked.
  for (const auto& group : {std::initializer_list<C>{C::A_Pen, C::A_Select, C::A_Nuri, C::A_Rect},
                            std::initializer_list<C>{C::SelSt1, C::SelSt2, C::SelSt3, C::SelSt4},
                            std::initializer_list<C>{C::qN2, C::qN3, C::qN4, C::qN5}}) {
    auto* exclusive = new QActionGroup(this);
    for (const C c : group) exclusive->addAction(action(c));
  }
}

void CommandTable::Bind(Command command, std::function<void()> handler) {
  QAction* a = action(command);
  a->setEnabled(true);
  connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

QMenu* CommandTable::AddMenu(QMenuBar* bar, const char* caption) { return bar->addMenu(QString::fromUtf8(caption)); }

void CommandTable::AddActions(QMenu* menu, std::initializer_list<int> items) {
  for (const int item : items) {
    if (item == kSeparator) menu->addSeparator();
    else menu->addAction(actions_[static_cast<std::size_t>(item)]);
  }
}

void CommandTable::AddActions(QToolBar* bar, std::initializer_list<int> items) {
  for (const int item : items) {
    if (item == kSeparator) bar->addSeparator();
    else bar->addAction(actions_[static_cast<std::size_t>(item)]);
  }
}

void CommandTable::BuildMenusAndToolbars() {
  QMenuBar* bar = window_->menuBar();

  newDocument_ = new QMenu(QString::fromUtf8("新規作成(&N)"), window_);
  AddActions(newDocument_, {I(C::OneStage), I(C::FourStage), I(C::MapStage)});

  QMenu* file = AddMenu(bar, "ファイル(&F)");
  file->addMenu(newDocument_);
  AddActions(file, {I(C::Open), I(C::Save), I(C::SaveAs1), I(C::K1)});
  recentFiles_ = file->addMenu(QString::fromUtf8("最近使ったファイル(&H)"));
  AddActions(file, {I(C::ESave), I(C::EOpen), kSeparator, I(C::MakeHtmlFile), I(C::LoadHtmlFile), kSeparator,
                    I(C::TestPlay), I(C::E3), kSeparator, I(C::S3), kSeparator, I(C::Exit)});

  QMenu* edit = AddMenu(bar, "編集(&E)");
  AddActions(edit, {I(C::Cut), I(C::Copy), I(C::Paste), I(C::Deleted), kSeparator, I(C::A_Pen), I(C::A_Select),
                    I(C::A_Nuri), I(C::A_Rect), kSeparator, I(C::N28)});

  QMenu* view = AddMenu(bar, "表示(&V)");
  AddActions(view, {I(C::Refresh)});
  QMenu* autoRefresh = view->addMenu(QString::fromUtf8("自動更新 >>"));
  autoRefresh->menuAction()->setStatusTip(QString::fromUtf8("定期的に画面を更新するよう設定します"));
  AddActions(autoRefresh, {I(C::qN2), I(C::qN3), I(C::qN4), I(C::qN5)});
  AddActions(view, {I(C::W1), kSeparator, I(C::C1), I(C::T1), I(C::Z1), I(C::TBItem47), I(C::TBXItem30), kSeparator,
                    I(C::R2), kSeparator, I(C::N24), kSeparator, I(C::CPUP1), kSeparator, I(C::FixTool)});

  QMenu* stage = AddMenu(bar, "ステージ(&N)");
  AddActions(stage, {I(C::SelSt1), I(C::SelSt2), I(C::SelSt3), I(C::SelSt4), I(C::SelMap), kSeparator});
  QMenu* convert = stage->addMenu(QString::fromUtf8("ステージタイプの変更(&S)"));
  AddActions(convert, {I(C::N111), I(C::N43), I(C::N32)});

  AddActions(AddMenu(bar, "FT&P"), {I(C::FTP2), I(C::FTPF1)});
  AddActions(AddMenu(bar, "設定(&S)"), {I(C::E1), I(C::FTPF1)});
  AddActions(AddMenu(bar, "ツール(&T)"), {I(C::I2)});
  links_ = AddMenu(bar, "リンク(&L)")->addMenu(QString::fromUtf8("Zarno関連リンク"));
  AddActions(AddMenu(bar, "ヘルプ(&H)"), {I(C::Help2), I(C::SearchforHelpOn1), kSeparator, I(C::N20),
                                           I(C::ReadmetxtR1), kSeparator, I(C::About1), I(C::N6)});

  selectorBar_ = window_->addToolBar(QString());
  selectorBar_->setObjectName("selectorBar");

  auto* system = new QToolBar(QString::fromUtf8("システム"), window_);
  system->setObjectName("systemBar");
  auto* newButton = new QToolButton(system);
  newButton->setDefaultAction(action(C::New));
  newButton->setMenu(newDocument_);
  newButton->setPopupMode(QToolButton::MenuButtonPopup);
  system->addWidget(newButton);
  AddActions(system, {I(C::Open), I(C::Save), kSeparator, I(C::LoadHtmlFile), I(C::MakeHtmlFile), I(C::GetFromNet),
                      kSeparator, I(C::Cut), I(C::Copy), I(C::Paste), kSeparator, I(C::Undo), kSeparator,
                      I(C::Refresh), kSeparator, I(C::TestPlay)});

  auto* editBar = new QToolBar(QString::fromUtf8("編集"), window_);
  editBar->setObjectName("editBar");
  AddActions(editBar, {I(C::A_Pen), I(C::A_Select), I(C::A_Nuri), I(C::A_Rect), kSeparator, I(C::Action6),
                       I(C::GoStartingPlace)});

  auto* bookmarkBar = new QToolBar(QString::fromUtf8("しおり"), window_);
  bookmarkBar->setObjectName("bookmarkBar");
  AddActions(bookmarkBar, {I(C::ViewSiori), I(C::AddSiori)});

  window_->addToolBarBreak();
  for (QToolBar* toolbar : {system, editBar, bookmarkBar}) window_->addToolBar(toolbar);
  toolbars_ = {system, editBar, bookmarkBar};
}

} // namespace zt
