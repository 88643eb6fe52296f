#pragma once
// Every line the game page can hold, in order, with the condition under which
// it is written.

#include "document/GameParameter.h"

#include <span>
#include <string>
#include <string_view>

namespace zt {

enum TemplateCondition : unsigned {
  kAlways = 0,
  kCom = 1u << 0,        // only with comments
  kMapOnly = 1u << 1,    // MapStage
  kFourPlus = 1u << 2,   // FourStage or MapStage
  kFourOnly = 1u << 3,   // FourStage
  kOverride = 1u << 4,   // only while the start override is on
  kNoOverride = 1u << 5, // only while it is off
};

enum class TemplateKind {
  Text,              // the text as it stands
  Param,             // the PARAM line of a parameter
  StageRows,         // the 30 rows of one part of one stage
  WorldRows,         // the nine world-map rows
  StartStageComment, // text + (current stage + 1) + text2
  StartStageParam,   // stage_kaishi with the current stage + 1
};

struct TemplateLine {
  unsigned when;
  TemplateKind kind;
  std::string_view text = {};  // UTF-8
  std::string_view text2 = {}; // UTF-8
  ParamId param = ParamId::time_max;
  int stage = 0;
  int part = 0;
};

std::span<const TemplateLine> PageTemplate();

// Name of the PARAM that holds row y of one 60-column part of a stage:
// "map" part "-" y and the stage's suffix ("", "-s", "-t", "-f").
std::string StageRowParamName(int stage, int part, int y);

} // namespace zt
