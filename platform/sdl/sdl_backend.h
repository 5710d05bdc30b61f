// The real back end over SDL2: a full-screen desktop window, its events as
// window messages, the present of the 16-bit back buffer.
#pragma once
#include "platform/backend.h"

namespace platform {

// Installs the SDL back end as the current one; false when SDL's video
// cannot start. When the display's connection is lost, on_lost_display (if
// given) runs and the program then ends at once with status 1: it may save
// files but must touch nothing of the window.
bool InstallSdlBackend(void (*on_lost_display)() = nullptr);
void ShutdownSdlBackend();

// Virtual-key code of an SDL scancode, 0 for keys the engine does not know.
int VirtualKeyFromScancode(int scancode);

}  // namespace platform
