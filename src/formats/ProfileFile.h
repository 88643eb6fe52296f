#pragma once
// A settings text file of "[section]" lines and "key=value" lines, in
// Shift-JIS. Section and key names compare without regard to ASCII case;
// values are trimmed of surrounding blanks. Writes keep every other line of
// the file as it was.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

class ProfileFile {
 public:
  // A missing file reads as an empty one.
  static ProfileFile Load(const std::string& path);
  static ProfileFile FromText(std::string_view text);

  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  // Changes or adds the key (and the section when needed).
  void Write(std::string_view section, std::string_view key, std::string_view value);
  std::string Text() const; // CR LF line ends

 private:
  std::vector<std::string> lines_;
};

} // namespace zt
