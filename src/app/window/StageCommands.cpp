#include "app/window/StageCommands.h"

#include "app/window/AccessoryWindows.h"
#include "app/window/CommandTable.h"
#include "app/window/DocumentSetup.h"
#include "app/window/FilePicker.h"
#include "app/window/MainWindow.h"
#include "app/window/PageControl.h"
#include "app/config/AppConfig.h"
#include "editor/map/MapPage.h"
#include "editor/map/MapView.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>

namespace zt {
namespace {

constexpr Command kStageCommands[] = {Command::SelSt1, Command::SelSt2, Command::SelSt3, Command::SelSt4};
constexpr const char* kSelectorItems[] = {"ステージ１", "ステージ２", "ステージ３", "ステージ４"};

} // namespace

void StageCommands::EnableFor(StageType type) {
  window_.stageSelector().setEnabled(true);
  CommandTable& commands = window_.commands();
  commands.action(Command::SelSt1)->setEnabled(true);
  for (int i = 1; i < 4; ++i) commands.action(kStageCommands[i])->setEnabled(type != StageType::OneStage);
  commands.action(Command::SelMap)->setEnabled(type == StageType::MapStage);
}

void StageCommands::SetSelectorItems(int count) {
  QComboBox& selector = window_.stageSelector();
  const QSignalBlocker quiet(selector);
  selector.clear();
  for (int i = 0; i < count; ++i) selector.addItem(QString::fromUtf8(kSelectorItems[i]));
  selector.setCurrentIndex(0);
}

void StageCommands::ShowStageType(StageType type) {
  EnableFor(type);
  window_.hooks().EnableSettings(type);
  SetSelectorItems(type == StageType::OneStage ? 1 : 4);
}

void StageCommands::NewDocument(StageType type) {
  StageDocument& doc = window_.document();
  doc.ClearGrids();
  doc.ApplyDefaults();
  doc.currentStage = 0;
  doc.stageType = type;
  ShowStageType(type);
  window_.commands().action(Command::SelSt1)->setChecked(true);
  doc.SetStageBackground(0, {0, 255, 255});
  window_.RecolourPattern();
  window_.RedrawMap();

  const auto pattern = window_.files().ChoosePattern(window_.config().Read(keys::kHtmlDir));
  // A cancelled choice leaves the new grids and values, but the document
  // keeps its name, its loaded state and its bookmarks.
  if (pattern) window_.documentSetup().StartNewDocument(*pattern);
}

void StageCommands::ConvertType(StageType type) {
  StageDocument& doc = window_.document();
  doc.stageType = type;
  ShowStageType(type);
  if (type != StageType::OneStage) {
    QComboBox& selector = window_.stageSelector();
    const QSignalBlocker quiet(selector);
    selector.setCurrentIndex(doc.currentStage);
    return;
  }
  doc.currentStage = 0;
  window_.commands().action(Command::SelSt1)->setChecked(true);
  window_.RecolourPattern();
  window_.RedrawMap();
}

void StageCommands::ShowChosen(int index) {
  window_.commands().action(kStageCommands[index])->setChecked(true);
  QComboBox& selector = window_.stageSelector();
  const QSignalBlocker quiet(selector);
  selector.setCurrentIndex(index);
}

void StageCommands::SelectStage(int index) {
  if (index < 0 || index > 3) return;
  StageDocument& doc = window_.document();
  ShowChosen(index);
  if (window_.currentPage() == kTextMapPage) {
    // The text of the stage shown goes back into it first; after an error
    // that stage stays, and so do its check mark and selector item.
    if (!window_.CommitTextMap()) {
      ShowChosen(doc.currentStage);
      return;
    }
    doc.currentStage = index;
    window_.FillTextMap();
    return;
  }
  doc.currentStage = index;
  window_.RecolourPattern();
  window_.RedrawMap();
  window_.accessories().StageChanged();
}

} // namespace zt
