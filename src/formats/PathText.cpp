#include "formats/PathText.h"

#include <sys/stat.h>

namespace zt {
namespace {

std::size_t NameStart(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

std::size_t ExtStart(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  return dot == std::string_view::npos || dot < NameStart(path) ? path.size() : dot;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::string ExtractFileExt(std::string_view path) { return std::string(path.substr(ExtStart(path))); }

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  return std::string(path.substr(0, ExtStart(path))) + std::string(ext);
}

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFileDir(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = LowerAscii(c);
  return lower;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

bool FileExists(const std::string& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsProjectPath(std::string_view path) {
  const std::string ext = ExtractFileExt(path);
  return ext == ".zpp" || ext == ".ZPP";
}

} // namespace zt
