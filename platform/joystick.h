// Joysticks 0 and 1: raw axes 0..65535 (centre near 32767) and a button
// mask, queried afresh on every call. The SDL back end answers from real
// devices; without one (headless) tests can plug in fake sticks.
#pragma once
#include <cstdint>

namespace platform {

struct JoystickReading {
  unsigned x = 0, y = 0;  // 0..65535
  uint32_t buttons = 0;   // bit n-1 = button n
};

class JoystickSource {
 public:
  virtual ~JoystickSource() = default;
  // False when joystick id does not answer (absent or unplugged).
  virtual bool Query(int id, JoystickReading& out) = 0;
};

// The source in use; nullptr (the default) means no joystick answers.
void SetJoystickSource(JoystickSource* source);
bool QueryJoystick(int id, JoystickReading& out);

// A source of scripted sticks for tests.
class FakeJoysticks : public JoystickSource {
 public:
  bool Query(int id, JoystickReading& out) override {
    if (id < 0 || id > 1 || !present[id]) return false;
    out = reading[id];
    return true;
  }
  bool present[2] = {false, false};
  JoystickReading reading[2];
};

}  // namespace platform
