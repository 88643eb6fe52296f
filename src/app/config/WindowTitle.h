#pragma once
// The main window's title rule: "Zarno Tool++ - " + "* " while modified +
// the document's file name (or full path).

#include <optional>
#include <string>

namespace zt {

class AppConfig;
class StageDocument;

struct WindowTitle {
  std::string title;
  bool alsoTaskBar = false; // also the application's task-bar text
};

// nullopt when the title is to keep whatever text it has.
std::optional<WindowTitle> TitleFor(const StageDocument& doc, const AppConfig& config);

} // namespace zt
