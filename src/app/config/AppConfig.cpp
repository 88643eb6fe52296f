#include "app/config/AppConfig.h"

#include "document/Cp932Codec.h"
#include "document/IntegerText.h"
#include "formats/TextFile.h"

#include <sys/stat.h>

namespace zt {
namespace {

// Changes whenever the file is replaced or edited; -2 for a missing file.
long long FileStamp(const std::string& path) {
  struct stat info{};
  if (::stat(path.c_str(), &info) != 0) return -2;
  return static_cast<long long>(info.st_mtim.tv_sec) * 1000000007LL + info.st_mtim.tv_nsec * 31 + info.st_size;
}

} // namespace

AppConfig::AppConfig(std::string path, std::string programFolder)
    : path_(std::move(path)), programFolder_(std::move(programFolder)) {}

const ProfileFile& AppConfig::Current() const {
  const long long stamp = FileStamp(path_);
  if (stamp != loadedStamp_) {
    file_ = ProfileFile::Load(path_);
    loadedStamp_ = stamp;
  }
  return file_;
}

void AppConfig::Save() {
  WriteFileAtomically(path_, file_.Text());
  loadedStamp_ = FileStamp(path_);
}

bool AppConfig::Read(const BoolKey& key) const {
  const auto text = Current().Read(key.section, key.name);
  const auto number = text ? ParseInteger(*text) : std::nullopt;
  return number ? *number != 0 : key.fallback;
}

int AppConfig::Read(const IntKey& key) const {
  const auto text = Current().Read(key.section, key.name);
  const auto number = text ? ParseInteger(*text) : std::nullopt;
  return number ? *number : key.fallback;
}

std::string AppConfig::Fallback(const TextKey& key) const {
  return key.inProgramFolder ? programFolder_ + key.fallback : std::string(key.fallback);
}

std::string AppConfig::Read(const TextKey& key) const {
  const auto text = Current().Read(key.section, key.name);
  return text ? Utf8FromShiftJis(*text) : Fallback(key);
}

void AppConfig::Write(const BoolKey& key, bool value) {
  Current();
  file_.Write(key.section, key.name, value ? "1" : "0");
  Save();
}

void AppConfig::Write(const IntKey& key, int value) {
  Current();
  file_.Write(key.section, key.name, std::to_string(value));
  Save();
}

void AppConfig::Write(const TextKey& key, std::string_view utf8) { WriteString(key.section, key.name, utf8); }

std::string AppConfig::ReadString(std::string_view section, std::string_view name, std::string_view fallback) const {
  const auto text = Current().Read(section, name);
  return text ? Utf8FromShiftJis(*text) : std::string(fallback);
}

void AppConfig::WriteString(std::string_view section, std::string_view name, std::string_view utf8) {
  Current();
  file_.Write(section, name, ShiftJisFromUtf8(utf8));
  Save();
}

FileSettings AppConfig::FileSettingsNow() const {
  FileSettings settings;
  settings.htmlDir = Read(keys::kHtmlDir);
  settings.headerFile = Read(keys::kHtmlHeader);
  settings.footerFile = Read(keys::kHtmlFooter);
  settings.workDir = programFolder_;
  settings.bookmarksWithProjects = Read(keys::kBookmarksWithProjects);
  return settings;
}

PageOptions AppConfig::PageOptionsNow() const {
  return {Read(keys::kComment), Read(keys::kMapPrint), Read(keys::kViewCopyright)};
}

} // namespace zt
