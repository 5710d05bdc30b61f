// The high-score file as the game reads and writes it, and the replay file's
// writer and reader.
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "flow_fixture.h"
#include "game/replay.h"
#include "game/score.h"
#include "game/score_file.h"
#include "platform/system.h"
#include "support/fifo.h"
#include "support/temp_folder.h"

using namespace replay;
using namespace score;

using testing_support::TempFolder;
using testing_support::WorkingFolder;

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::vector<uint8_t> ReadFile(const char* path) {
  std::vector<uint8_t> bytes;
  if (std::FILE* f = std::fopen(path, "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<uint8_t>(c));
    std::fclose(f);
  }
  return bytes;
}

// The names the save keeps beside score.dat: its lock file, and the form of
// its temporary files (the six letters or digits after the prefix are drawn
// anew for each).
constexpr char LockName[] = ".score.dat.quorvane-lock";
constexpr char TempPrefix[] = ".score.dat.quorvane-save-";

std::string InScore(const std::string& name) { return "SCORE/" + name; }

// What is in SCORE besides the file itself and the save's lock file.
std::vector<std::string> Leftovers() {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator("SCORE")) {
    const std::string name = e.path().filename();
    if (name != "score.dat" && name != LockName) names.push_back(name);
  }
  return names;
}

class ScoreFileTest : public ::testing::Test {
 protected:
  void TearDown() override {
    HiScore = 0;
    ReplayIndex = 0;
  }
  TempFolder work;
  WorkingFolder cwd{work.path};
};

TEST_F(ScoreFileTest, LoadTakesOnlyAValidHigherValue) {
  std::string padded = "12345";
  padded.resize(255, '\0');
  struct Case {
    const char* what;
    bool present;
    std::string text;
    int want;  // from a current high score of 500
  };
  const Case cases[] = {
      {"missing file", false, "", 500},
      {"digits and zero bytes", true, padded, 12345},
      {"white space, digits, letters", true, "  42000abc", 42000},
      {"leading zeros", true, "000000000000777", 777},
      {"the largest value", true, "999999999", 999999999},
      {"letters", true, "abc123", 500},
      {"negative", true, "-7000", 500},
      {"signed", true, "+7000", 500},
      {"too many digits", true, "1234567890", 500},
      {"int overflow", true, "99999999999999999999", 500},
      {"empty", true, "", 500},
      {"lower than reached", true, "300", 500},
      {"text ends at a zero byte", true, std::string("\0 9000", 6), 500},
      {"only 255 bytes count", true, std::string(255, ' ') + "9000", 500},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all("SCORE");
    if (c.present) {
      ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE/score.dat", Bytes(c.text)));
    }
    HiScore = 500;
    LoadHighScore();
    EXPECT_EQ(HiScore, c.want) << c.what;
  }
}

// In a working folder others share, a SCORE folder of another user is read by
// the same rule as it is written: not at all. The game keeps its own high
// score and says once why; a later load or save does not take the planted
// value either.
TEST_F(ScoreFileTest, AnotherUsersFolderIsNotRead) {
  if (geteuid() != 0) GTEST_SKIP() << "making a folder of another user needs root";
  ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE/score.dat", Bytes("999999999")));
  ASSERT_EQ(chown("SCORE/score.dat", 65534, 65534), 0);
  ASSERT_EQ(chown("SCORE", 65534, 65534), 0);
  HiScore = 500;
  testing::internal::CaptureStderr();
  LoadHighScore();
  LoadHighScore();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(HiScore, 500);
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("another user"), std::string::npos) << said;
  testing::internal::CaptureStderr();
  SaveHighScore();
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(HiScore, 500) << "the save took the planted score";
  EXPECT_EQ(ReadFile("SCORE/score.dat"), Bytes("999999999"));
}

