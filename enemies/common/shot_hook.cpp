#include "enemies/common/shot_hook.h"

#include "world/state.h"

namespace enemies {

namespace {

bool Open(FireGate gate) {
  switch (gate) {
    case FireGate::Always: return true;
    case FireGate::DoubleSpeed: return flow::DoubleSpeedFlag == 1;
    case FireGate::LevelTwoOrDoubleSpeed: return flow::LevelMode == 2 || flow::DoubleSpeedFlag == 1;
  }
  return false;
}

}  // namespace

void ShotHook::operator()(int slot) const {
  if (Call != nullptr && Open(Gate)) Call(Shot, slot);
}

}  // namespace enemies
