// Curving chains: seven segments leave one gun on the boss together, each at
// its own speed from a fixed ladder and drifting sideways by its index, so
// they stretch into a chain led by the fastest, the head. For its first
// 0.85 s the chain bends by a fixed angle on every call, then it flies
// straight; it ends as a whole when its tail leaves the screen. The bend is
// per call, not per second, so it depends on the frame rate.
#pragma once

#include "bosses/boss_record.h"
#include "enemies/common/rules.h"
#include "world/assets.h"

namespace patterns {

struct ChainSegment {
  int Frame = 0;                                 // drawn at reset, read by nothing
  float X = enemies::ParkX, Y = enemies::ParkY;  // top-left of the 30x30 picture
  float DriftX = 0.0f, DriftY = 0.0f;            // px/s, applied by the next Update
  float Heading = enemies::ResetHeading;         // radians
  float Speed = 0.0f;                            // px/s
  float Timer = 0.0f;                            // 20 a second, held at 18 once past 17
  int Active = 0;
};

struct CurvingChainRow {
  bosses::BossRecord* Boss;
  float GunX, GunY;
  int Sign;                // -1 starts down-left and bends through straight down; +1 mirrored
  int TurnDivisor;         // the bend is 2 pi / TurnDivisor radians a call
  const int* BodyPicture;  // segments 0 to 5
  const int* HeadPicture;  // segment 6
};

inline constexpr CurvingChainRow CurvingChainRows[6] = {
    {&bosses::Scene5Boss, 205, 30, -1, 280, &assets::PicVal3017a, &assets::PicVall3017},
    {&bosses::Scene5Boss, 205, 30, +1, 280, &assets::PicVal3018a, &assets::PicVall3018},
    {&bosses::Scene5Boss, 165, 20, -1, 320, &assets::PicVal3017a, &assets::PicVall3017},
    {&bosses::Scene5Boss, 245, 20, +1, 320, &assets::PicVal3018a, &assets::PicVall3018},
    {&bosses::Scene6Boss, 175, 30, -1, 280, &assets::PicVal3017a, &assets::PicVall3017},
    {&bosses::Scene6Boss, 175, 30, +1, 280, &assets::PicVal3018a, &assets::PicVall3018},
};

struct CurvingChainInstance {
  static constexpr int SegmentCount = 7;
  const CurvingChainRow& row;
  ChainSegment* segments;

  // Starts every free segment at the gun.
  void Fire(int sceneParameter = 0) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  // The start state; draws one random value per segment.
  void Reset() const;
};

inline ChainSegment CurvingChain01Segments[7], CurvingChain02Segments[7], CurvingChain03Segments[7],
    CurvingChain04Segments[7], CurvingChain05Segments[7], CurvingChain06Segments[7];

inline constexpr CurvingChainInstance CurvingChain01{CurvingChainRows[0], CurvingChain01Segments};
inline constexpr CurvingChainInstance CurvingChain02{CurvingChainRows[1], CurvingChain02Segments};
inline constexpr CurvingChainInstance CurvingChain03{CurvingChainRows[2], CurvingChain03Segments};
inline constexpr CurvingChainInstance CurvingChain04{CurvingChainRows[3], CurvingChain04Segments};
inline constexpr CurvingChainInstance CurvingChain05{CurvingChainRows[4], CurvingChain05Segments};
inline constexpr CurvingChainInstance CurvingChain06{CurvingChainRows[5], CurvingChain06Segments};

}  // namespace patterns
