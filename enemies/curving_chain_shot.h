// Curving chain shots: 7 segments leave one gun of the parent craft
// together, on one heading but each at its own speed, so they string out
// along one path; for a short time every segment turns a little on every
// frame, then they fly straight, each drifting sideways at a speed of its
// own so that the chain fans out. A chain is freed whole, where it stands,
// when its slowest segment leaves the screen, and only then starts again.
#pragma once
#include <array>
#include <span>

#include "enemies/common/rules.h"
#include "enemies/flame_faller.h"
#include "enemies/single_craft_record.h"
#include "world/assets.h"

namespace enemies {

struct ChainSegment {
  float X = ParkX, Y = ParkY;
  float DriftX = 0.0f, DriftY = 0.0f;  // px/s, applied a call late
  float Heading = ResetHeading;        // radians
  float Speed = 0.0f;                  // px/s along the heading
  float TurnTimer = 0.0f;              // twentieths of a second, held once the turn ends
  int Active = 0;
};

namespace curving_chain_shot {
constexpr int Segments = 7;
}

struct CurvingChainShotRow {
  std::span<const ObjectSlot> Parent;  // chain c leaves parent record c
  float GunX, GunY;
  // The minus chains start down-left and turn counter-clockwise on the
  // screen; the mirrored (plus) ones start down-right and turn clockwise.
  bool Mirrored;
  std::array<float, curving_chain_shot::Segments> Speeds;
  double Turn;      // radians per call while the turn lasts
  float TurnUntil;  // turn timer at which the turn ends
  const int* Body;
  const int* Head;  // the leading segment's picture
};

struct CurvingChainShotInstance {
  const CurvingChainShotRow& Row;
  std::span<ChainSegment> Slots;  // chain c is segments 7c .. 7c + 6

  // Starts every free segment at its parent's gun.
  void Fire(int = 0) const;
  // Moves, turns and drifts the segments in flight, frees the chains whose
  // tail has left the screen, and tests every segment, free ones too where
  // they stopped, against the ship.
  void Update(int = 0) const;
  void Draw(int = 0) const;
  void ResetSlot(int i) const;
  int SlotCount() const { return static_cast<int>(Slots.size()); }
};

namespace curving_chain_shot {

constexpr double TurnSmall = (Pi + Pi) / 320;
constexpr double TurnWide = (Pi + Pi) / 280;
constexpr std::array<float, Segments> FallerLadder{223, 231, 238, 244, 248, 251, 253};
constexpr std::array<float, Segments> SlowLadder{163, 171, 178, 184, 188, 191, 193};
constexpr std::array<float, Segments> FastLadder{263, 271, 278, 284, 288, 291, 293};

constexpr std::span<const ObjectSlot> One(const ObjectSlot& record) { return {&record, 1}; }

}  // namespace curving_chain_shot

inline constexpr std::array<CurvingChainShotRow, 6> CurvingChainShotRows{{
    {FlameFaller01Slots, 20.0f, 20.0f, false, curving_chain_shot::FallerLadder, curving_chain_shot::TurnSmall, 17.0f,
     &assets::PicVall3015, &assets::PicVall3015},
    {FlameFaller01Slots, 20.0f, 20.0f, true, curving_chain_shot::FallerLadder, curving_chain_shot::TurnSmall, 17.0f,
     &assets::PicVall3016, &assets::PicVall3016},
    {curving_chain_shot::One(SweepingCraft03Record), 85.0f, 10.0f, false, curving_chain_shot::SlowLadder,
     curving_chain_shot::TurnWide, 35.0f, &assets::PicVal3017a, &assets::PicVall3017},
    {curving_chain_shot::One(SweepingCraft03Record), 85.0f, 10.0f, true, curving_chain_shot::SlowLadder,
     curving_chain_shot::TurnWide, 35.0f, &assets::PicVal3018a, &assets::PicVall3018},
    {curving_chain_shot::One(SweepingCraft04Record), 85.0f, 10.0f, false, curving_chain_shot::FastLadder,
     curving_chain_shot::TurnWide, 35.0f, &assets::PicVal3017a, &assets::PicVall3017},
    {curving_chain_shot::One(SweepingCraft04Record), 85.0f, 10.0f, true, curving_chain_shot::FastLadder,
     curving_chain_shot::TurnWide, 35.0f, &assets::PicVal3018a, &assets::PicVall3018},
}};

inline std::array<ChainSegment, 21> CurvingChainShot01Slots{};
inline std::array<ChainSegment, 21> CurvingChainShot02Slots{};
inline std::array<ChainSegment, 7> CurvingChainShot03Slots{};
inline std::array<ChainSegment, 7> CurvingChainShot04Slots{};
inline std::array<ChainSegment, 7> CurvingChainShot05Slots{};
inline std::array<ChainSegment, 7> CurvingChainShot06Slots{};

inline constexpr CurvingChainShotInstance CurvingChainShot01{CurvingChainShotRows[0], CurvingChainShot01Slots};
inline constexpr CurvingChainShotInstance CurvingChainShot02{CurvingChainShotRows[1], CurvingChainShot02Slots};
inline constexpr CurvingChainShotInstance CurvingChainShot03{CurvingChainShotRows[2], CurvingChainShot03Slots};
inline constexpr CurvingChainShotInstance CurvingChainShot04{CurvingChainShotRows[3], CurvingChainShot04Slots};
inline constexpr CurvingChainShotInstance CurvingChainShot05{CurvingChainShotRows[4], CurvingChainShot05Slots};
inline constexpr CurvingChainShotInstance CurvingChainShot06{CurvingChainShotRows[5], CurvingChainShot06Slots};

}  // namespace enemies