TEST_F(ScoreFileTest, SaveWritesTheTextAndZerosMakingTheFolder) {
  HiScore = 12345;
  SaveHighScore();
  const std::vector<uint8_t> bytes = ReadFile("SCORE/score.dat");
  ASSERT_EQ(bytes.size(), 255u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "12345");
  for (size_t i = 5; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << i;
  // Only the finished file is left, and the lock file, which only the player
  // may open.
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
  struct stat lock{};
  ASSERT_EQ(lstat(InScore(LockName).c_str(), &lock), 0);
  EXPECT_TRUE(S_ISREG(lock.st_mode));
  EXPECT_EQ(lock.st_mode & 07777, 0600u);

  HiScore = 0;
  LoadHighScore();
  EXPECT_EQ(HiScore, 12345);
}

TEST_F(ScoreFileTest, SaveNeverLowersTheScoreOnDisk) {
  ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE/score.dat", Bytes("9000")));
  HiScore = 500;  // a run that never read the file
  SaveHighScore();
  EXPECT_EQ(HiScore, 9000);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(ReadFile("SCORE/score.dat").data())), "9000");
}

TEST_F(ScoreFileTest, SaveWithoutAPlaceToWriteChangesNothingAndSaysSoOnce) {
  // A save that works first, so that no earlier failure is still pending.
  HiScore = 1;
  SaveHighScore();
  std::filesystem::remove_all("SCORE");
  // A file where the folder should be: nothing can be written, nothing breaks.
  ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE", Bytes("not a folder")));
  HiScore = 700;
  testing::internal::CaptureStderr();
  SaveHighScore();
  SaveHighScore();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadFile("SCORE"), Bytes("not a folder"));
  EXPECT_EQ(HiScore, 700);
  EXPECT_NE(said.find("high score could not be saved"), std::string::npos) << said;
  EXPECT_NE(said.find("SCORE"), std::string::npos) << "the reason names the folder: " << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

// Only a missing file means "no score yet". What is there but cannot be read
// may hold a better score than this run's, and a link, at the file's place or
// the folder's, may lead into another user's files: neither is written, and
// the save says so once.
TEST_F(ScoreFileTest, WhatCannotBeReadOrLeadsElsewhereIsNeverWritten) {
  namespace fs = std::filesystem;
  const bool root = geteuid() == 0;
  struct Case {
    const char* what;
    bool needsRoot, skipAsRoot;
    void (*plant)(const std::string& work);
    const char* watched;  // a file that must keep "888888"
    const char* untouched;  // a folder that must gain no file
  };
  const Case cases[] = {
      {"the file a link to a better score", false, false,
       [](const std::string& w) {
         ASSERT_TRUE(testing_support::WriteBytes(w + "best.dat", Bytes("888888")));
         fs::create_directory("SCORE");
         ASSERT_EQ(symlink((w + "best.dat").c_str(), "SCORE/score.dat"), 0);
       },
       "best.dat", nullptr},
      {"the file unreadable to its owner", false, true,
       [](const std::string& w) {
         ASSERT_TRUE(testing_support::WriteBytes(w + "SCORE/score.dat", Bytes("888888")));
         ASSERT_EQ(chmod("SCORE/score.dat", 0), 0);
       },
       nullptr, nullptr},
      {"the folder a link to another user's folder with a score", false, false,
       [](const std::string& w) {
         ASSERT_TRUE(testing_support::WriteBytes(w + "victim/score.dat", Bytes("888888")));
         ASSERT_EQ(symlink((w + "victim").c_str(), "SCORE"), 0);
       },
       "victim/score.dat", "victim"},
      {"the folder a link to an empty folder", false, false,
       [](const std::string& w) {
         fs::create_directory(w + "victim");
         ASSERT_EQ(symlink((w + "victim").c_str(), "SCORE"), 0);
       },
       nullptr, "victim"},
      {"the folder another user's", true, false,
       [](const std::string&) {
         fs::create_directory("SCORE");
         ASSERT_EQ(chown("SCORE", 65534, 65534), 0);
       },
       nullptr, "SCORE"},
  };
  for (const Case& c : cases) {
    if ((c.needsRoot && !root) || (c.skipAsRoot && root)) continue;
    fs::remove_all("SCORE");
    fs::remove_all("victim");
    fs::remove("best.dat");
    // A save that works first, so that no earlier failure is still pending.
    HiScore = 1;
    SaveHighScore();
    fs::remove_all("SCORE");
    c.plant(work.path);
    HiScore = 500;
    testing::internal::CaptureStderr();
    SaveHighScore();
    SaveHighScore();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << c.what << ": " << said;
    EXPECT_NE(said.find("high score could not be saved"), std::string::npos) << c.what << ": " << said;
    if (c.watched) {
      EXPECT_EQ(ReadFile(c.watched), Bytes("888888")) << c.what;
    }
    if (c.untouched) {
      for (const auto& e : fs::directory_iterator(c.untouched))
        EXPECT_EQ(e.path().filename(), "score.dat") << c.what << " gained " << e.path();
    }
    if (fs::is_regular_file(fs::symlink_status("SCORE/score.dat"))) {
      chmod("SCORE/score.dat", 0644);
      EXPECT_EQ(ReadFile("SCORE/score.dat"), Bytes("888888")) << c.what;
    }
  }
  fs::remove_all("SCORE");
}

