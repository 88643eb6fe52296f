#include "formats/PageParameters.h"

#include "document/IntegerText.h"
#include "document/ShiftJisText.h"
#include "formats/FileError.h"
#include "formats/PathText.h"

namespace zt {
namespace {

constexpr std::string_view kTagStart = "<PARAM NAME=\"";
constexpr int kMaxEscapes = 201;

// Calls `found(name)` for every `<PARAM NAME="` + name + `"` of the line that
// starts on a character boundary.
template <typename Found>
void ForEachTagName(std::string_view line, Found found) {
  std::size_t from = 0;
  while (from < line.size()) {
    const std::size_t hit = FindShiftJis(line.substr(from), kTagStart);
    if (hit == std::string_view::npos) return;
    const std::size_t nameStart = from + hit + kTagStart.size();
    const std::size_t quote = line.find('"', nameStart);
    if (quote == std::string_view::npos) return;
    found(line.substr(nameStart, quote - nameStart));
    // The tag text holds only single-byte characters, so the next character
    // boundary after the hit is the byte after its "<".
    from = from + hit + 1;
  }
}

} // namespace

PageParameters::PageParameters(std::vector<std::string> lines, Dialogs& dialogs)
    : lines_(std::move(lines)), scanned_(lines_.size()), dialogs_(dialogs) {
  const ParamTagMatcher matcher;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const std::string_view line = lines_[i];
    if (line.empty()) continue;
    bool named = false;
    ForEachTagName(line, [&](std::string_view name) {
      std::vector<std::size_t>& where = linesByName_[name];
      if (where.empty() || where.back() != i) where.push_back(i);
      named = true;
    });
    if (named) scanned_[i].tags = matcher.Scan(line, scanned_[i].engineError);
  }
}

const ParamTag* PageParameters::FindTag(std::size_t line, std::string_view name) const {
  for (const ParamTag& tag : scanned_[line].tags)
    if (EqualsIgnoringAsciiCase(tag.name, name)) return &tag;
  return nullptr;
}

void PageParameters::LogError(std::string_view message, int pauseMilliseconds) {
  dialogs_.LogError("エラー" + std::to_string(errors_) + std::string(message), errors_);
  ++errors_;
  dialogs_.Pause(pauseMilliseconds);
}

std::string PageParameters::GetParamText(std::string_view name) {
  bool found = false;
  std::string result;
  if (const auto it = linesByName_.find(name); it != linesByName_.end()) {
    for (const std::size_t line : it->second) {
      if (!scanned_[line].engineError.empty()) LogError(scanned_[line].engineError, 1000);
      const ParamTag* tag = FindTag(line, name);
      if (tag && !tag->value.empty()) {
        result = DecodeParamEscapes(tag->value);
        found = true;
      }
    }
  }
  if (found) return result;
  if (name.find("map") != std::string_view::npos) return std::string(60, '.');
  if (name != "scroll_mode_s" && name != "stage_select")
    LogError(" パラメータ\"" + std::string(name) + "\"の値が見つかりません。", 10);
  return kNotExist;
}

std::int32_t PageParameters::GetParamInt(std::string_view name) {
  const std::string text = GetParamText(name);
  if (text.empty()) {
    LogError(" パラメータ\"" + std::string(name) + "\"は整数ではありません。", 10);
    return 0;
  }
  if (text == kNotExist) return 1;
  const auto value = ParseInteger(text);
  if (!value) throw FileError(NotAnIntegerMessage(text));
  return *value;
}

std::string DecodeParamEscapes(std::string_view value) {
  std::string text(value);
  std::size_t from = 0;
  for (int round = 0; round < kMaxEscapes; ++round) {
    const std::size_t rel = FindShiftJis(std::string_view(text).substr(from), "\\'");
    if (rel == std::string_view::npos) break;
    const std::size_t at = from + rel;
    const int high = at + 2 < text.size() ? HexDigitValue(text[at + 2]) : -1;
    const int low = at + 3 < text.size() ? HexDigitValue(text[at + 3]) : -1;
    if (high < 0 || low < 0) {
      from = at + 2; // not an escape: keep it and look further on
      continue;
    }
    text.replace(at, 4, 1, static_cast<char>(high * 16 + low));
    from = at + 1;
  }
  return text;
}

} // namespace zt
