#pragma once

#include "formats/FileContext.h"

namespace zt {

class StageDocument;

// Replaces the header and footer lines with the lines of the configured
// files (an empty file name gives no lines). Throws FileError when either
// cannot be read; the document then keeps its previous lines.
void LoadHeaderFooter(StageDocument& doc, const FileSettings& settings);

} // namespace zt