// A copy killed while writing leaves its temporary file; the next save, once
// it holds the save's lock (so no other copy is writing), removes those, and
// only those, whether or not this copy holds the single-instance lock. Names
// a person gives a copy of the score, and the temporaries of earlier versions
// that cannot be told apart from them, are the player's: kept as they are.
TEST_F(ScoreFileTest, OnlyTheSavesOwnLeftoversAreRemoved) {
  namespace fs = std::filesystem;
  ASSERT_FALSE(platform::InstanceLockHeld());
  const std::string stale[] = {std::string(TempPrefix) + "a1B2c3", std::string(TempPrefix) + "ZZZZZZ"};
  std::vector<std::string> kept = {
      "score.dat.backup", "score.dat.241211", "score.dat.before", "score.dat.bak", "score.dat.1",
      "score.dat.a1B2c3", "score.dat.quorvane-save-a1B2c3", std::string(TempPrefix) + "a1B2c",
      std::string(TempPrefix) + "a1B2c34", std::string(TempPrefix) + "a-B2c3", ".other.dat.quorvane-save-a1B2c3"};
  for (const std::string& name : stale) ASSERT_TRUE(testing_support::WriteBytes(work.path + InScore(name), Bytes("1")));
  for (const std::string& name : kept) ASSERT_TRUE(testing_support::WriteBytes(work.path + InScore(name), Bytes(name)));
  const std::string link = std::string(TempPrefix) + "link01";
  ASSERT_EQ(symlink((work.path + "target").c_str(), InScore(link).c_str()), 0);
  if (geteuid() == 0) {
    // One of another user's, where the folder let them write.
    const std::string theirs = std::string(TempPrefix) + "Their1";
    ASSERT_TRUE(testing_support::WriteBytes(work.path + InScore(theirs), Bytes(theirs)));
    ASSERT_EQ(chown(InScore(theirs).c_str(), 65534, 65534), 0);
    kept.push_back(theirs);
  }
  HiScore = 77;
  SaveHighScore();
  for (const std::string& name : stale) EXPECT_FALSE(fs::exists(fs::symlink_status(InScore(name)))) << name;
  for (const std::string& name : kept) EXPECT_EQ(ReadFile(InScore(name).c_str()), Bytes(name)) << name;
  EXPECT_TRUE(fs::is_symlink(InScore(link))) << "only regular files are taken for stale ones";
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(ReadFile("SCORE/score.dat").data())), "77");
}

// Text of a file as a string, up to its first zero byte.
std::string Text(const char* path) {
  std::vector<uint8_t> bytes = ReadFile(path);
  return std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
}

// The other copy's temporary file, named as every save names them.
constexpr char OtherTemp[] = ".score.dat.quorvane-save-Other1";

