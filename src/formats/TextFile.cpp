#include "formats/TextFile.h"

#include "document/ShiftJisText.h"
#include "formats/FileError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace zt {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& path, int error) {
  throw FileError(std::string(what) + " " + path + " (" + std::strerror(error) + ")");
}

// Closes a descriptor when the scope ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

// Writes `bytes` to a new temporary file beside `path`, with the mode an
// ordinary new file gets, and returns its name. Leaves no temporary file
// behind when it fails.
std::string WriteTemporaryBeside(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".XXXXXX";
  FileDescriptor file(::mkstemp(temp.data()));
  if (file.get() < 0) Fail("ファイルを作成できません:", path, errno);

  auto failAndRemove = [&](int error) {
    ::unlink(temp.c_str());
    Fail("ファイルに書き込めません:", path, error);
  };
  // mkstemp creates the file private to the user; give it the usual mode.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(file.get(), 0666 & ~mask);

  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(file.get(), bytes.data() + done, bytes.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      failAndRemove(errno);
    }
    done += static_cast<std::size_t>(put);
  }
  if (::fsync(file.get()) != 0) failAndRemove(errno);
  if (::close(file.release()) != 0) failAndRemove(errno);
  return temp;
}

} // namespace

std::string ReadFileBytes(const std::string& path) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) Fail("ファイルを開けません:", path, errno);
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      Fail("ファイルを読めません:", path, errno);
    }
    if (got == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  return bytes;
}

std::vector<std::string> ReadTextLines(const std::string& path) { return SplitLines(ReadFileBytes(path)); }

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temp = WriteTemporaryBeside(path, bytes);
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    Fail("ファイルに書き込めません:", path, error);
  }
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  WriteFileAtomically(path, JoinLinesCrLf(lines));
}

bool CopyFileNoOverwrite(const std::string& from, const std::string& to) {
  // Write a complete temporary copy, then link it in place: link() refuses
  // an existing target, so nothing is ever overwritten.
  std::string temp;
  try {
    temp = WriteTemporaryBeside(to, ReadFileBytes(from));
  } catch (const FileError&) {
    return false;
  }
  const bool linked = ::link(temp.c_str(), to.c_str()) == 0;
  ::unlink(temp.c_str());
  return linked;
}

} // namespace zt
