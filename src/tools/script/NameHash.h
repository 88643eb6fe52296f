#pragma once
// Hashing for tables keyed by upper-case names, so that they can be searched
// with a string_view of a token's key.

#include <functional>
#include <string>
#include <string_view>

namespace zt::script {

struct NameHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

} // namespace zt::script
