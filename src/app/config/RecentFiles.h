#pragma once
// The ten most recently used files, newest first; empty texts are free
// entries. Kept in the configuration as keys "0" to "9" of [hfiles].

#include <string>
#include <vector>

namespace zt {

class AppConfig;

class RecentFiles {
 public:
  static constexpr int kCount = 10;

  RecentFiles();
  void Load(const AppConfig& config);
  void Store(AppConfig& config) const;

  // A non-empty path that differs from the newest entry goes to the front;
  // the oldest entry drops out. Older copies of the path stay.
  void Add(const std::string& path);
  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

} // namespace zt
