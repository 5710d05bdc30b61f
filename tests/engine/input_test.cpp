// Polled keys, the key list wait, and joysticks, through the real message path.
#include <gtest/gtest.h>

#include <vector>

#include "engine/frame.h"
#include "engine/input.h"
#include "engine/joystick.h"
#include "engine/present.h"
#include "platform/joystick.h"
#include "platform/keys.h"
#include "support/harness.h"

using testing_support::Harness;

namespace {

void RecordLastKey(int vk) {
  elInput::LastKey = vk;
  elInput::PressedKey = vk;
}

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    elSystem::GameHooks hooks;
    hooks.OnKeyDown = &RecordLastKey;
    elSystem::Game = hooks;
    ASSERT_EQ(h.Start(), 1);
  }
  // Lets the window procedure take the posted messages.
  void Poll() { h.Pump(); }
  Harness h;
};

TEST_F(InputTest, KeyEdgeStatesFollowTheMessages) {
  int state = 0;
  std::vector<int> seen;
  auto poll = [&] {
    Poll();
    elInput::KeyState(platform::VK_LEFT, state);
    seen.push_back(state);
  };
  h.KeyDown(platform::VK_LEFT);
  poll();
  poll();
  poll();
  h.KeyUp(platform::VK_LEFT);
  poll();
  poll();
  // Released and pressed again between two polls: still held.
  h.KeyDown(platform::VK_LEFT);
  poll();
  h.KeyUp(platform::VK_LEFT);
  h.KeyDown(platform::VK_LEFT);
  poll();
  EXPECT_EQ(seen, (std::vector<int>{1, 3, 3, 2, 0, 1, 3}));
}

TEST_F(InputTest, KeysReadZeroDuringATransitionAndPressedAfterIt) {
  int state = 0;
  h.KeyDown('Z');
  elDraw::TransitionCounter = 5;
  Poll();
  elInput::KeyState('Z', state);
  EXPECT_EQ(state, 0);
  elInput::KeyState('Z', state);
  EXPECT_EQ(state, 0);
  elDraw::TransitionCounter = 0;
  elInput::KeyState('Z', state);
  EXPECT_EQ(state, 1);
}

TEST_F(InputTest, WaitKeysReturnsAKeyOnceAfterItsRelease) {
  std::vector<int> seen;
  auto poll = [&] {
    Poll();
    seen.push_back(elInput::WaitKeys(platform::VK_RETURN, 1, 0));
  };
  poll();
  h.KeyDown(platform::VK_RETURN);
  poll();
  poll();
  h.KeyUp(platform::VK_RETURN);
  poll();
  poll();
  EXPECT_EQ(seen, (std::vector<int>{0, 0, 0, platform::VK_RETURN, 0}));

  // The left button stands as 1.
  h.Post(platform::Msg::LButtonDown);
  EXPECT_EQ((Poll(), elInput::WaitKeys(platform::VK_RETURN, 1, 0)), 0);
  h.Post(platform::Msg::LButtonUp);
  EXPECT_EQ((Poll(), elInput::WaitKeys(platform::VK_RETURN, 1, 0)), 1);
}

TEST_F(InputTest, KeyCaptureStoresTheKeyInsteadOfTheHandler) {
  elInput::BeginKeyCapture();
  h.KeyDown('Q');
  Poll();
  EXPECT_EQ(elInput::CapturedKey, 'Q');
  EXPECT_EQ(elInput::LastKey, 0);
  h.KeyUp('Q');
  Poll();
  EXPECT_EQ(elInput::CapturedKey, 0);
  elInput::EndKeyCapture();
}

TEST_F(InputTest, AltModeTwoPassesSystemKeysButAltAlone) {
  elInput::SetAltMode(2);
  h.Post(platform::Msg::SysKeyDown, platform::VK_MENU);
  Poll();
  EXPECT_EQ(elInput::LastKey, 0);
  h.Post(platform::Msg::SysKeyDown, 'X');
  Poll();
  EXPECT_EQ(elInput::LastKey, 'X');
}

TEST(SystemKeys, PassedOnTheyKeepTheSystemsOwnHandling) {
  // Alt+F4 reaches the handler as a key and still closes the window, with
  // every mode that passes it on.
  for (int mode : {1, 2}) {
    Harness h;
    elSystem::GameHooks hooks;
    hooks.OnKeyDown = &RecordLastKey;
    elSystem::Game = hooks;
    ASSERT_EQ(h.Start(), 1);
    elInput::SetAltMode(mode);
    h.Post(platform::Msg::SysKeyDown, platform::VK_MENU);
    h.Post(platform::Msg::SysKeyDown, platform::VK_F4);
    h.Pump();
    EXPECT_EQ(elInput::LastKey, platform::VK_F4) << "mode " << mode;
    EXPECT_EQ(elSystem::ExitDoneFlag, 1) << "mode " << mode;
    EXPECT_FALSE(h.backend().window_open) << "mode " << mode;
  }
}

