#include "patterns/streams/step_stream.h"

namespace patterns {

namespace {

// The step of the window the timer lies in; none in the gaps between
// windows. A timer past the last window keeps that window's step, so a
// bullet that outlived its table (a long stall, a very low frame rate)
// still falls off the field instead of hanging there until the next reset.
const StepWindow* WindowOf(std::span<const StepWindow> steps, float timer) {
  for (const StepWindow& w : steps)
    if (w.Lo <= timer && timer <= w.Hi) return &w;
  if (!steps.empty() && timer > steps.back().Hi) return &steps.back();
  return nullptr;
}

}  // namespace

void StepStreamInstance::Emit() const {
  int& c = row.Boss->EmitCounter[row.EmitIndex];
  ++c;
  if (c % row.KeySpacing == 0) Spawn(c / row.KeySpacing);
  if (c >= row.Cycle || c < 0) c = 0;
}

void StepStreamInstance::Spawn(int slot) const {
  // Slot 0 has no key.
  if (slot < 1 || slot >= SlotCount) return;
  StepSlot& b = slots[slot];
  if (b.Active != 0) return;
  b.Active = 1;
  b.X = enemies::Px(row.Boss->X) + row.GunX;
  b.Y = enemies::Px(row.Boss->Y) + row.GunY;
}

void StepStreamInstance::Update(int) const {
  for (int i = 0; i < SlotCount; ++i) {
    StepSlot& b = slots[i];
    if (b.Active != 0) {
      b.Timer += elSystem::FrameStep * row.Rate;
      if (const StepWindow* w = WindowOf(row.Steps, b.Timer)) {
        b.X += row.Mirror * w->Dx;
        b.Y += w->Dy;
      }
      if (b.Y > 600) {
        b.Active = 0;
        b.Timer = 0.0f;
      }
    }
    // Free slots are tested too, where they were left.
    if (row.TestsShip) enemies::TestPlayer(static_cast<float>(b.X), static_cast<float>(b.Y), row.Box);
  }
}

void StepStreamInstance::Draw(int) const {
  const enemies::Cell cell{row.Size, row.Size};
  for (int i = 0; i < SlotCount; ++i) {
    const StepSlot& b = slots[i];
    if (b.Active != 0) enemies::DrawCellAdd(static_cast<float>(b.X), static_cast<float>(b.Y), 0, 0, *row.Picture, cell);
  }
}

namespace {

void Reset(std::initializer_list<const StepStreamInstance*> streams) {
  for (const StepStreamInstance* s : streams) {
    s->row.Boss->EmitCounter[s->row.EmitIndex] = 0;
    for (int i = 0; i < StepStreamInstance::SlotCount; ++i) s->slots[i] = StepSlot{};
  }
}

}  // namespace

void ResetWiggleStreams() {
  Reset({&WiggleStream01, &WiggleStream02, &WiggleStream03, &WiggleStream04, &WiggleStream05, &WiggleStream06,
         &WiggleStream07, &WiggleStream08});
}

void ResetScene5CurvingStreams() {
  Reset({&CurvingStream01, &CurvingStream02, &CurvingStream03, &CurvingStream04, &CurvingStream05, &CurvingStream06});
}

void ResetScene6CurvingStreams() {
  Reset({&CurvingStream07, &CurvingStream08, &CurvingStream09, &CurvingStream10, &CurvingStream11, &CurvingStream12});
}

}  // namespace patterns
