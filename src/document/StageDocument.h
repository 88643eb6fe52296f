#pragma once
// The one in-memory document: up to four stages, the world map, every game
// parameter value, the HTML header and footer lines and the bookmarks.

#include "document/GameParameter.h"
#include "document/StageGrid.h"
#include "document/StageType.h"
#include "document/TileCatalogue.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace zt {

inline constexpr const char* kUntitled = "無題";

class StageDocument {
 public:
  StageDocument(); // parameter values take their start-up values

  // Full path (UTF-8) of the project file, or kUntitled.
  std::string documentName = kUntitled;
  StageType stageType = StageType::OneStage;
  int currentStage = 0; // stage that GetCell and SetCell address
  std::array<StageGrid, kStageCount> stages{};
  WorldMapGrid world{};
  std::vector<std::string> headerLines; // Shift-JIS
  std::vector<std::string> footerLines; // Shift-JIS
  std::vector<std::string> bookmarks;   // Bookmark lines, Shift-JIS
  bool loaded = false;

  // Cells of the current stage; outside the stage (or with no valid current
  // stage) reads give 0 and writes are ignored.
  TileCode GetCell(int x, int y) const;
  void SetCell(int x, int y, TileCode code);

  bool modified() const { return modified_; }
  // Stores the flag and notifies when it changes; the same value again does nothing.
  void SetModified(bool flag);

  void ClearGrids();
  void ApplyDefaults();     // values of a new document
  void ApplyStartupValues(); // values of the settings controls at start-up

  const std::string& Text(ParamId id) const { return value(id).text; }
  std::int32_t Int(ParamId id) const { return value(id).number; }
  void SetText(ParamId id, std::string text) { value(id).text = std::move(text); }
  // Byte parameters keep the low 8 bits, as a signed value.
  void SetInt(ParamId id, std::int64_t number);

  Rgb StageBackground(int stage) const;
  void SetStageBackground(int stage, Rgb colour);
  PlatformLook Platforms(bool followTypes) const;

  // Observers: the window title listens to the modified flag, the overview
  // window to single-cell writes.
  std::function<void()> onModifiedChanged;
  std::function<void(int x, int y, TileCode code)> onCellWritten;

 private:
  struct Value {
    std::string text;
    std::int32_t number = 0;
  };
  Value& value(ParamId id) { return values_[static_cast<std::size_t>(id)]; }
  const Value& value(ParamId id) const { return values_[static_cast<std::size_t>(id)]; }

  std::array<Value, kParamCount> values_{};
  bool modified_ = false;
};

} // namespace zt
