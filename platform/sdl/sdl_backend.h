// The real back end over SDL2: a full-screen desktop window, its events as
// window messages, the present of the 16-bit back buffer.
#pragma once
#include "platform/backend.h"

namespace platform {

// Installs the SDL back end as the current one; false when SDL's video
// cannot start. When the display's connection is lost, or the display refuses
// a request that nothing was ready for (the window destroyed by another
// program), on_display_failure (if given) runs and the program then ends at
// once with status 1, one line on stderr saying why: it may save files but
// must touch nothing of the window.
bool InstallSdlBackend(void (*on_display_failure)() = nullptr);
void ShutdownSdlBackend();

// Virtual-key code of an SDL scancode, 0 for keys the engine does not know.
int VirtualKeyFromScancode(int scancode);

}  // namespace platform
