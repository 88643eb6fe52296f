#pragma once
// Whole-file reads and safe whole-file writes.

#include <string>
#include <string_view>
#include <vector>

namespace zt {

// Throw FileError with a message naming the file.
std::string ReadFileBytes(const std::string& path);
std::vector<std::string> ReadTextLines(const std::string& path);

// Writes the bytes to a temporary file in the same folder and renames it over
// `path` only when everything was written, so a failed write leaves the old
// file as it was. Throws FileError.
void WriteFileAtomically(const std::string& path, std::string_view bytes);
// Every line followed by CR LF, the last one included.
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

} // namespace zt

namespace zt {

// Copies a file to a path where no file exists yet; false when the source
// cannot be read or the target exists or cannot be written.
bool CopyFileNoOverwrite(const std::string& from, const std::string& to);

} // namespace zt
