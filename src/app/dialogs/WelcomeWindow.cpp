#include "app/dialogs/WelcomeWindow.h"

#include "app/config/AppConfig.h"
#include "app/dialogs/ProductTitle.h"
#include "app/dialogs/WindowPlacement.h"
#include "document/ProductInfo.h"
#include "formats/FileError.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace zt {
namespace {

constexpr const char* kContactMail = "support@zarnotoolpp.example.org";
constexpr const char* kStartCaption = "Zarno Tool++をはじめる(&S)";
constexpr const char* kOptionsCaption = "設定ウィンドウを開く(&O)";
constexpr const char* kExitCaption = "終了(&X)";

QLabel* LinkLabel(const QString& target, const QString& text, QWidget* parent) {
  auto* label = new QLabel(QString("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), text.toHtmlEscaped()), parent);
  label->setOpenExternalLinks(true);
  label->setTextInteractionFlags(Qt::TextBrowserInteraction);
  return label;
}

} // namespace

WelcomeWindow::WelcomeWindow(AppConfig& config, const QString& commandLineFile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), config_(config) {
  setWindowTitle(kProductName);
  setFixedSize(539, 151);

  const QString startCaption =
      commandLineFile.isEmpty() ? QString(kStartCaption) : QFileInfo(commandLineFile).fileName() + "を開く";

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 2, 6, 6);
  layout->setSpacing(2);
  auto* menuRow = new QWidget(this);
  BuildMenu(menuRow);
  layout->addWidget(menuRow);

  auto* middle = new QHBoxLayout;
  title_ = new ProductTitle(ProductTitle::PickGradation(*QRandomGenerator::global()), this);
  middle->addWidget(title_, 1);
  middle->addWidget(BuildInformation());
  layout->addLayout(middle, 1);

  dontShowAgain_ = new QCheckBox("次回からはこのウィンドウを表示しない", this);
  dontShowAgain_->setChecked(config_.Read(keys::kFirstChecked));
  layout->addWidget(dontShowAgain_);
  layout->addWidget(BuildCommands(startCaption));

  clockTimer_ = new QTimer(this);
  connect(clockTimer_, &QTimer::timeout, this, &WelcomeWindow::Tick);
  clockTimer_->start(1000);
  Tick();
  CentreOnScreen(*this);
}

void WelcomeWindow::BuildMenu(QWidget* menuHolder) {
  auto* row = new QHBoxLayout(menuHolder);
  row->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QMenuBar(menuHolder);
  QMenu* menu = bar->addMenu("メニュー(&M)");
  connect(menu->addAction("Zarno Tool++をはじめる"), &QAction::triggered, this, &WelcomeWindow::Start);
  connect(menu->addAction("設定ウィンドウを開く"), &QAction::triggered, this, &WelcomeWindow::OptionsRequested);
  menu->addSeparator();
  connect(menu->addAction("終了"), &QAction::triggered, this, &WelcomeWindow::close);
  row->addWidget(bar);
  row->addStretch(1);
  auto* closeButton = new QToolButton(menuHolder);
  closeButton->setObjectName("close");
  closeButton->setText("×");
  closeButton->setAutoRaise(true);
  connect(closeButton, &QToolButton::clicked, this, &WelcomeWindow::close);
  row->addWidget(closeButton);
}

QWidget* WelcomeWindow::BuildInformation() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  QFont small = box->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  box->setFont(small);
  clock_ = new QLabel(box);
  clock_->setObjectName("clock");
  column->addWidget(clock_);
  column->addWidget(new QLabel("Theme: " + QString::fromStdString(config_.Read(keys::kTheme)), box));
  column->addWidget(LinkLabel(kSupportSite, kSupportSite, box));
  column->addWidget(LinkLabel(QString("mailto:") + kContactMail, kContactMail, box));
  return box;
}

QWidget* WelcomeWindow::BuildCommands(const QString& startCaption) {
  auto* box = new QWidget(this);
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  start_ = new QPushButton(startCaption, box);
  start_->setDefault(true);
  auto* options = new QPushButton(kOptionsCaption, box);
  auto* exit = new QPushButton(kExitCaption, box);
  connect(start_, &QPushButton::clicked, this, &WelcomeWindow::Start);
  connect(options, &QPushButton::clicked, this, &WelcomeWindow::OptionsRequested);
  connect(exit, &QPushButton::clicked, this, &WelcomeWindow::close);
  row->addWidget(start_, 2);
  row->addWidget(options, 2);
  row->addWidget(exit, 1);
  return box;
}

bool WelcomeWindow::DontShowAgain() const { return dontShowAgain_->isChecked(); }

QString WelcomeWindow::ClockText(const QDateTime& time) {
  return QLocale(QLocale::Japanese, QLocale::Japan).toString(time, "yyyy年M月d日(ddd) ap h:mm:ss");
}

void WelcomeWindow::Tick() { clock_->setText(ClockText(QDateTime::currentDateTime())); }

void WelcomeWindow::Start() {
  emit StartRequested();
  hide();
}

void WelcomeWindow::StoreChoice() {
  try {
    if (DontShowAgain()) config_.Write(keys::kFirstDone, true);
    config_.Write(keys::kFirstChecked, DontShowAgain());
  } catch (const FileError& error) {
    QMessageBox::critical(this, kProductName, QString::fromUtf8(error.what()));
  }
}

// Every way of closing the window ends the program: the exit button, the
// menu, the "×" button and the window manager.
void WelcomeWindow::closeEvent(QCloseEvent* event) {
  StoreChoice();
  clockTimer_->stop();
  event->accept();
  emit ExitRequested();
}

void WelcomeWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace zt
