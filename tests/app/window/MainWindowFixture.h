#pragma once
// A main window in a fresh program folder with scripted dialogs and file
// choices, the shipped pictures and header and footer files in place.

#include "app/config/AppConfig.h"
#include "app/window/MainWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedFilePicker.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace zt::test {

class MainWindowFixture : public ::testing::Test {
 protected:
  MainWindowFixture();
  ~MainWindowFixture() override;

  // Makes the window (again, after the configuration was prepared).
  MainWindow& Window();
  // A new document of the type with the shipped pattern chosen.
  void NewDocument(StageType type);
  // The pattern image shipped with the program, in the image folder.
  std::string PatternPath() const { return home.dir() + "html/pattern.gif"; }

  TempDir home;
  std::unique_ptr<AppConfig> config;
  ScriptedDialogs dialogs;
  ScriptedFilePicker files;
  std::unique_ptr<MainWindow> window;
};

} // namespace zt::test