// Another copy of the game saving into the same SCORE, as a child process:
// it holds the lock file's lock, as every save does, and has begun its
// temporary file. What it does once it has the lock is the given step; the child's exit
// code is what that step returns. The parent waits until the lock is held.
pid_t OtherCopySaving(int (*step)(int dir)) {
  int ready[2];
  if (pipe2(ready, O_CLOEXEC) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    const int dir = open("SCORE", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int lock = dir < 0 ? -1 : openat(dir, LockName, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock < 0 || flock(lock, LOCK_EX) != 0) _exit(100);
    const int temp = openat(dir, OtherTemp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (temp < 0 || write(temp, "907", 3) != 3) _exit(101);
    if (write(ready[1], "x", 1) != 1) _exit(102);
    const int result = step(dir);
    if (result != 0) _exit(result);
    // The rest of its 255 bytes, then the rename that ends its save.
    char rest[252] = {'0', '0', '0'};
    if (write(temp, rest, sizeof rest) != static_cast<ssize_t>(sizeof rest) || fsync(temp) != 0) _exit(103);
    _exit(renameat(dir, OtherTemp, dir, "score.dat") == 0 ? 0 : 104);
  }
  close(ready[1]);
  char c;
  while (read(ready[0], &c, 1) < 0 && errno == EINTR) {
  }
  close(ready[0]);
  return pid;
}

// Two copies that do not see each other's single-instance lock (each was
// given a runtime folder of its own) save at the same time. Ours has the
// lower score and comes second: it neither takes the other's temporary file
// for a stale one nor writes while the other holds the lock, and the higher
// score is what the file holds in the end.
TEST_F(ScoreFileTest, ASaveWaitsForAnotherCopysSaveAndTheHigherScoreWins) {
  namespace fs = std::filesystem;
  ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE/score.dat", Bytes("906000")));
  TempFolder runtime;  // our own single-instance lock, held as the game holds it
  chmod(runtime.path.c_str(), 0700);
  const char* old = std::getenv("XDG_RUNTIME_DIR");
  const std::string saved = old ? old : "";
  setenv("XDG_RUNTIME_DIR", runtime.path.c_str(), 1);
  ASSERT_TRUE(platform::AcquireInstanceLock("ScoreFileTest"));

  const pid_t other = OtherCopySaving([](int dir) {
    usleep(300 * 1000);  // our save has begun by now
    int wrong = 0;
    if (faccessat(dir, OtherTemp, F_OK, AT_SYMLINK_NOFOLLOW) != 0) wrong |= 1;
    char text[8] = {};
    const int fd = openat(dir, "score.dat", O_RDONLY | O_CLOEXEC);
    if (fd < 0 || read(fd, text, 6) != 6 || std::string(text) != "906000") wrong |= 2;
    if (fd >= 0) close(fd);
    return wrong;
  });
  ASSERT_GT(other, 0);
  HiScore = 906500;
  testing::internal::CaptureStderr();
  SaveHighScore();
  const std::string said = testing::internal::GetCapturedStderr();
  int status = 0;
  ASSERT_EQ(waitpid(other, &status, 0), other);
  platform::ReleaseInstanceLock();
  if (old) setenv("XDG_RUNTIME_DIR", saved.c_str(), 1); else unsetenv("XDG_RUNTIME_DIR");

  ASSERT_TRUE(WIFEXITED(status));
  const int wrong = WEXITSTATUS(status);
  EXPECT_EQ(wrong & 1, 0) << "our save removed the other copy's temporary file while it was being written";
  EXPECT_EQ(wrong & 2, 0) << "our save wrote while the other copy held the lock";
  EXPECT_EQ(wrong & ~3, 0) << "the other copy's save failed: " << wrong;
  EXPECT_EQ(said, "");
  EXPECT_EQ(Text("SCORE/score.dat"), "907000");
  EXPECT_EQ(HiScore, 907000);
  EXPECT_EQ(Leftovers(), std::vector<std::string>{});
}

// A copy stuck in the middle of its save (stopped, or on a hung disk) keeps
// the lock: our save gives up after a short wait with a clear error that
// names the process holding it, and keeps the file, rather than hanging the
// game or writing over it. Once the lock is free a save works again, and the
// killed copy's temporary file goes.
TEST_F(ScoreFileTest, AStuckSaveOfAnotherCopyIsASaveErrorNotAHang) {
  ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE/score.dat", Bytes("906000")));
  const pid_t stuck = OtherCopySaving([](int) {
    for (;;) pause();
    return 0;
  });
  ASSERT_GT(stuck, 0);
  HiScore = 906500;
  testing::internal::CaptureStderr();
  auto save = std::async(std::launch::async, [] { SaveHighScore(); });
  const bool returned = save.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
  kill(stuck, SIGKILL);  // which frees the lock, should the save still wait
  save.wait();
  const std::string said = testing::internal::GetCapturedStderr();
  waitpid(stuck, nullptr, 0);
  EXPECT_TRUE(returned) << "the save waited for ever";
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("high score could not be saved"), std::string::npos) << said;
  EXPECT_NE(said.find("locked"), std::string::npos) << said;
  EXPECT_NE(said.find("held by process " + std::to_string(stuck) + ")"), std::string::npos) << said;
  EXPECT_EQ(Text("SCORE/score.dat"), "906000");
  EXPECT_TRUE(std::filesystem::exists(InScore(OtherTemp))) << "the stuck copy's file is not ours to remove";

  SaveHighScore();
  EXPECT_EQ(Text("SCORE/score.dat"), "906500");
  EXPECT_EQ(Leftovers(), std::vector<std::string>{}) << "a killed save's file is stale";
}

// A process of another user (nobody), in our working folder, that does what
// act says and then stays until killed; result is what act returned (-1 when
// the child could not become that user).
pid_t AsAnotherUser(const std::function<int()>& act, int& result) {
  result = -1;
  int done[2];
  if (pipe2(done, O_CLOEXEC) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    int r = -1;
    if (setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0) r = act();
    if (write(done[1], &r, sizeof r) != static_cast<ssize_t>(sizeof r)) _exit(1);
    for (;;) pause();
  }
  close(done[1]);
  ssize_t n;
  while ((n = read(done[0], &result, sizeof result)) < 0 && errno == EINTR) {
  }
  if (n != static_cast<ssize_t>(sizeof result)) result = -1;
  close(done[0]);
  return pid;
}

// The locks another user can take on what they can open without writing to
// it.
enum class Hold { FlockExclusive, FlockShared, PosixRead, OfdRead };

bool Take(int fd, Hold how) {
  struct flock range{};
  range.l_type = F_RDLCK;
  range.l_whence = SEEK_SET;
  switch (how) {
    case Hold::FlockExclusive: return flock(fd, LOCK_EX | LOCK_NB) == 0;
    case Hold::FlockShared: return flock(fd, LOCK_SH | LOCK_NB) == 0;
    case Hold::PosixRead: return fcntl(fd, F_SETLK, &range) == 0;
    case Hold::OfdRead: return fcntl(fd, F_OFD_SETLK, &range) == 0;
  }
  return false;
}

// Locks the SCORE folder and everything in it that can be opened, the
// descriptors held open; a file of our own also gets a read lease, which
// makes an open for writing by anyone else wait for us. How many were locked.
int LockEverythingInScore(Hold how) {
  const int dir = open("SCORE", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return 0;
  int locked = Take(dir, how);
  DIR* d = opendir("SCORE");
  while (const dirent* e = d ? readdir(d) : nullptr) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    const int fd = openat(dir, e->d_name, O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) continue;
    locked += Take(fd, how);
    fcntl(fd, F_SETLEASE, F_RDLCK);
  }
  return locked;
}

// Another user who can reach the player's working folder locks the SCORE
// folder and every file in it they can open, each way they can: none of it
// holds the save up, and the higher score is saved. Where the player let
// everyone write into SCORE, the other user's own files at the lock file's
// and the score file's names, locked and leased, change nothing either.
TEST_F(ScoreFileTest, AnotherUsersLocksLeaveTheSaveOnTime) {
  if (geteuid() != 0) GTEST_SKIP() << "a process of another user needs root to start";
  ASSERT_EQ(chmod(work.path.c_str(), 0755), 0);
  const std::pair<Hold, const char*> holds[] = {{Hold::FlockExclusive, "flock, exclusive"},
                                                {Hold::FlockShared, "flock, shared"},
                                                {Hold::PosixRead, "POSIX read lock"},
                                                {Hold::OfdRead, "open file description read lock"}};
  for (const bool open_to_all : {false, true}) {
    for (const auto& [how, what] : holds) {
      const std::string where = std::string(what) + (open_to_all ? ", SCORE open to all" : ", SCORE the player's");
      std::filesystem::remove_all("SCORE");
      if (open_to_all) {
        ASSERT_EQ(mkdir("SCORE", 0755), 0);
        ASSERT_EQ(chmod("SCORE", 01777), 0);
      } else {
        HiScore = 400;  // a save before, which leaves the lock file
        SaveHighScore();
      }
      int locked = 0;
      const pid_t other = AsAnotherUser(
          [how = how, open_to_all] {
            if (open_to_all) {
              for (const char* name : {LockName, "score.dat"}) {
                const int fd = open(InScore(name).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
                if (fd < 0 || write(fd, "999999", 6) != 6) return -2;
                close(fd);
              }
            }
            return LockEverythingInScore(how);
          },
          locked);
      ASSERT_GT(other, 0);
      EXPECT_GE(locked, open_to_all ? 3 : 2) << where << ": the folder and the files were not all locked";
      HiScore = 500;
      testing::internal::CaptureStderr();
      const auto start = std::chrono::steady_clock::now();
      SaveHighScore();
      const auto took = std::chrono::steady_clock::now() - start;
      const std::string said = testing::internal::GetCapturedStderr();
      kill(other, SIGKILL);
      waitpid(other, nullptr, 0);
      EXPECT_LT(took, std::chrono::milliseconds(500)) << where;
      EXPECT_EQ(said, "") << where;
      EXPECT_EQ(HiScore, 500) << where;
      EXPECT_EQ(Text("SCORE/score.dat"), "500") << where;
    }
  }
}

// Where the player let everyone write into SCORE (0777, or 1777 with the
// sticky bit), what another user puts there is never trusted or followed: a
// score file of theirs is no score (the load says once why, the save takes
// its place), and the lock file's name, whatever it holds but a folder, gets
// a file of the player's own, which only the player may open. A folder there
// is never removed: the save then says why and writes nothing.
TEST_F(ScoreFileTest, InAFolderOthersMayWriteTheirFilesAreNotTrusted) {
  namespace fs = std::filesystem;
  if (geteuid() != 0) GTEST_SKIP() << "making files of another user needs root";
  auto theirs = [](const std::string& name) { ASSERT_EQ(lchown(name.c_str(), 65534, 65534), 0); };
  struct Case {
    const char* what;
    std::function<void()> plant;
    bool planted_score;  // a score of 999999 that the load must refuse
    bool saves;
  };
  const Case cases[] = {
      {"their score file", [&] {
         ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE/score.dat", Bytes("999999")));
         theirs("SCORE/score.dat");
       }, true, true},
      {"their link at the score file's name", [&] {
         ASSERT_TRUE(testing_support::WriteBytes(work.path + "best.dat", Bytes("999999")));
         ASSERT_EQ(symlink((work.path + "best.dat").c_str(), "SCORE/score.dat"), 0);
         theirs("SCORE/score.dat");
       }, true, true},
      {"their file at the lock's name", [&] {
         ASSERT_TRUE(testing_support::WriteBytes(work.path + InScore(LockName), Bytes("")));
         ASSERT_EQ(chmod(InScore(LockName).c_str(), 0600), 0);
         theirs(InScore(LockName));
       }, false, true},
      {"their link at the lock's name", [&] {
         ASSERT_TRUE(testing_support::WriteBytes(work.path + "best.dat", Bytes("999999")));
         ASSERT_EQ(symlink((work.path + "best.dat").c_str(), InScore(LockName).c_str()), 0);
         theirs(InScore(LockName));
       }, false, true},
      {"their FIFO at the lock's name", [&] {
         ASSERT_EQ(mkfifo(InScore(LockName).c_str(), 0666), 0);
         theirs(InScore(LockName));
       }, false, true},
      {"the player's file at the lock's name that others may open", [&] {
         ASSERT_TRUE(testing_support::WriteBytes(work.path + InScore(LockName), Bytes("")));
         ASSERT_EQ(chmod(InScore(LockName).c_str(), 0644), 0);
       }, false, true},
      {"the player's file at the lock's name with a second link", [&] {
         ASSERT_TRUE(testing_support::WriteBytes(work.path + "best.dat", Bytes("999999")));
         ASSERT_EQ(chmod((work.path + "best.dat").c_str(), 0600), 0);
         ASSERT_EQ(link("best.dat", InScore(LockName).c_str()), 0);
       }, false, true},
      {"their folder at the lock's name", [&] {
         ASSERT_EQ(mkdir(InScore(LockName).c_str(), 0755), 0);
         theirs(InScore(LockName));
       }, false, false},
  };
  for (const mode_t mode : {mode_t{01777}, mode_t{0777}}) {
    for (const Case& c : cases) {
      const std::string what = std::string(c.what) + (mode == 0777 ? ", 0777" : ", 1777");
      fs::remove_all("SCORE");
      fs::remove("best.dat");
      // A save and a load that work first, so that no earlier failure or
      // refusal is still pending.
      HiScore = 1;
      SaveHighScore();
      LoadHighScore();
      fs::remove_all("SCORE");
      ASSERT_EQ(mkdir("SCORE", 0755), 0);
      ASSERT_EQ(chmod("SCORE", mode), 0);
      c.plant();
      HiScore = 500;
      testing::internal::CaptureStderr();
      LoadHighScore();
      LoadHighScore();
      std::string said = testing::internal::GetCapturedStderr();
      EXPECT_EQ(HiScore, 500) << what;
      if (c.planted_score) {
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << what << ": " << said;
        EXPECT_NE(said.find("another user"), std::string::npos) << what << ": " << said;
      } else {
        EXPECT_EQ(said, "") << what;
      }
      testing::internal::CaptureStderr();
      SaveHighScore();
      said = testing::internal::GetCapturedStderr();
      EXPECT_EQ(HiScore, 500) << what;
      if (fs::exists("best.dat")) {
        EXPECT_EQ(ReadFile("best.dat"), Bytes("999999")) << what;
      }
      struct stat st{};
      if (!c.saves) {
        EXPECT_NE(said.find("high score could not be saved"), std::string::npos) << what << ": " << said;
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(InScore(LockName)))) << what;
        EXPECT_FALSE(fs::exists(fs::symlink_status("SCORE/score.dat"))) << what;
        continue;
      }
      EXPECT_EQ(said, "") << what;
      ASSERT_EQ(lstat("SCORE/score.dat", &st), 0) << what;
      EXPECT_TRUE(S_ISREG(st.st_mode) && st.st_uid == 0) << what;
      EXPECT_EQ(Text("SCORE/score.dat"), "500") << what;
      ASSERT_EQ(lstat(InScore(LockName).c_str(), &st), 0) << what;
      EXPECT_TRUE(S_ISREG(st.st_mode) && st.st_uid == 0 && st.st_nlink == 1) << what;
      EXPECT_EQ(st.st_mode & 07777, 0600u) << what;
      EXPECT_EQ(Leftovers(), std::vector<std::string>{}) << what;
    }
  }
  // No failure left pending for the tests after this one.
  fs::remove_all("SCORE");
  SaveHighScore();
}

