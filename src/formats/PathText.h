#pragma once
// File-name helpers on path text ("/" separated).

#include <string>
#include <string_view>

namespace zt {

// The extension with its dot ("" when none): the text from the last "." of
// the file-name part.
std::string ExtractFileExt(std::string_view path);
std::string ChangeFileExt(std::string_view path, std::string_view ext);
std::string ExtractFileName(std::string_view path); // without the folder
std::string ExtractFileDir(std::string_view path);  // with the trailing "/", "" when none
std::string ToLowerAscii(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool FileExists(const std::string& path); // a regular file

// A project file by its name: the extension is exactly ".zpp" or ".ZPP".
bool IsProjectPath(std::string_view path);

} // namespace zt
