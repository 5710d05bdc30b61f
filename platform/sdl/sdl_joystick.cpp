#include "platform/sdl/sdl_joystick.h"

#include <SDL.h>

#include "platform/joystick.h"

namespace platform {
namespace {

class SdlJoysticks : public JoystickSource {
 public:
  ~SdlJoysticks() override {
    for (SDL_Joystick*& j : sticks_)
      if (j) SDL_JoystickClose(j);
  }

  bool Query(int id, JoystickReading& out) override {
    if (id < 0 || id > 1) return false;
    SDL_JoystickUpdate();
    SDL_Joystick*& stick = sticks_[id];
    // A stick unplugged since it was opened is dropped; one plugged in later
    // is opened on the next query.
    if (stick && !SDL_JoystickGetAttached(stick)) {
      SDL_JoystickClose(stick);
      stick = nullptr;
    }
    if (!stick) {
      if (id >= SDL_NumJoysticks()) return false;
      stick = SDL_JoystickOpen(id);
      if (!stick) return false;
    }
    auto axis = [&](int n) -> unsigned {
      if (n >= SDL_JoystickNumAxes(stick)) return 32767;
      return static_cast<unsigned>(static_cast<int>(SDL_JoystickGetAxis(stick, n)) + 32768);
    };
    out.x = axis(0);
    out.y = axis(1);
    out.buttons = 0;
    const int count = SDL_JoystickNumButtons(stick);
    for (int b = 0; b < count && b < 32; ++b)
      if (SDL_JoystickGetButton(stick, b)) out.buttons |= 1u << b;
    return true;
  }

 private:
  SDL_Joystick* sticks_[2] = {nullptr, nullptr};
};

SdlJoysticks* g_sticks = nullptr;

}  // namespace

void InstallSdlJoysticks() {
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
  g_sticks = new SdlJoysticks();
  SetJoystickSource(g_sticks);
}

void ShutdownSdlJoysticks() {
  SetJoystickSource(nullptr);
  delete g_sticks;
  g_sticks = nullptr;
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

}  // namespace platform
