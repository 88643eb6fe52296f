#pragma once
// A 5 x 7 pixel font of digits, capital letters and a few signs.

#include <array>
#include <string_view>

namespace zt::art {

inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = 6;

// Seven rows of five characters, '#' for a drawn pixel; blank rows for a
// character the font lacks.
const std::array<std::string_view, kGlyphHeight>& Glyph(char character);

} // namespace zt::art
