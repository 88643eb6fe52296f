#include "formats/ProfileFile.h"

#include "document/ShiftJisText.h"
#include "formats/FileError.h"
#include "formats/PathText.h"
#include "formats/TextFile.h"

namespace zt {
namespace {

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionOf(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const std::size_t close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

// Splits "key=value"; nullopt for lines without "=" and for comments.
std::optional<std::pair<std::string_view, std::string_view>> KeyValueOf(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() == ';') return std::nullopt;
  const std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return std::pair{Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

} // namespace

ProfileFile ProfileFile::Load(const std::string& path) {
  if (!FileExists(path)) return {};
  return FromText(ReadFileBytes(path));
}

ProfileFile ProfileFile::FromText(std::string_view text) {
  ProfileFile file;
  file.lines_ = SplitLines(text);
  return file;
}

std::optional<std::string> ProfileFile::Read(std::string_view section, std::string_view key) const {
  bool inSection = false;
  for (const std::string& line : lines_) {
    if (const auto name = SectionOf(line)) {
      inSection = EqualsIgnoringAsciiCase(*name, section);
      continue;
    }
    if (!inSection) continue;
    if (const auto kv = KeyValueOf(line); kv && EqualsIgnoringAsciiCase(kv->first, key)) return Unquote(kv->second);
  }
  return std::nullopt;
}

void ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  const std::string entry = std::string(key) + "=" + std::string(value);
  bool inSection = false;
  std::size_t sectionEnd = lines_.size(); // where a new key of the section goes
  bool sectionFound = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionOf(lines_[i])) {
      if (inSection) break;
      inSection = EqualsIgnoringAsciiCase(*name, section);
      if (inSection) {
        sectionFound = true;
        sectionEnd = i + 1;
      }
      continue;
    }
    if (!inSection) continue;
    if (const auto kv = KeyValueOf(lines_[i]); kv && EqualsIgnoringAsciiCase(kv->first, key)) {
      lines_[i] = entry;
      return;
    }
    if (!Trim(lines_[i]).empty()) sectionEnd = i + 1;
  }
  if (!sectionFound) {
    lines_.push_back("[" + std::string(section) + "]");
    lines_.push_back(entry);
    return;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
}

std::string ProfileFile::Text() const { return JoinLinesCrLf(lines_); }

} // namespace zt
