#include "app/config/RecentFiles.h"

#include "app/config/AppConfig.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

using Entries = std::vector<std::string>;

Entries Padded(Entries front) {
  front.resize(RecentFiles::kCount);
  return front;
}

TEST(RecentFiles, AddingFollowsTheNewestEntryRule) {
  RecentFiles files;
  files.Add("A");
  files.Add("A"); // the same as the newest: nothing changes
  files.Add("");  // empty: nothing
  EXPECT_EQ(files.entries(), Padded({"A"}));
  files.Add("B");
  files.Add("A"); // the older A stays further down
  EXPECT_EQ(files.entries(), Padded({"A", "B", "A"}));
  for (int i = 0; i < 20; ++i) files.Add("f" + std::to_string(i));
  EXPECT_EQ(files.entries().size(), 10u);
  EXPECT_EQ(files.entries().front(), "f19");
  EXPECT_EQ(files.entries().back(), "f10");
}

TEST(RecentFiles, AllTenKeysAreStoredEmptyOnesToo) {
  test::TempDir dir;
  AppConfig config(dir.file("z.ini"), dir.dir());
  RecentFiles files;
  files.Add("/a/b.zpp");
  files.Store(config);
  const std::string text = dir.Read("z.ini");
  EXPECT_NE(text.find("[hfiles]\r\n0=/a/b.zpp\r\n1=\r\n"), std::string::npos);
  EXPECT_NE(text.find("9=\r\n"), std::string::npos);

  RecentFiles loaded;
  loaded.Load(config);
  EXPECT_EQ(loaded.entries(), Padded({"/a/b.zpp"}));
}

} // namespace
} // namespace zt
