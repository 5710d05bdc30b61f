#include "platform/joystick.h"

namespace platform {
namespace {
JoystickSource* g_source = nullptr;
}

void SetJoystickSource(JoystickSource* source) { g_source = source; }

bool QueryJoystick(int id, JoystickReading& out) {
  out = JoystickReading{};
  return g_source != nullptr && g_source->Query(id, out);
}

}  // namespace platform
