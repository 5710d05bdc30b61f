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
constexpr Call kFormation3536[] = {Fire<FormationDrop35>, Fire<FormationDrop36>};
constexpr Call kFormation3334[] = {Fire<FormationDrop33>, Fire<FormationDrop34>};
constexpr Call kFormation32[] = {Fire<FormationDrop32>};
constexpr Call kRing12[] = {Fire<AimedRing12>};
constexpr Call kSmallDrops[] = {Spawn<SmallDrop52>, Spawn<SmallDrop53>, Spawn<SmallDrop54>,
                                Spawn<SmallDrop55>, Spawn<SmallDrop56>, Spawn<SmallDrop57>,
                                Spawn<SmallDrop58>, Spawn<SmallDrop59>, Spawn<SmallDrop60>};
constexpr Call kRing12Formation3536[] = {Fire<AimedRing12>, Fire<FormationDrop35>, Fire<FormationDrop36>};
constexpr Call kFormation35To34[] = {Fire<FormationDrop35>, Fire<FormationDrop36>, Fire<FormationDrop33>,
                                     Fire<FormationDrop34>};

constexpr AttackRow kAttacks[] = {
    {20, 80, nullptr, kFormation3536},
    {80, 160, nullptr, kFormation3334},
    {160, 260, nullptr, kFormation32},
    {260, 360, nullptr, kRing12},
    {360, 460, nullptr, kFormation32},
    {390, 460, nullptr, kSmallDrops},
    {460, 800, nullptr, kRing12Formation3536},
    {800, 1220, nullptr, kFormation35To34},
    {1000, 1050, nullptr, kRing12},
    {1140, 1200, nullptr, kSmallDrops},
};

// The boss patterns, each updated then drawn, before any craft.
constexpr Call kBossPatterns[] = {
    UpdateDraw<FormationDrop35>, UpdateDraw<FormationDrop36>, UpdateDraw<FormationDrop33>,
    UpdateDraw<FormationDrop34>, UpdateDraw<FormationDrop32>, UpdateDraw<AimedRing12>,
    UpdateDraw<SmallDrop52>,     UpdateDraw<SmallDrop53>,     UpdateDraw<SmallDrop54>,
    UpdateDraw<SmallDrop55>,     UpdateDraw<SmallDrop56>,     UpdateDraw<SmallDrop57>,
    UpdateDraw<SmallDrop58>,     UpdateDraw<SmallDrop59>,     UpdateDraw<SmallDrop60>,
};

constexpr ProgressRow kEarly[] = {
    EveryFrame(kBossPatterns),
};

// One craft family after the other, each followed by its own windows.
constexpr Call kFaller02[] = {Move<FlameFaller02>, Move<FlameFaller02>, Draw<FlameFaller02>};
constexpr Call kFaller02Spawn[] = {Spawn<FlameFaller02>, Fire<StraightShot01>, Fire<StraightShot02>,
                                   Fire<StraightShot03>};
constexpr Call kFaller03[] = {Move<FlameFaller03>, Move<FlameFaller03>, Draw<FlameFaller03>};
constexpr Call kFaller03Spawn[] = {Spawn<FlameFaller03>, Fire<StraightShot10>, Fire<StraightShot11>,
                                   Fire<StraightShot12>, Fire<StraightShot13>, Fire<StraightShot14>};
constexpr Call kDiagonalLarge01Spawn[] = {Spawn<DiagonalLargeCraft01>, Fire<StraightShot21>, Fire<StraightShot22>,
                                          Fire<StraightShot23>,        Fire<StraightShot24>, Fire<StraightShot25>};
constexpr Call kDiagonalLarge02Spawn[] = {Spawn<DiagonalLargeCraft02>, Fire<StraightShot26>, Fire<StraightShot27>,
                                          Fire<StraightShot28>,        Fire<StraightShot29>, Fire<StraightShot30>};
constexpr Call kDiver01Spawn[] = {Spawn<DiagonalDiver01>, Fire<StraightShot31>};
constexpr Call kDiver03Spawn[] = {Spawn<DiagonalDiver03>, Fire<StraightShot46>};
constexpr Call kLarge02Spawn[] = {Spawn<LargeCraft02>, Fire<VolleyShot12>, When<DoubleSpeed, Fire<VolleyShot13>>,
                                  When<DoubleSpeed, Fire<VolleyShot14>>};
constexpr Call kSweepers0102[] = {MoveDraw<SweepingCraft01>, MoveDraw<SweepingCraft02>};
constexpr Call kSweepers0102Spawn[] = {Spawn<SweepingCraft01>, Spawn<SweepingCraft02>};