// A file-size limit below the file's 255 bytes (prlimit --fsize) makes the
// write fail: the save says why, takes its temporary file away and keeps the
// old score, instead of the program being killed by SIGXFSZ halfway. The save
// runs in a child, which alone gets the limit.
TEST_F(ScoreFileTest, AFileSizeLimitIsASaveErrorThatKeepsTheOldFile) {
  namespace fs = std::filesystem;
  for (const rlim_t limit : {rlim_t{0}, rlim_t{100}, rlim_t{254}}) {
    fs::remove_all("SCORE");
    ASSERT_TRUE(testing_support::WriteBytes(work.path + "SCORE/score.dat", Bytes("5000")));
    int said[2];
    ASSERT_EQ(pipe2(said, O_CLOEXEC), 0);  // a pipe, which no size limit applies to
    const pid_t pid = fork();
    if (pid == 0) {
      dup2(said[1], STDERR_FILENO);
      platform::InstallTerminationHandlers();  // as main() does first
      const rlimit small{limit, limit};
      if (setrlimit(RLIMIT_FSIZE, &small) != 0) _exit(3);
      HiScore = 9000;
      SaveHighScore();
      _exit(0);
    }
    ASSERT_GT(pid, 0);
    close(said[1]);
    std::string text;
    char chunk[256];
    for (ssize_t n; (n = read(said[0], chunk, sizeof chunk)) > 0;) text.append(chunk, static_cast<size_t>(n));
    close(said[0]);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "limit " << limit << ": killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << limit;
    EXPECT_NE(text.find("high score could not be saved"), std::string::npos) << limit << ": " << text;
    EXPECT_NE(text.find(std::strerror(EFBIG)), std::string::npos) << limit << ": " << text;
    EXPECT_EQ(ReadFile("SCORE/score.dat"), Bytes("5000")) << limit;
    EXPECT_EQ(Leftovers(), std::vector<std::string>{}) << limit;
  }
}

