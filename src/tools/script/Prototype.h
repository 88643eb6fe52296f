#pragma once
// Reads a prototype line such as "function Copy(S:String;Start,Length:Integer):String;Index $1001;".

#include "tools/script/Routine.h"
#include "tools/script/RoutineTable.h"

#include <string_view>

namespace zt::script {

struct Prototype {
  Routine routine;
  bool isFunction = false;
};

// Throws ScriptError for a malformed line or a name that either table holds.
Prototype ParsePrototype(std::string_view line, const RoutineTable& procedures, const RoutineTable& functions);

// The text without the bytes up to 32 at both ends.
std::string_view TrimBlanks(std::string_view text);

} // namespace zt::script
