#include "tools/script/TokenList.h"

#include "tools/script/CaseFolding.h"
#include "tools/script/TPPAParser.h"
#include "tools/script/ValueConversion.h"

#include <array>
#include <utility>

namespace zt::script {
namespace {

struct Spelling {
  std::string_view text;
  Word word;
};

constexpr std::array kKeywords{
    Spelling{"BEGIN", Word::Begin},      Spelling{"END", Word::End},         Spelling{"REPEAT", Word::Repeat},
    Spelling{"UNTIL", Word::Until},      Spelling{"CASE", Word::Case},       Spelling{"OF", Word::Of},
    Spelling{"IF", Word::If},            Spelling{"THEN", Word::Then},       Spelling{"ELSE", Word::Else},
    Spelling{"FOR", Word::For},          Spelling{"TO", Word::To},           Spelling{"DOWNTO", Word::Downto},
    Spelling{"DO", Word::Do},            Spelling{"WHILE", Word::While},     Spelling{"BREAK", Word::Break},
    Spelling{"CONTINUE", Word::Continue}, Spelling{"EXIT", Word::Exit},      Spelling{"VAR", Word::Var},
    Spelling{"INDEX", Word::Index},      Spelling{"INTEGER", Word::TypeInteger}, Spelling{"REAL", Word::TypeReal},
    Spelling{"STRING", Word::TypeString}, Spelling{"NOT", Word::Not},        Spelling{"DIV", Word::Div},
    Spelling{"MOD", Word::Mod},          Spelling{"AND", Word::And},         Spelling{"OR", Word::Or},
    Spelling{"XOR", Word::Xor},          Spelling{"SHL", Word::Shl},         Spelling{"SHR", Word::Shr},
};

constexpr std::array kSymbols{
    Spelling{";", Word::Semicolon}, Spelling{":", Word::Colon},      Spelling{",", Word::Comma},
    Spelling{"(", Word::LeftParen}, Spelling{")", Word::RightParen}, Spelling{"+", Word::Plus},
    Spelling{"-", Word::Minus},     Spelling{"*", Word::Star},       Spelling{"/", Word::Slash},
    Spelling{"=", Word::Equal},     Spelling{"<>", Word::NotEqual},  Spelling{"<", Word::Less},
    Spelling{"<=", Word::LessEqual}, Spelling{">", Word::Greater},   Spelling{">=", Word::GreaterEqual},
    Spelling{":=", Word::Assign},   Spelling{"..", Word::Range},
};

template <std::size_t N> Word Lookup(const std::array<Spelling, N>& table, std::string_view text) {
  for (const Spelling& spelling : table)
    if (spelling.text == text) return spelling.word;
  return Word::None;
}

} // namespace

TokenList::TokenList(std::string text) : text_(std::move(text)) {
  for (TPPAParser parser(text_);; parser.Next()) {
    Token token;
    token.offset = parser.Offset();
    token.length = parser.Text().size();
    token.kind = parser.Kind();
    token.selfContained = parser.SelfContained();
    if (token.kind == TokenKind::Identifier) {
      token.key = AsciiUpperCase(parser.Text());
      token.word = Lookup(kKeywords, token.key);
    } else if (token.kind == TokenKind::Char || token.kind == TokenKind::Operator) {
      token.word = Lookup(kSymbols, parser.Text());
    } else if (token.kind == TokenKind::Integer || token.kind == TokenKind::Real) {
      if (token.kind == TokenKind::Integer) token.integerValue = ReadInteger(parser.Text()).value_or(0);
      token.realValue = ReadReal(parser.Text()).value_or(0.0);
    }
    allSelfContained_ = allSelfContained_ && token.selfContained;
    tokens_.push_back(std::move(token));
    if (parser.Kind() == TokenKind::End) break;
  }
  FindLevels();
}

// One pass from the end: for each level the nearest token of each kind so far.
void TokenList::FindLevels() {
  const std::size_t size = Size();
  std::vector<int> level(size + 1, 0); // the level before each token, offset to stay positive
  level[0] = static_cast<int>(size);
  for (std::size_t i = 0; i < size; ++i) level[i + 1] = level[i] + DepthChange(tokens_[i].word);

  const auto fill = [&](std::vector<std::size_t>& next, Word word, bool sameLevel) {
    next.assign(size + 1, size);
    std::vector<std::size_t> nearest(sameLevel ? 2 * size + 1 : 1, size);
    for (std::size_t i = size; i-- > 0;) {
      std::size_t& slot = nearest[sameLevel ? static_cast<std::size_t>(level[i]) : 0];
      if (tokens_[i].word == word) slot = i;
      next[i] = slot;
    }
  };
  fill(levels_.semicolon, Word::Semicolon, true);
  fill(levels_.otherwise, Word::Else, true);
  fill(levels_.end, Word::End, true);
  fill(levels_.until, Word::Until, true);
  fill(levels_.anyIf, Word::If, false);
}

std::size_t TokenList::NextOnSameLevel(std::size_t index, Word word) const {
  if (index >= Size()) return Size();
  switch (word) {
  case Word::Semicolon: return levels_.semicolon[index];
  case Word::Else: return levels_.otherwise[index];
  case Word::End: return levels_.end[index];
  default: return levels_.until[index];
  }
}

} // namespace zt::script
