// Moving the ship: the joystick, the keyboard and the mouse buttons in a live
// game, the recorded path in a replay.
#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/joystick.h"
#include "engine/machine.h"
#include "game/backgrounds.h"
#include "game/lock_sight.h"
#include "game/options.h"
#include "game/player.h"
#include "game/replay.h"
#include "game/score.h"
#include "game/shots.h"

using namespace backgrounds;
using namespace bomb;
using namespace flow;
using namespace replay;
using namespace score;
using namespace shots;
using namespace stage;

namespace player {

namespace {

constexpr int Held = 3;

// Pixels per second of a direction, by ship type; no speed for a ship type
// that was never chosen.
float ShipSpeed() {
  if (ShipType == 1) return 160.0f;
  if (ShipType == 2) return 200.0f;
  return 0.0f;
}

// The sideways drift that the arrow keys give the wide background strips 4
// to 7, for a turn to the left (a right turn drifts the other way).
constexpr float kStripDrift[] = {50.0f, 55.0f, 60.0f, 65.0f};
constexpr int FirstDriftingStrip = 4;

void DriftStrips(float sign) {
  for (int k = 0; k < 4; ++k) {
    const float speed = sign * kStripDrift[k];
    for (StripTile& t : BackgroundStrip[FirstDriftingStrip - 1 + k]) t.SpeedX = speed;
  }
}

using elDraw::Clamp;

void ReplayStep() {
  // Only records of the last recorded game are played; past its end the ship
  // holds where it is.
  if (ReplayIndex >= 0 && ReplayIndex < ReplayRecordCount && ReplayIndex < ReplayLength) {
    const ReplayRecord& r = ReplayBuffer[ReplayIndex];
    BankFrame = r.BankFrame;
    PlayerPosition = ShipPoint{r.X, r.Y};
    ++ReplayIndex;
  }
}

void Record() {
  if (ReplayIndex < 0 || ReplayIndex >= ReplayLength) return;
  ReplayBuffer[ReplayIndex] = ReplayRecord{BankFrame, PlayerPosition.X, PlayerPosition.Y};
  ++ReplayIndex;
  // A new game writes from record 0, so this is its own length.
  ReplayRecordCount = ReplayIndex;
}

}  // namespace

void MovePlayer() {
  if (ReplayFlag != 0) {
    ReplayStep();
    return;
  }
  BankFrame += BankStep;
  if (BankFrame < BankFullRight) BankFrame = BankFullRight;
  if (BankFrame > BankFullLeft) BankFrame = BankFullLeft;
  if (BankFrame == BankLevel) BankStep = 0;

  PlayerVelocity = ShipPoint{0.0f, 0.0f};
  JoystickShipControl();
  KeyboardShipControl();

  PlayerPosition.X = Clamp(PlayerPosition.X + PlayerVelocity.X * elSystem::FrameStep, ShipMinX, ShipMaxX);
  PlayerPosition.Y = Clamp(PlayerPosition.Y + PlayerVelocity.Y * elSystem::FrameStep, ShipMinY, ShipMaxY);

  // Standing still at full bank, the ship swings back toward level; moving
  // only up or down it stays banked.
  if (PlayerVelocity.X == 0.0f && PlayerVelocity.Y == 0.0f && (BankFrame == BankFullRight || BankFrame == BankFullLeft))
    BankStep = -BankStep;

  Record();
}

void JoystickShipControl() {
  int dx = 0, dy = 0;
  elJoystick::Direction(0, dx, dy);
  const float speed = ShipSpeed();
  if (dx < 0) {
    BankStep = 1;
    PlayerVelocity.X = -speed;
  }
  if (dx > 0) {
    BankStep = -1;
    PlayerVelocity.X = speed;
  }
  if (dy < 0) PlayerVelocity.Y = -speed;
  if (dy > 0) PlayerVelocity.Y = speed;

  // Buttons are levels: a held button fires every frame.
  const int b1 = elJoystick::Button(0, 1), b2 = elJoystick::Button(0, 2);
  if (SpecialVolleyFlag == 0 && b1 != 0 && b2 != 0) StartSpecialVolley();
  if (MainShotBEnable == 1 && b1 != 0 && ShipType == 1) FireMainShotB();
  if (MainShotAEnable == 1 && b2 != 0 && ShipType == 1) FireMainShotA();
}

void KeyboardShipControl() {
  ShipKeyStates& k = ShipKeys;
  elInput::KeyState(elKey::VK_LEFT, k.Left);
  elInput::KeyState(elKey::VK_RIGHT, k.Right);
  elInput::KeyState(elKey::VK_UP, k.Up);
  elInput::KeyState(elKey::VK_DOWN, k.Down);
  elInput::KeyState('Z', k.Z);
  elInput::KeyState('X', k.X);
  elInput::KeyState(elKey::VK_SHIFT, k.Shift);
  elInput::KeyState(elKey::VK_CONTROL, k.Ctrl);
  // After a game over only Ctrl and the mouse still act.
  if (GameOverFlag != 0) k.Up = k.Down = k.Left = k.Right = k.Z = k.Shift = k.X = 0;

  const float speed = ShipSpeed();
  if (k.Left == Held) {
    BankStep = 1;
    PlayerVelocity.X = -speed;
    DriftStrips(1.0f);
  }
  if (k.Right == Held) {
    BankStep = -1;
    PlayerVelocity.X = speed;
    DriftStrips(-1.0f);
  }
  if (k.Up == Held) PlayerVelocity.Y = -speed;
  if (k.Down == Held) PlayerVelocity.Y = speed;

  if (SpecialVolleyFlag == 0) {
    if ((k.X == Held && k.Z == Held) || elInput::MouseLeftDoubleClick != 0) StartSpecialVolley();
    if (k.Ctrl == Held && k.Shift == Held) StartSpecialVolley();
  }
  if (MainShotBEnable == 1 && (k.Shift == Held || elInput::MouseLeftDown != 0) && ShipType == 1) FireMainShotB();
  if (MainShotAEnable == 1 && (k.Ctrl == Held || elInput::MouseRightDown != 0) && ShipType == 1) FireMainShotA();
  if (MainShotBEnable == 1 && k.Z == Held && ShipType == 1) FireMainShotB();
  if (MainShotAEnable == 1 && k.X == Held && ShipType == 1) FireMainShotA();
}

void UpdateLockSight() {
  if (PlayerAliveFlag == 0) return;
  const int x = static_cast<int>(PlayerPosition.X), y = static_cast<int>(PlayerPosition.Y);
  if (ShipType == 1) LockSight = LockSightPoint{x - 290, y - 500};
  if (ShipType == 2) LockSight = LockSightPoint{x - 120, y - 270};
}

void RunLaunchIntro() {
  struct IntroPicture {
    float x;
    int width, height;
  };
  static constexpr IntroPicture kPictures[2] = {{100.0f, 440, 380}, {80.0f, 480, 390}};
  if (ShipType != 1 && ShipType != 2) return;
  LaunchIntroRecord& r = LaunchIntro[ShipType - 1];
  const IntroPicture& p = kPictures[ShipType - 1];
  if (r.Done != 0) return;

  elDraw::Draw(static_cast<int>(r.X), static_cast<int>(r.Y), LaunchIntroPicture[ShipType - 1], 0, 0, p.width,
               p.height);
  ++r.Counter;
  if (r.Counter <= 10) {
    r.X = p.x;
    r.Y = 480.0f;
  } else {
    r.X = p.x;
    r.Y -= 160.0f * elSystem::FrameStep;
    if (r.Counter >= 180) r.Y -= 400.0f * elSystem::FrameStep;
  }
  if (r.Y < 50.0f) PlayerPosition = ShipPoint{290.0f, 210.0f};
  if (r.Y < -380.0f) r = LaunchIntroRecord{-500.0f, -500.0f, 0, 1};
}

}  // namespace player
