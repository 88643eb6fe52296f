#include "tools/script/RoutineTable.h"

#include <utility>

namespace zt::script {

const Routine* RoutineTable::Find(std::string_view key) const {
  const auto found = entries_.find(key);
  return found == entries_.end() ? nullptr : &found->second;
}

bool RoutineTable::Add(Routine routine) {
  std::string key = routine.name;
  ++generation_;
  return entries_.try_emplace(std::move(key), std::move(routine)).second;
}

void RoutineTable::RemoveNonBuiltIn() {
  ++generation_;
  std::erase_if(entries_, [](const auto& entry) { return !entry.second.builtIn; });
}

} // namespace zt::script
