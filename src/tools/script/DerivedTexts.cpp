#include "tools/script/DerivedTexts.h"

#include "tools/script/TokenList.h"

#include <utility>

namespace zt::script {

DerivedTexts::DerivedTexts() = default;
DerivedTexts::~DerivedTexts() = default;

const TokenList* DerivedTexts::Find(std::size_t begin, std::size_t end, std::uint8_t derivation) const {
  if (begin >= byBegin_.size()) return nullptr;
  for (const Entry& entry : byBegin_[begin])
    if (entry.end == end && entry.derivation == derivation) return entry.text.get();
  return nullptr;
}

const TokenList& DerivedTexts::Keep(std::size_t begin, std::size_t end, std::uint8_t derivation,
                                    std::unique_ptr<TokenList> text) {
  if (begin >= byBegin_.size()) byBegin_.resize(begin + 1);
  const TokenList& kept = *text;
  byBegin_[begin].push_back(Entry{end, derivation, std::move(text)});
  return kept;
}

} // namespace zt::script
