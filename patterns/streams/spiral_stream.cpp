#include "patterns/streams/spiral_stream.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/random.h"
#include "engine/whole.h"
#include "enemies/common/reset_pass.h"

namespace patterns {

namespace {

using enemies::Pi;

bool Tiered(const SpiralStreamRow& row) { return row.Scheme == SpiralScheme::Every10thTiered; }

// The emit counter value that starts slot s; 0 for a slot that has no key
// (a counter value 0 never matches it: the 10-step schemes never reach 0,
// and the every-call scheme's keys start at 2).
int Key(SpiralScheme scheme, int s) {
  switch (scheme) {
    case SpiralScheme::Every10th:
      return 10 * (s + 1);
    case SpiralScheme::Every10thTiered:
      return 10 * (s % 36 + 1);
    case SpiralScheme::Every10thFromSlot1:
      return s == 0 ? 0 : 10 * (s + 1);
    case SpiralScheme::EveryCall:
      return s == 0 || s == 36 || s == 72 ? 0 : s + 1;
  }
  return 0;
}

// One Emit call's counter step; it wraps before the keys are compared, so a
// key equal to the wrap bound never fires.
void AdvanceCounter(SpiralScheme scheme, int& c) {
  ++c;
  if (scheme == SpiralScheme::EveryCall) {
    if (c >= 108 || c < 0) c = 0;
  } else if (c >= 360 || c < 0) {
    c = 10;
  }
}

}  // namespace

void SpiralStreamInstance::Emit(int) const {
  int& c = row.Boss->EmitCounter[row.EmitIndex];
  AdvanceCounter(row.Scheme, c);
  for (int s = 0; s < row.SlotCount; ++s) {
    const int key = Key(row.Scheme, s);
    if (key == 0 || key != c) continue;
    Spawn(s, row.Scheme == SpiralScheme::EveryCall ? s % 36 : s);
  }
}

void SpiralStreamInstance::Spawn(int slot, int k) const {
  if (slot < 0 || slot >= row.SlotCount) return;
  StreamSlot& b = slots[slot];
  if (b.Active != 0) return;
  b.Active = 1;
  b.X = row.Boss->X + row.GunX;
  b.Y = row.Boss->Y + row.GunY;
  b.Speed = Tiered(row) ? row.Speed + 10.0f * static_cast<float>(slot / 36) : row.Speed;
  b.Heading = static_cast<float>(row.Sign * static_cast<double>(k) * 2 * Pi / 36);
}

void SpiralStreamInstance::Update(int) const {
  for (int i = 0; i < row.SlotCount; ++i) {
    StreamSlot& b = slots[i];
    if (b.Active == 0) continue;
    const float sign = static_cast<float>(row.Sign);
    b.Y += sign * enemies::HeadedStepY(b.Heading, b.Speed);
    b.X += sign * enemies::HeadedStepX(b.Heading, b.Speed);
    // The outer thirds of a tiered table keep to a smaller screen.
    const bool inner = !Tiered(row) || i < 36;
    const float right = inner ? 800.0f : 640.0f, bottom = inner ? 600.0f : 480.0f;
    if (b.X > right || b.X < row.Left || b.Y > bottom || b.Y < row.Top || enemies::BombClears()) enemies::Park(b);
    enemies::TestPlayer(b.X, b.Y, row.Box);
  }
}

void SpiralStreamInstance::Draw(int) const {
  const enemies::Cell cell{row.Size, row.Size};
  for (int i = 0; i < row.SlotCount; ++i) {
    StreamSlot& b = slots[i];
    if (row.Look == SpiralLook::Animated) {
      enemies::DrawCellAdd(b.X, b.Y, 0, 0, *row.Picture, cell, b.Frame);
      enemies::StepFrame(b.Frame, 24);
    } else {
      // The float heading times 180/pi in double, truncated before it is
      // taken from 360: many 10-degree steps come out one degree short.
      // Far beyond any real heading the value saturates, well inside int.
      constexpr int64_t limit = 1 << 28;
      b.Degrees = static_cast<int>(std::clamp(elDraw::Whole(b.Heading * enemies::DegreesPerRadian), -limit, limit));
      const int angle = row.Sign < 0 ? -b.Degrees : 360 - b.Degrees;
      enemies::DrawCellRotated(b.X, b.Y, 0, 0, angle, *row.Picture, cell);
    }
  }
}

namespace {

void StartState(StreamSlot& b) {
  b.Frame = elRandom::Next() % 7;
  b.Degrees = 0;
  b.X = enemies::ParkX;
  b.Y = enemies::ParkY;
  b.Heading = enemies::ResetHeading;
  b.Speed = 0.0f;
  b.Active = 0;
}

void ResetCounters(std::initializer_list<const SpiralStreamInstance*> streams) {
  for (const SpiralStreamInstance* s : streams) s->row.Boss->EmitCounter[s->row.EmitIndex] = 0;
}

}  // namespace

using enemies::ResetTogether;

void SpiralStreamInstance::ResetSlot(int slot) const {
  if (slot < 0 || slot >= row.SlotCount) return;
  StartState(slots[slot]);
}

void ResetScene2SpiralStreams() {
  ResetCounters({&SpiralStream01, &SpiralStream02, &SpiralStream03, &SpiralStream04, &SpiralStream05, &SpiralStream06,
                 &SpiralStream07, &SpiralStream08, &SpiralStream09, &SpiralStream10, &SpiralStream11, &SpiralStream12});
  ResetTogether(SpiralStream01, SpiralStream02, SpiralStream03, SpiralStream05, SpiralStream04, SpiralStream06);
  ResetTogether(SpiralStream07, SpiralStream08, SpiralStream09, SpiralStream10, SpiralStream11, SpiralStream12);
}

void ResetScene8SpiralStreams() {
  ResetCounters({&SpiralStream13, &SpiralStream14, &SpiralStream15, &SpiralStream16, &SpiralStream17, &SpiralStream18,
                 &SpiralStream19, &SpiralStream20, &SpiralStream21, &SpiralStream22});
  ResetTogether(SpiralStream13, SpiralStream14, SpiralStream15, SpiralStream16, SpiralStream17, SpiralStream18,
                SpiralStream19, SpiralStream20);
  ResetTogether(SpiralStream21, SpiralStream22);
}

}  // namespace patterns
