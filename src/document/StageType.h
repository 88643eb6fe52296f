#pragma once

#include <cstdint>

namespace zt {

enum class StageType : std::uint8_t { OneStage = 0, FourStage = 1, MapStage = 2 };

// A set of document types, as a bit mask.
enum TypeSet : std::uint8_t {
  kOne = 1u << 0,
  kFour = 1u << 1,
  kMap = 1u << 2,
  kFourMap = kFour | kMap,
  kAllTypes = kOne | kFour | kMap,
};

constexpr bool Contains(TypeSet set, StageType type) {
  return (set & (1u << static_cast<unsigned>(type))) != 0;
}

// Number of stages the files of a type carry.
constexpr int StagesInFiles(StageType type) { return type == StageType::OneStage ? 1 : 4; }

} // namespace zt
