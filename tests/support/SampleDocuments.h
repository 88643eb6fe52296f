#pragma once
// Documents with something in every part, for round-trip tests.

#include "document/Cp932Codec.h"
#include "document/ParameterCatalogue.h"
#include "document/StageDocument.h"

#include <string>

namespace zt::test {

// Every stage cell, world cell and parameter gets a value that differs from
// the start-up value and from the other stages.
inline StageDocument SampleDocument(StageType type) {
  StageDocument doc;
  doc.stageType = type;
  for (int s = 0; s < kStageCount; ++s)
    for (int x = 0; x < kStageWidth; ++x)
      for (int y = 0; y < kStageHeight; ++y)
        doc.stages[static_cast<std::size_t>(s)].at(x, y) = static_cast<TileCode>((x * 7 + y * 3 + s * 11) % 66);
  for (int x = 0; x < kWorldWidth; ++x)
    for (int y = 0; y < kWorldHeight; ++y) doc.world.at(x, y) = static_cast<WorldCode>((x + 2 * y) % 21);
  int n = 0;
  for (const GameParameter& p : AllParameters()) {
    ++n;
    if (p.kind == ParamKind::Text) doc.SetText(p.id, Sjis("値") + std::string(p.name) + std::to_string(n));
    else if (p.kind == ParamKind::Byte) doc.SetInt(p.id, (n % 7) + 1);
    else doc.SetInt(p.id, n * 13 - 500);
  }
  doc.headerLines = {"<HTML>", Sjis("<TITLE>ヘッダ</TITLE>"), ""};
  doc.footerLines = {"", Sjis("フッタ"), "</HTML>"};
  return doc;
}

} // namespace zt::test
