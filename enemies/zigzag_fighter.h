// Zig-zag fighters: fighters that fly a bent path of five legs, entering
// straight along one axis, turning across in three steps and leaving
// straight along the other, and fire aimed shot sets from the legs of their
// rows. The corner fighters enter vertically at a corner of the play field
// and leave at a side; the side fighters enter from a side and leave at the
// bottom or the top. A spawn timer releases slots 0 to 3 one after another;
// slot 4 never starts.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/leg_flight.h"
#include "enemies/common/rules.h"

namespace enemies {

// A bound the craft leaves through: beyond `At` on the side of `Sign`
// (+1: greater, -1: less); a craft on it stays.
struct FieldBound {
  float At;
  float Sign;
};

struct ZigzagFighterRow {
  float StartX, StartY;
  const int* Picture;  // a strip of 5 frames of 100x100
  LegFlight Flight;
  FieldBound YBound, XBound;
  bool Corner;  // the corner look (frames 0 to 4 along the legs), timers restarted by a start
  ExplosionStyle Explosion;
};

struct ZigzagFighterInstance {
  const ZigzagFighterRow& Row;
  std::span<ObjectSlot> Slots;

  // The spawn timer: starts slots 0 to 3 at their keys.
  void Fire(int sceneParameter = 0) const;
  // Starts slot `slot` if it is free.
  void Spawn(int slot) const;
  // Flies the legs, fires the legs' shot sets, frees the slots beyond the
  // bounds.
  void Move(int sceneParameter = 0) const;
  // Draws each slot's frame of its phase, or its explosion.
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  void Reset() const;
};

inline std::array<ObjectSlot, 5> ZigzagFighter01Slots{};
inline std::array<ObjectSlot, 5> ZigzagFighter02Slots{};
inline std::array<ObjectSlot, 5> ZigzagFighter03Slots{};
inline std::array<ObjectSlot, 5> ZigzagFighter04Slots{};
inline std::array<ObjectSlot, 5> ZigzagFighter05Slots{};
inline std::array<ObjectSlot, 5> ZigzagFighter06Slots{};
inline std::array<ObjectSlot, 5> ZigzagFighter07Slots{};
inline std::array<ObjectSlot, 5> ZigzagFighter08Slots{};

// Their rows name the aimed shot sets they fire, which in turn fly from
// these slots: the instances are defined with the rows, beside the shots.
extern const ZigzagFighterInstance ZigzagFighter01;
extern const ZigzagFighterInstance ZigzagFighter02;
extern const ZigzagFighterInstance ZigzagFighter03;
extern const ZigzagFighterInstance ZigzagFighter04;
extern const ZigzagFighterInstance ZigzagFighter05;
extern const ZigzagFighterInstance ZigzagFighter06;
extern const ZigzagFighterInstance ZigzagFighter07;
extern const ZigzagFighterInstance ZigzagFighter08;

}  // namespace enemies
