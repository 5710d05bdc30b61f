// Aimed line shots: the shots of one line leave one point near their parent
// craft together, all on one heading toward a point near the ship, each at
// its own speed from a rising ladder, so that they string out into a line
// with the slowest nearest the craft. A touch ends the ship and the shot
// flies on. Three variants:
// - rows: a line of 5 needles for each parent slot, freed whole when its
//   slowest shot leaves the screen, each shot keeping its place;
// - single sets: one line of 4 from parent slot 0, or of 5 from slot 1, of
//   animated balls, each freed (and parked) on its own and started again on
//   its own by the next Fire with a fresh aim;
// - kept sets: like the single sets, but freed whole in place when the
//   slowest leaves, and not by the bomb.
#pragma once
#include <array>
#include <span>

#include "enemies/common/aimed_shot_slot.h"
#include "enemies/common/rules.h"
#include "enemies/crossing_spinner.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/zigzag_fighter.h"
#include "world/assets.h"

namespace enemies {

enum class LineVariant : uint8_t { Rows, Single, Kept };

struct AimedLineShotRow {
  LineVariant Variant;
  std::span<const ObjectSlot> Parent;
  int ParentSlot;  // a set's one parent slot; rows leave every slot
  int Members;     // shots in one line
  float Dx, Dy;    // from the parent slot's corner
  std::array<float, 5> Ladder;  // member k's speed, px/s
  const int* Picture;
  int Frames;  // of an animated set's 20x20 sheet
};

struct AimedLineShotInstance {
  const AimedLineShotRow& Row;
  std::span<AimedShotSlot> Slots;  // line p holds members p * Members + k

