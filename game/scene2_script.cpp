// The scene-2 stage: the first one played, entered by F1 or F2 from the
// difficulty selection and by the R key; its boss's death leads to scene 3.
#include "game/stage_script.h"

#include "bosses/aimed_fan.h"
#include "bosses/aimed_line.h"
#include "bosses/boss.h"
#include "bosses/boss_aimed_shot.h"
#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/cluster_drop_shot.h"
#include "enemies/curving_chain_shot.h"
#include "enemies/diagonal_diver.h"
#include "enemies/flame_faller.h"
#include "enemies/lane_diver.h"
#include "enemies/line_shot.h"
#include "enemies/rising_lock_target.h"
#include "enemies/spinning_faller.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/straight_shot.h"
#include "enemies/sweeping_craft.h"
#include "enemies/timed_diagonal_diver.h"
#include "enemies/volley_shot.h"
#include "enemies/zigzag_fighter.h"
#include "game/boss_lock_shot.h"
#include "game/lock_shot.h"
#include "game/missile_barrage.h"
#include "patterns/drops/falling_arm.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"
#include "patterns/streams/spiral_stream.h"

namespace stage {

namespace {

using namespace bosses;
using namespace enemies;
using namespace patterns;

// The boss's attack timeline.
constexpr Call kFan01[] = {Fire<AimedFan01>};
constexpr Call kLines0910[] = {Fire<AimedLine09>, Fire<AimedLine10>};
constexpr Call kLines03To08[] = {Fire<AimedLine03>, Fire<AimedLine04>, Fire<AimedLine05>,
                                 Fire<AimedLine06>, Fire<AimedLine07>, Fire<AimedLine08>};
constexpr Call kSpirals0305[] = {Emit<SpiralStream03>, Emit<SpiralStream05>};
constexpr Call kSpirals0102[] = {Emit<SpiralStream01>, Emit<SpiralStream02>};
constexpr Call kSpirals0406[] = {Emit<SpiralStream04>, Emit<SpiralStream06>};
constexpr Call kArms[] = {Fire<FallingArm01>, Fire<FallingArm02>};
constexpr Call kLines0102[] = {Fire<AimedLine01>, Fire<AimedLine02>};
constexpr Call kFan02[] = {Fire<AimedFan02>};
constexpr Call kFan03[] = {Fire<AimedFan03>};
constexpr Call kFan04[] = {Fire<AimedFan04>};
constexpr Call kTwin0102[] = {Fire<TwinDrop01>, Fire<TwinDrop02>};
constexpr Call kTwin0304[] = {Fire<TwinDrop03>, Fire<TwinDrop04>};
constexpr Call kFormation0102Twin0102[] = {Fire<FormationDrop01>, Fire<FormationDrop02>, Fire<TwinDrop01>,
                                           Fire<TwinDrop02>};
constexpr Call kFormation03[] = {Fire<FormationDrop03>};

constexpr AttackRow kAttacks[] = {
    {0, 200, nullptr, kFan01},
    {600, 900, nullptr, kFan01},
    {1400, 1900, nullptr, kFan01},
    {2300, 2800, nullptr, kLines0910},
    {3300, 3600, nullptr, kLines0910},
    {3600, 4250, nullptr, kLines03To08},
    {0, 3000, nullptr, kSpirals0305},
    {1400, 4300, nullptr, kSpirals0102},
    {2000, 4300, nullptr, kSpirals0406},
    {20, 280, AtDifficulty2Or3, kArms},
    {100, 170, nullptr, kLines0910},
    {170, 200, nullptr, kLines03To08},
    {100, 200, ExtraModes, kLines0102},
    {200, 300, nullptr, kFan02},
    {250, 460, nullptr, kFan03},
    {400, 580, nullptr, kFan04},
    {400, 500, ExtraModes, kLines0102},
    {500, 600, nullptr, kTwin0102},
    {600, 800, nullptr, kTwin0304},
    {600, 720, nullptr, kLines0910},
    {720, 760, nullptr, kLines03To08},
    {800, 900, nullptr, kFormation0102Twin0102},
    {900, 1100, nullptr, kFormation03},
    {1100, 1400, nullptr, kLines03To08},
};

// The craft, moved and drawn on every frame before any window.
constexpr Call kCraft[] = {
    MoveDraw<RisingLockTarget01>,  MoveDraw<RisingLockTarget02>,
    Move<FlameFaller01>,           Move<FlameFaller01>,
    Draw<FlameFaller01>,           MoveDraw<DiagonalDiver02>,
    MoveDraw<DiagonalDiver04>,     MoveDraw<SpinningLockTarget01>,
    MoveDraw<SpinningLockTarget02>, MoveDraw<LaneDiver01>,
    MoveDraw<LaneDiver02>,         MoveDraw<ZigzagFighter05>,
    MoveDraw<ZigzagFighter06>,     MoveDraw<ZigzagFighter07>,
    MoveDraw<ZigzagFighter08>,     MoveDraw<SpinningFaller01>,
    MoveDraw<SpinningFaller02>,    MoveDraw<SpinningFaller03>,
    MoveDraw<SweepingCraft01>,     MoveDraw<SweepingCraft02>,
    MoveDraw<TimedDiagonalDiver01>, MoveDraw<TimedDiagonalDiver02>,
};
constexpr Call kFallerWave[] = {Spawn<FlameFaller01>, Fire<LineShot01>, Fire<CurvingChainShot01>,
                                Fire<CurvingChainShot02>};
constexpr Call kZigzag05[] = {Fire<ZigzagFighter05>};
constexpr Call kZigzag06[] = {Fire<ZigzagFighter06>};
constexpr Call kZigzag07[] = {Fire<ZigzagFighter07>};
constexpr Call kZigzag08[] = {Fire<ZigzagFighter08>};
constexpr Call kDivers[] = {Spawn<DiagonalDiver02>, Fire<LineShot09>, Spawn<DiagonalDiver04>, Fire<LineShot11>};
constexpr Call kSpinningTargets[] = {Fire<SpinningLockTarget01>, Fire<SpinningLockTarget02>};
constexpr Call kSpinner01[] = {Spawn<SpinningFaller01>, Fire<AimedShot03>};
constexpr Call kSpinner02[] = {Spawn<SpinningFaller02>, Fire<AimedShot04>};
constexpr Call kSpinner03[] = {Move<SpinningFaller03>, Move<SpinningFaller03>, Spawn<SpinningFaller03>,
                               Fire<AimedShot05>};
constexpr Call kZigzag0506[] = {Fire<ZigzagFighter05>, Fire<ZigzagFighter06>};
constexpr Call kZigzag0708[] = {Fire<ZigzagFighter07>, Fire<ZigzagFighter08>};
constexpr Call kTimedDivers[] = {Fire<TimedDiagonalDiver01>, Fire<StraightShot41>, Fire<StraightShot42>,
                                 Fire<StraightShot43>,       Fire<StraightShot44>, Fire<TimedDiagonalDiver02>,
                                 Fire<StraightShot56>,       Fire<StraightShot57>, Fire<StraightShot58>,
                                 Fire<StraightShot59>};

constexpr ProgressRow kSmallFry[] = {
    EveryFrame(kCraft),
    {120, 170, nullptr, kFallerWave},
    {160, 200, nullptr, kZigzag05},
    {200, 250, nullptr, kZigzag06},
    {250, 400, nullptr, kFallerWave},
    {400, 450, nullptr, kZigzag07},
    {500, 550, nullptr, kZigzag08},
    {550, 600, nullptr, kDivers},
    {600, 650, nullptr, kSpinningTargets},
    {650, 750, nullptr, kSpinner01},
    {750, 850, nullptr, kSpinner02},
    {800, 900, nullptr, kSpinner03},
    {900, 960, nullptr, kZigzag0506},
    {950, 1000, nullptr, kZigzag0708},
    {950, 1050, nullptr, kDivers},
    {1050, 1150, nullptr, kTimedDivers},
    {1150, 1200, nullptr, kZigzag0708},
    {1150, 1180, nullptr, kSpinner03},
};

constexpr Window kPowerUps[] = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {950, 1000}};

// The bullets, each updated then drawn, boss patterns first.
constexpr Call kBossPatterns[] = {
    UpdateDraw<FallingArm01>,    UpdateDraw<FallingArm02>,    UpdateDraw<AimedLine03>,   UpdateDraw<AimedLine04>,
    UpdateDraw<AimedLine05>,     UpdateDraw<AimedLine06>,     UpdateDraw<AimedLine07>,   UpdateDraw<AimedLine08>,
    UpdateDraw<BossAimedShot01>, UpdateDraw<AimedLine09>,     UpdateDraw<AimedLine10>,   UpdateDraw<AimedLine01>,
    UpdateDraw<AimedLine02>,     UpdateDraw<AimedFan02>,      UpdateDraw<AimedFan01>,    UpdateDraw<AimedFan03>,
    UpdateDraw<TwinDrop03>,      UpdateDraw<TwinDrop04>,      UpdateDraw<TwinDrop01>,    UpdateDraw<TwinDrop02>,
    UpdateDraw<FormationDrop01>, UpdateDraw<FormationDrop02>, UpdateDraw<FormationDrop03>, UpdateDraw<SmallDrop01>,
    UpdateDraw<SmallDrop02>,     UpdateDraw<SmallDrop03>,     UpdateDraw<AimedFan04>,    UpdateDraw<SpiralStream01>,
    UpdateDraw<SpiralStream02>,  UpdateDraw<SpiralStream03>,  UpdateDraw<SpiralStream05>, UpdateDraw<SpiralStream04>,
    UpdateDraw<SpiralStream06>,  UpdateDraw<SpiralStream07>,  UpdateDraw<SpiralStream08>, UpdateDraw<SpiralStream09>,
    UpdateDraw<SpiralStream10>,  UpdateDraw<SpiralStream11>,  UpdateDraw<SpiralStream12>,
};
constexpr Call kFormationsAgain[] = {Update<FormationDrop01>, Update<FormationDrop02>};
constexpr Call kShots[] = {
    UpdateDraw<AimedShot01>,       UpdateDraw<AimedShot02>,       UpdateDraw<AimedShot03>,
    UpdateDraw<AimedShot04>,       UpdateDraw<AimedShot05>,       UpdateDraw<AimedShot08>,
    UpdateDraw<AimedShot09>,       UpdateDraw<AimedShot10>,       UpdateDraw<AimedShot11>,
    UpdateDraw<AimedLineShot19>,   UpdateDraw<AimedLineShot20>,   UpdateDraw<AimedLineShot21>,
    UpdateDraw<AimedLineShot22>,   UpdateDraw<StraightShot41>,    UpdateDraw<StraightShot42>,
    UpdateDraw<StraightShot43>,    UpdateDraw<StraightShot44>,    UpdateDraw<StraightShot56>,
    UpdateDraw<StraightShot57>,    UpdateDraw<StraightShot58>,    UpdateDraw<StraightShot59>,
    UpdateDraw<VolleyShot15>,      UpdateDraw<ClusterDropShot01>, UpdateDraw<ClusterDropShot02>,
    UpdateDraw<LineShot01>,        UpdateDraw<CurvingChainShot01>, UpdateDraw<CurvingChainShot02>,
    UpdateDraw<LineShot09>,        UpdateDraw<LineShot11>,
};
constexpr Call kShotsAgain[] = {Update<VolleyShot12>, Draw<VolleyShot12>, Update<ClusterDropShot01>,
                                Update<ClusterDropShot02>};
constexpr Call kAimedShotsAgain[] = {Update<AimedShot01>, Update<AimedShot02>, Update<AimedShot03>};

constexpr ProgressRow kBullets[] = {
    EveryFrame(kBossPatterns),
    EveryFrame(kFormationsAgain, DoubleSpeed),
    EveryFrame(kShots),
    EveryFrame(kShotsAgain, DoubleSpeed),
    EveryFrame(kAimedShotsAgain, NotLevelMode1),
};

using namespace lockon;

constexpr Call kLockWeapons[] = {
    Update<LockShot01>,      Update<LockShot02>,      Update<MissileBarrage01>, Update<MissileBarrage02>,
    Update<MissileBarrage03>, Update<MissileBarrage04>, Update<LockShot03>,       Update<LockShot04>,
    Update<LockShot05>,      Update<LockShot06>,      Update<LockShot07>,       Update<LockShot08>,
    Update<BossLockShot01>,  Update<BossLockShot02>,
};

}  // namespace

const StageScript Scene2Script = {
    .music = "MIDI/KTSM1.MID",
    .musicOnFirstFrame = false,
    .rate = 20,
    .boss = BossFight<Scene2BossOps>(1100, 10100, 1010, {4300, 4300, 4300, 4300}, 10000, kAttacks),
    .early = {},
    .smallFry = kSmallFry,
    .powerUps = kPowerUps,
    .powerUpMovesFirst = false,
    .bullets = kBullets,
    .sidePanels = false,
    .bombNeedsVolleyOff = true,
    .runsVolley = true,
    .lockWeapons = kLockWeapons,
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
