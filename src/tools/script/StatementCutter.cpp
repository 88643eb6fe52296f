#include "tools/script/StatementCutter.h"

#include <algorithm>

namespace zt::script {

namespace {

// Moves the cursor to `index`, or to the end when that comes first.
TokenSpan TakeUpTo(TokenCursor& cursor, std::size_t index) {
  const std::size_t start = cursor.Position();
  cursor.MoveTo(index);
  return cursor.From(start);
}

} // namespace

TokenSpan TakeStatementOfBlock(TokenCursor& cursor) {
  return TakeUpTo(cursor, cursor.List().NextOnSameLevel(cursor.Position(), Word::Semicolon));
}

TokenSpan TakeUntil(TokenCursor& cursor, std::initializer_list<Word> stopWords) {
  const std::size_t start = cursor.Position();
  do {
    cursor.Next();
  } while (!cursor.AtEnd() && std::ranges::find(stopWords, cursor.Current().word) == stopWords.end());
  return cursor.From(start);
}

TokenSpan TakeStatement(TokenCursor& cursor, bool insideCase) {
  if (cursor.Is(Word::Begin) || cursor.Is(Word::Repeat) || (insideCase && cursor.Is(Word::Else))) {
    const Word closer = cursor.Is(Word::Repeat) ? Word::Until : Word::End;
    cursor.Next();
    if (cursor.Is(Word::End) || cursor.Is(Word::Until)) return cursor.From(cursor.Position());
    return TakeUpTo(cursor, cursor.List().NextOnSameLevel(cursor.Position(), closer));
  }
  // An ELSE ends the statement only when no IF comes before it.
  const TokenList& list = cursor.List();
  const std::size_t semicolon = list.NextOnSameLevel(cursor.Position(), Word::Semicolon);
  const std::size_t otherwise = list.NextOnSameLevel(cursor.Position(), Word::Else);
  const bool elseEnds = otherwise < list.NextIf(cursor.Position());
  return TakeUpTo(cursor, elseEnds ? std::min(semicolon, otherwise) : semicolon);
}

} // namespace zt::script
