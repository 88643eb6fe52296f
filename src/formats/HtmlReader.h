#pragma once
// Reads a game page into the document.

#include "formats/FileContext.h"

#include <string>

namespace zt {

class StageDocument;
class PageParameters;

enum class ReadOutcome {
  Completed,
  Stopped, // the user chose to stop, or the file could not be taken
};

struct HtmlReadOptions {
  bool checkImages = true; // ask about image files missing from the page folder
};

// Throws FileError when an integer parameter is not a number; what was
// stored before stays in the document.
ReadOutcome ReadHtml(StageDocument& doc, const std::string& path, FileContext& context,
                     const HtmlReadOptions& options = {});

// Stage rows "map0-" y suffix ... of one stage (suffix "", "-s", "-t", "-f").
void ReadStageRows(PageParameters& page, StageDocument& doc, int stage);

} // namespace zt
