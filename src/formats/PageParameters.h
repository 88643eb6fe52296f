#pragma once
// The parameter values of one game page, looked up by name as the game
// reads them: the last line holding the tag wins; missing values are
// reported as numbered errors.

#include "formats/Dialogs.h"
#include "formats/ParamTagMatcher.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zt {

inline constexpr const char* kNotExist = "<notExist>";

class PageParameters {
 public:
  PageParameters(std::vector<std::string> lines, Dialogs& dialogs);
  PageParameters(const PageParameters&) = delete;
  PageParameters& operator=(const PageParameters&) = delete;

  // The decoded value; 60 "." for a missing map row, kNotExist (and an
  // error) for another missing parameter.
  std::string GetParamText(std::string_view name);
  // 1 for a missing parameter; throws FileError when the value is not an integer.
  std::int32_t GetParamInt(std::string_view name);

  int errorCount() const { return errors_; }
  void ResetErrors() { errors_ = 0; }
  // Logs "エラー" + count + message, counts it and waits.
  void LogError(std::string_view message, int pauseMilliseconds);

 private:
  struct ScannedLine {
    std::vector<ParamTag> tags;
    std::string engineError;
  };
  const ParamTag* FindTag(std::size_t line, std::string_view name) const;

  std::vector<std::string> lines_;
  std::vector<ScannedLine> scanned_;
  // Lines holding `<PARAM NAME="name"` exactly, by name, in line order.
  std::unordered_map<std::string_view, std::vector<std::size_t>> linesByName_;
  Dialogs& dialogs_;
  int errors_ = 0;
};

// Replaces each "\'" + two hexadecimal digits by the byte they spell, at most
// 201 times; other "\'" sequences stay as they are.
std::string DecodeParamEscapes(std::string_view value);

} // namespace zt
