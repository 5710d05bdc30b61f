// The single-instance lock against a hostile second user: a folder others can
// write to, a planted link, and a lock file naming a process that is not
// another copy of this program.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/system.h"
#include "support/temp_folder.h"

namespace {

using testing_support::TempFolder;

constexpr const char* kName = "LockTest";

// Sets an environment variable (nullptr unsets it) for one scope.
class EnvVar {
 public:
  EnvVar(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~EnvVar() {
    if (old_)
      setenv(name_.c_str(), old_->c_str(), 1);
    else
      unsetenv(name_.c_str());
  }

 private:
  std::string name_;
  std::optional<std::string> old_;
};

std::string ReadText(const std::string& path) {
  std::ifstream f(path);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

// A child process that only waits; `setup` runs in it first. Returns once the
// setup is done (or the child has replaced itself by exec).
pid_t StartChild(void (*setup)()) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    setup();
    if (write(fds[1], "x", 1) < 0) _exit(3);
    for (;;) pause();
  }
  close(fds[1]);
  char c;
  while (read(fds[0], &c, 1) < 0) {
  }
  close(fds[0]);
  return pid;
}

// Sends the raise request for a lock file naming pid; true when the child
// died of the signal, false when it is still alive (and is then ended).
bool RequestKills(const std::string& folder, pid_t pid) {
  EnvVar runtime("XDG_RUNTIME_DIR", folder.c_str());
  WriteText(folder + kName + ".lock", std::to_string(pid) + "\n");
  platform::RequestRaiseOfHolder(kName);
  int status = 0;
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, &status, WNOHANG) == pid) return WIFSIGNALED(status) && WTERMSIG(status) == SIGUSR1;
    usleep(5000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return false;
}

TEST(InstanceLock, OnlyAnotherCopyOfThisProgramBySameUserIsSignalled) {
  TempFolder dir;
  chmod(dir.path.c_str(), 0700);

  // Another copy of this program: asked to raise its window.
  const pid_t copy = StartChild([] { signal(SIGUSR1, SIG_DFL); });
  ASSERT_GT(copy, 0);
  EXPECT_TRUE(RequestKills(dir.path, copy));

  // Some other program of this user (here a shell sleeping): left alone.
  const pid_t other = StartChild([] {
    signal(SIGUSR1, SIG_DFL);
    execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
    _exit(2);
  });
  ASSERT_GT(other, 0);
  EXPECT_FALSE(RequestKills(dir.path, other));

  // This program run by another user: left alone.
  if (geteuid() == 0) {
    const pid_t foreign = StartChild([] {
      signal(SIGUSR1, SIG_DFL);
      if (setuid(65534) != 0) _exit(2);
    });
    ASSERT_GT(foreign, 0);
    EXPECT_FALSE(RequestKills(dir.path, foreign));
  }
}

// A runtime folder that is not this user's private one (after su, or one
// the group can write to) is not used: the lock goes to our own folder under
// $TMPDIR instead, so that it is never silently off.
TEST(InstanceLock, ARuntimeFolderThatCannotBeUsedGivesWayToOurOwn) {
  struct Case {
    const char* what;
    bool needsRoot;
    void (*make)(const std::string& base);
    const char* runtime;  // under base
  };
  const Case cases[] = {
      {"others can write to it", false, [](const std::string& b) { chmod(b.c_str(), 0777); }, ""},
      {"the group can write to it", false, [](const std::string& b) { chmod(b.c_str(), 0770); }, ""},
      {"another user's (after su)", true,
       [](const std::string& b) {
         chmod(b.c_str(), 0700);
         ASSERT_EQ(chown(b.c_str(), 65534, 65534), 0);
       },
       ""},
      {"a link to a private folder", false,
       [](const std::string& b) {
         mkdir((b + "private").c_str(), 0700);
         ASSERT_EQ(symlink((b + "private").c_str(), (b + "link").c_str()), 0);
       },
       "link"},
  };
  for (const Case& c : cases) {
    if (c.needsRoot && geteuid() != 0) continue;
    TempFolder base, tmp;
    c.make(base.path);
    const std::string used = base.path + c.runtime;
    EnvVar runtime_env("XDG_RUNTIME_DIR", used.c_str());
    EnvVar tmpdir("TMPDIR", tmp.path.c_str());
    testing::internal::CaptureStderr();
    EXPECT_TRUE(platform::AcquireInstanceLock(kName)) << c.what;
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(platform::InstanceLockHeld()) << c.what;
    platform::ReleaseInstanceLock();
    EXPECT_EQ(said, "") << c.what;
    EXPECT_NE(access((used + "/" + kName + ".lock").c_str(), F_OK), 0) << c.what;
    const std::string own = tmp.path + "quorvane-" + std::to_string(geteuid()) + "/" + kName + ".lock";
    EXPECT_EQ(access(own.c_str(), F_OK), 0) << c.what;
  }
}

