// System services: the program's folder, files by the names the game uses,
// local time, disk and memory queries, the single-instance lock.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// Folder of the running executable with a trailing '/'. Tests may override it.
std::string ProgramFolder();
void SetProgramFolder(const std::string& folder);  // "" restores the real one

// Turns a name written with '\\' or '/' into a path that exists, matching each
// component case-insensitively when the exact name is missing. A name that
// does not exist comes back with '/' separators (so it can be created).
std::string ResolvePath(const std::string& name);
// fopen after ResolvePath.
std::FILE* OpenFile(const std::string& name, const char* mode);
// Writes the bytes to exactly this path (no case folding), replacing the
// file; false when it cannot be created or written.
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

struct LocalTime {
  int year, month, day, weekday /*0 = Sunday*/, hour, minute, second, millisecond;
};
LocalTime GetLocalTime();

// Free bytes on the file system holding path; 0 when the query fails.
uint64_t DiskFreeBytes(const std::string& path);
// Available physical memory in bytes.
uint64_t FreeMemoryBytes();

struct OsVersion {
  int platform;  // 0 Win32s, 1 the 95 family, 2 the NT family, other: unknown
  int major, minor;
};
// The version this system reports itself as to the engine.
OsVersion GetOsVersion();

// Single instance: a lock file named after name under $XDG_RUNTIME_DIR when
// that is this user's private folder, or else under a folder of this user's
// own (quorvane-<uid>, mode 0700) under $TMPDIR or /tmp. A folder others (or
// the group) can write to, a link or a file of another user is not used;
// when neither folder can be, the program runs without a lock and one line on
// stderr says so. Acquire returns false when another live process holds it;
// that process can then be asked to raise its window. The holder's pid goes
// into the file only once its raise request is handled. The lock keeps a
// second copy from starting; it guards no file: the high score's save has a
// lock of its own (see LockedFile).
bool AcquireInstanceLock(const std::string& name);
void ReleaseInstanceLock();
bool InstanceLockHeld();
// True once an Acquire was refused because another process holds the lock.
bool InstanceLockRefused();
// Asks the holder of the lock to bring its window to the front; the pid in
// the file is only signalled when it is another copy of this program run by
// this user.
void RequestRaiseOfHolder(const std::string& name);
// True once after a second copy asked us to raise our window (polled by the
// back ends while pumping events).
bool TakeRaiseRequest();

// SIGINT, SIGTERM, SIGHUP and SIGQUIT are turned into a close request,
// polled by the back ends. SIGXFSZ is ignored, so that a write past a
// file-size limit fails (and is reported) instead of killing us. A process
// forked from ours from then on starts with default signal dispositions,
// without the single-instance lock, and is killed when ours ends.
void InstallTerminationHandlers();
// The first signal that asked us to close, 0 when none did: the program ends
// with 128 + that number, after its orderly end.
int TerminationSignal();
bool TakeTerminationRequest();
// True while a close request waits to be taken (a modal box gives up on it).
bool TerminationPending();

}  // namespace platform
