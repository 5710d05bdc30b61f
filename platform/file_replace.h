// Files the game reads and keeps between runs, read and written only as
// regular files: a FIFO, a device or a planted link in their place is a bad
// file, never something to block on or to follow. A new file's bytes go to a
// temporary file of a fresh name beside it, which replaces the old file only
// once it is complete and on disk, so a crash or a full disk never leaves it
// half written; two programs saving at once take turns.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

enum class Links { NotFollowed, Followed };

// How a read went. Missing: the file, or a folder on its way, does not exist.
// Unreadable: something is there but cannot be read as a regular file (a
// refused link, a FIFO or a device, no permission, an I/O error).
enum class ReadResult { Read, Missing, Unreadable };

// One read and replace of the file name (resolved like OpenFile) that no
// other program's save gets between, other copies of ours included, whatever
// single-instance lock each of them holds. The folder that holds the file is
// made when missing, reached without following a link at any step, and must
// be this user's own.
//
// The saves take turns through a lock file beside the file, named after it
// (.score.dat.quorvane-lock for score.dat), which stays locked (flock) for
// the life of the object. It is a regular file of this user's own, mode
// 0600, with no other link, so that no other user can open it, and so none
// can hold the lock to stop our saves. Whatever else holds that name where
// the folder lets others write (their file or link, a FIFO, a file that
// others may open or that has a second link) is never opened: it is removed
// and the file made anew; a folder there is never removed, and the save then
// fails. The lock file stays after the save, as removing it would let a save
// that has just opened it lock a file no other save sees. Nothing else is
// ever locked: neither the folder nor the file nor a temporary file, which
// others may open and lock as they like, since the rename that replaces the
// file heeds no lock. (In a folder that others may write to without the
// sticky bit they can still remove our lock file and so spoil the turns our
// copies take, but never make a save wait, follow a link or trust a file of
// theirs.)
//
// Once the lock is held no other save is writing there, and the temporary
// files that a save killed during its write left beside the file (named
// .score.dat.quorvane-save-XXXXXX) are removed: no other name, so that a copy
// a person keeps beside the file is never taken for one. A lock held by
// another save is waited for up to LockWaitMs; after that, or when anything
// else fails, Ready() is false, nothing was changed and why says what went
// wrong (and which process held the lock, when /proc/locks tells). On a file
// system without such locks the save goes on unlocked and leaves any
// temporary file alone.
class LockedFile {
 public:
  static constexpr int LockWaitMs = 2000;
  explicit LockedFile(const std::string& name, std::string* why = nullptr);
  ~LockedFile();
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;

  bool Ready() const { return dir_ >= 0; }
  // Up to limit bytes from the start of the file, which must be a regular
  // file and not a link. What another user put at the file's name is no file
  // of ours: it reads as Missing (why says whose it is), and Replace takes
  // its place.
  ReadResult ReadStart(size_t limit, std::vector<uint8_t>& bytes, std::string* why = nullptr) const;
  // Writes size bytes as the file's whole new contents. False when anything
  // failed (a full disk, a file-size limit); the old file is then untouched,
  // no temporary file is left and why says what went wrong.
  bool Replace(const uint8_t* data, size_t size, std::string* why = nullptr) const;

 private:
  std::string path_, leaf_;
  int dir_ = -1;
  int lock_ = -1;  // the lock file, locked where the file system has locks
};

// Up to limit bytes from the start of name (resolved like OpenFile), as long
// as the file is now. Unless links are followed, a link anywhere in name, in
// the file's place or a folder's, is refused. why (when given) says what
// went wrong.
ReadResult ReadRegularFileStart(const std::string& name, size_t limit, std::vector<uint8_t>& bytes,
                                Links links = Links::NotFollowed, std::string* why = nullptr);

// The same without links, for a file that must be this user's own in a
// folder of this user's own (the rule a file is written by): a file of
// another user, or in another user's folder, is Unreadable, so that nobody
// sharing the working folder plants what we read.
ReadResult ReadOwnFileStart(const std::string& name, size_t limit, std::vector<uint8_t>& bytes,
                            std::string* why = nullptr);

// The whole of name (resolved like OpenFile, links followed) when it is a
// regular file of at most limit bytes. A larger file is refused before
// anything is allocated for it.
bool ReadWholeRegularFile(const std::string& name, size_t limit, std::vector<uint8_t>& bytes);

// A stream to read name (resolved like OpenFile, links followed) from, when
// it is a regular file: the open never waits on a FIFO or a device. nullptr
// otherwise.
std::FILE* OpenRegularFile(const std::string& name);

}  // namespace platform
