#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/system.h"

namespace platform {

namespace {

bool WriteAll(int fd, const uint8_t* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool Fail(std::string* why, const std::string& what, int error) {
  if (why) *why = what + ": " + std::strerror(error);
  return false;
}

}  // namespace

bool ReplaceFileContents(const std::string& name, const uint8_t* data, size_t size, std::string* why) {
  const std::string path = ResolvePath(name);
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code ec;
  if (!folder.empty() && !std::filesystem::is_directory(folder, ec)) {
    std::filesystem::create_directories(folder, ec);
    if (ec) return Fail(why, "cannot make the folder " + folder.string(), ec.value());
  }

  // A fresh name made exclusively (O_EXCL: a link planted there is never
  // followed), in the same folder so that the rename stays on one file system.
  std::string temp = path + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return Fail(why, "cannot create a file beside " + path, errno);
  // The name is made private (0600); the finished file is readable as before.
  bool ok = ::fchmod(fd, 0644) == 0 && WriteAll(fd, data, size) && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return Fail(why, "cannot write " + path, error);
  }
  return true;
}

bool ReadRegularFileStart(const std::string& name, size_t limit, std::vector<uint8_t>& bytes, Links links) {
  const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == Links::NotFollowed ? O_NOFOLLOW : 0);
  const int fd = ::open(ResolvePath(name).c_str(), flags);
  if (fd < 0) return false;
  struct stat st{};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  // Room for what the file holds now, never for a limit it does not reach.
  const size_t want = std::min(limit, static_cast<size_t>(st.st_size));
  bytes.resize(want);
  size_t got = 0;
  while (got < want) {
    const ssize_t n = ::read(fd, bytes.data() + got, want - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  bytes.resize(got);
  ::close(fd);
  return true;
}

}  // namespace platform
