#pragma once
// The texts the interpreter makes from runs of tokens of one TokenList (their
// tokens joined and tokenized again), kept with the list so that a text that
// runs again is not made again. Each is found by its span and by how it was
// made. What is kept is owned here and lives as long as the list.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace zt::script {

class TokenList;

class DerivedTexts {
public:
  DerivedTexts();
  ~DerivedTexts();
  DerivedTexts(const DerivedTexts&) = delete;
  DerivedTexts& operator=(const DerivedTexts&) = delete;

  // `derivation` tells how the text was made of the span: the caller numbers its ways.
  const TokenList* Find(std::size_t begin, std::size_t end, std::uint8_t derivation) const;
  const TokenList& Keep(std::size_t begin, std::size_t end, std::uint8_t derivation, std::unique_ptr<TokenList> text);

private:
  struct Entry {
    std::size_t end;
    std::uint8_t derivation;
    std::unique_ptr<TokenList> text; // held by pointer: callers keep references while entries are added
  };
  std::vector<std::vector<Entry>> byBegin_; // the entries of each first token of a span
};

} // namespace zt::script
