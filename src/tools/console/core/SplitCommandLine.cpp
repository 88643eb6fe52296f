#include "tools/console/core/SplitCommandLine.h"

namespace zt::console {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The characters a backslash escapes inside double quotes.
bool EscapableInDoubleQuotes(char c) { return c == '$' || c == '`' || c == '"' || c == '\\' || c == '\n'; }

} // namespace

std::optional<std::vector<std::string>> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false; // a quoted empty text is a word too
  const std::size_t size = commandLine.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char c = commandLine[i];
    if (IsBlank(c)) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
      continue;
    }
    if (c == '\\') {
      if (i + 1 == size) { // a backslash at the very end stays as it is
        word += c;
        inWord = true;
      } else if (commandLine[i + 1] == '\n') { // a backslash before a line feed joins the lines
        ++i;
      } else {
        word += commandLine[++i];
        inWord = true;
      }
      continue;
    }
    inWord = true;
    if (c == '\'') {
      const std::size_t close = commandLine.find('\'', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      word.append(commandLine.substr(i + 1, close - i - 1));
      i = close;
    } else if (c == '"') {
      for (++i;; ++i) {
        if (i >= size) return std::nullopt;
        const char inner = commandLine[i];
        if (inner == '"') break;
        if (inner == '\\' && i + 1 < size && EscapableInDoubleQuotes(commandLine[i + 1])) {
          if (commandLine[++i] != '\n') word += commandLine[i];
        } else {
          word += inner;
        }
      }
    } else {
      word += c;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

} // namespace zt::console