TEST_F(ScoreFileTest, PlantedLinkAtTheTemporaryNameIsNotFollowed) {
  ASSERT_TRUE(testing_support::WriteBytes(work.path + "victim.txt", Bytes("precious")));
  std::filesystem::create_directory("SCORE");
  ASSERT_EQ(symlink((work.path + "victim.txt").c_str(), "SCORE/score.dat.tmp"), 0);
  HiScore = 4242;
  SaveHighScore();
  EXPECT_EQ(ReadFile("victim.txt"), Bytes("precious"));
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status("SCORE/score.dat")));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(ReadFile("SCORE/score.dat").data())), "4242");
}

TEST_F(ScoreFileTest, FifoInPlaceOfTheFileIsABadFileNotAHang) {
  std::filesystem::create_directory("SCORE");
  ASSERT_EQ(mkfifo("SCORE/score.dat", 0600), 0);
  HiScore = 300;
  const std::string fifo = work.path + "SCORE/score.dat";
  EXPECT_TRUE(testing_support::ReturnsDespiteFifo(fifo, [] { LoadHighScore(); })) << "reading the FIFO blocked";
  EXPECT_EQ(HiScore, 300);
  // Saving reads first as well; what it cannot read it leaves in place.
  testing::internal::CaptureStderr();
  EXPECT_TRUE(testing_support::ReturnsDespiteFifo(fifo, [] { SaveHighScore(); })) << "saving over the FIFO blocked";
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status("SCORE/score.dat")));
  EXPECT_NE(said.find("not a regular file"), std::string::npos) << said;
}

