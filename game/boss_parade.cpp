#include "game/boss_parade.h"

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/sound.h"
#include "game/reset.h"
#include "world/assets.h"

namespace parade {

namespace {

struct ParadeEntry {
  float StartX, StartY;
  const int* Picture;
  int W, H;
};

// The scene-4 and scene-9 boss bodies are never loaded: their id stays 0,
// which draws nothing.
constexpr int UnloadedPicture = 0;

constexpr ParadeEntry kEntries[BossParadeCount] = {
    {100, -360, &assets::PicBoss11, 440, 360},   {100, -380, &UnloadedPicture, 440, 380},
    {90, -380, &assets::PicBoss31, 460, 380},    {100, -380, &assets::PicBoss41, 440, 380},
    {130, -460, &assets::PicBoss51, 380, 460},   {100, -460, &assets::PicBoss61, 440, 400},
    {70, -400, &assets::PicBoss71, 500, 400},    {80, -380, &UnloadedPicture, 480, 380},
};

// The counter value at which each record is launched, record k at key k.
constexpr int kLaunchKeys[BossParadeCount] = {10, 400, 800, 1200, 1600, 2000, 2400, 2800};
constexpr int kParadeLength = 3200;
constexpr float kFallSpeed = 178.0f;
constexpr float kFieldBottom = 480.0f;

void Park(BossParadeRecord& r) {
  r.X = flow::ParkX;
  r.Y = flow::ParkY;
}

}  // namespace

void BossParadeFire(int) {
  for (BossParadeRecord& r : BossParade) {
    ++r.Counter;
    for (int k = 0; k < BossParadeCount; ++k) {
      BossParadeRecord& launched = BossParade[k];
      if (r.Counter != kLaunchKeys[k] || launched.Active) continue;
      launched.X = kEntries[k].StartX;
      launched.Y = kEntries[k].StartY;
      launched.Active = 1;
    }
    if (r.Counter >= kParadeLength) r.Counter = 0;
  }
}

void BossParadeDraw(int) {
  for (const BossParadeRecord& r : BossParade) {
    if (!r.Active) continue;
    for (int k = 0; k < BossParadeCount; ++k) {
      const ParadeEntry& e = kEntries[k];
      elDraw::Draw(elDraw::Whole<int>(BossParade[k].X), elDraw::Whole<int>(BossParade[k].Y), *e.Picture, 0, 0, e.W,
                   e.H);
    }
  }
}

// The speed is stored after the step, so the first step of the first launch
// moves with speed 0.
void BossParadeMove(int) {
  for (BossParadeRecord& r : BossParade) {
    if (!r.Active) continue;
    r.Y += r.SpeedY * elSystem::FrameStep;
    r.SpeedY = kFallSpeed;
    if (r.Y > kFieldBottom) {
      r.Active = 0;
      Park(r);
    }
  }
}

void ResetBossParade() {
  for (BossParadeRecord& r : BossParade) {
    r = BossParadeRecord{};
    Park(r);
  }
}

void PlayBombSound(int, int) { elSound::Play(assets::SndBom, -1); }

}  // namespace parade
