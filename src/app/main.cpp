// Zarno Tool++: program entry.

#include "app/config/AppConfig.h"
#include "app/dialogs/WelcomeWindow.h"
#include "app/window/MainWindow.h"
#include "app/window/ProgramFolder.h"
#include "document/ProductInfo.h"

#include <QApplication>

#include <memory>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(zt::kProductName));

  zt::AppConfig config(zt::ConfigurationPath(), zt::ProgramFolder());
  const QStringList arguments = QApplication::arguments();
  const QString file = arguments.size() > 1 ? arguments[1] : QString();

  // The welcome window comes first until the user asks not to see it again;
  // while it exists, closing it ends the program.
  std::unique_ptr<zt::WelcomeWindow> welcome;
  if (!config.Read(zt::keys::kFirstDone)) welcome = std::make_unique<zt::WelcomeWindow>(config, file);

  zt::MainWindow window(config);
  if (!file.isEmpty()) window.OpenWhenShown(file.toStdString());

  if (welcome) {
    QObject::connect(welcome.get(), &zt::WelcomeWindow::StartRequested, &window, [&] {
      window.show();
      welcome->hide();
    });
    QObject::connect(welcome.get(), &zt::WelcomeWindow::ExitRequested, &app, &QApplication::quit);
    // The welcome window is the principal one: closing the editor closes it,
    // which stores its check box and ends the program.
    QObject::connect(&window, &zt::MainWindow::closed, welcome.get(), [&] { welcome->close(); });
    QObject::connect(welcome.get(), &zt::WelcomeWindow::OptionsRequested, &window, [&] { window.ShowOptions(); });
    welcome->show();
  } else {
    window.show();
  }
  QApplication::setQuitOnLastWindowClosed(!welcome);
  return QApplication::exec();
}
