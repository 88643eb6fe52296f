#include "document/Cp932Codec.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace zt {
namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// One conversion direction; the descriptor is reused by the calling thread.
class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
    if (handle_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert code page 932");
  }
  ~Converter() { iconv_close(handle_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; an input sequence that cannot be converted is skipped
  // (one byte at a time) and `replacement` written instead.
  std::string Convert(std::string_view in, std::string_view replacement) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
      char* dst = buffer;
      std::size_t dstLeft = sizeof buffer;
      const std::size_t result = iconv(handle_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<std::size_t>(dst - buffer));
      if (result != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // EILSEQ, or EINVAL for a sequence cut off at the end.
      out.append(replacement);
      iconv(handle_, nullptr, nullptr, nullptr, nullptr);
      ++src;
      --srcLeft;
      if (errno == EILSEQ) SkipContinuation(src, srcLeft);
    }
    return out;
  }

  void SkipUtf8Continuations(bool on) { skipUtf8_ = on; }

 private:
  // After a bad UTF-8 lead byte, drop its continuation bytes too, so one bad
  // character gives one replacement.
  void SkipContinuation(char*& src, std::size_t& left) const {
    if (!skipUtf8_) return;
    while (left > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80) {
      ++src;
      --left;
    }
  }

  iconv_t handle_;
  bool skipUtf8_ = false;
};

} // namespace

std::string Utf8FromShiftJis(std::string_view sjis) {
  if (IsAscii(sjis)) return std::string(sjis);
  thread_local Converter converter("UTF-8", "CP932");
  return converter.Convert(sjis, "\xEF\xBF\xBD");
}

std::string ShiftJisFromUtf8(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  thread_local Converter converter("CP932", "UTF-8");
  converter.SkipUtf8Continuations(true);
  return converter.Convert(utf8, "?");
}

} // namespace zt
