#pragma once
// The welcome window shown before the editor until the user ticks "次回から
// はこのウィンドウを表示しない": the product name, a clock, the theme, the
// support links and the commands to start, open the options or quit.

#include <QWidget>

class QCheckBox;
class QDateTime;
class QLabel;
class QPushButton;
class QTimer;

namespace zt {

class AppConfig;
class ProductTitle;

class WelcomeWindow : public QWidget {
  Q_OBJECT

 public:
  // `commandLineFile` is the file named on the command line, empty when none.
  WelcomeWindow(AppConfig& config, const QString& commandLineFile, QWidget* parent = nullptr);

  // The state of "次回からはこのウィンドウを表示しない".
  bool DontShowAgain() const;
  QPushButton* startButton() const { return start_; }

  // The clock's text: the Japanese date and the 12-hour time.
  static QString ClockText(const QDateTime& time);

 signals:
  void StartRequested();   // show the main window (the welcome window is hidden)
  void OptionsRequested(); // show the options dialog
  void ExitRequested();    // the choice is stored; end the program

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* BuildInformation();
  QWidget* BuildCommands(const QString& startCaption);
  void BuildMenu(QWidget* menuHolder);
  void Start();
  void StoreChoice();
  void Tick();

  AppConfig& config_;
  ProductTitle* title_ = nullptr;
  QLabel* clock_ = nullptr;
  QCheckBox* dontShowAgain_ = nullptr;
  QPushButton* start_ = nullptr;
  QTimer* clockTimer_ = nullptr;
};

} // namespace zt
