#include "formats/FileFilter.h"

namespace zt {
namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

} // namespace

std::vector<std::string> NameFilters(const std::string& filter) {
  const std::vector<std::string> parts = Split(filter, '|');
  std::vector<std::string> filters;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    std::string patterns;
    for (const std::string& pattern : Split(parts[i + 1], ';')) {
      if (pattern.empty()) continue;
      if (!patterns.empty()) patterns += ' ';
      patterns += pattern == "*.*" ? "*" : pattern;
    }
    filters.push_back(parts[i] + " (" + patterns + ")");
  }
  return filters;
}

} // namespace zt
