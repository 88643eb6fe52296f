#pragma once
// The procedures or the functions, found by name without regard to letter case.

#include "tools/script/NameHash.h"
#include "tools/script/Routine.h"

#include <string_view>
#include <unordered_map>

namespace zt::script {

class RoutineTable {
public:
  // `key` is the upper-case name.
  const Routine* Find(std::string_view key) const;
  bool Contains(std::string_view key) const { return Find(key) != nullptr; }
  // False when the name is taken.
  bool Add(Routine routine);
  void RemoveNonBuiltIn();

  // Rises with every change of the table.
  std::uint64_t Generation() const { return generation_; }

private:
  std::uint64_t generation_ = 1;
  std::unordered_map<std::string, Routine, NameHash, std::equal_to<>> entries_;
};

} // namespace zt::script
