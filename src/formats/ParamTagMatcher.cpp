#include "formats/ParamTagMatcher.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <stdexcept>

namespace zt {
namespace {

// The name group stops at the first quote, as an inserted name (which holds
// no quote) must be followed by one.
constexpr char kPattern[] = R"re(<PARAM\s+NAME="([^"]*)"\s+VALUE="(.*?)"\s*>)re";

std::string EngineMessage(int code) {
  PCRE2_UCHAR buffer[256];
  pcre2_get_error_message(code, buffer, sizeof buffer);
  return reinterpret_cast<const char*>(buffer);
}

// The pattern, compiled (and, where the machine allows, compiled to native
// code) once for the whole run; it is never changed afterwards.
const pcre2_code* CompiledPattern() {
  static const pcre2_code* const code = [] {
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code* compiled = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(kPattern), PCRE2_ZERO_TERMINATED,
                                         PCRE2_CASELESS, &error, &offset, nullptr);
    if (!compiled) throw std::logic_error("PARAM pattern does not compile: " + EngineMessage(error));
    pcre2_jit_compile(compiled, PCRE2_JIT_COMPLETE); // falls back to the interpreter when unavailable
    return compiled;
  }();
  return code;
}

} // namespace

ParamTagMatcher::ParamTagMatcher()
    : code_(CompiledPattern()), matchData_(pcre2_match_data_create_from_pattern(code_, nullptr)) {}

ParamTagMatcher::~ParamTagMatcher() { pcre2_match_data_free(matchData_); }



std::vector<ParamTag> ParamTagMatcher::Scan(std::string_view line, std::string& error) const {
  std::vector<ParamTag> tags;
  const auto subject = reinterpret_cast<PCRE2_SPTR>(line.data());
  PCRE2_SIZE start = 0;
  while (start < line.size()) {
    const int rc = pcre2_match(code_, subject, line.size(), start, 0, matchData_, nullptr);
    if (rc == PCRE2_ERROR_NOMATCH) break;
    if (rc < 0) {
      error = EngineMessage(rc);
      break;
    }
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(matchData_);
    tags.push_back({line.substr(ovector[2], ovector[3] - ovector[2]), line.substr(ovector[4], ovector[5] - ovector[4])});
    // A tag may start inside the value of the one before, so go on from the
    // next position rather than from the end of this match.
    start = ovector[0] + 1;
  }
  return tags;
}

} // namespace zt
