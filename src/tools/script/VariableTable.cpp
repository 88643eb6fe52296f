#include "tools/script/VariableTable.h"

#include "tools/script/CaseFolding.h"

#include <utility>

namespace zt::script {

Variable* VariableTable::Find(std::string_view key) {
  const auto found = entries_.find(key);
  return found == entries_.end() ? nullptr : &found->second;
}

Variable* VariableTable::FindName(std::string_view name) { return Find(AsciiUpperCase(name)); }

bool VariableTable::Add(Variable variable) {
  std::string key = AsciiUpperCase(variable.name);
  ++generation_;
  return entries_.try_emplace(std::move(key), std::move(variable)).second;
}

void VariableTable::RemoveNonSystem() {
  ++generation_;
  std::erase_if(entries_, [](const auto& entry) { return !entry.second.system; });
}

} // namespace zt::script
