#pragma once
// New documents of a type, converting the type, and choosing the stage the
// editor shows.

#include "document/StageType.h"

namespace zt {

class MainWindow;

class StageCommands {
 public:
  explicit StageCommands(MainWindow& window) : window_(window) {}

  void NewDocument(StageType type);
  void ConvertType(StageType type);
  void SelectStage(int index);

  // The stage commands enabled for a type.
  void EnableFor(StageType type);
  // The stage selector: "ステージ１" alone, or the four stages.
  void SetSelectorItems(int count);

 private:
  // The check mark and the selector item of a stage.
  void ShowChosen(int index);
  // Commands, settings and stage selector as a document of the type has them.
  void ShowStageType(StageType type);

  MainWindow& window_;
};

} // namespace zt
