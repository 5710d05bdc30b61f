// What the game itself asks of the machine, besides the library's own
// services: the virtual-key codes it compares keys with, a pause of the
// thread, the calendar clock that seeds its random numbers, and the safe
// reading and replacing of its own small files.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_replace.h"
#include "platform/keys.h"

namespace elKey {
using platform::VK_0;
using platform::VK_A;
using platform::VK_BACK;
using platform::VK_CONTROL;
using platform::VK_DELETE;
using platform::VK_DOWN;
using platform::VK_END;
using platform::VK_ESCAPE;
using platform::VK_F1;
using platform::VK_F10;
using platform::VK_F12;
using platform::VK_F2;
using platform::VK_F4;
using platform::VK_F5;
using platform::VK_F6;
using platform::VK_HOME;
using platform::VK_INSERT;
using platform::VK_KEY_COUNT;
using platform::VK_LBUTTON;
using platform::VK_LEFT;
using platform::VK_MENU;
using platform::VK_NEXT;
using platform::VK_PAUSE;
using platform::VK_PRIOR;
using platform::VK_RBUTTON;
using platform::VK_RETURN;
using platform::VK_RIGHT;
using platform::VK_SHIFT;
using platform::VK_SNAPSHOT;
using platform::VK_SPACE;
using platform::VK_TAB;
using platform::VK_UP;
}  // namespace elKey

namespace elSystem {

// Stops the thread for `ms` milliseconds (the manual clock advances instead).
inline void Sleep(uint32_t ms) { platform::Sleep(ms); }
// Seconds of the calendar clock.
inline int64_t TimeSeconds() { return platform::TimeSeconds(); }
// Up to `limit` bytes of a regular file (nothing else is read, and no link is
// followed); says whether the file was read, is missing or is there but
// cannot be read, and `why` what went wrong.
using platform::ReadResult;
inline ReadResult ReadFileStart(const std::string& name, size_t limit, std::vector<uint8_t>& bytes,
                                std::string* why = nullptr) {
  return platform::ReadRegularFileStart(name, limit, bytes, platform::Links::NotFollowed, why);
}
// The same for a file that must be this user's own, in a folder of this
// user's own as that of a LockedFile must be: a file of another user, or in
// another user's folder, is Unreadable.
inline ReadResult ReadOwnFileStart(const std::string& name, size_t limit, std::vector<uint8_t>& bytes,
                                   std::string* why = nullptr) {
  return platform::ReadOwnFileStart(name, limit, bytes, why);
}
// A file read and then written anew, through a fresh temporary file beside
// it, as one step that no other save into its folder gets between; a failure
// leaves the old contents.
using platform::LockedFile;

}  // namespace elSystem
