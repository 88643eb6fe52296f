#pragma once
// Builds the complete game page of the document as Shift-JIS lines.

#include <string>
#include <vector>

namespace zt {

class StageDocument;

struct PageOptions {
  bool comment = false;       // explaining comments and spacing lines
  bool mapPrint = false;      // leave out map rows that are entirely empty
  bool viewCopyright = false; // two credit lines at the end
};

// Test play from a chosen cell: the player starts at (x, y) of the current
// stage and a four-stage game starts at the current stage.
struct StartOverride {
  bool active = false;
  int x = 0;
  int y = 0;
};

std::vector<std::string> WriteHtml(const StageDocument& doc, const PageOptions& options,
                                   const StartOverride& start = {});

} // namespace zt
