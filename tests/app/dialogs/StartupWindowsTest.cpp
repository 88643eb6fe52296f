#include "app/config/AppConfig.h"
#include "app/dialogs/AboutBox.h"
#include "app/dialogs/PasswordDialog.h"
#include "app/dialogs/ProductTitle.h"
#include "app/dialogs/SplashWindow.h"
#include "app/dialogs/WelcomeWindow.h"
#include "document/ProductInfo.h"
#include "support/TempDir.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <set>

namespace zt {
namespace {

template <typename Widget>
QPushButton* ButtonCaptioned(Widget& parent, const QString& caption) {
  for (QPushButton* button : parent.template findChildren<QPushButton*>())
    if (button->text() == caption) return button;
  ADD_FAILURE() << caption.toStdString();
  return nullptr;
}

template <typename Widget>
bool ShowsText(Widget& parent, const QString& text) {
  for (QLabel* label : parent.template findChildren<QLabel*>())
    if (label->text() == text) return true;
  return false;
}

struct WelcomeFixture {
  test::TempDir folder;
  AppConfig config{folder.file("ZarnoTool.ini"), folder.dir()};

  std::unique_ptr<WelcomeWindow> Open(const QString& commandLineFile = {}) {
    auto window = std::make_unique<WelcomeWindow>(config, commandLineFile);
    window->show();
    return window;
  }
};

TEST(WelcomeWindow, BorderlessWindowWithTheCommands) {
  WelcomeFixture f;
  f.config.Write(keys::kTheme, "Stripes");
  auto window = f.Open();
  EXPECT_EQ(window->size(), QSize(539, 151));
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(window->startButton()->text(), "Zarno Tool++をはじめる(&S)");
  EXPECT_NE(ButtonCaptioned(*window, "設定ウィンドウを開く(&O)"), nullptr);
  EXPECT_NE(ButtonCaptioned(*window, "終了(&X)"), nullptr);
  EXPECT_TRUE(ShowsText(*window, "Theme: Stripes"));

  auto* bar = window->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 1);
  EXPECT_EQ(bar->actions()[0]->text(), "メニュー(&M)");
  QStringList items;
  for (QAction* action : bar->actions()[0]->menu()->actions())
    if (!action->isSeparator()) items << action->text();
  EXPECT_EQ(items, QStringList({"Zarno Tool++をはじめる", "設定ウィンドウを開く", "終了"}));
}

TEST(WelcomeWindow, StartButtonNamesTheCommandLineFile) {
  WelcomeFixture f;
  EXPECT_EQ(f.Open("/home/u/stages/game.zpp")->startButton()->text(), "game.zppを開く");
}

TEST(WelcomeWindow, CheckBoxStartsFromTheStoredState) {
  for (const bool stored : {true, false}) {
    WelcomeFixture f;
    if (!stored) f.config.Write(keys::kFirstChecked, false);
    auto window = f.Open();
    EXPECT_EQ(window->DontShowAgain(), stored);
    EXPECT_EQ(window->findChild<QCheckBox*>()->text(), "次回からはこのウィンドウを表示しない");
  }
}

TEST(WelcomeWindow, StartAndOptionsAskTheProgram) {
  WelcomeFixture f;
  auto window = f.Open();
  QSignalSpy start(window.get(), &WelcomeWindow::StartRequested);
  QSignalSpy options(window.get(), &WelcomeWindow::OptionsRequested);
  QSignalSpy exit(window.get(), &WelcomeWindow::ExitRequested);
  ButtonCaptioned(*window, "設定ウィンドウを開く(&O)")->click();
  EXPECT_EQ(options.count(), 1);
  EXPECT_TRUE(window->isVisible());
  window->startButton()->click();
  EXPECT_EQ(start.count(), 1);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(exit.count(), 0);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(f.config.path())));
}

// The exit button, the "×" button and the window manager's close all store
// the choice and end the program.
TEST(WelcomeWindow, EveryWayOfClosingStoresTheChoice) {
  struct Case {
    const char* way;
    bool ticked;
  };
  for (const Case c : {Case{"exit", true}, Case{"exit", false}, Case{"cross", true}, Case{"close", false}}) {
    WelcomeFixture f;
    auto window = f.Open();
    QSignalSpy exit(window.get(), &WelcomeWindow::ExitRequested);
    window->findChild<QCheckBox*>()->setChecked(c.ticked);
    if (std::string(c.way) == "exit") ButtonCaptioned(*window, "終了(&X)")->click();
    if (std::string(c.way) == "cross") window->findChild<QToolButton*>("close")->click();
    if (std::string(c.way) == "close") window->close();
    EXPECT_EQ(exit.count(), 1) << c.way;
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(f.config.Read(keys::kFirstChecked), c.ticked) << c.way;
    EXPECT_EQ(f.config.Read(keys::kFirstDone), c.ticked) << c.way;
    if (!c.ticked) {
      EXPECT_EQ(f.folder.Read("ZarnoTool.ini").find("first="), std::string::npos);
    }
  }
}

