// The scene-9 stage: no scene change leads here; its boss's death leads to
// the ending. It plays no music, and its boss patterns are updated and drawn
// right after the player's shots, under the craft, the ship and their shots.
#include "game/stage_script.h"

#include "bosses/aimed_ring.h"
#include "bosses/boss.h"
#include "enemies/cluster_drop_shot.h"
#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/large_craft.h"
#include "enemies/straight_shot.h"
#include "enemies/sweeping_craft.h"
#include "enemies/volley_shot.h"
#include "game/boss_lock_shot.h"
#include "game/lock_shot.h"
#include "game/missile_barrage.h"
#include "game/stage_rows.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/small_drop.h"

namespace stage {

namespace {

using namespace bosses;
using namespace enemies;
using namespace lockon;
using namespace patterns;

// The boss's attack timeline.
constexpr Call kSmallDrops[] = {Spawn<SmallDrop52>, Spawn<SmallDrop53>, Spawn<SmallDrop54>,
                                Spawn<SmallDrop55>, Spawn<SmallDrop56>, Spawn<SmallDrop57>,
                                Spawn<SmallDrop58>, Spawn<SmallDrop59>, Spawn<SmallDrop60>};

constexpr AttackRow kAttacks[] = {
    // Arcs of formation drops fan out below the boss, one shape after another.
    {20, 80, nullptr, Calls<Fire<FormationDrop35>, Fire<FormationDrop36>>},
    {80, 160, nullptr, Calls<Fire<FormationDrop33>, Fire<FormationDrop34>>},
    {160, 260, nullptr, Calls<Fire<FormationDrop32>>},
    // A ring of spinning balls, a formation, and small drops opening into fans.
    {260, 360, nullptr, Calls<Fire<AimedRing12>>},
    {360, 460, nullptr, Calls<Fire<FormationDrop32>>},
    {390, 460, nullptr, kSmallDrops},
    // Rings with formations, then formations alone, rings and small drops again.
    {460, 800, nullptr, Calls<Fire<AimedRing12>, Fire<FormationDrop35>, Fire<FormationDrop36>>},
    {800, 1220, nullptr, Calls<Fire<FormationDrop35>, Fire<FormationDrop36>, Fire<FormationDrop33>,
                               Fire<FormationDrop34>>},
    {1000, 1050, nullptr, Calls<Fire<AimedRing12>>},
    {1140, 1200, nullptr, kSmallDrops},
};

// The boss patterns, each updated then drawn, before any craft.
constexpr ProgressRow kEarly[] = {
    EveryFrame(Calls<UpdateDraw<FormationDrop35>, UpdateDraw<FormationDrop36>, UpdateDraw<FormationDrop33>,
                     UpdateDraw<FormationDrop34>, UpdateDraw<FormationDrop32>, UpdateDraw<AimedRing12>,
                     UpdateDraw<SmallDrop52>, UpdateDraw<SmallDrop53>, UpdateDraw<SmallDrop54>, UpdateDraw<SmallDrop55>,
                     UpdateDraw<SmallDrop56>, UpdateDraw<SmallDrop57>, UpdateDraw<SmallDrop58>, UpdateDraw<SmallDrop59>,
                     UpdateDraw<SmallDrop60>>),
};

// One craft family after the other, each followed by its own waves.
constexpr Call kDiagonalLarge01Spawn[] = {Spawn<DiagonalLargeCraft01>, Fire<StraightShot21>, Fire<StraightShot22>,
                                          Fire<StraightShot23>,        Fire<StraightShot24>, Fire<StraightShot25>};
constexpr Call kDiagonalLarge02Spawn[] = {Spawn<DiagonalLargeCraft02>, Fire<StraightShot26>, Fire<StraightShot27>,
                                          Fire<StraightShot28>,        Fire<StraightShot29>, Fire<StraightShot30>};

constexpr ProgressRow kSmallFry[] = {
    // Flame fallers, moved twice a frame, drop in firing straight shots; then a second set.
    EveryFrame(Calls<Move<FlameFaller02>, Move<FlameFaller02>, Draw<FlameFaller02>>),
    {220, 400, nullptr, Calls<Spawn<FlameFaller02>, Fire<StraightShot01>, Fire<StraightShot02>, Fire<StraightShot03>>},
    EveryFrame(Calls<Move<FlameFaller03>, Move<FlameFaller03>, Draw<FlameFaller03>>),
    {400, 550, nullptr, Calls<Spawn<FlameFaller03>, Fire<StraightShot10>, Fire<StraightShot11>, Fire<StraightShot12>,
                              Fire<StraightShot13>, Fire<StraightShot14>>},
    // Two diagonal large craft cross from the top corners, three times, firing straight
    // shots.
    EveryFrame(Calls<MoveDraw<DiagonalLargeCraft01>>),
    {800, 900, nullptr, kDiagonalLarge01Spawn},
    {1120, 1170, nullptr, kDiagonalLarge01Spawn},
    {1480, 1550, nullptr, kDiagonalLarge01Spawn},
    EveryFrame(Calls<MoveDraw<DiagonalLargeCraft02>>),
    {800, 900, nullptr, kDiagonalLarge02Spawn},
    {1120, 1170, nullptr, kDiagonalLarge02Spawn},
    {1480, 1550, nullptr, kDiagonalLarge02Spawn},
    // Diagonal divers dive across from both sides, twice, each set firing straight shots.
    EveryFrame(Calls<MoveDraw<DiagonalDiver01>>),
    {700, 800, nullptr, Calls<Spawn<DiagonalDiver01>, Fire<StraightShot31>>},
    {1550, 1650, nullptr, Calls<Spawn<DiagonalDiver01>, Fire<StraightShot31>>},
    EveryFrame(Calls<MoveDraw<DiagonalDiver03>>),
    {700, 800, nullptr, Calls<Spawn<DiagonalDiver03>, Fire<StraightShot46>>},
    {1550, 1650, nullptr, Calls<Spawn<DiagonalDiver03>, Fire<StraightShot46>>},
    // A large craft sinks through the field, firing volleys.
    EveryFrame(Calls<MoveDraw<LargeCraft02>>),
    {400, 770, nullptr, Calls<Spawn<LargeCraft02>, Fire<VolleyShot12>, When<DoubleSpeed, Fire<VolleyShot13>>,
                              When<DoubleSpeed, Fire<VolleyShot14>>>},
    // Sweeping craft, pair after pair all through the stage, sweep in, drop bullet clusters
    // and sweep out.
    EveryFrame(Calls<MoveDraw<SweepingCraft01>, MoveDraw<SweepingCraft02>>),
    {600, 690, nullptr, Calls<Spawn<SweepingCraft01>, Spawn<SweepingCraft02>>},
    {770, 790, nullptr, Calls<Spawn<SweepingCraft01>, Spawn<SweepingCraft02>>},
    {1000, 1050, nullptr, Calls<Spawn<SweepingCraft01>, Spawn<SweepingCraft02>>},
    {1200, 1250, nullptr, Calls<Spawn<SweepingCraft01>, Spawn<SweepingCraft02>>},
    {1350, 1400, nullptr, Calls<Spawn<SweepingCraft01>, Spawn<SweepingCraft02>>},
    EveryFrame(Calls<MoveDraw<SweepingCraft03>, MoveDraw<SweepingCraft04>>),
    {250, 300, nullptr, Calls<Spawn<SweepingCraft03>, Spawn<SweepingCraft04>>},
    {700, 750, nullptr, Calls<Spawn<SweepingCraft03>, Spawn<SweepingCraft04>>},
    {1250, 1300, nullptr, Calls<Spawn<SweepingCraft03>, Spawn<SweepingCraft04>>},
    EveryFrame(Calls<MoveDraw<SweepingCraft05>, MoveDraw<SweepingCraft06>>),
    {1300, 1350, nullptr, Calls<Spawn<SweepingCraft05>, Spawn<SweepingCraft06>>},
    {1070, 1120, nullptr, Calls<Spawn<SweepingCraft05>, Spawn<SweepingCraft06>>},
    {1400, 1480, nullptr, Calls<Spawn<SweepingCraft05>, Spawn<SweepingCraft06>>},
};

// The small-fry shots, each updated then drawn, with their extra passes.
constexpr ProgressRow kBullets[] = {
    EveryFrame(Calls<UpdateDraw<StraightShot01>, UpdateDraw<StraightShot02>, UpdateDraw<StraightShot03>>),
    EveryFrame(rows::kStraightShots01To03Again, LevelMode2),  // never in play
    EveryFrame(Calls<UpdateDraw<StraightShot10>, UpdateDraw<StraightShot11>, UpdateDraw<StraightShot12>,
                     UpdateDraw<StraightShot13>, UpdateDraw<StraightShot14>>),
    EveryFrame(rows::kStraightShots10To14Again, DoubleSpeed),  // never in play
    EveryFrame(Calls<UpdateDraw<StraightShot21>, UpdateDraw<StraightShot22>, UpdateDraw<StraightShot23>,
                     UpdateDraw<StraightShot24>, UpdateDraw<StraightShot25>, UpdateDraw<StraightShot26>,
                     UpdateDraw<StraightShot27>, UpdateDraw<StraightShot28>, UpdateDraw<StraightShot29>,
                     UpdateDraw<StraightShot30>, UpdateDraw<StraightShot31>, UpdateDraw<StraightShot32>,
                     UpdateDraw<StraightShot33>, UpdateDraw<StraightShot34>, UpdateDraw<StraightShot35>,
                     UpdateDraw<StraightShot46>, UpdateDraw<StraightShot47>, UpdateDraw<StraightShot48>,
                     UpdateDraw<StraightShot49>, UpdateDraw<StraightShot50>, UpdateDraw<ClusterDropShot01>,
                     UpdateDraw<ClusterDropShot02>, UpdateDraw<ClusterDropShot03>, UpdateDraw<ClusterDropShot04>,
                     UpdateDraw<ClusterDropShot05>, UpdateDraw<ClusterDropShot06>>),
    EveryFrame(Calls<UpdateDraw<VolleyShot13>, UpdateDraw<VolleyShot14>>, DoubleSpeed),  // never in play
    EveryFrame(Calls<UpdateDraw<VolleyShot12>>, NotDoubleSpeed),
};

}  // namespace

const StageScript Scene9Script = {
    .music = nullptr,
    .musicOnFirstFrame = false,
    .rate = 20,
    .boss = BossFight<Scene9BossOps>(1800, 11100, 1200, {1220, 1220, 1220, 1220}, 11000, kAttacks),
    .early = kEarly,
    .smallFry = kSmallFry,
    .powerUps = StandardPowerUps,
    .powerUpMovesFirst = false,
    .bullets = kBullets,
    .sidePanels = false,
    .bombNeedsVolleyOff = false,
    .runsVolley = true,
    .lockWeapons = Calls<Update<MissileBarrage01>, Update<MissileBarrage02>, Update<MissileBarrage03>,
                         Update<MissileBarrage04>, Update<LockShot03>, Update<LockShot04>, Update<BossLockShot15>,
                         Update<BossLockShot16>>,
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
