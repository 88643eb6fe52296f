#pragma once
// How statements and their parts are cut out of a run of tokens. BEGIN,
// REPEAT and CASE open a level that END and UNTIL close; only separators on
// the outer level count.

#include "tools/script/TokenCursor.h"

#include <initializer_list>

namespace zt::script {

// Moves the cursor to the next ";" on the outer level, or the end; returns
// the tokens passed over (one statement of a block).
TokenSpan TakeStatementOfBlock(TokenCursor& cursor);

// Takes the current token and moves on, at least once, until the end or one
// of the stop words; the stop word is not taken.
TokenSpan TakeUntil(TokenCursor& cursor, std::initializer_list<Word> stopWords);

// The statement at the cursor: for BEGIN, REPEAT and (inside CASE) ELSE the
// text up to the matching END or UNTIL, which is left in place; otherwise up
// to ";" on the outer level, or up to an ELSE when no IF was taken.
TokenSpan TakeStatement(TokenCursor& cursor, bool insideCase);

} // namespace zt::script
