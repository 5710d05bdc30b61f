#include "platform/file_replace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <thread>

#include "platform/system.h"

namespace platform {

namespace {

constexpr char TempLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t TempSuffixLength = 6;  // XXXXXX, as mkstemp makes them

// The names a save of leaf keeps beside it. Hidden, and with our own word in
// them, so that no person gives a file such a name: whatever has one is the
// save's to remove or replace, and no other name in the folder ever is.
std::string LockNameOf(const std::string& leaf) { return '.' + leaf + ".quorvane-lock"; }
std::string TempPrefixOf(const std::string& leaf) { return '.' + leaf + ".quorvane-save-"; }

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

// A descriptor closed when it goes out of scope.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Hands the descriptor over, no longer closed here.
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  // Closes now, for a caller that wants to know whether the close worked.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// Opens the folder that holds path's last component and puts that
// component's name in leaf. Every folder on the way is opened relative to the
// one before (from the working folder, or from / for an absolute path) and
// never through a link, so that nothing swapped in on the way redirects us.
// With make, a missing folder is made. -1 with errno set when it fails.
int OpenFolderOf(const std::string& path, bool make, std::string& leaf) {
  const size_t slash = path.rfind('/');
  leaf = slash == std::string::npos ? path : path.substr(slash + 1);
  int dir = ::open(!path.empty() && path[0] == '/' ? "/" : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0 || slash == std::string::npos) return dir;
  size_t pos = 0;
  while (pos < slash) {
    size_t next = path.find('/', pos);
    if (next == std::string::npos || next > slash) next = slash;
    const std::string part = path.substr(pos, next - pos);
    pos = next + 1;
    if (part.empty() || part == ".") continue;
    constexpr int Flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int sub = ::openat(dir, part.c_str(), Flags);
    if (sub < 0 && errno == ENOENT && make && (::mkdirat(dir, part.c_str(), 0755) == 0 || errno == EEXIST))
      sub = ::openat(dir, part.c_str(), Flags);
    const int error = errno;
    ::close(dir);
    errno = error;
    if (sub < 0) return -1;
    dir = sub;
  }
  return dir;
}

// A fresh name beside leaf, made exclusively (a name planted there, link or
// not, is never opened). -1 with errno set when it fails.
int CreateTemporary(int dir, const std::string& leaf, std::string& temp) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char noise[TempSuffixLength];
    if (::getrandom(noise, sizeof noise, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof noise)) {
      const unsigned long mix = static_cast<unsigned long>(std::time(nullptr)) * 2654435761u +
                                static_cast<unsigned long>(::getpid()) * 40503u + static_cast<unsigned>(attempt);
      for (size_t i = 0; i < sizeof noise; ++i) noise[i] = static_cast<unsigned char>(mix >> (i * 5));
    }
    temp = TempPrefixOf(leaf);
    for (unsigned char c : noise) temp += TempLetters[c % (sizeof TempLetters - 1)];
    const int fd = ::openat(dir, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool IsTemporaryOf(const std::string& name, const std::string& leaf) {
  const std::string prefix = TempPrefixOf(leaf);
  if (name.size() != prefix.size() + TempSuffixLength || name.compare(0, prefix.size(), prefix) != 0) return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                     [](char c) { return std::strchr(TempLetters, c) != nullptr && c != 0; });
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// A lock file as the save makes it: a regular file of this user's own that
// nobody else may open (0600) and that has no other name to be opened by.
bool PrivateFile(const struct stat& st) {
  return S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0600 && st.st_nlink == 1;
}

// Opens the lock file name in the folder open at dir, making it when it is
// missing. What holds the name but such a private file (another user's file
// or link, where the folder lets others write; a FIFO; a file that others
// may open or that has a second link) is never opened: it is removed, as
// long as it is still what was looked at, and the file is made anew. A
// folder there is never removed: EISDIR. -1 with errno set when it fails.
int OpenLockFile(int dir, const std::string& name) {
  // Without waiting: an open that would have to wait for a lease fails.
  constexpr int Flags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  for (int attempt = 0; attempt < 8; ++attempt) {
    struct stat seen{};
    if (::fstatat(dir, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT) return -1;
      Fd made(::openat(dir, name.c_str(), Flags | O_CREAT | O_EXCL, 0600));
      if (made.get() < 0 && errno == EEXIST) continue;  // made by another copy meanwhile
      if (made.get() < 0) return -1;
      // 0600 whatever the umask, so that the next save can open it.
      if (::fchmod(made.get(), 0600) != 0) return -1;
      return made.Release();
    }
    if (S_ISDIR(seen.st_mode)) {
      errno = EISDIR;
      return -1;
    }
    if (PrivateFile(seen)) {
      Fd fd(::openat(dir, name.c_str(), Flags));
      if (fd.get() < 0 && (errno == ENOENT || errno == ELOOP)) continue;  // replaced meanwhile
      if (fd.get() < 0) return -1;
      struct stat st{};
      if (::fstat(fd.get(), &st) != 0) return -1;
      if (SameFile(st, seen) && PrivateFile(st)) return fd.Release();
      continue;
    }
    struct stat now{};
    if (::fstatat(dir, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(now, seen) &&
        ::unlinkat(dir, name.c_str(), 0) != 0 && errno != ENOENT)
      return -1;
  }
  errno = EAGAIN;  // the name kept changing under us
  return -1;
}

enum class SaveLock { Held, Busy, Unsupported };

// Takes the lock on the lock file open at fd, waiting until deadline for one
// that holds it. A file system that has no such locks says so with an error
// other than EWOULDBLOCK.
SaveLock TakeSaveLock(int fd, std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return SaveLock::Held;
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) return SaveLock::Unsupported;
    if (std::chrono::steady_clock::now() >= deadline) return SaveLock::Busy;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

// Whether name in the folder open at dir is still the file open at fd: a
// lock on a file that another copy has since replaced keeps nobody out.
bool StillNamed(int dir, const std::string& name, int fd) {
  struct stat named{}, held{};
  return ::fstatat(dir, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &held) == 0 &&
         SameFile(named, held);
}

// The process holding a flock on the file open at fd, as /proc/locks tells
// it; 0 when it cannot be told (no /proc, a holder in another pid namespace,
// or the lock was let go meanwhile).
long FlockHolder(int fd) {
  struct stat st{};
  if (::fstat(fd, &st) != 0) return 0;
  char want[64];
  std::snprintf(want, sizeof want, "%02x:%02x:%llu", ::major(st.st_dev), ::minor(st.st_dev),
                static_cast<unsigned long long>(st.st_ino));
  std::FILE* locks = std::fopen("/proc/locks", "re");
  if (!locks) return 0;
  long holder = 0;
  char line[256];
  while (holder == 0 && std::fgets(line, sizeof line, locks)) {
    // "1: FLOCK  ADVISORY  WRITE 1234 fe:00:5317306 0 EOF"; a waiter's line
    // has "->" in place of its kind.
    char kind[16], id[64];
    long pid = 0;
    if (std::sscanf(line, "%*d: %15s %*s %*s %ld %63s", kind, &pid, id) == 3 && std::strcmp(kind, "FLOCK") == 0 &&
        std::strcmp(id, want) == 0 && pid > 0)
      holder = pid;
  }
  std::fclose(locks);
  return holder;
}

// Removes the temporary files an earlier save of leaf left behind: only
// regular files of this user with exactly such a name. Called only under the
// save's lock, when no save is writing one.
void RemoveStaleTemporaries(int dir, const std::string& leaf) {
  const int listing = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return;
  DIR* d = ::fdopendir(listing);
  if (!d) {
    ::close(listing);
    return;
  }
  while (const dirent* e = ::readdir(d)) {
    if (!IsTemporaryOf(e->d_name, leaf)) continue;
    struct stat st{};
    if (::fstatat(dir, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
      ::unlinkat(dir, e->d_name, 0);
  }
  ::closedir(d);
}

ReadResult Refused(std::string* why, const std::string& what, int error) {
  Fail(why, what, error);
  return error == ENOENT ? ReadResult::Missing : ReadResult::Unreadable;
}

// True when the folder open at dir (the one holding path) is this user's;
// otherwise why says so.
bool OwnFolder(int dir, const std::string& path, std::string* why) {
  struct stat st{};
  if (::fstat(dir, &st) != 0) return Fail(why, "cannot open the folder of " + path, errno);
  if (st.st_uid != ::geteuid()) return Fail(why, "the folder of " + path + " belongs to another user", EPERM);
  return true;
}

// True when what holds leaf in the folder open at dir (the one holding path)
// belongs to another user, which a folder that others may write to can hold:
// it is then never opened, followed or believed, and why says so.
bool OthersAt(int dir, const std::string& leaf, const std::string& path, std::string* why) {
  struct stat st{};
  if (::fstatat(dir, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || st.st_uid == ::geteuid()) return false;
  if (why) *why = path + " belongs to another user";
  return true;
}

// Reads up to want bytes; false on an I/O error. A file that shrank since it
// was measured gives what it still holds.
bool ReadUpTo(int fd, size_t want, std::vector<uint8_t>& bytes) {
  bytes.resize(want);
  size_t got = 0;
  while (got < want) {
    const ssize_t n = ::read(fd, bytes.data() + got, want - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  bytes.resize(got);
  return true;
}

constexpr int ReadFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;

// Up to limit bytes from the start of the file just opened as opened (-1
// with errno set when the open failed), which must be a regular file, and
// this user's own when own is set.
ReadResult ReadOpenedStart(int opened, const std::string& path, size_t limit, std::vector<uint8_t>& bytes,
                           bool own, std::string* why) {
  if (opened < 0) return Refused(why, "cannot read " + path, errno);
  Fd fd(opened);
  struct stat st{};
  if (::fstat(fd.get(), &st) != 0) return Refused(why, "cannot read " + path, errno);
  if (own && st.st_uid != ::geteuid()) {
    if (why) *why = path + " belongs to another user";
    return ReadResult::Unreadable;
  }
  if (!S_ISREG(st.st_mode)) {
    if (why) *why = path + " is not a regular file";
    return ReadResult::Unreadable;
  }
  // Room for what the file holds now, never for a limit it does not reach.
  if (!ReadUpTo(fd.get(), std::min(limit, static_cast<size_t>(st.st_size)), bytes)) {
    const int error = errno;
    bytes.clear();
    return Refused(why, "cannot read " + path, error);
  }
  return ReadResult::Read;
}

// name (resolved like OpenFile, links followed) opened for reading without
// waiting, when it is a regular file; st is then its status. -1 otherwise.
int OpenRegular(const std::string& name, struct stat& st) {
  const int fd = ::open(ResolvePath(name).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

LockedFile::LockedFile(const std::string& name, std::string* why) : path_(ResolvePath(name)) {
  Fd dir(OpenFolderOf(path_, true, leaf_));
  if (dir.get() < 0) {
    Fail(why, "cannot open the folder of " + path_ + " (a link is not followed)", errno);
    return;
  }
  if (!OwnFolder(dir.get(), path_, why)) return;
  const std::string lock_name = LockNameOf(leaf_);
  const std::string lock_path = path_.substr(0, path_.size() - leaf_.size()) + lock_name;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(LockWaitMs);
  for (int attempt = 0;; ++attempt) {
    Fd lock(OpenLockFile(dir.get(), lock_name));
    if (lock.get() < 0) {
      Fail(why, "cannot open the lock file " + lock_path, errno);
      return;
    }
    switch (TakeSaveLock(lock.get(), deadline)) {
      case SaveLock::Held:
        // Another copy put a new file in place of one it would not lock on
        // between our open and our lock: only the one named now counts.
        if (!StillNamed(dir.get(), lock_name, lock.get())) {
          if (attempt < 8) continue;
          Fail(why, "cannot lock " + lock_path + ", which kept being replaced", EAGAIN);
          return;
        }
        RemoveStaleTemporaries(dir.get(), leaf_);
        break;
      case SaveLock::Busy:
        if (why) {
          const long holder = FlockHolder(lock.get());
          *why = "the lock file " + lock_path + " stayed locked for " + std::to_string(LockWaitMs / 1000) + " s";
          if (holder > 0) *why += " (held by process " + std::to_string(holder) + ")";
        }
        return;
      case SaveLock::Unsupported:
        break;
    }
    lock_ = lock.Release();
    dir_ = dir.Release();
    return;
  }
}

LockedFile::~LockedFile() {
  if (lock_ >= 0) ::close(lock_);  // which also frees the lock
  if (dir_ >= 0) ::close(dir_);
}

ReadResult LockedFile::ReadStart(size_t limit, std::vector<uint8_t>& bytes, std::string* why) const {
  bytes.clear();
  if (dir_ < 0) return Refused(why, "cannot read " + path_, EBADF);
  // Another user's file is no score of ours: there is none yet, and Replace
  // puts ours in its place.
  if (OthersAt(dir_, leaf_, path_, why)) return ReadResult::Missing;
  const ReadResult read =
      ReadOpenedStart(::openat(dir_, leaf_.c_str(), ReadFlags | O_NOFOLLOW), path_, limit, bytes, true, why);
  // The same for one swapped in since it was looked at.
  if (read == ReadResult::Unreadable && OthersAt(dir_, leaf_, path_, why)) return ReadResult::Missing;
  return read;
}

bool LockedFile::Replace(const uint8_t* data, size_t size, std::string* why) const {
  if (dir_ < 0) return Fail(why, "cannot write " + path_, EBADF);
  std::string temp;
  Fd fd(CreateTemporary(dir_, leaf_, temp));
  if (fd.get() < 0) return Fail(why, "cannot create a file beside " + path_, errno);
  // The name is made private (0600); the finished file is readable as before.
  bool ok = ::fchmod(fd.get(), 0644) == 0 && WriteAll(fd.get(), data, size) && ::fsync(fd.get()) == 0;
  int error = errno;
  if (fd.Close() != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && ::renameat(dir_, temp.c_str(), dir_, leaf_.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlinkat(dir_, temp.c_str(), 0);
    return Fail(why, "cannot write " + path_, error);
  }
  // The rename itself reaches the disk only with its folder: without this a
  // power cut could bring back the old file.
  ::fsync(dir_);
  return true;
}

namespace {

// Up to limit bytes of name (resolved like OpenFile) with no link followed on
// the way; when own is set, only from a file of this user's own in a folder
// of this user's own.
ReadResult ReadStartWithoutLinks(const std::string& name, size_t limit, std::vector<uint8_t>& bytes, bool own,
                                 std::string* why) {
  const std::string path = ResolvePath(name);
  std::string leaf;
  Fd dir(OpenFolderOf(path, false, leaf));
  if (dir.get() < 0) return Refused(why, "cannot read " + path + " (a link is not followed)", errno);
  if (own && (!OwnFolder(dir.get(), path, why) || OthersAt(dir.get(), leaf, path, why)))
    return ReadResult::Unreadable;
  return ReadOpenedStart(::openat(dir.get(), leaf.c_str(), ReadFlags | O_NOFOLLOW), path, limit, bytes, own,
                         why);
}

}  // namespace

ReadResult ReadRegularFileStart(const std::string& name, size_t limit, std::vector<uint8_t>& bytes, Links links,
                                std::string* why) {
  bytes.clear();
  if (links == Links::NotFollowed) return ReadStartWithoutLinks(name, limit, bytes, false, why);
  const std::string path = ResolvePath(name);
  return ReadOpenedStart(::open(path.c_str(), ReadFlags), path, limit, bytes, false, why);
}

ReadResult ReadOwnFileStart(const std::string& name, size_t limit, std::vector<uint8_t>& bytes, std::string* why) {
  bytes.clear();
  return ReadStartWithoutLinks(name, limit, bytes, true, why);
}

bool ReadWholeRegularFile(const std::string& name, size_t limit, std::vector<uint8_t>& bytes) {
  bytes.clear();
  struct stat st{};
  Fd fd(OpenRegular(name, st));
  if (fd.get() < 0 || st.st_size < 0 || static_cast<uint64_t>(st.st_size) > limit) return false;
  if (!ReadUpTo(fd.get(), static_cast<size_t>(st.st_size), bytes)) {
    bytes.clear();
    return false;
  }
  return true;
}

std::FILE* OpenRegularFile(const std::string& name) {
  struct stat st{};
  const int fd = OpenRegular(name, st);
  if (fd < 0) return nullptr;
  // Reading a regular file never waits; the flag goes so that the stream is
  // an ordinary one.
  const int flags = ::fcntl(fd, F_GETFL);
  std::FILE* f = flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0 ? ::fdopen(fd, "rb") : nullptr;
  if (!f) ::close(fd);
  return f;
}

}  // namespace platform
