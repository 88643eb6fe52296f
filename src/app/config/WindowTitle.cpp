#include "app/config/WindowTitle.h"

#include "app/config/AppConfig.h"
#include "document/ProductInfo.h"
#include "document/StageDocument.h"
#include "formats/PathText.h"

namespace zt {

std::optional<WindowTitle> TitleFor(const StageDocument& doc, const AppConfig& config) {
  if (!config.Read(keys::kTitleFilename)) return std::nullopt;
  const std::string mark = doc.modified() ? "* " : "";
  const std::string name =
      config.Read(keys::kTitleFullpath) ? doc.documentName : ExtractFileName(doc.documentName);
  return WindowTitle{std::string(kProductName) + " - " + mark + name, config.Read(keys::kTaskFilename)};
}

} // namespace zt
