// The one window, as the engine's start-up and window procedure use it.
#pragma once
#include <string>

#include "platform/messages.h"

namespace platform {

// Creates the one window; returns its handle (1) or 0.
WindowHandle CreateWindow(const std::string& title, int width, int height, bool fullscreen);
void ShowWindow(WindowHandle window);
// Destroys the window; its window procedure receives Destroy before this
// returns, so that closing by code and by the user end alike.
void DestroyWindow(WindowHandle window);
bool IsWindow(WindowHandle window);
// Asks the window to come to the front.
void SetForegroundWindow(WindowHandle window);

}  // namespace platform
