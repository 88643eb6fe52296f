#include "formats/KanjiConversion.h"

namespace zt {
namespace {

constexpr unsigned char kEsc = 27;

bool In(unsigned char b, int low, int high) { return b >= low && b <= high; }

} // namespace

KanjiCode DetectKanjiCode(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const std::size_t n = text.size();

  // The last byte is never looked at, here or below.
  for (std::size_t i = 0; i < 512 && i + 1 < n; ++i) {
    if (byte(i) < 8 || byte(i) == 255) return KanjiCode::Binary;
  }

  KanjiCode code = KanjiCode::Ascii;
  std::size_t i = 0;
  while ((code == KanjiCode::Ascii || code == KanjiCode::EucOrShiftJis) && i + 1 < n) {
    const unsigned char b = byte(i++);
    if (b == kEsc) {
      if (byte(i++) == '$' && i < n) {
        const unsigned char c = byte(i++);
        if (c == 'B') code = KanjiCode::JisNew;
        else if (c == '@') code = KanjiCode::JisOld;
      }
    } else if (b < 8 || b == 255) {
      code = KanjiCode::Binary;
    } else if (b <= 127) {
    } else if (In(b, 129, 141) || In(b, 143, 159)) {
      code = KanjiCode::ShiftJis;
    } else if (b == 142) {
      const unsigned char d = byte(i++);
      if (In(d, 64, 126) || In(d, 128, 160) || In(d, 224, 252)) code = KanjiCode::ShiftJis;
      else if (In(d, 161, 223)) code = KanjiCode::EucOrShiftJis;
    } else if (In(b, 161, 223)) {
      const unsigned char d = byte(i++);
      if (In(d, 240, 254)) {
        code = KanjiCode::Euc;
      } else if (In(d, 161, 223)) {
        code = KanjiCode::EucOrShiftJis;
      } else if (In(d, 224, 239)) {
        code = KanjiCode::EucOrShiftJis;
        while (i < n && byte(i) >= 64 && code == KanjiCode::EucOrShiftJis) {
          const unsigned char e = byte(i++);
          if (In(e, 129, 141) || In(e, 143, 156)) code = KanjiCode::ShiftJis;
          else if (In(e, 253, 254)) code = KanjiCode::Euc;
        }
        if (i < n) ++i; // the byte that ended the run was looked at too
      } else if (d <= 159) {
        code = KanjiCode::ShiftJis;
      }
    } else if (In(b, 240, 254)) {
      code = KanjiCode::Euc;
    } else if (In(b, 224, 239)) {
      const unsigned char d = byte(i++);
      if (In(d, 64, 126) || In(d, 128, 160)) code = KanjiCode::ShiftJis;
      else if (In(d, 253, 254)) code = KanjiCode::Euc;
      else if (In(d, 161, 252)) code = KanjiCode::EucOrShiftJis;
    }
    // 128 and 160: nothing
  }
  return code;
}

void JisPairToShiftJis(unsigned char c1, unsigned char c2, std::string& out) {
  const auto first = static_cast<unsigned char>(((c1 + 1) >> 1) + (c1 < 95 ? 112 : 176));
  const int secondOffset = (c1 % 2 == 0) ? 126 : (c2 > 95 ? 32 : 31);
  const auto second = static_cast<unsigned char>(c2 + secondOffset);
  out += static_cast<char>(first);
  out += static_cast<char>(second);
}

std::string JisToShiftJis(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool kanji = false;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    if (static_cast<unsigned char>(text[i]) == kEsc) {
      if (i + 1 < n) {
        if (text[i + 1] == '$') kanji = true;
        else if (text[i + 1] == '(') kanji = false;
      }
      i += 3;
      // The byte after an escape is taken as it is, even another ESC.
      if (i >= n) break;
    }
    if (kanji) {
      if (i + 1 >= n) break;
      JisPairToShiftJis(static_cast<unsigned char>(text[i]), static_cast<unsigned char>(text[i + 1]), out);
      i += 2;
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string EucToShiftJis(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b <= 128 || b == 255) {
      out += text[i++];
    } else if (b == 142) { // single shift 2: a half-width katakana byte follows
      if (i + 1 < n) out += text[i + 1];
      i += 2;
    } else {
      if (i + 1 >= n) break;
      JisPairToShiftJis(b & 0x7F, static_cast<unsigned char>(text[i + 1]) & 0x7F, out);
      i += 2;
    }
  }
  return out;
}

std::string ToShiftJis(std::string_view text, KanjiCode target) {
  const KanjiCode code = DetectKanjiCode(text);
  if (code == KanjiCode::Ascii || code == KanjiCode::Binary || code == KanjiCode::EucOrShiftJis || code == target)
    return std::string(text);
  if (target == KanjiCode::ShiftJis) {
    if (code == KanjiCode::JisNew || code == KanjiCode::JisOld) return JisToShiftJis(text);
    if (code == KanjiCode::Euc) return EucToShiftJis(text);
  }
  return std::string(text);
}

} // namespace zt
