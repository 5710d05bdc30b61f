// Joysticks 0 and 1: directions relative to the rest position taken at
// start-up, buttons with edge states and hold meters, ramped analogue axes.
#pragma once

namespace elJoystick {

constexpr int StickCount = 2;
constexpr int ButtonCount = 4;

struct Centre {
  int x = 0, y = 0;
  bool answered = false;  // the stick answered when the centre was read
};
inline Centre JoystickCentre[StickCount];

struct StickState {
  float AxisX = 0, AxisY = 0;
  float AxisRate = 0;
  float HoldMeter[ButtonCount] = {};
  float HoldRate = 0;
  int ButtonEdge[ButtonCount] = {};
};
inline StickState JoystickState[StickCount];

void Init();
void Calibrate();
void GetCentre(int id, int& x, int& y);
void ResetButtons();
void SetHoldRate(int id, float axis_rate, float hold_rate);
int Button(int id, int n);
void Buttons(int id, int& b1, int& b2, int& b3, int& b4);
int ButtonState(int id, int n);
void ButtonStates(int id, int& s1, int& s2, int& s3, int& s4);
int ButtonHold(int id, int n);
void ButtonHolds(int id, int& h1, int& h2, int& h3, int& h4);
void Direction(int id, int& dx, int& dy);
int NumpadDirection(int id);
void Position(int id, int& x, int& y);
void AnalogAxis(int id, int& ax, int& ay);

// -1, 0 or +1 of a raw position against its centre.
int AxisDirection(int position, int centre);

}  // namespace elJoystick
