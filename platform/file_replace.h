// Files the game keeps between runs, read and written only as regular files:
// a FIFO, a device or a planted link in their place is a bad file, never
// something to block on or to follow. A new file's bytes go to a temporary
// file of a fresh name beside it, which replaces the old file only once it is
// complete and on disk, so a crash or a full disk never leaves it half written.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Writes size bytes as the whole new contents of name (resolved like
// OpenFile), making its folder when missing. False when anything failed; the
// old file is then untouched and why (when given) says what went wrong.
bool ReplaceFileContents(const std::string& name, const uint8_t* data, size_t size, std::string* why = nullptr);

enum class Links { NotFollowed, Followed };

// Up to limit bytes from the start of name (resolved like OpenFile), as long
// as the file is now. False when it cannot be opened or is not a regular
// file; a link in name's place counts as missing unless followed.
bool ReadRegularFileStart(const std::string& name, size_t limit, std::vector<uint8_t>& bytes,
                          Links links = Links::NotFollowed);

}  // namespace platform
