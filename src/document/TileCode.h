#pragma once
// Tile and world-map codes and their one-character text forms.

#include <cstdint>
#include <string>
#include <string_view>

namespace zt {

using TileCode = std::uint8_t;
using WorldCode = std::uint8_t;

inline constexpr TileCode kLastTileCode = 65;
inline constexpr TileCode kUnknownTile = 255;   // an unrecognised map character
inline constexpr TileCode kPlayerStartTile = 1; // "A"
inline constexpr WorldCode kLastWorldCode = 20;

// Map character of a tile; "0" for any code outside 0..65.
char TileCodeToChar(TileCode code);
// Code of a one-character text; 255 for anything else ("0", "", "AB", ...).
TileCode TileCodeFromChar(std::string_view text);
TileCode TileCodeFromChar(char c);
// Code of character i of a map row; 255 beyond the end of the row.
TileCode TileCodeAt(std::string_view row, std::size_t i);

// World-map character of a code; "." for a code outside 0..20.
char WorldCodeToChar(WorldCode code);
// Code of a one-character text; 0 (the empty cell) for anything else.
WorldCode WorldCodeFromChar(std::string_view text);
WorldCode WorldCodeFromChar(char c);
// Code of character i of a world-map row; 0 beyond the end of the row.
WorldCode WorldCodeAt(std::string_view row, std::size_t i);

} // namespace zt
