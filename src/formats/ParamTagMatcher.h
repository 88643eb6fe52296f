#pragma once
// Finds the PARAM tags of a line with the tag pattern
//   <PARAM\s+NAME="name"\s+VALUE="(.*?)"\s*>   (ignoring case)
// Compiled once and run from every start position of a line, it yields, for
// any parameter name, exactly the leftmost match that the pattern with that
// name inserted would give.

#include <string>
#include <string_view>
#include <vector>

struct pcre2_real_code_8;
struct pcre2_real_match_data_8;

namespace zt {

struct ParamTag {
  std::string_view name;  // as written in the line
  std::string_view value; // group 1
};

class ParamTagMatcher {
 public:
  ParamTagMatcher(); // the compiled pattern is shared by all matchers
  ~ParamTagMatcher();
  ParamTagMatcher(const ParamTagMatcher&) = delete;
  ParamTagMatcher& operator=(const ParamTagMatcher&) = delete;

  // Every tag match of the line, by start position. `error` receives the
  // engine's message when it reports a problem (the scan of that line stops).
  std::vector<ParamTag> Scan(std::string_view line, std::string& error) const;

 private:
  const pcre2_real_code_8* code_;
  pcre2_real_match_data_8* matchData_;
};

} // namespace zt
