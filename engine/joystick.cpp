#include "engine/joystick.h"

#include "engine/frame.h"
#include "engine/input.h"
#include "platform/joystick.h"

namespace elJoystick {

namespace {

bool ValidId(int id) { return id >= 0 && id < StickCount; }
bool ValidButton(int n) { return n >= 1 && n <= ButtonCount; }

// Queries stick id. A stick that did not answer at start-up (plugged in
// later) takes its first answer as its rest position, so that it reads
// centred at rest instead of pushed right and down forever.
bool Query(int id, platform::JoystickReading& r) {
  if (!ValidId(id) || !platform::QueryJoystick(id, r)) return false;
  Centre& c = JoystickCentre[id];
  if (!c.answered) c = Centre{static_cast<int>(r.x), static_cast<int>(r.y), true};
  return true;
}

int NextEdge(int state, bool down) {
  if (down) return state == 0 ? 1 : 3;
  return (state == 1 || state == 3) ? 2 : 0;
}

bool EdgesSuppressed() { return elInput::InputSuppressed(); }

float Ramp(float axis, int d, float rate) {
  const float step = rate * elSystem::FrameStep;
  if (d != 0) {
    axis += static_cast<float>(d) * step;
    if (axis >= 100.0f) axis = 100.0f;
    if (axis <= -100.0f) axis = -100.0f;
    return axis;
  }
  if (axis > 0.0f) {
    axis -= step;
    if (axis < 0.0f) axis = 0.0f;
  }
  if (axis < 0.0f) {
    axis += step;
    if (axis > 0.0f) axis = 0.0f;
  }
  return axis;
}

}  // namespace

int AxisDirection(int p, int c) {
  if (p <= c / 2) return -1;
  if (p >= c / 2 + c) return 1;
  return 0;
}

void Init() {
  Calibrate();
  for (StickState& s : JoystickState) s = StickState{};
}

void Calibrate() {
  for (int id = 0; id < StickCount; ++id) {
    platform::JoystickReading r;
    JoystickCentre[id] = platform::QueryJoystick(id, r)
                             ? Centre{static_cast<int>(r.x), static_cast<int>(r.y), true}
                             : Centre{};
  }
}

void GetCentre(int id, int& x, int& y) {
  x = y = 0;
  if (!ValidId(id)) return;
  x = JoystickCentre[id].x;
  y = JoystickCentre[id].y;
}

void ResetButtons() {
  for (StickState& s : JoystickState) {
    s.AxisX = s.AxisY = 0;
    for (float& m : s.HoldMeter) m = 0;
  }
}

void SetHoldRate(int id, float axis_rate, float hold_rate) {
  if (!ValidId(id)) return;
  JoystickState[id].AxisRate = axis_rate;
  JoystickState[id].HoldRate = hold_rate;
}

int Button(int id, int n) {
  platform::JoystickReading r;
  if (!ValidButton(n) || !Query(id, r)) return 0;
  return (r.buttons >> (n - 1)) & 1u;
}

void Buttons(int id, int& b1, int& b2, int& b3, int& b4) {
  platform::JoystickReading r;
  const uint32_t m = Query(id, r) ? r.buttons : 0;
  b1 = m & 1u;
  b2 = (m >> 1) & 1u;
  b3 = (m >> 2) & 1u;
  b4 = (m >> 3) & 1u;
}

int ButtonState(int id, int n) {
  platform::JoystickReading r;
  if (!ValidButton(n) || !Query(id, r)) return 0;
  int& edge = JoystickState[id].ButtonEdge[n - 1];
  edge = NextEdge(edge, (r.buttons >> (n - 1)) & 1u);
  if (EdgesSuppressed()) edge = 0;
  return edge;
}

void ButtonStates(int id, int& s1, int& s2, int& s3, int& s4) {
  int* out[ButtonCount] = {&s1, &s2, &s3, &s4};
  platform::JoystickReading r;
  if (!Query(id, r)) {
    for (int* o : out) *o = 0;
    return;
  }
  for (int i = 0; i < ButtonCount; ++i) {
    int& edge = JoystickState[id].ButtonEdge[i];
    edge = NextEdge(edge, (r.buttons >> i) & 1u);
    if (EdgesSuppressed()) edge = 0;
    *out[i] = edge;
  }
}

namespace {
int UpdateHold(StickState& s, int i, bool down) {
  float& m = s.HoldMeter[i];
  if (down) {
    m += elSystem::FrameStep * s.HoldRate;
    if (m >= 100.0f) m = 100.0f;
  } else {
    m = 0.0f;
  }
  return static_cast<int>(m);
}
}  // namespace

int ButtonHold(int id, int n) {
  if (!ValidId(id) || !ValidButton(n)) return 0;
  return UpdateHold(JoystickState[id], n - 1, Button(id, n) == 1);
}

void ButtonHolds(int id, int& h1, int& h2, int& h3, int& h4) {
  int* out[ButtonCount] = {&h1, &h2, &h3, &h4};
  platform::JoystickReading r;
  if (!Query(id, r)) {
    for (int* o : out) *o = 0;
    return;
  }
  for (int i = 0; i < ButtonCount; ++i) *out[i] = UpdateHold(JoystickState[id], i, (r.buttons >> i) & 1u);
}

void Direction(int id, int& dx, int& dy) {
  dx = dy = 0;
  platform::JoystickReading r;
  if (!Query(id, r)) return;
  dx = AxisDirection(static_cast<int>(r.x), JoystickCentre[id].x);
  dy = AxisDirection(static_cast<int>(r.y), JoystickCentre[id].y);
}

int NumpadDirection(int id) {
  platform::JoystickReading r;
  if (!Query(id, r)) return 5;
  const int dx = AxisDirection(static_cast<int>(r.x), JoystickCentre[id].x);
  const int dy = AxisDirection(static_cast<int>(r.y), JoystickCentre[id].y);
  // Rows top to bottom, columns left to right, as on a numeric keypad.
  static constexpr int pad[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
  return pad[dy + 1][dx + 1];
}

void Position(int id, int& x, int& y) {
  x = y = 0;
  platform::JoystickReading r;
  if (!Query(id, r)) return;
  x = static_cast<int>(r.x);
  y = static_cast<int>(r.y);
}

void AnalogAxis(int id, int& ax, int& ay) {
  platform::JoystickReading r;
  if (!Query(id, r)) {
    ax = ay = 0;
    return;
  }
  StickState& s = JoystickState[id];
  s.AxisX = Ramp(s.AxisX, AxisDirection(static_cast<int>(r.x), JoystickCentre[id].x), s.AxisRate);
  s.AxisY = Ramp(s.AxisY, AxisDirection(static_cast<int>(r.y), JoystickCentre[id].y), s.AxisRate);
  ax = static_cast<int>(s.AxisX);
  ay = static_cast<int>(s.AxisY);
}

}  // namespace elJoystick
