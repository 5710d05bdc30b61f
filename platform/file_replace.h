// Writing a file so that a crash or a full disk never leaves it half written:
// the bytes go to a temporary file beside it, which replaces the old file
// only once it is complete and on disk.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// Writes size bytes as the whole new contents of name (resolved like
// OpenFile), making its folder when missing. False when anything failed; the
// old file is then untouched.
bool ReplaceFileContents(const std::string& name, const uint8_t* data, size_t size);

}  // namespace platform
