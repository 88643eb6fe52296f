#include "formats/TextFile.h"

#include "formats/FileError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace zt {
namespace {

using test::TempDir;

std::size_t FilesIn(const TempDir& dir) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.dir())) ++n;
  return n;
}

TEST(TextFile, LinesEndWithCrLf) {
  TempDir dir;
  WriteTextLines(dir.file("a.txt"), {"one", "", "three"});
  EXPECT_EQ(dir.Read("a.txt"), "one\r\n\r\nthree\r\n");
  EXPECT_EQ(ReadTextLines(dir.file("a.txt")), (std::vector<std::string>{"one", "", "three"}));
}

TEST(TextFile, ReplacingAFileLeavesNoTemporaryBehind) {
  TempDir dir;
  dir.Write("a.txt", "old");
  WriteFileAtomically(dir.file("a.txt"), "new");
  EXPECT_EQ(dir.Read("a.txt"), "new");
  EXPECT_EQ(FilesIn(dir), 1u);
}

TEST(TextFile, AFailedWriteKeepsTheOldFile) {
  TempDir dir;
  dir.Write("a.txt", "old content");
  // Limit the size of files this process may write, so the write fails half way.
  struct rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  struct rlimit small = saved;
  small.rlim_cur = 100;
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &small);
  bool failed = false;
  try {
    WriteFileAtomically(dir.file("a.txt"), std::string(100000, 'x'));
  } catch (const FileError&) {
    failed = true;
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(failed);
  EXPECT_EQ(dir.Read("a.txt"), "old content");
  EXPECT_EQ(FilesIn(dir), 1u);
}

TEST(TextFile, Errors) {
  TempDir dir;
  EXPECT_THROW(ReadFileBytes(dir.file("missing")), FileError);
  EXPECT_THROW(WriteFileAtomically(dir.file("no/such/folder/a.txt"), "x"), FileError);
}

TEST(TextFile, CopyNeverOverwrites) {
  TempDir dir;
  dir.Write("from", "data");
  EXPECT_TRUE(CopyFileNoOverwrite(dir.file("from"), dir.file("to")));
  EXPECT_EQ(dir.Read("to"), "data");
  dir.Write("from", "newer");
  EXPECT_FALSE(CopyFileNoOverwrite(dir.file("from"), dir.file("to")));
  EXPECT_EQ(dir.Read("to"), "data");
  EXPECT_FALSE(CopyFileNoOverwrite(dir.file("missing"), dir.file("x")));
  EXPECT_EQ(FilesIn(dir), 2u);
}

} // namespace
} // namespace zt
