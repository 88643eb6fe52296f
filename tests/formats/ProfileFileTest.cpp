#include "formats/ProfileFile.h"

#include <gtest/gtest.h>

namespace zt {
namespace {

TEST(ProfileFile, Reading) {
  const ProfileFile file = ProfileFile::FromText(
      "; comment\r\n[Window]\r\nmax=1\r\n  Title = \"a b\" \r\n[map]\r\nmax=0\r\nempty=\r\nno equals\r\n");
  EXPECT_EQ(file.Read("window", "MAX"), "1");
  EXPECT_EQ(file.Read("window", "title"), "a b");
  EXPECT_EQ(file.Read("map", "max"), "0");
  EXPECT_EQ(file.Read("map", "empty"), "");
  EXPECT_EQ(file.Read("map", "no equals"), std::nullopt);
  EXPECT_EQ(file.Read("other", "max"), std::nullopt);
}

TEST(ProfileFile, WritingKeepsTheRest) {
  ProfileFile file = ProfileFile::FromText("; keep me\r\n[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
  file.Write("a", "x", "10");
  file.Write("A", "z", "3");
  file.Write("c", "w", "4");
  file.Write("b", "Y", "5");
  EXPECT_EQ(file.Text(), "; keep me\r\n[a]\r\nx=10\r\nz=3\r\n\r\n[b]\r\nY=5\r\n[c]\r\nw=4\r\n");
  const ProfileFile again = ProfileFile::FromText(file.Text());
  EXPECT_EQ(again.Read("a", "z"), "3");
  EXPECT_EQ(again.Read("c", "w"), "4");
}

TEST(ProfileFile, ShiftJisValuesPassThrough) {
  ProfileFile file;
  file.Write("hfiles", "0", "/home/\x95\x5C/game.zpp");
  EXPECT_EQ(ProfileFile::FromText(file.Text()).Read("hfiles", "0"), "/home/\x95\x5C/game.zpp");
}

} // namespace
} // namespace zt
