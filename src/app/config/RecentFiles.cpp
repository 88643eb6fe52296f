#include "app/config/RecentFiles.h"

#include "app/config/AppConfig.h"

namespace zt {

RecentFiles::RecentFiles() : entries_(kCount) {}

void RecentFiles::Load(const AppConfig& config) {
  entries_.clear();
  for (int i = 0; i < kCount; ++i) entries_.push_back(config.ReadString(keys::kRecentSection, std::to_string(i), ""));
}

void RecentFiles::Store(AppConfig& config) const {
  for (int i = 0; i < kCount; ++i)
    config.WriteString(keys::kRecentSection, std::to_string(i), entries_[static_cast<std::size_t>(i)]);
}

void RecentFiles::Add(const std::string& path) {
  if (path.empty() || path == entries_.front()) return;
  entries_.insert(entries_.begin(), path);
  entries_.pop_back();
}

} // namespace zt