TEST_F(ScoreFileTest, ReplayFileHoldsTheLastTextOfTheCurrentRecord) {
  ReplayBuffer[3] = ReplayRecord{5, 123.9f, -45.7f};
  ReplayIndex = 3;
  SaveReplayFile();
  EXPECT_EQ(ReplayIndex, 4);
  std::vector<uint8_t> bytes = ReadFile("Replay.dat");
  ASSERT_EQ(bytes.size(), 64999u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data())), "-45");

  // Read back, the file's text is the bank frame of the current record,
  // whatever it holds: a sign is taken, and a text without digits gives 0.
  ReplayBuffer[4].BankFrame = 3;
  LoadReplayFile();
  EXPECT_EQ(ReplayBuffer[4].BankFrame, -45);
  EXPECT_EQ(ReplayIndex, 4);
  const std::pair<const char*, int> texts[] = {
      {"6", 6}, {" \t+12x", 12}, {"abc", 0}, {"", 0}, {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN}};
  for (const auto& [text, want] : texts) {
    ASSERT_TRUE(testing_support::WriteBytes(work.path + "Replay.dat", Bytes(text)));
    ReplayBuffer[4].BankFrame = 3;
    LoadReplayFile();
    EXPECT_EQ(ReplayBuffer[4].BankFrame, want) << '"' << text << '"';
  }

  // Past the buffer's end nothing is read or formatted from it.
  ReplayIndex = ReplayLength;
  SaveReplayFile();
  LoadReplayFile();
  EXPECT_EQ(ReplayIndex, ReplayLength);
  bytes = ReadFile("Replay.dat");
  ASSERT_EQ(bytes.size(), 64999u);
  EXPECT_EQ(bytes[0], 0);
  ReplayBuffer[3] = ReplayBuffer[4] = ReplayRecord{};
}

}  // namespace
