#include "platform/system.h"

#include <dirent.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <strings.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "platform/final_save.h"

namespace platform {
namespace {

std::string g_folder_override;
int g_lock_fd = -1;
bool g_lock_refused = false;
std::string g_lock_path;
volatile sig_atomic_t g_raise_requested = 0;
volatile sig_atomic_t g_terminate_requested = 0;
// The first close signal's number: a second one (an impatient INT after a
// TERM) asks for the same end and does not change the status it ends with.
std::atomic<int> g_terminate_signal{0};
static_assert(std::atomic<int>::is_always_lock_free, "read and written in signal handlers");
pid_t g_forking_process = 0;

// True when path is a real folder (not a link) of this user that nobody else
// can write to, so that nobody else can plant files in it.
bool PrivateFolder(const std::string& path) {
  struct stat st{};
  return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid() &&
         (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// This user's own folder under $TMPDIR (or /tmp).
std::string OwnTemporaryFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return std::string(tmp && *tmp ? tmp : "/tmp") + "/quorvane-" + std::to_string(static_cast<unsigned>(geteuid()));
}

// The lock's folder: $XDG_RUNTIME_DIR when it is private to this user, or
// else our own folder under $TMPDIR (or /tmp), made with mode 0700, so that
// after su, or with a runtime folder the group can write to, there is still a
// lock. "" when neither folder is private.
std::string LockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && *runtime && PrivateFolder(runtime)) return runtime;
  const std::string folder = OwnTemporaryFolder();
  mkdir(folder.c_str(), 0700);
  return PrivateFolder(folder) ? folder : "";
}

std::string LockPath(const std::string& name) {
  const std::string base = LockFolder();
  if (base.empty()) return "";
  std::string file;
  for (char c : name) file += (c == '/' || c == '\\') ? '_' : c;
  return base + "/" + file + ".lock";
}

// Opens the lock file without following a link; only a regular file of this
// user is taken. -1 otherwise.
int OpenLockFile(const std::string& path, int flags) {
  if (path.empty()) return -1;
  const int fd = open(path.c_str(), flags | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  if (fd < 0) return -1;
  struct stat st{};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
    close(fd);
    return -1;
  }
  return fd;
}

// The real and effective user of a process, from its status (which, unlike
// the owner of its /proc folder, does not depend on whether it may dump core).
bool ProcessUsers(const std::string& proc, long& real, long& effective) {
  std::FILE* f = std::fopen((proc + "/status").c_str(), "r");
  if (!f) return false;
  char line[256];
  bool found = false;
  while (!found && std::fgets(line, sizeof line, f)) found = std::sscanf(line, "Uid: %ld %ld", &real, &effective) == 2;
  std::fclose(f);
  return found;
}

// True when pid is another running copy of this very program, run by this
// user: only such a process may be sent a signal.
bool IsOtherCopy(long pid) {
  if (pid <= 1 || pid == getpid() || pid > INT_MAX) return false;
  const std::string proc = "/proc/" + std::to_string(pid);
  long real = -1, effective = -1;
  if (!ProcessUsers(proc, real, effective) || real != static_cast<long>(getuid()) ||
      effective != static_cast<long>(geteuid()))
    return false;
  struct stat exe{}, self{};
  return stat((proc + "/exe").c_str(), &exe) == 0 && stat("/proc/self/exe", &self) == 0 &&
         exe.st_dev == self.st_dev && exe.st_ino == self.st_ino;
}

void OnRaiseSignal(int) { g_raise_requested = 1; }
void OnTerminateSignal(int signal) {
  int none = 0;
  g_terminate_signal.compare_exchange_strong(none, signal);
  g_terminate_requested = 1;
  // Should the main thread be stuck (a frozen display), the request still
  // ends the program in time.
  NotifyCloseWatchdog();
}

constexpr int CloseSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void BeforeFork() { g_forking_process = getpid(); }

// A child of ours (the error box's helper, which a library forks without an
// exec) must not act as part of the game: our handlers would turn the game's
// SIGTERM into a flag it never reads, and the inherited lock would keep every
// later start out for as long as the child lives. Only async-signal-safe calls
// here: another thread may have held any lock at the fork.
void InChild() {
  struct sigaction dfl{};
  dfl.sa_handler = SIG_DFL;
  sigemptyset(&dfl.sa_mask);
  for (int s = 1; s < NSIG; ++s) sigaction(s, &dfl, nullptr);  // KILL, STOP and reserved ones refuse
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  if (g_lock_fd >= 0) {
    close(g_lock_fd);  // never flock(LOCK_UN): that would free the game's lock too
    g_lock_fd = -1;
  }
  // It dies with the game, even when the game is killed outright.
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != g_forking_process) _exit(1);
}

bool Exists(const std::string& p) { return access(p.c_str(), F_OK) == 0; }

}  // namespace

