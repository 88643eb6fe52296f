#pragma once
// A program as it runs: the source without its comments, the variables of its
// VAR section and its main block.

#include "tools/script/TokenList.h"
#include "tools/script/TokenSpan.h"
#include "tools/script/VariableTable.h"

#include <string>
#include <vector>

namespace zt::script {

// Each line tokenized by itself without its comments, the tokens joined with a
// blank after each and trimmed; lines left empty are dropped; CR LF between.
std::string StripComments(const std::vector<std::string>& source);

class ScriptProgram {
public:
  // Declares the variables of the VAR section in `variables`; throws
  // ScriptError for a malformed section or a VAR program without END.
  ScriptProgram(std::string text, VariableTable& variables);

  ScriptProgram(const ScriptProgram&) = delete;
  ScriptProgram& operator=(const ScriptProgram&) = delete;

  TokenSpan MainBlock() const { return mainBlock_; }

private:
  TokenList tokens_;
  TokenSpan mainBlock_;
};

} // namespace zt::script
