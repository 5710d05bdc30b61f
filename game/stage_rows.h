// Lists of calls that several rows make alike, in one stage script or more:
// craft waves with their shots, bullet runs that more than one stage updates
// and draws, and the lock weapons that follow the missile barrages. A row
// names one of these where it makes the same calls in the same order; any
// other row writes its calls in the row (Calls<...>).
#pragma once
#include <array>
#include <cstddef>

#include "bosses/aimed_ring.h"
#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/large_craft.h"
#include "enemies/line_shot.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_faller.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/straight_shot.h"
#include "enemies/sweeping_craft.h"
#include "enemies/timed_diagonal_diver.h"
#include "enemies/volley_shot.h"
#include "enemies/zigzag_fighter.h"
#include "game/lock_shot.h"
#include "game/missile_barrage.h"
#include "game/stage_script.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"

namespace stage {

// One list of calls made of two: a shared head and a script's own tail.
template <std::size_t N, std::size_t M>
constexpr std::array<Call, N + M> Join(const Call (&head)[N], const Call (&tail)[M]) {
  std::array<Call, N + M> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = head[i];
  for (std::size_t i = 0; i < M; ++i) out[N + i] = tail[i];
  return out;
}
// The same, written where it is used: `CallsAfter<rows::kBarragesAndLockShots, Update<BossLockShot07>>`.
template <const auto& Head, Call... Tail>
inline constexpr auto CallsAfter = Join(Head, CallList<Tail...>);

namespace rows {

using namespace bosses;
using namespace enemies;
using namespace lockon;
using namespace patterns;

// Craft waves: spawns with their shots.
inline constexpr Call kDiagonalLargeCraft01Wave[] = {
    Spawn<DiagonalLargeCraft01>, Fire<StraightShot21>, Fire<StraightShot22>, Fire<StraightShot23>, Fire<StraightShot24>,
    Fire<StraightShot25>,        Fire<VolleyShot03>,   Fire<VolleyShot04>,   Fire<VolleyShot05>};
inline constexpr Call kDiagonalLargeCraft02Wave[] = {
    Spawn<DiagonalLargeCraft02>, Fire<StraightShot26>, Fire<StraightShot27>, Fire<StraightShot28>, Fire<StraightShot29>,
    Fire<StraightShot30>,        Fire<VolleyShot06>,   Fire<VolleyShot07>,   Fire<VolleyShot08>};
// The crossing spinners' and the side gliders' waves with their shots, the
// straight shots in brackets only at double speed.
inline constexpr Call kCrossingSpinnersWave[] = {
    Spawn<CrossingSpinner01>,                Fire<AimedLineShot01>,
    When<DoubleSpeed, Fire<StraightShot04>>, When<DoubleSpeed, Fire<StraightShot05>>,
    Fire<StraightShot06>,                    Spawn<CrossingSpinner02>,
    Fire<AimedLineShot04>,                   When<DoubleSpeed, Fire<StraightShot07>>,
    Fire<StraightShot08>,                    When<DoubleSpeed, Fire<StraightShot09>>,
};
inline constexpr Call kSideGlidersWave[] = {
    Spawn<SideGlider01>,                     Fire<AimedShot06>,
    When<DoubleSpeed, Fire<StraightShot15>>, When<DoubleSpeed, Fire<StraightShot16>>,
    Fire<StraightShot17>,                    Spawn<SideGlider02>,
    Fire<AimedShot07>,                       When<DoubleSpeed, Fire<StraightShot18>>,
    Fire<StraightShot19>,                    When<DoubleSpeed, Fire<StraightShot20>>,
};

// The timed diagonal divers from both top corners with their straight
// shots, and the third spinning fallers, moved twice before they spawn.
inline constexpr Call kTimedDiagonalDiversWave[] = {
    Fire<TimedDiagonalDiver01>, Fire<StraightShot41>, Fire<StraightShot42>, Fire<StraightShot43>, Fire<StraightShot44>,
    Fire<TimedDiagonalDiver02>, Fire<StraightShot56>, Fire<StraightShot57>, Fire<StraightShot58>, Fire<StraightShot59>};
inline constexpr Call kSpinningFaller03Wave[] = {Move<SpinningFaller03>, Move<SpinningFaller03>,
                                                 Spawn<SpinningFaller03>, Fire<AimedShot05>};

// Bullet runs: the scene-3 boss's drops and rings, the scene-8 boss's
// formations and drops, the diagonal large craft's shots, and the second
// updates of the faller shots.
inline constexpr Call kScene3BossDrops[] = {
    UpdateDraw<AimedRing10>,     UpdateDraw<AimedRing11>,     UpdateDraw<FormationDrop28>, UpdateDraw<FormationDrop29>,
    UpdateDraw<FormationDrop30>, UpdateDraw<FormationDrop31>, UpdateDraw<FormationDrop26>, UpdateDraw<FormationDrop27>,
    UpdateDraw<FormationDrop25>, UpdateDraw<TwinDrop14>,      UpdateDraw<TwinDrop15>,      UpdateDraw<SmallDrop43>,
    UpdateDraw<SmallDrop44>,     UpdateDraw<SmallDrop45>,     UpdateDraw<SmallDrop46>,     UpdateDraw<SmallDrop47>,
    UpdateDraw<SmallDrop48>,     UpdateDraw<SmallDrop49>,     UpdateDraw<SmallDrop50>,     UpdateDraw<SmallDrop51>,
};
inline constexpr Call kScene8BossFormations[] = {UpdateDraw<FormationDrop16>, UpdateDraw<FormationDrop17>,
                                                 UpdateDraw<FormationDrop14>, UpdateDraw<FormationDrop15>,
                                                 UpdateDraw<FormationDrop13>};
inline constexpr Call kScene8BossFormationsAgain[] = {Update<FormationDrop16>, Update<FormationDrop17>,
                                                      Update<FormationDrop14>, Update<FormationDrop15>,
                                                      Update<FormationDrop13>};
inline constexpr Call kScene8BossDrops[] = {
    UpdateDraw<AimedRing03>, UpdateDraw<TwinDrop07>,  UpdateDraw<TwinDrop08>,  UpdateDraw<SmallDrop09>,
    UpdateDraw<SmallDrop10>, UpdateDraw<SmallDrop11>, UpdateDraw<SmallDrop12>, UpdateDraw<SmallDrop13>,
    UpdateDraw<SmallDrop14>, UpdateDraw<SmallDrop15>,
};
inline constexpr Call kDiagonalLargeCraftShots[] = {
    UpdateDraw<StraightShot21>, UpdateDraw<StraightShot22>, UpdateDraw<StraightShot23>, UpdateDraw<StraightShot24>,
    UpdateDraw<StraightShot25>, UpdateDraw<VolleyShot03>,   UpdateDraw<VolleyShot04>,   UpdateDraw<VolleyShot05>,
    UpdateDraw<StraightShot26>, UpdateDraw<StraightShot27>, UpdateDraw<StraightShot28>, UpdateDraw<StraightShot29>,
    UpdateDraw<StraightShot30>, UpdateDraw<VolleyShot06>,   UpdateDraw<VolleyShot07>,   UpdateDraw<VolleyShot08>,
};
inline constexpr Call kStraightShots01To03Again[] = {Update<StraightShot01>, Update<StraightShot02>,
                                                     Update<StraightShot03>};
inline constexpr Call kStraightShots10To14Again[] = {Update<StraightShot10>, Update<StraightShot11>,
                                                     Update<StraightShot12>, Update<StraightShot13>,
                                                     Update<StraightShot14>};

// The missile barrages, which fire by themselves at difficulty 3, and the
// craft lock shots, before a stage's own boss lock shots.
inline constexpr Call kBarragesAndLockShots[] = {
    When<AtDifficulty3, Fire<MissileBarrage01>>, When<AtDifficulty3, Fire<MissileBarrage02>>,
    When<AtDifficulty3, Fire<MissileBarrage03>>, When<AtDifficulty3, Fire<MissileBarrage04>>,
    Update<MissileBarrage01>,                    Update<MissileBarrage02>,
    Update<MissileBarrage03>,                    Update<MissileBarrage04>,
    Update<LockShot03>,                          Update<LockShot04>,
    Update<LockShot05>,                          Update<LockShot06>,
    Update<LockShot07>,                          Update<LockShot08>,
};

}  // namespace rows

}  // namespace stage
