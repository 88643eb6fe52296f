#include "formats/Cryptogram.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utime.h>

namespace zt {
namespace {

using test::TempDir;

long long MTime(const std::string& path) {
  struct stat info{};
  ::stat(path.c_str(), &info);
  return info.st_mtime;
}

void SetMTime(const std::string& path, long long seconds) {
  struct utimbuf times{static_cast<time_t>(seconds), static_cast<time_t>(seconds)};
  ::utime(path.c_str(), &times);
}

std::string Body(std::size_t size) {
  std::string body(size, '\0');
  for (std::size_t i = 0; i < size; ++i) body[i] = static_cast<char>((i * 31 + 7) & 0xFF);
  return body;
}

TEST(Cryptogram, HeaderAndKeyRestartEveryBlock) {
  TempDir dir;
  const std::string plain = Body(2100);
  dir.Write("p.zpp", plain);
  ASSERT_TRUE(EncryptFile(dir.file("p.zpp"), "ab", false));
  const std::string out = dir.Read("p.zpp");
  ASSERT_EQ(out.size(), kCryptHeaderSize + plain.size());
  EXPECT_EQ(out.substr(0, 8), std::string("\x17\x00LOCKED", 8));
  EXPECT_EQ(static_cast<unsigned char>(out[12]), 'a' ^ 0x9C);
  EXPECT_EQ(static_cast<unsigned char>(out[13]), 'b' ^ 0x9C);
  EXPECT_EQ(out.substr(14, 30), std::string(30, '\0'));
  // Offsets 0, 1, 2, 1023 and 1024 of the body take key bytes a, b, a, b, a.
  const struct {
    std::size_t offset;
    char key;
  } expected[] = {{0, 'a'}, {1, 'b'}, {2, 'a'}, {1023, 'b'}, {1024, 'a'}, {1025, 'b'}, {2048, 'a'}};
  for (const auto& e : expected)
    EXPECT_EQ(out[kCryptHeaderSize + e.offset], static_cast<char>(plain[e.offset] ^ e.key)) << e.offset;
  EXPECT_FALSE(dir.Exists("p.$$$"));
}

TEST(Cryptogram, RoundTripRestoresBytesAndTimeStamp) {
  TempDir dir;
  const std::string plain = Body(5000);
  dir.Write("p.zpp", plain);
  const long long stamp = 1700000000; // an even second: DOS time stamps count in two seconds
  SetMTime(dir.file("p.zpp"), stamp);
  const std::string password(32, 'k'); // the longest password the header holds
  ASSERT_TRUE(EncryptFile(dir.file("p.zpp"), password, false));
  SetMTime(dir.file("p.zpp"), stamp + 5000);
  ASSERT_EQ(DecryptFile(dir.file("p.zpp"), password, false), kDecrypted);
  EXPECT_EQ(dir.Read("p.zpp"), plain);
  EXPECT_EQ(MTime(dir.file("p.zpp")), stamp);
}

TEST(Cryptogram, EmptyBodyDecryptsToAnEmptyFile) {
  TempDir dir;
  dir.Write("e.zpp", "");
  ASSERT_TRUE(EncryptFile(dir.file("e.zpp"), "pw", false));
  EXPECT_EQ(dir.Read("e.zpp").size(), kCryptHeaderSize);
  ASSERT_EQ(DecryptFile(dir.file("e.zpp"), "pw", false), kDecrypted);
  EXPECT_EQ(dir.Read("e.zpp"), "");
}

TEST(Cryptogram, Refusals) {
  TempDir dir;
  dir.Write("p.zpp", "#File Version\r\n");
  EXPECT_FALSE(EncryptFile(dir.file("p.zpp"), "", false));
  EXPECT_FALSE(EncryptFile(dir.file("p.zpp"), std::string(33, 'x'), false));
  EXPECT_FALSE(EncryptFile(dir.file("p.zpp"), "a\x9C", false));
  EXPECT_FALSE(EncryptFile(dir.file("missing.zpp"), "pw", false));
  EXPECT_EQ(dir.Read("p.zpp"), "#File Version\r\n");

  ASSERT_TRUE(EncryptFile(dir.file("p.zpp"), "right", false));
  const std::string locked = dir.Read("p.zpp");
  EXPECT_EQ(DecryptFile(dir.file("p.zpp"), "wrong", false), kWrongPassword);
  EXPECT_EQ(DecryptFile(dir.file("p.zpp"), "righ", false), kWrongPassword);
  EXPECT_EQ(DecryptFile(dir.file("p.zpp"), "", false), kDecryptFailed);
  EXPECT_EQ(dir.Read("p.zpp"), locked);
  EXPECT_FALSE(dir.Exists("p.$$$")); // a refused password leaves no working file

  dir.Write("short.zpp", std::string(34, '\x17'));
  EXPECT_EQ(DecryptFile(dir.file("short.zpp"), "pw", false), kDecryptFailed);
  dir.Write("plain.zpp", "#File Version\r\n3\r\n" + std::string(100, 'x'));
  EXPECT_EQ(DecryptFile(dir.file("plain.zpp"), "pw", false), kWrongPassword); // no header: no stored password
}

TEST(Cryptogram, KeepingTheSource) {
  TempDir dir;
  dir.Write("k.zpp", "content");
  ASSERT_TRUE(EncryptFile(dir.file("k.zpp"), "pw", true));
  EXPECT_EQ(dir.Read("k.org"), "content");
  ASSERT_EQ(DecryptFile(dir.file("k.zpp"), "pw", true), kDecrypted);
  EXPECT_EQ(dir.Read("k.zpp"), "content");
  EXPECT_EQ(dir.Read("k.crp").substr(2, 6), "LOCKED");
}

TEST(Cryptogram, WorkingFileBesideAFileNamedLikeIt) {
  TempDir dir;
  dir.Write("tmp.$$$", "copy");
  ASSERT_TRUE(EncryptFile(dir.file("tmp.$$$"), "pw", false));
  ASSERT_EQ(DecryptFile(dir.file("tmp.$$$"), "pw", false), kDecrypted);
  EXPECT_EQ(dir.Read("tmp.$$$"), "copy");
}

TEST(Cryptogram, DosTimeStamps) {
  const long long t = 1700000000;
  const std::uint32_t dos = DosTimeFromUnix(t);
  EXPECT_EQ(UnixFromDosTime(dos), t);
  EXPECT_EQ(UnixFromDosTime(DosTimeFromUnix(t + 1)), t); // two-second steps
  EXPECT_EQ(DosTimeFromUnix(0), 0u); // before 1980: no DOS time, so no stamp is given back
  EXPECT_EQ(PasswordProblem("fine"), std::nullopt);
  EXPECT_TRUE(PasswordProblem(std::string(33, 'a')));
}

} // namespace
} // namespace zt
