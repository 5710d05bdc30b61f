// The real back end over SDL2: a full-screen desktop window, its events as
// window messages, the present of the 16-bit back buffer.
#pragma once
#include "platform/backend.h"

namespace platform {

// Installs the SDL back end as the current one; false when SDL's video
// cannot start.
bool InstallSdlBackend();
void ShutdownSdlBackend();

// Virtual-key code of an SDL scancode, 0 for keys the engine does not know.
int VirtualKeyFromScancode(int scancode);

}  // namespace platform
