// Joysticks through SDL's game-controller-agnostic joystick API.
#pragma once

namespace platform {

// Starts SDL's joystick subsystem and installs it as the joystick source;
// without joystick support the game simply reads no joystick.
void InstallSdlJoysticks();
void ShutdownSdlJoysticks();

}  // namespace platform
