// Files the game reads and keeps between runs, read and written only as
// regular files: a FIFO, a device or a planted link in their place is a bad
// file, never something to block on or to follow. A new file's bytes go to a
// temporary file of a fresh name beside it, which replaces the old file only
// once it is complete and on disk, so a crash or a full disk never leaves it
// half written.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// Writes size bytes as the whole new contents of name (resolved like
// OpenFile), making its folders when missing. No link is followed on the
// way, folders included, and the folder that receives the file must be this
// user's own. While this copy holds the single-instance lock, temporary files
// that an earlier copy left beside name (killed during a write) are removed
// first. False when anything failed; the old file is then untouched and why
// (when given) says what went wrong.
bool ReplaceFileContents(const std::string& name, const uint8_t* data, size_t size, std::string* why = nullptr);

enum class Links { NotFollowed, Followed };

// How a read went. Missing: the file, or a folder on its way, does not exist.
// Unreadable: something is there but cannot be read as a regular file (a
// refused link, a FIFO or a device, no permission, an I/O error).
enum class ReadResult { Read, Missing, Unreadable };

// Up to limit bytes from the start of name (resolved like OpenFile), as long
// as the file is now. Unless links are followed, a link anywhere in name, in
// the file's place or a folder's, is refused. why (when given) says what
// went wrong.
ReadResult ReadRegularFileStart(const std::string& name, size_t limit, std::vector<uint8_t>& bytes,
                                Links links = Links::NotFollowed, std::string* why = nullptr);

// The same without links, for a file whose folder must be this user's own
// (the rule a file is written by): a file in another user's folder is
// Unreadable, so that nobody sharing the working folder plants what we read.
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
