#pragma once
// The routines every interpreter has from its creation.

#include "tools/script/Routine.h"

#include <span>
#include <string_view>

namespace zt::script {

struct BuiltinDefinition {
  int index; // the Index of the prototype line, to find the behaviour by
  std::string_view prototype;
  BuiltinBehaviour behaviour;
};

// In the order they are declared.
std::span<const BuiltinDefinition> BuiltinDefinitions();

// The behaviour of the routine's Index, when the routine has the signature of
// that built-in; nullptr otherwise (so a host that declares a built-in with
// other parameters gets the "undeclared built-in" error, not a wrong call).
BuiltinBehaviour FindBuiltinBehaviour(const Routine& routine);

} // namespace zt::script