TEST_F(InputTest, CursorIsConfinedToTheScreen) {
  elInput::ClipCursorRect(0, 0, 800, 600);
  EXPECT_TRUE(h.backend().cursor_confined);
  EXPECT_EQ(elInput::IsCursorClipped(), 1);
  elInput::ReleaseCursor();
  EXPECT_FALSE(h.backend().cursor_confined);
  EXPECT_EQ(elInput::IsCursorClipped(), 0);
}

class JoystickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetJoystickSource(&sticks);
    sticks.present[0] = true;
    sticks.reading[0] = platform::JoystickReading{32767, 32767, 0};
    elJoystick::Init();
  }
  void TearDown() override { platform::SetJoystickSource(nullptr); }
  Harness h;
  platform::FakeJoysticks sticks;
};

TEST_F(JoystickTest, ThresholdsAroundTheCentre) {
  struct Case {
    unsigned x;
    int dx;
  } cases[] = {{0, -1}, {16383, -1}, {16384, 0}, {32767, 0}, {49149, 0}, {49150, 1}, {65535, 1}};
  for (const Case& c : cases) {
    sticks.reading[0].x = c.x;
    int dx = 9, dy = 9;
    elJoystick::Direction(0, dx, dy);
    EXPECT_EQ(dx, c.dx) << c.x;
    EXPECT_EQ(dy, 0);
  }
  sticks.reading[0] = platform::JoystickReading{0, 65535, 0};
  EXPECT_EQ(elJoystick::NumpadDirection(0), 1);
  sticks.reading[0] = platform::JoystickReading{65535, 0, 0};
  EXPECT_EQ(elJoystick::NumpadDirection(0), 9);
}

TEST_F(JoystickTest, AbsentStickReadsCentredWithNoButtons) {
  int dx = 7, dy = 7;
  elJoystick::Direction(1, dx, dy);
  EXPECT_EQ(dx, 0);
  EXPECT_EQ(dy, 0);
  EXPECT_EQ(elJoystick::NumpadDirection(1), 5);
  EXPECT_EQ(elJoystick::Button(1, 1), 0);
  EXPECT_EQ(elJoystick::Button(0, 0), 0);
  EXPECT_EQ(elJoystick::Button(7, 1), 0);
}

TEST_F(JoystickTest, StickPluggedInLaterReadsCentredAtRest) {
  sticks.present[1] = true;
  sticks.reading[1] = platform::JoystickReading{32768, 32768, 0};
  int dx = 7, dy = 7;
  elJoystick::Direction(1, dx, dy);
  EXPECT_EQ(dx, 0);
  EXPECT_EQ(dy, 0);
  sticks.reading[1].x = 65535;
  elJoystick::Direction(1, dx, dy);
  EXPECT_EQ(dx, 1);
}

TEST_F(JoystickTest, ButtonEdgesHoldMetersAndAxes) {
  sticks.reading[0].buttons = 0b10;
  EXPECT_EQ(elJoystick::Button(0, 2), 1);
  EXPECT_EQ(elJoystick::ButtonState(0, 2), 1);
  EXPECT_EQ(elJoystick::ButtonState(0, 2), 3);
  elDraw::TransitionCounter = 1;
  EXPECT_EQ(elJoystick::ButtonState(0, 2), 0);
  elDraw::TransitionCounter = 0;
  EXPECT_EQ(elJoystick::ButtonState(0, 2), 1);
  sticks.reading[0].buttons = 0;
  EXPECT_EQ(elJoystick::ButtonState(0, 2), 2);

  elJoystick::SetHoldRate(0, 200.0f, 50.0f);
  elSystem::FrameStep = 0.5f;
  sticks.reading[0].buttons = 1;
  EXPECT_EQ(elJoystick::ButtonHold(0, 1), 25);
  for (int i = 0; i < 5; ++i) elJoystick::ButtonHold(0, 1);
  EXPECT_EQ(elJoystick::ButtonHold(0, 1), 100);
  sticks.reading[0].buttons = 0;
  EXPECT_EQ(elJoystick::ButtonHold(0, 1), 0);

  sticks.reading[0].x = 65535;
  int ax = 0, ay = 0;
  elJoystick::AnalogAxis(0, ax, ay);
  EXPECT_EQ(ax, 100);
  sticks.reading[0].x = 32767;
  elSystem::FrameStep = 0.25f;
  elJoystick::AnalogAxis(0, ax, ay);
  EXPECT_EQ(ax, 50);
  elJoystick::AnalogAxis(0, ax, ay);
  EXPECT_EQ(ax, 0);
  elJoystick::AnalogAxis(0, ax, ay);
  EXPECT_EQ(ax, 0);
}

}  // namespace
