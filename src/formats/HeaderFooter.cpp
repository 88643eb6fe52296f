#include "formats/HeaderFooter.h"

#include "document/StageDocument.h"
#include "formats/TextFile.h"

namespace zt {

namespace {

// An empty file name stands for no lines.
std::vector<std::string> LinesOf(const std::string& path) {
  return path.empty() ? std::vector<std::string>{} : ReadTextLines(path);
}

} // namespace

void LoadHeaderFooter(StageDocument& doc, const FileSettings& settings) {
  std::vector<std::string> header = LinesOf(settings.headerFile);
  std::vector<std::string> footer = LinesOf(settings.footerFile);
  doc.headerLines = std::move(header);
  doc.footerLines = std::move(footer);
}

} // namespace zt
