#pragma once
// The table of every game parameter and the fixed orders in which the file
// formats visit them.

#include "document/GameParameter.h"

#include <optional>
#include <span>
#include <string_view>

namespace zt {

std::span<const GameParameter> AllParameters();
const GameParameter& Parameter(ParamId id);
std::optional<ParamId> FindParameter(std::string_view name);

// Orders shared by the page reader and the project file.
std::span<const ParamId> MapGroupOrder();    // mes1_name ... door_score (63)
std::span<const ParamId> CommonGroupOrder(); // time_max ... game_speed, filename_chizu included (72)
// Background colours of stages 2, 3, 4 in file order (_s, _t, _f; red, green, blue each).
std::span<const ParamId> StageBackgroundOrder();

// Background colour parameters (red, green, blue) of a stage 0..3.
struct ColourParams {
  ParamId red, green, blue;
};
ColourParams StageBackgroundParams(int stage);

} // namespace zt