std::string ProgramFolder() {
  if (!g_folder_override.empty()) return g_folder_override;
  std::vector<char> buf(PATH_MAX + 1);
  ssize_t n = readlink("/proc/self/exe", buf.data(), PATH_MAX);
  if (n <= 0) return "./";
  std::string path(buf.data(), static_cast<size_t>(n));
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

void SetProgramFolder(const std::string& folder) {
  g_folder_override = folder;
  if (!g_folder_override.empty() && g_folder_override.back() != '/') g_folder_override += '/';
}

std::string ResolvePath(const std::string& name) {
  std::string path = name;
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path.empty() || Exists(path)) return path;

  // Walk the components, taking a case-insensitive match where the exact one
  // is missing.
  std::string built = path[0] == '/' ? "/" : "";
  size_t pos = path[0] == '/' ? 1 : 0;
  while (pos <= path.size()) {
    size_t next = path.find('/', pos);
    if (next == std::string::npos) next = path.size();
    std::string comp = path.substr(pos, next - pos);
    pos = next + 1;
    if (comp.empty()) continue;
    std::string candidate = built + comp;
    if (!Exists(candidate) && comp != "." && comp != "..") {
      DIR* d = opendir(built.empty() ? "." : built.c_str());
      if (d) {
        while (dirent* e = readdir(d)) {
          if (strcasecmp(e->d_name, comp.c_str()) == 0) {
            candidate = built + e->d_name;
            break;
          }
        }
        closedir(d);
      }
    }
    built = candidate;
    if (next < path.size()) built += '/';
  }
  return built;
}

std::FILE* OpenFile(const std::string& name, const char* mode) {
  return std::fopen(ResolvePath(name).c_str(), mode);
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

LocalTime GetLocalTime() {
  timeval tv{};
  gettimeofday(&tv, nullptr);
  std::tm tm{};
  time_t t = tv.tv_sec;
  localtime_r(&t, &tm);
  return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_wday, tm.tm_hour, tm.tm_min, tm.tm_sec,
                   static_cast<int>(tv.tv_usec / 1000)};
}

uint64_t DiskFreeBytes(const std::string& path) {
  struct statvfs s{};
  if (statvfs(path.c_str(), &s) != 0) return 0;
  return static_cast<uint64_t>(s.f_bavail) * static_cast<uint64_t>(s.f_frsize);
}

uint64_t FreeMemoryBytes() {
  struct sysinfo info{};
  if (sysinfo(&info) != 0) return 0;
  return static_cast<uint64_t>(info.freeram) * info.mem_unit;
}

OsVersion GetOsVersion() { return OsVersion{2, 10, 0}; }

bool AcquireInstanceLock(const std::string& name) {
  if (g_lock_fd >= 0) return true;
  // A second copy signals whatever pid it reads in the lock file, which may
  // be ours from the moment we write it (or already, when a pid of an earlier
  // run was reused for us): the request must find its handler, not end us.
  struct sigaction sa{};
  sa.sa_handler = OnRaiseSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGUSR1, &sa, nullptr);
  const std::string path = LockPath(name);
  const int fd = OpenLockFile(path, O_RDWR | O_CREAT);
  if (fd < 0) {
    // No safe place for a lock: the program runs all the same, and says so.
    const std::string why = path.empty() ? "neither $XDG_RUNTIME_DIR nor " + OwnTemporaryFolder() +
                                               " is a folder of this user's that others cannot write to"
                                         : path + " is not a regular file of this user's that can be opened";
    std::fprintf(stderr, "quorvane: the game runs without the single-instance lock: %s\n", why.c_str());
    return true;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int error = errno;
    close(fd);
    g_lock_refused = error == EWOULDBLOCK;
    return !g_lock_refused;
  }
  // The holder's pid lets a second copy ask it to raise its window.
  if (ftruncate(fd, 0) == 0) {
    char pid[32];
    int n = std::snprintf(pid, sizeof pid, "%d\n", static_cast<int>(getpid()));
    if (n > 0 && write(fd, pid, static_cast<size_t>(n)) < 0) {
      // the pid is only a courtesy for the raise request
    }
  }
  g_lock_fd = fd;
  g_lock_path = path;
  return true;
}

void ReleaseInstanceLock() {
  if (g_lock_fd < 0) return;
  flock(g_lock_fd, LOCK_UN);
  close(g_lock_fd);
  g_lock_fd = -1;
}

bool InstanceLockHeld() { return g_lock_fd >= 0; }

bool InstanceLockRefused() { return g_lock_refused; }

void RequestRaiseOfHolder(const std::string& name) {
  const int fd = OpenLockFile(LockPath(name), O_RDONLY);
  if (fd < 0) return;
  char text[32] = {};
  const ssize_t n = read(fd, text, sizeof text - 1);
  close(fd);
  if (n <= 0) return;
  char* end = nullptr;
  const long pid = std::strtol(text, &end, 10);
  if (end != text && IsOtherCopy(pid)) kill(static_cast<pid_t>(pid), SIGUSR1);
}

bool TakeRaiseRequest() {
  if (!g_raise_requested) return false;
  g_raise_requested = 0;
  return true;
}

void InstallTerminationHandlers() {
  struct sigaction sa{};
  sa.sa_handler = OnTerminateSignal;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  for (int s : CloseSignals) sigaction(s, &sa, nullptr);
  // Past a file-size limit a write fails with EFBIG, which a save reports.
  signal(SIGXFSZ, SIG_IGN);
  static bool fork_guarded = false;
  if (!fork_guarded) fork_guarded = pthread_atfork(&BeforeFork, nullptr, &InChild) == 0;
}

int TerminationSignal() { return g_terminate_signal.load(); }

bool TerminationPending() { return g_terminate_requested != 0; }

bool TakeTerminationRequest() {
  if (!g_terminate_requested) return false;
  g_terminate_requested = 0;
  return true;
}

}  // namespace platform
