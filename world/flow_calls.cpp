#include "world/flow_calls.h"

namespace flow {

void CallResetObjects() {
  if (Calls.ResetObjects) Calls.ResetObjects();
}

void CallResetBosses() {
  if (Calls.ResetBosses) Calls.ResetBosses();
}

void CallChangeScene(int scene, int type, int duration) {
  if (Calls.ChangeScene) Calls.ChangeScene(scene, type, duration);
}

}  // namespace flow