// With neither folder usable the program still runs, and says once that it
// runs without the lock.
TEST(InstanceLock, WithoutAnyUsableFolderOneLineSaysSo) {
  TempFolder runtime, tmp;
  chmod(runtime.path.c_str(), 0777);
  const std::string own = tmp.path + "quorvane-" + std::to_string(geteuid());
  mkdir(own.c_str(), 0700);
  chmod(own.c_str(), 0777);  // made open to everyone beforehand
  EnvVar runtime_env("XDG_RUNTIME_DIR", runtime.path.c_str());
  EnvVar tmpdir("TMPDIR", tmp.path.c_str());
  testing::internal::CaptureStderr();
  EXPECT_TRUE(platform::AcquireInstanceLock(kName)) << "the program still runs";
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(platform::InstanceLockHeld());
  platform::ReleaseInstanceLock();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("runs without the single-instance lock"), std::string::npos) << said;
  EXPECT_NE(access((runtime.path + kName + ".lock").c_str(), F_OK), 0);
  EXPECT_NE(access((own + "/" + kName + ".lock").c_str(), F_OK), 0);
}

TEST(InstanceLock, PlantedLinkIsNotFollowed) {
  TempFolder dir;
  chmod(dir.path.c_str(), 0700);
  EnvVar runtime("XDG_RUNTIME_DIR", dir.path.c_str());
  const std::string victim = dir.path + "victim.txt";
  WriteText(victim, "precious");
  ASSERT_EQ(symlink(victim.c_str(), (dir.path + kName + ".lock").c_str()), 0);
  EXPECT_TRUE(platform::AcquireInstanceLock(kName));
  EXPECT_FALSE(platform::InstanceLockHeld());
  platform::ReleaseInstanceLock();
  EXPECT_EQ(ReadText(victim), "precious");
}

