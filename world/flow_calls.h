// The calls that go up from the enemies to the game flow: a boss's death
// resets every table and changes the scene. The game sets them when it
// starts (and tests that run without the game flow may set their own); an
// unset call does nothing.
#pragma once

namespace flow {

struct FlowCalls {
  void (*ResetObjects)() = nullptr;
  void (*ResetBosses)() = nullptr;
  void (*ChangeScene)(int scene, int type, int duration) = nullptr;
};
inline FlowCalls Calls{};

void CallResetObjects();
void CallResetBosses();
void CallChangeScene(int scene, int type, int duration);

}  // namespace flow
