#include "document/TileCode.h"

#include <array>

namespace zt {
namespace {

constexpr std::string_view kTileChars =
    ".ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz123456789+-*/";
constexpr std::string_view kWorldChars = ".ABCDEabcdefghijkl123";

static_assert(kTileChars.size() == kLastTileCode + 1);
static_assert(kWorldChars.size() == kLastWorldCode + 1);

// Reverse lookup: byte value -> code, or `missing` for bytes that are no code.
template <std::size_t N>
constexpr std::array<std::uint8_t, 256> ReverseTable(std::string_view chars, std::uint8_t missing) {
  std::array<std::uint8_t, 256> table{};
  table.fill(missing);
  for (std::size_t i = 0; i < N; ++i) table[static_cast<unsigned char>(chars[i])] = static_cast<std::uint8_t>(i);
  return table;
}

constexpr auto kTileByChar = ReverseTable<kTileChars.size()>(kTileChars, kUnknownTile);
constexpr auto kWorldByChar = ReverseTable<kWorldChars.size()>(kWorldChars, 0);

} // namespace

char TileCodeToChar(TileCode code) { return code <= kLastTileCode ? kTileChars[code] : '0'; }

TileCode TileCodeFromChar(char c) { return kTileByChar[static_cast<unsigned char>(c)]; }

TileCode TileCodeFromChar(std::string_view text) {
  return text.size() == 1 ? TileCodeFromChar(text[0]) : kUnknownTile;
}

TileCode TileCodeAt(std::string_view row, std::size_t i) {
  return i < row.size() ? TileCodeFromChar(row[i]) : kUnknownTile;
}

char WorldCodeToChar(WorldCode code) { return code <= kLastWorldCode ? kWorldChars[code] : '.'; }

WorldCode WorldCodeFromChar(char c) { return kWorldByChar[static_cast<unsigned char>(c)]; }

WorldCode WorldCodeFromChar(std::string_view text) {
  return text.size() == 1 ? WorldCodeFromChar(text[0]) : WorldCode{0};
}

WorldCode WorldCodeAt(std::string_view row, std::size_t i) { return i < row.size() ? WorldCodeFromChar(row[i]) : 0; }

} // namespace zt
