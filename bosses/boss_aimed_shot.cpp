#include "bosses/boss_aimed_shot.h"

#include <iterator>

#include "engine/random.h"
#include "world/assets.h"
#include "world/state.h"

namespace bosses {

using namespace enemies;

const BossAimedShotRow BossAimedShot01Row{
    .Boss = &Scene2Boss,
    .SlotCount = static_cast<int>(std::size(BossAimedShot01Slots)),
    .Period = 630,
    .Keys = {100, 200, 300, 440, 500},
    .GunX = {150.0f, 270.0f, 90.0f, 330.0f},
    .GunY = {100.0f, 100.0f, 150.0f, 150.0f},
    .AimOffset = 20.0f,
    .SpeedBase = 180,
    .SpeedSpread = 30,
    .Picture = &assets::PicVall20,
    .Size = {20, 20},
    .Box = Box20,
    .MinX = -20.0f,
    .MinY = -20.0f,
    .MaxX = 800.0f,
    .MaxY = 600.0f,
};

void BossAimedShotInstance::Fire(int) const {
  const int n = Row.SlotCount;
  for (int i = 0; i < n; ++i) StepCounter(Slots[i].VolleyTimer, Row.Period);
  for (int g = 0; g < BossAimedShotMaxGroups; ++g) {
    const int first = g * BossAimedShotGroupSize;
    for (int k = 0; k < BossAimedShotGroupSize && first + k < n; ++k) {
      BossAimedShotSlot& s = Slots[first + k];
      if (s.Active != 0 || s.VolleyTimer != Row.Keys[g]) continue;
      s.Active = 1;
      s.X = Row.Boss->X + Row.GunX[k];
      s.Y = Row.Boss->Y + Row.GunY[k];
      elRandom::Next();  // a draw whose value the launch never uses
      s.Speed = static_cast<float>(elRandom::Next() % Row.SpeedSpread + Row.SpeedBase);
      s.Heading = AimHeading(s.X, s.Y, Row.AimOffset, 0.0, s.AimDx, s.AimDy);
    }
  }
}

void BossAimedShotInstance::Update(int) const {
  for (int i = 0; i < Row.SlotCount; ++i) {
    BossAimedShotSlot& s = Slots[i];
    if (s.Active != 0) {
      s.Y += HeadedStepY(s.Heading, s.Speed);
      s.X += HeadedStepX(s.Heading, s.Speed);
    }
    if (s.X > Row.MaxX || s.X < Row.MinX || s.Y < Row.MinY || s.Y > Row.MaxY || BombClears()) Park(s);
    if (TouchesPlayer(s.X, s.Y, Row.Box)) {
      Park(s);
      player::PlayerAliveFlag = 0;
    }
  }
}

void BossAimedShotInstance::Draw(int) const {
  for (int i = 0; i < Row.SlotCount; ++i)
    if (Slots[i].Active != 0) DrawCell(Slots[i].X, Slots[i].Y, 0, 0, *Row.Picture, Row.Size);
}

void BossAimedShotInstance::Reset() const {
  for (int i = 0; i < Row.SlotCount; ++i) {
    Slots[i] = BossAimedShotSlot{};
    Slots[i].Frame = elRandom::Next() % 7;
  }
}

}  // namespace bosses
