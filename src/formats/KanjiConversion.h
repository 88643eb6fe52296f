#pragma once
// Detection of the Japanese character code of a text and conversion of JIS
// and EUC text to Shift-JIS.

#include <string>
#include <string_view>

namespace zt {

enum class KanjiCode : int {
  Ascii = 0,
  Binary = 1,
  JisNew = 2, // ESC $ B
  JisOld = 3, // ESC $ @
  Euc = 4,
  ShiftJis = 5,
  EucOrShiftJis = 6, // undecided
};

KanjiCode DetectKanjiCode(std::string_view text);

// Row/cell pair of JIS X 0208 to Shift-JIS, in 8-bit arithmetic.
void JisPairToShiftJis(unsigned char c1, unsigned char c2, std::string& out);
std::string JisToShiftJis(std::string_view text);
std::string EucToShiftJis(std::string_view text);

// JIS and EUC text comes back in Shift-JIS; ASCII, binary, Shift-JIS and
// undecided text comes back unchanged. The target is always Shift-JIS.
std::string ToShiftJis(std::string_view text, KanjiCode target = KanjiCode::ShiftJis);

} // namespace zt
