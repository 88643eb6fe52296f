#pragma once
// A run of consecutive tokens of a TokenList: the form in which the
// interpreter holds a text (a block, a statement, a condition, an argument).

#include "tools/script/TokenList.h"

#include <cstddef>

namespace zt::script {

struct TokenSpan {
  const TokenList* list = nullptr;
  std::size_t begin = 0;
  std::size_t end = 0;

  bool Empty() const { return begin >= end; }

  bool SelfContained() const {
    if (list->AllSelfContained()) return true;
    for (std::size_t i = begin; i < end; ++i)
      if (!list->At(i).selfContained) return false;
    return true;
  }

  static TokenSpan Whole(const TokenList& list) { return {&list, 0, list.Size()}; }
};

} // namespace zt::script