constexpr ProgressRow kSmallFry[] = {
    EveryFrame(kFaller02),
    {220, 400, nullptr, kFaller02Spawn},
    EveryFrame(kFaller03),
    {400, 550, nullptr, kFaller03Spawn},
    EveryFrame(rows::kDiagonalLargeCraft01),
    {800, 900, nullptr, kDiagonalLarge01Spawn},
    {1120, 1170, nullptr, kDiagonalLarge01Spawn},
    {1480, 1550, nullptr, kDiagonalLarge01Spawn},
    EveryFrame(rows::kDiagonalLargeCraft02),
    {800, 900, nullptr, kDiagonalLarge02Spawn},
    {1120, 1170, nullptr, kDiagonalLarge02Spawn},
    {1480, 1550, nullptr, kDiagonalLarge02Spawn},
    EveryFrame(rows::kDiagonalDiver01),
    {700, 800, nullptr, kDiver01Spawn},
    {1550, 1650, nullptr, kDiver01Spawn},
    EveryFrame(rows::kDiagonalDiver03),
    {700, 800, nullptr, kDiver03Spawn},
    {1550, 1650, nullptr, kDiver03Spawn},
    EveryFrame(rows::kLargeCraft02),
    {400, 770, nullptr, kLarge02Spawn},
    EveryFrame(kSweepers0102),
    {600, 690, nullptr, kSweepers0102Spawn},
    {770, 790, nullptr, kSweepers0102Spawn},
    {1000, 1050, nullptr, kSweepers0102Spawn},
    {1200, 1250, nullptr, kSweepers0102Spawn},
    {1350, 1400, nullptr, kSweepers0102Spawn},
    EveryFrame(rows::kSweepingCraft0304),
    {250, 300, nullptr, rows::kSweepingCraft0304Spawn},
    {700, 750, nullptr, rows::kSweepingCraft0304Spawn},
    {1250, 1300, nullptr, rows::kSweepingCraft0304Spawn},
    EveryFrame(rows::kSweepingCraft0506),
    {1300, 1350, nullptr, rows::kSweepingCraft0506Spawn},
    {1070, 1120, nullptr, rows::kSweepingCraft0506Spawn},
    {1400, 1480, nullptr, rows::kSweepingCraft0506Spawn},
};

// The small-fry shots, each updated then drawn, with their extra passes.
constexpr Call kStraight01To03[] = {UpdateDraw<StraightShot01>, UpdateDraw<StraightShot02>,
                                    UpdateDraw<StraightShot03>};
constexpr Call kStraight10To14[] = {UpdateDraw<StraightShot10>, UpdateDraw<StraightShot11>,
                                    UpdateDraw<StraightShot12>, UpdateDraw<StraightShot13>,
                                    UpdateDraw<StraightShot14>};
constexpr Call kShots[] = {
    UpdateDraw<StraightShot21>,    UpdateDraw<StraightShot22>,    UpdateDraw<StraightShot23>,
    UpdateDraw<StraightShot24>,    UpdateDraw<StraightShot25>,    UpdateDraw<StraightShot26>,
    UpdateDraw<StraightShot27>,    UpdateDraw<StraightShot28>,    UpdateDraw<StraightShot29>,
    UpdateDraw<StraightShot30>,    UpdateDraw<StraightShot31>,    UpdateDraw<StraightShot32>,
    UpdateDraw<StraightShot33>,    UpdateDraw<StraightShot34>,    UpdateDraw<StraightShot35>,
    UpdateDraw<StraightShot46>,    UpdateDraw<StraightShot47>,    UpdateDraw<StraightShot48>,
    UpdateDraw<StraightShot49>,    UpdateDraw<StraightShot50>,    UpdateDraw<ClusterDropShot01>,
    UpdateDraw<ClusterDropShot02>, UpdateDraw<ClusterDropShot03>, UpdateDraw<ClusterDropShot04>,
    UpdateDraw<ClusterDropShot05>, UpdateDraw<ClusterDropShot06>,
};
constexpr Call kFastVolleys[] = {UpdateDraw<VolleyShot13>, UpdateDraw<VolleyShot14>};
constexpr Call kSlowVolleys[] = {UpdateDraw<VolleyShot12>};

constexpr ProgressRow kBullets[] = {
    EveryFrame(kStraight01To03),
    EveryFrame(rows::kStraightShots01To03Again, LevelMode2),
    EveryFrame(kStraight10To14),
    EveryFrame(rows::kStraightShots10To14Again, DoubleSpeed),
    EveryFrame(kShots),
    EveryFrame(kFastVolleys, DoubleSpeed),
    EveryFrame(kSlowVolleys, NotDoubleSpeed),
};

constexpr Call kLockWeapons[] = {
    Update<MissileBarrage01>, Update<MissileBarrage02>, Update<MissileBarrage03>, Update<MissileBarrage04>,
    Update<LockShot03>,       Update<LockShot04>,       Update<BossLockShot15>,   Update<BossLockShot16>,
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
    .lockWeapons = kLockWeapons,
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
