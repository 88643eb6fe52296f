#pragma once
// The configuration file beside the executable: a Shift-JIS settings file of
// sections and keys. Every write reaches the file at once; every read sees
// the file as it is (it is read again when it changed on disk).

#include "app/config/ConfigKeys.h"
#include "formats/FileContext.h"
#include "formats/HtmlWriter.h"
#include "formats/ProfileFile.h"

#include <string>
#include <string_view>

namespace zt {

class AppConfig {
 public:
  // `programFolder` ends in "/"; folder defaults are taken from it.
  AppConfig(std::string path, std::string programFolder);

  bool Read(const BoolKey& key) const;
  int Read(const IntKey& key) const;
  std::string Read(const TextKey& key) const; // UTF-8

  // Throw FileError when the file cannot be written.
  void Write(const BoolKey& key, bool value);
  void Write(const IntKey& key, int value);
  void Write(const TextKey& key, std::string_view utf8);

  // Keys outside the table (the numbered recent files); UTF-8 values.
  std::string ReadString(std::string_view section, std::string_view name, std::string_view fallback) const;
  void WriteString(std::string_view section, std::string_view name, std::string_view utf8);

  const std::string& path() const { return path_; }
  const std::string& programFolder() const { return programFolder_; }

  // What the readers and writers take from the configuration.
  FileSettings FileSettingsNow() const;
  PageOptions PageOptionsNow() const;

 private:
  std::string Fallback(const TextKey& key) const;
  const ProfileFile& Current() const;
  void Save();

  std::string path_;
  std::string programFolder_;
  mutable ProfileFile file_;
  mutable long long loadedStamp_ = -1; // modification time and size of the file last read
};

} // namespace zt