TEST(InstanceLock, WithoutRuntimeFolderAPrivateFolderOfOurOwnIsMade) {
  TempFolder tmp;
  EnvVar runtime("XDG_RUNTIME_DIR", nullptr);
  EnvVar tmpdir("TMPDIR", tmp.path.c_str());
  const std::string own = tmp.path + "quorvane-" + std::to_string(geteuid());

  ASSERT_TRUE(platform::AcquireInstanceLock(kName));
  EXPECT_TRUE(platform::InstanceLockHeld());
  platform::ReleaseInstanceLock();
  struct stat st{};
  ASSERT_EQ(lstat(own.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(access((own + "/" + kName + ".lock").c_str(), F_OK), 0);

  // The same folder made open to everyone beforehand is not trusted.
  chmod(own.c_str(), 0777);
  platform::AcquireInstanceLock(kName);
  EXPECT_FALSE(platform::InstanceLockHeld());
  platform::ReleaseInstanceLock();

  // Nor is one that belongs to another user.
  if (geteuid() == 0) {
    chmod(own.c_str(), 0700);
    ASSERT_EQ(chown(own.c_str(), 65534, 65534), 0);
    platform::AcquireInstanceLock(kName);
    EXPECT_FALSE(platform::InstanceLockHeld());
    platform::ReleaseInstanceLock();
  }
}

// A process forked from the game without an exec (a library's helper, such
// as the one that shows an error box) is not part of the game: the game's
// SIGTERM ends it, it holds no descriptor of the lock (which would keep every
// later start out while it lives), and it dies with the game.
TEST(InstanceLock, AForkedChildHasDefaultSignalsNoLockAndDiesWithTheGame) {
  TempFolder dir;
  chmod(dir.path.c_str(), 0700);
  EnvVar runtime("XDG_RUNTIME_DIR", dir.path.c_str());
  platform::InstallTerminationHandlers();
  ASSERT_TRUE(platform::AcquireInstanceLock(kName));
  ASSERT_TRUE(platform::InstanceLockHeld());
  struct stat lock{};
  ASSERT_EQ(stat((dir.path + kName + ".lock").c_str(), &lock), 0);

  const pid_t pid = fork();
  if (pid == 0) {
    int wrong = 0;
    for (int sig : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1}) {
      struct sigaction sa{};
      if (sigaction(sig, nullptr, &sa) != 0 || sa.sa_handler != SIG_DFL) wrong |= 1;
    }
    for (int fd = 0; fd < 1024; ++fd) {
      struct stat st{};
      if (fstat(fd, &st) == 0 && st.st_dev == lock.st_dev && st.st_ino == lock.st_ino) wrong |= 2;
    }
    int death = 0;
    if (prctl(PR_GET_PDEATHSIG, &death) != 0 || death != SIGKILL) wrong |= 4;
    _exit(wrong);
  }
  ASSERT_GT(pid, 0);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  const int wrong = WEXITSTATUS(status);
  EXPECT_EQ(wrong & 1, 0) << "the child keeps the game's signal handlers";
  EXPECT_EQ(wrong & 2, 0) << "the child holds the lock file";
  EXPECT_EQ(wrong & 4, 0) << "the child outlives the game";
  EXPECT_TRUE(platform::InstanceLockHeld()) << "the game keeps its lock";
  platform::ReleaseInstanceLock();
}

// Takes the lock in a child that has no room to write a byte (a file-size
// limit of 0, as under prlimit --fsize=0), after main()'s own set-up and
// `prepare`; the child's wait status.
int StatusOfALockTakenWithoutRoom(void (*prepare)()) {
  TempFolder dir;
  chmod(dir.path.c_str(), 0700);
  EnvVar runtime("XDG_RUNTIME_DIR", dir.path.c_str());
  const pid_t pid = fork();
  if (pid == 0) {
    platform::InstallTerminationHandlers();  // as main() does first
    if (prepare) prepare();
    const rlimit none{0, 0};
    if (setrlimit(RLIMIT_FSIZE, &none) != 0) _exit(3);
    if (!platform::AcquireInstanceLock(kName) || !platform::InstanceLockHeld()) _exit(4);
    _exit(platform::TakeRaiseRequest() ? 0 : 5);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return status;
}

// The pid in the lock file is only a courtesy for the raise request: under a
// file-size limit of 0 its write fails and the program starts all the same,
// holding the lock, instead of being killed by SIGXFSZ.
TEST(InstanceLock, AFileSizeLimitOfZeroDoesNotStopTheStart) {
  const int status = StatusOfALockTakenWithoutRoom(nullptr);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_NE(WEXITSTATUS(status), 4) << "the lock was not taken";
  EXPECT_EQ(WEXITSTATUS(status), 5) << "no raise request was made, none may be seen";
}

// A second copy sends its raise request as soon as it reads our pid in the
// lock file; the handler must be in place by then, or the request kills us.
// The instant the pid is written is caught by the file-size limit, which
// turns that write into a SIGXFSZ; its handler sends the request right then.
void RequestRaiseNow(int) { kill(getpid(), SIGUSR1); }

TEST(InstanceLock, ARaiseRequestAsSoonAsThePidIsWrittenIsTaken) {
  const int status = StatusOfALockTakenWithoutRoom([] {
    struct sigaction at_write{};
    at_write.sa_handler = RequestRaiseNow;
    sigemptyset(&at_write.sa_mask);
    sigaction(SIGXFSZ, &at_write, nullptr);
  });
  ASSERT_FALSE(WIFSIGNALED(status) && WTERMSIG(status) == SIGUSR1) << "the raise request killed the first copy";
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_NE(WEXITSTATUS(status), 5) << "the raise request was lost";
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
