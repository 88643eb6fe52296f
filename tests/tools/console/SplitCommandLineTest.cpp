// Command lines split into program arguments as a shell splits words.

#include "tools/console/core/SplitCommandLine.h"

#include <gtest/gtest.h>

namespace zt::console {
namespace {

TEST(SplitCommandLineTest, WordsQuotesAndBackslashes) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
  } cases[] = {
      {"", {}},
      {"  \t\n ", {}},
      {"a b\tc\nd", {"a", "b", "c", "d"}},
      {"  lead  and  trail  ", {"lead", "and", "trail"}},
      {"'a b' \"c d\"", {"a b", "c d"}},
      {"'' \"\" x", {"", "", "x"}},                // quoted empty texts are words
      {"pre'mid dle'post", {"premid dlepost"}},    // quoted parts join the word around them
      {"'a \"b\" \\c'", {"a \"b\" \\c"}},          // nothing is special inside single quotes
      {"\"a 'b' \\\"c\\\" \\\\ \\$ \\x\"", {"a 'b' \"c\" \\ $ \\x"}}, // only $ ` \" \\ are escaped in double quotes
      {"a\\ b c\\'d \\\"", {"a b", "c'd", "\""}},   // a backslash keeps the next character
      {"a\\\nb", {"ab"}},                          // a backslash before a line feed joins the lines
      {"\"a\\\nb\"", {"ab"}},
      {"end\\", {"end\\"}},                        // a backslash at the very end stays
      {"$HOME ~ *.ppa", {"$HOME", "~", "*.ppa"}},  // nothing is expanded
      {"日本 '語 です'", {"日本", "語 です"}},
  };
  for (const Case& c : cases) {
    const auto words = SplitCommandLine(c.line);
    ASSERT_TRUE(words.has_value()) << c.line;
    EXPECT_EQ(*words, c.words) << c.line;
  }
}

TEST(SplitCommandLineTest, AQuoteLeftOpenIsNoCommandLine) {
  for (const char* line : {"'open", "a \"open", "\"a\\\"", "ok 'x' 'y"})
    EXPECT_FALSE(SplitCommandLine(line).has_value()) << line;
}

} // namespace
} // namespace zt::console