TEST(WelcomeWindow, DraggingTheProductNameMovesTheWindow) {
  WelcomeFixture f;
  auto window = f.Open();
  window->move(100, 80);
  auto* title = window->findChild<ProductTitle*>();
  ASSERT_NE(title, nullptr);
  const QPointF local(20, 20);
  const QPointF global = title->mapToGlobal(local);
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(title, &press);
  const QPointF moved = global + QPointF(35, -12);
  QMouseEvent move(QEvent::MouseMove, local + QPointF(35, -12), moved, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(title, &move);
  EXPECT_EQ(window->pos(), QPoint(135, 68));

  QMouseEvent hover(QEvent::MouseMove, local, global + QPointF(200, 200), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(title, &hover);
  EXPECT_EQ(window->pos(), QPoint(135, 68));
}

TEST(WelcomeWindow, ClockIsJapaneseDateAndTwelveHourTime) {
  const QDate date(2024, 5, 3);
  EXPECT_EQ(WelcomeWindow::ClockText(QDateTime(date, QTime(15, 4, 5))), "2024年5月3日(金) 午後 3:04:05");
  EXPECT_EQ(WelcomeWindow::ClockText(QDateTime(date, QTime(0, 30, 0))), "2024年5月3日(金) 午前 12:30:00");
}

TEST(WelcomeWindow, GradationUsesEveryColourAndBothDirections) {
  const auto colours = ProductTitle::GradationColours();
  EXPECT_EQ(colours[0], QColor(0, 0, 255));
  EXPECT_EQ(colours[10], QColor(0, 128, 128));
  QRandomGenerator random(7);
  std::set<int> picked;
  std::set<bool> directions;
  for (int i = 0; i < 2000; ++i) {
    const ProductTitle::Gradation gradation = ProductTitle::PickGradation(random);
    const auto found = std::find(colours.begin(), colours.end(), gradation.colour);
    ASSERT_NE(found, colours.end());
    picked.insert(static_cast<int>(found - colours.begin()));
    directions.insert(gradation.vertical);
  }
  EXPECT_EQ(picked.size(), colours.size());
  EXPECT_EQ(directions.size(), 2u);
}

TEST(SplashWindow, GaugeFromZeroToHundred) {
  SplashWindow splash;
  splash.show();
  EXPECT_EQ(splash.size(), QSize(257, 85));
  EXPECT_EQ(splash.windowTitle(), "Now Loading...");
  EXPECT_TRUE(ShowsText(splash, "起動中...."));
  EXPECT_EQ(splash.Gauge(), 0);
  splash.SetGauge(47);
  EXPECT_EQ(splash.findChild<QProgressBar*>()->value(), 47);
  splash.SetGauge(130);
  EXPECT_EQ(splash.Gauge(), 100);
}

TEST(AboutBox, ShowsTheProductAndHidesOnOk) {
  AboutBox about;
  about.Present();
  EXPECT_FALSE(about.isModal());
  EXPECT_TRUE(ShowsText(about, kProductName));
  EXPECT_TRUE(ShowsText(about, QString("version ") + kVersionText));
  EXPECT_TRUE(ShowsText(about, "Zarnoを作成するツールです。"));
  EXPECT_NE(about.findChild<QLabel*>("support_site")->text().indexOf(kSupportSite), -1);
  ButtonCaptioned(about, "OK")->click();
  EXPECT_FALSE(about.isVisible());
}

// Runs the password dialog, doing `action` once it is open.
std::optional<QString> AskWhileOpen(PasswordDialog& dialog, std::function<void()> action) {
  QTimer::singleShot(0, &dialog, action);
  return dialog.Ask();
}

TEST(PasswordDialog, ReturnsTheTextAndKeepsItForTheNextUse) {
  PasswordDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "パスワードダイアログ");
  EXPECT_TRUE(ShowsText(dialog, "パスワードの入力 :"));
  EXPECT_EQ(dialog.field()->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialog.field()->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, dialog.field()), '*');
  QPushButton* ok = ButtonCaptioned(dialog, "OK");
  QPushButton* cancel = ButtonCaptioned(dialog, "キャンセル");
  EXPECT_TRUE(ok->isDefault());

  EXPECT_EQ(AskWhileOpen(dialog,
                         [&] {
                           QTest::keyClicks(dialog.field(), "secret");
                           ok->click();
                         }),
            std::optional<QString>("secret"));
  EXPECT_EQ(AskWhileOpen(dialog, [&] { cancel->click(); }), std::nullopt);
  EXPECT_EQ(dialog.field()->text(), "secret");
  EXPECT_EQ(AskWhileOpen(dialog, [&] { QTest::keyClick(dialog.field(), Qt::Key_Return); }),
            std::optional<QString>("secret"));
}

} // namespace
} // namespace zt
