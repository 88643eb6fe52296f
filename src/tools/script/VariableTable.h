#pragma once
// The variables and constants, found by name without regard to letter case.

#include "tools/script/NameHash.h"
#include "tools/script/Variable.h"

#include <string_view>
#include <unordered_map>

namespace zt::script {

class VariableTable {
public:
  // `key` is the upper-case name.
  Variable* Find(std::string_view key);
  Variable* FindName(std::string_view name);
  // False when the name is taken.
  bool Add(Variable variable);
  void RemoveNonSystem();

  // Rises with every change of the table.
  std::uint64_t Generation() const { return generation_; }

private:
  std::uint64_t generation_ = 1;
  std::unordered_map<std::string, Variable, NameHash, std::equal_to<>> entries_;
};

} // namespace zt::script
