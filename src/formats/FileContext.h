#pragma once
// The surroundings of a read or write: the user, the editor and the
// settings that decide where files are.

#include "formats/Dialogs.h"
#include "formats/EditorHooks.h"

#include <string>

namespace zt {

struct FileSettings {
  std::string htmlDir;    // folder of the page and its images, ending in "/"
  std::string headerFile; // default header lines of a document
  std::string footerFile; // default footer lines of a document
  std::string workDir;    // folder of working files ("tmp.$$$"), ending in "/"
  bool bookmarksWithProjects = true; // ".sri" files beside projects
};

// Set while a page fetched from the web is read: missing images are fetched
// from the page's base address instead of copied.
struct NetImport {
  bool active = false;
  std::string baseUrl;
};

struct FileContext {
  Dialogs& dialogs;
  EditorHooks& hooks;
  FileSettings settings;
  NetImport netImport{};
};

} // namespace zt
