#pragma once
// One applet parameter of the game and the identifiers of all of them.

#include "document/StageType.h"

#include <cstdint>
#include <string_view>

namespace zt {

enum class ParamKind : std::uint8_t {
  Text,    // any length, Shift-JIS
  Integer, // signed 32-bit
  Byte,    // signed 8-bit selection value; stores keep the low 8 bits
};

enum class ParamGroup : std::uint8_t { Common, FourStage, Map };

enum class ParamId : std::uint16_t {
#define ZT_PARAM(id, name, kind, group, types, number, text) id,
#include "document/ParameterList.def"
#undef ZT_PARAM
};

inline constexpr std::size_t kParamCount = 0
#define ZT_PARAM(id, name, kind, group, types, number, text) +1
#include "document/ParameterList.def"
#undef ZT_PARAM
    ;

struct GameParameter {
  ParamId id;
  std::string_view name; // as written in the page
  ParamKind kind;
  ParamGroup group;
  TypeSet pageTypes;           // document types whose page carries it
  std::int32_t startupNumber;  // the settings control's value at start-up
  std::string_view startupText; // UTF-8 literal; stored as Shift-JIS
};

} // namespace zt
