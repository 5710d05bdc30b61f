#include "enemies/curving_chain_shot.h"

#include "enemies/common/turn_angle.h"
#include "engine/random.h"

namespace enemies {

namespace {

using curving_chain_shot::Segments;

constexpr double StartTurn = (Pi + Pi) / 10;  // 36 degrees off the horizontal
constexpr float TimerRate = 20.0f;            // timer units per second
constexpr Cell Segment{30, 30};

float Sign(const CurvingChainShotRow& row) { return row.Mirrored ? 1.0f : -1.0f; }

// A segment at rest: free, its turn and drift cleared and its heading back
// to the start; it keeps its position.
void Rest(ChainSegment& s, const CurvingChainShotRow& row) {
  s.Active = 0;
  s.TurnTimer = 0.0f;
  s.Heading = static_cast<float>(Sign(row) * StartTurn);
  s.DriftX = 0.0f;
  s.DriftY = 0.0f;
}

bool OffScreen(const ChainSegment& s) { return s.X < -30.0f || s.X > 800.0f || s.Y < -30.0f || s.Y > 600.0f; }

}  // namespace

void CurvingChainShotInstance::Fire(int) const {
  const std::size_t chains = Slots.size() / Segments;
  for (std::size_t c = 0; c < chains && c < Row.Parent.size(); ++c) {
    const ObjectSlot& parent = Row.Parent[c];
    const std::span<ChainSegment> chain = Slots.subspan(c * Segments, Segments);
    for (ChainSegment& s : chain) {
      if (s.Active != 0) continue;
      Rest(s, Row);
      s.Active = 1;
      s.X = parent.X + Row.GunX;
      s.Y = parent.Y + Row.GunY;
      for (std::size_t j = 0; j < Segments; ++j) chain[j].Speed = Row.Speeds[j];
    }
  }
}

void CurvingChainShotInstance::Update(int) const {
  const float sign = Sign(Row);
  const std::size_t chains = Slots.size() / Segments;
  for (std::size_t c = 0; c < chains; ++c) {
    const std::span<ChainSegment> chain = Slots.subspan(c * Segments, Segments);
    for (std::size_t j = 0; j < Segments; ++j) {
      ChainSegment& s = chain[j];
      if (s.Active != 0) {
        s.Y += sign * HeadedStepY(s.Heading, s.Speed);
        s.X += sign * HeadedStepX(s.Heading, s.Speed);
        // The turn counts time but turns by call.
        s.TurnTimer += Step(TimerRate);
        if (0.0f <= s.TurnTimer && s.TurnTimer <= Row.TurnUntil)
          s.Heading = static_cast<float>(s.Heading + sign * Row.Turn);
        if (s.TurnTimer >= Row.TurnUntil) s.TurnTimer = Row.TurnUntil + 1.0f;
        // The drift of the previous call: 0 on the first after a start.
        const float drift = 16.0f - 7.0f * static_cast<float>(j);
        s.Y -= Step(s.DriftY);
        s.DriftY = drift;
        s.X += sign * Step(s.DriftX);
        s.DriftX = drift;
      }
      // The tail decides for the whole chain; freed segments stay put.
      if (OffScreen(chain[0])) Rest(s, Row);
      TestPlayer(s.X, s.Y, Box30);
    }
  }
}

void CurvingChainShotInstance::Draw(int) const {
  for (std::size_t i = 0; i < Slots.size(); ++i) {
    const ChainSegment& s = Slots[i];
    if (s.Active == 0) continue;
    const int* picture = i % Segments == Segments - 1 ? Row.Head : Row.Body;
    DrawCellRotated(s.X, s.Y, 0, 0, TurnAngle(s.Heading, Row.Mirrored), *picture, Segment);
  }
}

void CurvingChainShotInstance::ResetSlot(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= Slots.size()) return;
  // The reset draws a start frame for every segment, which a chain does not
  // animate: the draw keeps the random sequence of the tables after it.
  elRandom::Next();
  Slots[static_cast<std::size_t>(i)] = ChainSegment{};
}

}  // namespace enemies
