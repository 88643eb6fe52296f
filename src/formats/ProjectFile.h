#pragma once
// The project file (".zpp"): the whole document as Shift-JIS text lines,
// optionally encrypted; the bookmark file (".sri") beside it; and the older
// read-only ".cmd" stage file.

#include "formats/FileContext.h"
#include "formats/HtmlReader.h"

#include <optional>
#include <string>
#include <vector>

namespace zt {

class StageDocument;

inline constexpr int kProjectVersion = 3;

struct ProjectWriteOptions {
  bool encrypt = false;
  std::string password; // Shift-JIS bytes
  bool allFilesFilter = false; // the save dialog's "全てのファイル" filter was chosen
};

// The lines of the project file of the document.
std::vector<std::string> ProjectLines(const StageDocument& doc);

// Writes the project (and its bookmark file); returns the path written, with
// ".zpp" added when the name had no extension, or nullopt when nothing was
// written (a ".cmd" name, or a password that could not open the file again;
// the user has been told). Throws FileError when the file cannot be written.
std::optional<std::string> WriteProject(StageDocument& doc, const std::string& path,
                                        const ProjectWriteOptions& options, FileContext& context);

// Throws FileError for a number that is not one and for a file that ends too
// early; what was read before stays.
ReadOutcome ReadProject(StageDocument& doc, const std::string& path, FileContext& context);

ReadOutcome ReadCmd(StageDocument& doc, const std::string& path);

std::vector<std::string> ReadBookmarkFile(const std::string& path);
void WriteBookmarkFile(const std::string& path, const std::vector<std::string>& lines);

} // namespace zt
