#include "tools/console/QtConsoleDesktop.h"

#include "formats/FileFilter.h"

#include "document/ProductInfo.h"
#include "tools/script/MessageBoxCodes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QUrl>

#include <utility>
#include <vector>

namespace zt::console {
namespace {

namespace msgbox = script::msgbox;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

// "label|pattern|label|pattern" as Qt's name filters; "*.*" is every file.
QString QtFilter(const std::string& filter) {
  QStringList filters;
  for (const std::string& entry : NameFilters(filter)) filters << Text(entry);
  return filters.join(";;");
}

std::optional<std::string> Chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

// The buttons of a flag value with the result number of each, left to right.
std::vector<std::pair<QMessageBox::StandardButton, std::int64_t>> Buttons(std::int64_t flags) {
  using B = QMessageBox;
  switch (flags & msgbox::ButtonMask) {
    case msgbox::OkCancel: return {{B::Ok, msgbox::IdOk}, {B::Cancel, msgbox::IdCancel}};
    case msgbox::AbortRetryIgnore:
      return {{B::Abort, msgbox::IdAbort}, {B::Retry, msgbox::IdRetry}, {B::Ignore, msgbox::IdIgnore}};
    case msgbox::YesNoCancel: return {{B::Yes, msgbox::IdYes}, {B::No, msgbox::IdNo}, {B::Cancel, msgbox::IdCancel}};
    case msgbox::YesNo: return {{B::Yes, msgbox::IdYes}, {B::No, msgbox::IdNo}};
    case msgbox::RetryCancel: return {{B::Retry, msgbox::IdRetry}, {B::Cancel, msgbox::IdCancel}};
    default: return {{B::Ok, msgbox::IdOk}};
  }
}

QMessageBox::Icon Icon(std::int64_t flags) {
  switch (flags & msgbox::IconMask) {
    case msgbox::IconError: return QMessageBox::Critical;
    case msgbox::IconQuestion: return QMessageBox::Question;
    case msgbox::IconWarning: return QMessageBox::Warning;
    case msgbox::IconInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

} // namespace

std::optional<std::string> QtConsoleDesktop::OpenFile(const std::string& filter, const std::string& initialPath) {
  return Chosen(QFileDialog::getOpenFileName(parent_, "開く", Text(initialPath), QtFilter(filter)));
}

// No extension is added to a name typed without one.
std::optional<std::string> QtConsoleDesktop::SaveFile(const std::string& filter, const std::string& initialPath) {
  return Chosen(QFileDialog::getSaveFileName(parent_, "名前を付けて保存", Text(initialPath), QtFilter(filter)));
}

void QtConsoleDesktop::ShowMessage(const std::string& text) {
  QMessageBox::information(parent_, kProductName, Text(text));
}

void QtConsoleDesktop::ShowError(const std::string& text) { QMessageBox::critical(parent_, kProductName, Text(text)); }

std::int64_t QtConsoleDesktop::MessageBox(const std::string& text, const std::string& caption, std::int64_t flags) {
  QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : parent_;
  QMessageBox box(Icon(flags), Text(caption), Text(text), QMessageBox::NoButton, owner);
  const auto buttons = Buttons(flags);
  for (const auto& button : buttons) box.addButton(button.first);
  const auto defaultIndex = static_cast<std::size_t>((flags & msgbox::DefaultButtonMask) >> 8);
  if (defaultIndex < buttons.size()) box.setDefaultButton(buttons[defaultIndex].first);
  box.exec();
  for (const auto& button : buttons)
    if (box.clickedButton() == box.button(button.first)) return button.second;
  // Closed without a button: the answer of the button that closing stands for.
  return buttons.size() == 1 ? buttons.front().second : msgbox::IdCancel;
}

std::optional<std::string> QtConsoleDesktop::InputBox(const std::string& caption, const std::string& prompt,
                                                      const std::string& defaultText) {
  bool accepted = false;
  const QString text =
      QInputDialog::getText(parent_, Text(caption), Text(prompt), QLineEdit::Normal, Text(defaultText), &accepted);
  if (!accepted) return std::nullopt;
  return text.toStdString();
}

bool QtConsoleDesktop::OpenWithDesktop(const std::string& pathOrAddress) {
  return QDesktopServices::openUrl(
      QUrl::fromUserInput(Text(pathOrAddress), QDir::currentPath(), QUrl::AssumeLocalFile));
}

} // namespace zt::console
