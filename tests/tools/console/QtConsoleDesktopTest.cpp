// The MessageBox built-in's boxes: the buttons a flag value shows and the
// number each answer gives.

#include "tools/console/QtConsoleDesktop.h"

#include "tools/script/MessageBoxCodes.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace zt::console {
namespace {

namespace msgbox = script::msgbox;

// Runs `answer` on the modal dialog as soon as it is shown.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(*dialog);
  });
}

TEST(QtConsoleDesktopTest, MessageBoxButtonsAndAnswers) {
  using B = QMessageBox;
  struct Case {
    std::int64_t flags;
    std::vector<B::StandardButton> buttons; // as shown
    B::StandardButton click;               // NoButton: the Return key
    std::int64_t result;
  } cases[] = {
      {msgbox::Ok, {B::Ok}, B::Ok, msgbox::IdOk},
      {msgbox::OkCancel, {B::Ok, B::Cancel}, B::Cancel, msgbox::IdCancel},
      {msgbox::AbortRetryIgnore, {B::Abort, B::Retry, B::Ignore}, B::Ignore, msgbox::IdIgnore},
      {msgbox::YesNoCancel | msgbox::IconQuestion, {B::Yes, B::No, B::Cancel}, B::Yes, msgbox::IdYes},
      {msgbox::YesNo | msgbox::IconWarning, {B::Yes, B::No}, B::No, msgbox::IdNo},
      {msgbox::RetryCancel, {B::Retry, B::Cancel}, B::Retry, msgbox::IdRetry},
      {msgbox::YesNo | msgbox::DefaultButton2, {B::Yes, B::No}, B::NoButton, msgbox::IdNo},
      {msgbox::OkCancel | msgbox::DefaultButton1, {B::Ok, B::Cancel}, B::NoButton, msgbox::IdOk},
  };
  QtConsoleDesktop desktop(nullptr);
  for (const Case& c : cases) {
    std::vector<B::StandardButton> shown;
    QString title, text;
    WhenShown<QMessageBox>([&](QMessageBox& box) {
      for (const B::StandardButton button : c.buttons)
        if (box.button(button)) shown.push_back(button);
      title = box.windowTitle();
      text = box.text();
      if (c.click == B::NoButton) QTest::keyClick(&box, Qt::Key_Return);
      else box.button(c.click)->click();
    });
    EXPECT_EQ(desktop.MessageBox("本文", "題名", c.flags), c.result) << c.flags;
    EXPECT_EQ(shown, c.buttons) << c.flags;
    EXPECT_EQ(title, "題名");
    EXPECT_EQ(text, "本文");
  }
}

TEST(QtConsoleDesktopTest, InputBoxGivesTheTextOrNothingWhenCancelled) {
  QtConsoleDesktop desktop(nullptr);
  WhenShown<QInputDialog>([](QInputDialog& dialog) {
    dialog.setTextValue(dialog.textValue() + "と入力");
    dialog.accept();
  });
  EXPECT_EQ(desktop.InputBox("題名", "問い", "既定"), "既定と入力");
  WhenShown<QInputDialog>([](QInputDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(desktop.InputBox("題名", "問い", "既定"), std::nullopt);
}

} // namespace
} // namespace zt::console
