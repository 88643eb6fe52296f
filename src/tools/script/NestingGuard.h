#pragma once
// Counts how deeply blocks and operands are nested, so that a script nested
// too deeply ends with an error instead of exhausting the stack.

#include "tools/script/ScriptContext.h"
#include "tools/script/ScriptMessages.h"

namespace zt::script {

class NestingGuard {
public:
  // Every level holds a few frames of the evaluator or the executor; this many
  // fit the stack of a user-interface thread with room to spare.
  static constexpr int kMaxNesting = 1000;

  // With `counts` false the guard does nothing (for parts that are no level).
  explicit NestingGuard(ScriptContext& context, bool counts = true) : context_(counts ? &context : nullptr) {
    if (!context_) return;
    if (context_->nesting >= kMaxNesting) throw message::Fail(message::kTooDeep);
    ++context_->nesting;
  }
  ~NestingGuard() {
    if (context_) --context_->nesting;
  }

  NestingGuard(const NestingGuard&) = delete;
  NestingGuard& operator=(const NestingGuard&) = delete;

private:
  ScriptContext* context_;
};

} // namespace zt::script
