// The scene-7 stage: no scene change leads here; its boss, which fires the
// lightning chains, leads to scene 8 by its death. Its music starts on the
// scene's first frame.
#include "game/stage_script.h"

#include "bosses/aimed_ring.h"
#include "bosses/boss.h"
#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/cluster_drop_shot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/flame_faller.h"
#include "enemies/lane_diver.h"
#include "enemies/large_craft.h"
#include "enemies/ring_shot.h"
#include "enemies/rising_lock_target.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_faller.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/straight_shot.h"
#include "enemies/sweeping_craft.h"
#include "enemies/timed_diagonal_diver.h"
#include "enemies/twin_drop_shot.h"
#include "enemies/volley_shot.h"
#include "enemies/zigzag_fighter.h"
#include "game/boss_lock_shot.h"
#include "game/lock_shot.h"
#include "game/missile_barrage.h"
#include "game/stage_rows.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/lightning_chain.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"

namespace stage {

namespace {

using namespace bosses;
using namespace enemies;
using namespace lockon;
using namespace patterns;

// The boss's attack timeline.
constexpr Call kChains0102[] = {Spawn<LightningChain01>, Spawn<LightningChain02>};
constexpr Call kChains0304[] = {Spawn<LightningChain03>, Spawn<LightningChain04>};
constexpr Call kChains0506[] = {Spawn<LightningChain05>, Spawn<LightningChain06>};
constexpr Call kFormation18[] = {Fire<FormationDrop18>};
constexpr Call kTwin1213[] = {Fire<TwinDrop12>, Fire<TwinDrop13>};
constexpr Call kRing09[] = {Fire<AimedRing09>};
constexpr Call kFormation2324[] = {Fire<FormationDrop23>, Fire<FormationDrop24>};
constexpr Call kFormation2122[] = {Fire<FormationDrop21>, Fire<FormationDrop22>};
constexpr Call kFormation1920[] = {Fire<FormationDrop19>, Fire<FormationDrop20>};

constexpr AttackRow kAttacks[] = {
    {30, 100, nullptr, kChains0102},
    {100, 150, nullptr, kFormation18},
    {0, 170, nullptr, kTwin1213},
    {200, 300, nullptr, kChains0102},
    {220, 320, nullptr, kChains0304},
    {240, 340, nullptr, kChains0506},
    {360, 500, nullptr, kChains0102},
    {370, 510, nullptr, kChains0304},
    {380, 520, nullptr, kChains0506},
    {450, 600, nullptr, kRing09},
    {400, 600, nullptr, kFormation2324},
    {600, 950, nullptr, kTwin1213},
    {650, 900, nullptr, kFormation2122},
    {700, 900, nullptr, kFormation18},
    {800, 950, nullptr, kFormation1920},
    {900, 1300, nullptr, kChains0102},
    {910, 1310, nullptr, kChains0304},
    {920, 1320, nullptr, kChains0506},
    {950, 1500, nullptr, kFormation2122},
    {1100, 1500, nullptr, kFormation1920},
    {1450, 1550, nullptr, kTwin1213},
    {1150, 1600, nullptr, kRing09},
};

// A first group of craft moved and drawn together, then its windows.
constexpr Call kCraft[] = {
    MoveDraw<RisingLockTarget01>,   MoveDraw<RisingLockTarget02>,   Move<FlameFaller01>,
    Move<FlameFaller01>,            Draw<FlameFaller01>,            MoveDraw<DiagonalDiver02>,
    MoveDraw<DiagonalDiver04>,      MoveDraw<SpinningLockTarget01>, MoveDraw<SpinningLockTarget02>,
    MoveDraw<LaneDiver01>,          MoveDraw<LaneDiver02>,          MoveDraw<ZigzagFighter05>,
    MoveDraw<ZigzagFighter06>,      MoveDraw<SpinningFaller01>,     MoveDraw<SpinningFaller02>,
    MoveDraw<SpinningFaller03>,     MoveDraw<SweepingCraft01>,      MoveDraw<SweepingCraft02>,
    MoveDraw<TimedDiagonalDiver01>, MoveDraw<TimedDiagonalDiver02>,
};
constexpr Call kFaller01[] = {Spawn<FlameFaller01>};
constexpr Call kZigzag0506[] = {Fire<ZigzagFighter05>, Fire<ZigzagFighter06>};
constexpr Call kDivers[] = {Spawn<DiagonalDiver02>, Spawn<DiagonalDiver04>};
constexpr Call kSpinner01[] = {Spawn<SpinningFaller01>, Fire<AimedShot03>};
constexpr Call kSpinner02[] = {Spawn<SpinningFaller02>, Fire<AimedShot04>};
constexpr Call kSpinner03[] = {Move<SpinningFaller03>, Move<SpinningFaller03>, Spawn<SpinningFaller03>,
                               Fire<AimedShot05>};
constexpr Call kSpinningTargets[] = {Fire<SpinningLockTarget01>, Fire<SpinningLockTarget02>};
constexpr Call kTimedDivers[] = {Fire<TimedDiagonalDiver01>, Fire<StraightShot41>, Fire<StraightShot42>,
                                 Fire<StraightShot43>,       Fire<StraightShot44>, Fire<TimedDiagonalDiver02>,
                                 Fire<StraightShot56>,       Fire<StraightShot57>, Fire<StraightShot58>,
                                 Fire<StraightShot59>};

// Then the crossing spinners, the side gliders and the two large craft, each
// followed at once by its own windows.
constexpr Call kCrossingSpawn[] = {
    Spawn<CrossingSpinner01>,  When<DoubleSpeed, Fire<StraightShot04>>, When<DoubleSpeed, Fire<StraightShot05>>,
    Fire<StraightShot06>,      Spawn<CrossingSpinner02>,                When<DoubleSpeed, Fire<StraightShot07>>,
    Fire<StraightShot08>,      When<DoubleSpeed, Fire<StraightShot09>>,
};
constexpr Call kLarge03[] = {MoveDraw<LargeCraft03>};
constexpr Call kLarge03Spawn[] = {Spawn<LargeCraft03>, When<DoubleSpeed, Fire<VolleyShot15>>,
                                  When<ExtraModes, Fire<TwinDropShot03>>, When<DoubleSpeed, Fire<TwinDropShot04>>,
                                  When<DoubleSpeed, Fire<RingShot01>>};
constexpr Call kLarge02Spawn[] = {Spawn<LargeCraft02>,   Fire<VolleyShot09>,
                                  Fire<VolleyShot10>,    Fire<VolleyShot11>,
                                  When<DoubleSpeed, Fire<VolleyShot12>>,   Fire<TwinDropShot01>,
                                  When<DoubleSpeed, Fire<TwinDropShot02>>, When<DoubleSpeed, Fire<VolleyShot13>>,
                                  When<DoubleSpeed, Fire<VolleyShot14>>};

constexpr ProgressRow kSmallFry[] = {
    EveryFrame(kCraft),
    {160, 200, nullptr, rows::kZigzagFighter05Fire},
    {200, 250, nullptr, rows::kZigzagFighter06Fire},
    {250, 300, nullptr, kFaller01},
    {200, 250, nullptr, kZigzag0506},
    {300, 350, nullptr, kDivers},
    {350, 450, nullptr, rows::kSpinningLockTarget01Fire},
    {450, 500, nullptr, rows::kSpinningLockTarget02Fire},
    {500, 700, nullptr, kSpinner01},
    {600, 800, nullptr, kSpinner02},
    {800, 900, nullptr, kSpinner03},
    {750, 850, nullptr, kSpinningTargets},
    {850, 950, nullptr, kZigzag0506},
    {900, 980, nullptr, kSpinner03},
    {950, 1050, nullptr, kDivers},
    {1050, 1200, nullptr, kTimedDivers},
    EveryFrame(rows::kCrossingSpinners),
    {600, 680, nullptr, kCrossingSpawn},
    {800, 900, nullptr, rows::kCrossingSpinnersWave},
    {1000, 1100, nullptr, rows::kCrossingSpinnersWave},
    EveryFrame(rows::kSideGliders),
    {560, 600, nullptr, rows::kSideGlidersWave},
    {800, 900, nullptr, rows::kSideGlidersWave},
    {1000, 1200, nullptr, rows::kSideGlidersWave},
    EveryFrame(kLarge03),
    {520, 950, nullptr, kLarge03Spawn},
    EveryFrame(rows::kLargeCraft02),
    {600, 980, nullptr, kLarge02Spawn},
};

// The bullets, each updated then drawn, boss patterns first.
constexpr Call kBossPatterns[] = {
    UpdateDraw<FormationDrop21>,  UpdateDraw<FormationDrop22>,  UpdateDraw<FormationDrop19>,
    UpdateDraw<FormationDrop20>,  UpdateDraw<FormationDrop23>,  UpdateDraw<FormationDrop24>,
    UpdateDraw<FormationDrop18>,  UpdateDraw<LightningChain01>, UpdateDraw<LightningChain02>,
    UpdateDraw<LightningChain03>, UpdateDraw<LightningChain04>, UpdateDraw<LightningChain05>,
    UpdateDraw<LightningChain06>, UpdateDraw<AimedRing09>,      UpdateDraw<SmallDrop34>,
    UpdateDraw<SmallDrop35>,      UpdateDraw<SmallDrop36>,      UpdateDraw<SmallDrop37>,
    UpdateDraw<SmallDrop38>,      UpdateDraw<SmallDrop39>,      UpdateDraw<SmallDrop40>,
    UpdateDraw<SmallDrop41>,      UpdateDraw<SmallDrop42>,      UpdateDraw<TwinDrop12>,
    UpdateDraw<TwinDrop13>,
};
constexpr Call kShots[] = {
    UpdateDraw<AimedShot01>,       UpdateDraw<AimedShot02>,       UpdateDraw<AimedShot03>,
    UpdateDraw<AimedShot04>,       UpdateDraw<AimedShot05>,       UpdateDraw<StraightShot04>,
    UpdateDraw<StraightShot05>,    UpdateDraw<StraightShot06>,    UpdateDraw<AimedLineShot01>,
    UpdateDraw<StraightShot07>,    UpdateDraw<StraightShot08>,    UpdateDraw<StraightShot09>,
    UpdateDraw<AimedLineShot04>,   UpdateDraw<StraightShot15>,    UpdateDraw<StraightShot16>,
    UpdateDraw<StraightShot17>,    UpdateDraw<StraightShot18>,    UpdateDraw<StraightShot19>,
    UpdateDraw<StraightShot20>,    UpdateDraw<AimedShot08>,       UpdateDraw<AimedShot09>,
    UpdateDraw<AimedLineShot19>,   UpdateDraw<AimedLineShot20>,   UpdateDraw<AimedLineShot21>,
    UpdateDraw<AimedLineShot22>,   UpdateDraw<StraightShot41>,    UpdateDraw<StraightShot42>,
    UpdateDraw<StraightShot43>,    UpdateDraw<StraightShot44>,    UpdateDraw<StraightShot56>,
    UpdateDraw<StraightShot57>,    UpdateDraw<StraightShot58>,    UpdateDraw<StraightShot59>,
    UpdateDraw<VolleyShot15>,      UpdateDraw<ClusterDropShot01>, UpdateDraw<ClusterDropShot02>,
    UpdateDraw<VolleyShot09>,      UpdateDraw<VolleyShot10>,      UpdateDraw<VolleyShot11>,
};
constexpr Call kShotsAgain[] = {Update<VolleyShot12>, Draw<VolleyShot12>, Update<ClusterDropShot01>,
                                Update<ClusterDropShot02>};
constexpr Call kAimedShotsAgain[] = {Update<AimedShot01>, Update<AimedShot02>, Update<AimedShot03>};
constexpr Call kMoreShots[] = {
    UpdateDraw<ClusterDropShot01>, UpdateDraw<ClusterDropShot02>, UpdateDraw<ClusterDropShot05>,
    UpdateDraw<ClusterDropShot06>, UpdateDraw<AimedLineShot11>,   UpdateDraw<AimedLineShot12>,
    UpdateDraw<AimedLineShot13>,   UpdateDraw<AimedLineShot14>,   UpdateDraw<AimedLineShot15>,
    UpdateDraw<AimedLineShot16>,   UpdateDraw<AimedLineShot17>,   UpdateDraw<AimedLineShot18>,
};
constexpr Call kFastVolleys[] = {UpdateDraw<VolleyShot13>, UpdateDraw<VolleyShot14>};
constexpr Call kSlowVolleys[] = {UpdateDraw<VolleyShot12>, UpdateDraw<TwinDropShot01>, UpdateDraw<TwinDropShot02>};
constexpr Call kLastShots[] = {UpdateDraw<TwinDropShot03>, UpdateDraw<TwinDropShot04>, UpdateDraw<ClusterDropShot07>};

constexpr ProgressRow kBullets[] = {
    EveryFrame(kBossPatterns),
    EveryFrame(kShots),
    EveryFrame(kShotsAgain, DoubleSpeed),
    EveryFrame(kAimedShotsAgain, NotLevelMode1),
    EveryFrame(kMoreShots),
    EveryFrame(kFastVolleys, DoubleSpeed),
    EveryFrame(kSlowVolleys, NotDoubleSpeed),
    EveryFrame(kLastShots),
};

constexpr Call kLockWeapons[] = {
    Update<LockShot01>,       Update<LockShot02>,       Update<MissileBarrage01>, Update<MissileBarrage02>,
    Update<MissileBarrage03>, Update<MissileBarrage04>, Update<LockShot03>,       Update<LockShot04>,
    Update<LockShot05>,       Update<LockShot06>,       Update<LockShot07>,       Update<LockShot08>,
    Update<BossLockShot11>,   Update<BossLockShot12>,
};

}  // namespace

const StageScript Scene7Script = {
    .music = "MIDI/QVN.MID",
    .musicOnFirstFrame = true,
    .rate = 13,
    .boss = BossFight<Scene7BossOps>(1250, 11100, 1380, {1610, 1610, 1610, 1610}, 11000, kAttacks),
    .early = {},
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
