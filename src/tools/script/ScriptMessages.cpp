#include "tools/script/ScriptMessages.h"

#include "document/Cp932Codec.h"

namespace zt::script::message {

ScriptError Fail(std::string_view message, std::string_view shiftJisDetail) {
  const std::size_t slot = message.find("%s");
  if (slot == std::string_view::npos) return ScriptError(Sjis(message));
  std::string text = Sjis(message.substr(0, slot));
  text += shiftJisDetail;
  text += Sjis(message.substr(slot + 2));
  return ScriptError(text);
}

} // namespace zt::script::message