  // Starts every free member of every line from its parent slot, whatever
  // that slot's state. A craft's Move passes its own slot, which changes
  // nothing: a set always leaves its one parent slot.
  void Fire(int sceneParameter = 0) const;
  // Moves the shots in flight, frees them as the variant does, and tests
  // every shot against the ship, also a freed one where it stopped.
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void ResetSlot(int i) const;
  int SlotCount() const { return static_cast<int>(Slots.size()); }
};

namespace aimed_line_shot {

constexpr int MaxSlots = 15;
constexpr int RowMembers = 5;

constexpr std::array<float, 5> Swift{260, 280, 300, 320, 340};

// A row of 5 needles from every slot of the parent.
constexpr AimedLineShotRow Rows(std::span<const ObjectSlot> parent) {
  return {LineVariant::Rows, parent, 0, RowMembers, 25.0f, 25.0f, Swift, &assets::PicVall301, 1};
}
// A set of 4 from parent slot 0 or of 5 from slot 1.
constexpr AimedLineShotRow Set(LineVariant variant, std::span<const ObjectSlot> parent, int members, float dx,
                               float dy, std::array<float, 5> ladder, const int* picture, int frames) {
  return {variant, parent, members == 4 ? 0 : 1, members, dx, dy, ladder, picture, frames};
}

constexpr std::array<float, 5> Slow{120, 160, 200, 240, 280};
constexpr std::array<float, 5> Fast4{230, 270, 310, 350, 0};
constexpr std::array<float, 5> Fast5{200, 230, 260, 290, 340};
constexpr std::array<float, 5> Crawl{80, 100, 120, 140, 160};

constexpr AimedLineShotRow Val201(std::span<const ObjectSlot> parent, int members, float dy) {
  return Set(LineVariant::Single, parent, members, 30.0f, dy, Slow, &assets::PicVal201, 7);
}
constexpr AimedLineShotRow Val20241(LineVariant variant, std::span<const ObjectSlot> parent, int members, float dx,
                                    std::array<float, 5> ladder) {
  return Set(variant, parent, members, dx, 50.0f, ladder, &assets::PicVal20241, 24);
}

}  // namespace aimed_line_shot

inline constexpr std::array<AimedLineShotRow, 22> AimedLineShotRows{{
    aimed_line_shot::Rows(CrossingSpinner01Slots),
    aimed_line_shot::Val201(CrossingSpinner01Slots, 4, 50),
    aimed_line_shot::Val201(CrossingSpinner01Slots, 5, 50),
    aimed_line_shot::Rows(CrossingSpinner02Slots),
    aimed_line_shot::Val201(CrossingSpinner02Slots, 4, 50),
    aimed_line_shot::Val201(CrossingSpinner02Slots, 5, 50),
    aimed_line_shot::Val201(SideGlider01Slots, 4, 40),
    aimed_line_shot::Val201(SideGlider01Slots, 5, 40),
    aimed_line_shot::Val201(SideGlider02Slots, 4, 40),
    aimed_line_shot::Val201(SideGlider02Slots, 5, 40),
    aimed_line_shot::Val20241(LineVariant::Single, ZigzagFighter01Slots, 4, 40, aimed_line_shot::Fast4),
    aimed_line_shot::Val20241(LineVariant::Single, ZigzagFighter01Slots, 5, 40, aimed_line_shot::Fast5),
    aimed_line_shot::Val20241(LineVariant::Single, ZigzagFighter02Slots, 4, 40, aimed_line_shot::Fast4),
    aimed_line_shot::Val20241(LineVariant::Single, ZigzagFighter02Slots, 5, 40, aimed_line_shot::Fast5),
    aimed_line_shot::Val20241(LineVariant::Single, ZigzagFighter03Slots, 4, 40, aimed_line_shot::Crawl),
    aimed_line_shot::Val20241(LineVariant::Single, ZigzagFighter03Slots, 5, 40, aimed_line_shot::Crawl),
    aimed_line_shot::Val20241(LineVariant::Single, ZigzagFighter04Slots, 4, 40, aimed_line_shot::Crawl),
    aimed_line_shot::Val20241(LineVariant::Single, ZigzagFighter04Slots, 5, 40, aimed_line_shot::Crawl),
    aimed_line_shot::Val20241(LineVariant::Kept, SpinningLockTarget01Slots, 4, 50, aimed_line_shot::Swift),
    aimed_line_shot::Val20241(LineVariant::Kept, SpinningLockTarget01Slots, 5, 50, aimed_line_shot::Swift),
    aimed_line_shot::Val20241(LineVariant::Kept, SpinningLockTarget02Slots, 4, 50, aimed_line_shot::Swift),
    aimed_line_shot::Val20241(LineVariant::Kept, SpinningLockTarget02Slots, 5, 50, aimed_line_shot::Swift),
}};

inline std::array<std::array<AimedShotSlot, aimed_line_shot::MaxSlots>, 22> AimedLineShotSlots{};

namespace aimed_line_shot {

constexpr std::size_t SlotsOf(const AimedLineShotRow& row) {
  const std::size_t lines = row.Variant == LineVariant::Rows ? row.Parent.size() : 1;
  return lines * static_cast<std::size_t>(row.Members);
}

// Instance n (1 to 22): its row and the slots of its lines.
constexpr AimedLineShotInstance Instance(int n) {
  const auto k = static_cast<std::size_t>(n - 1);
  return {AimedLineShotRows[k], std::span<AimedShotSlot>(AimedLineShotSlots[k]).first(SlotsOf(AimedLineShotRows[k]))};
}

}  // namespace aimed_line_shot

inline constexpr AimedLineShotInstance AimedLineShot01 = aimed_line_shot::Instance(1);
inline constexpr AimedLineShotInstance AimedLineShot02 = aimed_line_shot::Instance(2);
inline constexpr AimedLineShotInstance AimedLineShot03 = aimed_line_shot::Instance(3);
inline constexpr AimedLineShotInstance AimedLineShot04 = aimed_line_shot::Instance(4);
inline constexpr AimedLineShotInstance AimedLineShot05 = aimed_line_shot::Instance(5);
inline constexpr AimedLineShotInstance AimedLineShot06 = aimed_line_shot::Instance(6);
inline constexpr AimedLineShotInstance AimedLineShot07 = aimed_line_shot::Instance(7);
inline constexpr AimedLineShotInstance AimedLineShot08 = aimed_line_shot::Instance(8);
inline constexpr AimedLineShotInstance AimedLineShot09 = aimed_line_shot::Instance(9);
inline constexpr AimedLineShotInstance AimedLineShot10 = aimed_line_shot::Instance(10);
inline constexpr AimedLineShotInstance AimedLineShot11 = aimed_line_shot::Instance(11);
inline constexpr AimedLineShotInstance AimedLineShot12 = aimed_line_shot::Instance(12);
inline constexpr AimedLineShotInstance AimedLineShot13 = aimed_line_shot::Instance(13);
inline constexpr AimedLineShotInstance AimedLineShot14 = aimed_line_shot::Instance(14);
inline constexpr AimedLineShotInstance AimedLineShot15 = aimed_line_shot::Instance(15);
inline constexpr AimedLineShotInstance AimedLineShot16 = aimed_line_shot::Instance(16);
inline constexpr AimedLineShotInstance AimedLineShot17 = aimed_line_shot::Instance(17);
inline constexpr AimedLineShotInstance AimedLineShot18 = aimed_line_shot::Instance(18);
inline constexpr AimedLineShotInstance AimedLineShot19 = aimed_line_shot::Instance(19);
inline constexpr AimedLineShotInstance AimedLineShot20 = aimed_line_shot::Instance(20);
inline constexpr AimedLineShotInstance AimedLineShot21 = aimed_line_shot::Instance(21);
inline constexpr AimedLineShotInstance AimedLineShot22 = aimed_line_shot::Instance(22);

}  // namespace enemies
