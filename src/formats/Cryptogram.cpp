#include "formats/Cryptogram.h"

#include "formats/FileError.h"
#include "formats/PathText.h"
#include "formats/TextFile.h"

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zt {
namespace {

constexpr unsigned char kMask = 0x9C;
constexpr std::size_t kBlock = 1024;
constexpr char kMagic[] = "\x17\x00LOCKED";

// XOR with the password, the key position starting again every block.
void Encipher(std::string& bytes, std::size_t from, std::string_view password) {
  for (std::size_t i = from; i < bytes.size(); ++i) {
    const std::size_t k = (i - from) % kBlock;
    bytes[i] = static_cast<char>(bytes[i] ^ password[k % password.size()]);
  }
}

std::optional<long long> ModificationTime(const std::string& path) {
  struct stat info{};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return static_cast<long long>(info.st_mtime);
}

bool SetModificationTime(const std::string& path, long long seconds) {
  struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), 0}};
  return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

// The working copy beside `path`: its extension replaced by ".$$$", or
// another name when that would be the file itself.
std::string TemporaryName(const std::string& path) {
  const std::string temp = ChangeFileExt(path, ".$$$");
  return temp != path ? temp : path + ".tmp";
}

bool WriteTemporary(const std::string& temp, const std::string& bytes) {
  try {
    WriteFileAtomically(temp, bytes);
    return true;
  } catch (const FileError&) {
    return false;
  }
}

// Puts the finished temporary file in place of `path`, keeping the old file
// under `keptExt` when asked.
bool Replace(const std::string& path, const std::string& temp, bool keep, const char* keptExt) {
  if (keep && std::rename(path.c_str(), ChangeFileExt(path, keptExt).c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

void PutLittleEndian(std::string& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t GetLittleEndian(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

} // namespace

std::optional<std::string> PasswordProblem(std::string_view password) {
  if (password.size() > kMaxPasswordBytes)
    return "パスワードが長すぎます。32バイト（全角16文字）以内にしてください。";
  if (password.find(static_cast<char>(kMask)) != std::string_view::npos)
    return "パスワードに使えない文字が含まれています。別のパスワードにしてください。";
  return std::nullopt;
}

std::uint32_t DosTimeFromUnix(long long seconds) {
  const auto t = static_cast<time_t>(seconds);
  struct tm local{};
  if (!localtime_r(&t, &local) || local.tm_year < 80) return 0;
  const auto date = static_cast<std::uint32_t>(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
  const auto time = static_cast<std::uint32_t>((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
  return (date << 16) | time;
}

long long UnixFromDosTime(std::uint32_t dos) {
  struct tm local{};
  local.tm_year = static_cast<int>((dos >> 25) & 0x7F) + 80;
  local.tm_mon = static_cast<int>((dos >> 21) & 0x0F) - 1;
  local.tm_mday = static_cast<int>((dos >> 16) & 0x1F);
  local.tm_hour = static_cast<int>((dos >> 11) & 0x1F);
  local.tm_min = static_cast<int>((dos >> 5) & 0x3F);
  local.tm_sec = static_cast<int>(dos & 0x1F) * 2;
  local.tm_isdst = -1;
  return static_cast<long long>(std::mktime(&local));
}

bool EncryptFile(const std::string& path, std::string_view password, bool keepSource) {
  if (password.empty() || PasswordProblem(password)) return false;
  std::string plain;
  try {
    plain = ReadFileBytes(path);
  } catch (const FileError&) {
    return false;
  }
  const auto mtime = ModificationTime(path);

  std::string out(kCryptHeaderSize, '\0');
  out.replace(0, 8, kMagic, 8);
  PutLittleEndian(out, 8, mtime ? DosTimeFromUnix(*mtime) : 0);
  for (std::size_t i = 0; i < password.size(); ++i)
    out[12 + i] = static_cast<char>(static_cast<unsigned char>(password[i]) ^ kMask);
  out += plain;
  Encipher(out, kCryptHeaderSize, password);

  const std::string temp = TemporaryName(path);
  return WriteTemporary(temp, out) && Replace(path, temp, keepSource, ".org");
}

int DecryptFile(const std::string& path, std::string_view password, bool keepSource) {
  if (password.empty()) return kDecryptFailed;
  std::string bytes;
  try {
    bytes = ReadFileBytes(path);
  } catch (const FileError&) {
    return kDecryptFailed;
  }
  // Shorter than its header: not an encrypted project at all.
  if (bytes.size() < kCryptHeaderSize) return kDecryptFailed;

  std::string stored;
  std::uint32_t stamp = 0;
  if (bytes.compare(0, 8, kMagic, 8) == 0) {
    for (std::size_t i = 12; i < kCryptHeaderSize && bytes[i] != '\0'; ++i)
      stored += static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ kMask);
    stamp = GetLittleEndian(bytes, 8);
  }
  if (stored != password) return kWrongPassword;

  std::string plain = bytes.substr(kCryptHeaderSize);
  Encipher(plain, 0, password);
  const std::string temp = TemporaryName(path);
  if (!WriteTemporary(temp, plain)) return kDecryptFailed;
  if (stamp != 0) SetModificationTime(temp, UnixFromDosTime(stamp));
  return Replace(path, temp, keepSource, ".crp") ? kDecrypted : kDecryptFailed;
}

} // namespace zt
