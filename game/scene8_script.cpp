// The scene-8 stage: the last one played; its boss's death leads to the ending.
#include "game/stage_script.h"

#include "bosses/aimed_ring.h"
#include "bosses/boss.h"
#include "enemies/aimed_shot.h"
#include "enemies/cluster_drop_shot.h"
#include "enemies/curving_chain_shot.h"
#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/line_shot.h"
#include "enemies/spinning_faller.h"
#include "enemies/spiral_shot.h"
#include "enemies/straight_shot.h"
#include "enemies/sweeping_craft.h"
#include "enemies/timed_diagonal_diver.h"
#include "enemies/volley_shot.h"
#include "enemies/zigzag_fighter.h"
#include "game/boss_lock_shot.h"
#include "game/lock_shot.h"
#include "game/missile_barrage.h"
#include "game/stage_rows.h"
#include "patterns/drops/falling_arm.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/twin_drop.h"
#include "patterns/streams/spiral_stream.h"
#include "patterns/streams/step_stream.h"

namespace stage {

namespace {

using namespace bosses;
using namespace enemies;
using namespace lockon;
using namespace patterns;

// The boss's attack timeline: difficulty 1 and the higher ones run their
// own streams on cycles of their own lengths.
constexpr Call kSpirals1718[] = {Emit<SpiralStream17>, Emit<SpiralStream18>};
constexpr Call kSpirals13To16[] = {Emit<SpiralStream13>, Emit<SpiralStream14>, Emit<SpiralStream15>,
                                   Emit<SpiralStream16>};
constexpr Call kSpirals17To20[] = {Emit<SpiralStream17>, Emit<SpiralStream18>, Emit<SpiralStream19>,
                                   Emit<SpiralStream20>};
constexpr Call kWiggles[] = {Emit<WiggleStream01>, Emit<WiggleStream02>, Emit<WiggleStream03>, Emit<WiggleStream04>,
                             Emit<WiggleStream05>, Emit<WiggleStream06>, Emit<WiggleStream07>, Emit<WiggleStream08>};
constexpr Call kSpirals2122[] = {Emit<SpiralStream21>, Emit<SpiralStream22>};
constexpr Call kFormations1415[] = {Fire<FormationDrop14>, Fire<FormationDrop15>};
constexpr Call kFormations1617[] = {Fire<FormationDrop16>, Fire<FormationDrop17>};
constexpr Call kRing05[] = {Fire<AimedRing05>};
constexpr Call kFormation13[] = {Fire<FormationDrop13>};
constexpr Call kTwins0708[] = {Fire<TwinDrop07>, Fire<TwinDrop08>};
constexpr Call kRing12[] = {Fire<AimedRing12>};
constexpr Call kArms0304[] = {Fire<FallingArm03>, Fire<FallingArm04>};
constexpr Call kRing03[] = {Fire<AimedRing03>};
constexpr Call kRing06[] = {Fire<AimedRing06>};
constexpr Call kArms0506[] = {Fire<FallingArm05>, Fire<FallingArm06>};

constexpr AttackRow kAttacks[] = {
    {5, 500, nullptr, kSpirals1718},
    {1500, 2500, AtDifficulty1, kSpirals13To16},
    {2000, 2500, AtDifficulty1, kSpirals17To20},
    {2350, 2800, AtDifficulty1, kWiggles},
    {2510, 3000, AtDifficulty1, kSpirals2122},
    {1900, 3300, AtDifficulty2Or3, kSpirals13To16},
    {2400, 3300, AtDifficulty2Or3, kSpirals17To20},
    {3310, 4000, AtDifficulty2Or3, kSpirals2122},
    {3800, 4390, AtDifficulty2Or3, kWiggles},
    {0, 400, nullptr, kWiggles},
    {50, 100, nullptr, kFormations1415},
    {100, 400, nullptr, kFormations1617},
    {150, 400, nullptr, kFormations1415},
    {400, 600, nullptr, kRing05},
    {450, 500, nullptr, kFormation13},
    {500, 700, nullptr, kFormations1415},
    {480, 580, nullptr, kTwins0708},
    {700, 1000, nullptr, kFormations1415},
    {880, 1080, nullptr, kRing12},
    {680, 980, AtDifficulty2Or3, kArms0304},
    {750, 1100, nullptr, kFormations1617},
    {1100, 1500, AtDifficulty2Or3, kArms0304},
    {1270, 1400, nullptr, kFormations1617},
    {1300, 1400, nullptr, kFormations1415},
    {1340, 1500, nullptr, kRing03},
    {1800, 2100, nullptr, kRing05},
    {2100, 2400, nullptr, kRing06},
    {1500, 1960, AtDifficulty2Or3, kArms0506},
    {1750, 1900, AtDifficulty2Or3, kArms0304},
};

// The craft, one family after the other, each followed by its windows; a
// row with several windows is one row per window. Some craft move two or
// three times a frame, and the fallers' line shots start on every frame.
constexpr Call kFaller01[] = {Move<FlameFaller01>, Move<FlameFaller01>, Move<FlameFaller01>, Draw<FlameFaller01>,
                              Fire<LineShot01>};
constexpr Call kFaller01Spawn[] = {Spawn<FlameFaller01>};
constexpr Call kFaller02[] = {When<DoubleSpeed, Move<FlameFaller02>>, Move<FlameFaller02>, Draw<FlameFaller02>};
constexpr Call kFaller02Wave[] = {Spawn<FlameFaller02>, Fire<LineShot02>, Fire<StraightShot01>, Fire<StraightShot02>,
                                  Fire<StraightShot03>};
constexpr Call kSpinningFaller01[] = {When<DoubleSpeed, Move<SpinningFaller01>>, Move<SpinningFaller01>,
                                      Draw<SpinningFaller01>};
constexpr Call kSpinningFaller01Wave[] = {Spawn<SpinningFaller01>, Fire<AimedShot03>};
constexpr Call kSpinningFaller02[] = {Move<SpinningFaller02>, Move<SpinningFaller02>, Draw<SpinningFaller02>};
constexpr Call kSpinningFaller02Wave[] = {Spawn<SpinningFaller02>, Fire<AimedShot04>};
constexpr Call kSpinningFaller03[] = {Move<SpinningFaller03>, Move<SpinningFaller03>, Draw<SpinningFaller03>};
constexpr Call kSpinningFaller03Wave[] = {Spawn<SpinningFaller03>, Fire<AimedShot05>};
constexpr Call kLarge01Wave[] = {Spawn<DiagonalLargeCraft01>, Fire<StraightShot21>, Fire<StraightShot22>,
                                 Fire<StraightShot23>,        Fire<StraightShot24>, Fire<StraightShot25>,
                                 Fire<VolleyShot04>,          Fire<VolleyShot05>};
constexpr Call kLarge02Wave[] = {Spawn<DiagonalLargeCraft02>, Fire<StraightShot26>, Fire<StraightShot27>,
                                 Fire<StraightShot28>,        Fire<StraightShot29>, Fire<StraightShot30>,
                                 Fire<VolleyShot07>,          Fire<VolleyShot08>};
constexpr Call kDiver01Wave[] = {Spawn<DiagonalDiver01>, Fire<LineShot08>};
constexpr Call kDiver03Wave[] = {Spawn<DiagonalDiver03>, Fire<LineShot10>};
constexpr Call kTimedDivers[] = {MoveDraw<TimedDiagonalDiver01>, MoveDraw<TimedDiagonalDiver02>};
constexpr Call kTimedDiversWave[] = {Fire<TimedDiagonalDiver01>, Fire<StraightShot41>, Fire<StraightShot42>,
                                     Fire<StraightShot43>,       Fire<StraightShot44>, Fire<TimedDiagonalDiver02>,
                                     Fire<StraightShot56>,       Fire<StraightShot57>, Fire<StraightShot58>,
                                     Fire<StraightShot59>};
constexpr Call kSweepers0102[] = {MoveDraw<SweepingCraft01>, MoveDraw<SweepingCraft02>};
constexpr Call kSweepers0102Wave[] = {Spawn<SweepingCraft01>, Spawn<SweepingCraft02>, Fire<SpiralShot01>,
                                      Fire<SpiralShot02>,     Fire<SpiralShot03>,     Fire<SpiralShot04>};

constexpr ProgressRow kSmallFry[] = {
    EveryFrame(kFaller01),
    {100, 200, nullptr, kFaller01Spawn},
    EveryFrame(kFaller02),
    {200, 400, nullptr, kFaller02Wave},
    {900, 1200, nullptr, kFaller02Wave},
    EveryFrame(kSpinningFaller01),
    {500, 650, nullptr, kSpinningFaller01Wave},
    EveryFrame(kSpinningFaller02),
    {600, 750, nullptr, kSpinningFaller02Wave},
    EveryFrame(kSpinningFaller03),
    {650, 900, nullptr, kSpinningFaller03Wave},
    EveryFrame(rows::kDiagonalLargeCraft01),
    {500, 650, nullptr, kLarge01Wave},
    {920, 1000, nullptr, kLarge01Wave},
    EveryFrame(rows::kDiagonalLargeCraft02),
    {500, 650, nullptr, kLarge02Wave},
    {920, 1000, nullptr, kLarge02Wave},
    EveryFrame(rows::kZigzagFighter05),
    {50, 100, nullptr, rows::kZigzagFighter05Fire},
    {430, 500, nullptr, rows::kZigzagFighter05Fire},
    {830, 900, nullptr, rows::kZigzagFighter05Fire},
    {920, 1000, nullptr, rows::kZigzagFighter05Fire},
    EveryFrame(rows::kZigzagFighter06),
    {50, 100, nullptr, rows::kZigzagFighter06Fire},
    {400, 500, nullptr, rows::kZigzagFighter06Fire},
    {850, 900, nullptr, rows::kZigzagFighter06Fire},
    {920, 1000, nullptr, rows::kZigzagFighter06Fire},
    EveryFrame(rows::kDiagonalDiver01),
    {820, 900, nullptr, kDiver01Wave},
    {1100, 1230, nullptr, kDiver01Wave},
    EveryFrame(rows::kDiagonalDiver03),
    {820, 900, nullptr, kDiver03Wave},
    {1100, 1230, nullptr, kDiver03Wave},
    EveryFrame(kTimedDivers),
    {1220, 1310, nullptr, kTimedDiversWave},
    EveryFrame(kSweepers0102),
    {600, 640, nullptr, kSweepers0102Wave},
    {770, 810, nullptr, kSweepers0102Wave},
    EveryFrame(rows::kSweepingCraft0304),
    {250, 300, nullptr, rows::kSweepingCraft0304Spawn},
    {660, 700, nullptr, rows::kSweepingCraft0304Spawn},
    EveryFrame(rows::kSweepingCraft0506),
    {700, 750, nullptr, rows::kSweepingCraft0506Spawn},
};

// The bullets, each updated then drawn, boss patterns first; the scene-3
// boss's patterns among them are never started here.
constexpr Call kArms[] = {UpdateDraw<FallingArm03>, UpdateDraw<FallingArm04>, UpdateDraw<FallingArm05>,
                          UpdateDraw<FallingArm06>};
constexpr Call kRings0506[] = {UpdateDraw<AimedRing05>, UpdateDraw<AimedRing06>};
constexpr Call kStreams[] = {
    UpdateDraw<AimedRing12>,    UpdateDraw<SpiralStream13>, UpdateDraw<SpiralStream14>, UpdateDraw<SpiralStream15>,
    UpdateDraw<SpiralStream16>, UpdateDraw<SpiralStream17>, UpdateDraw<SpiralStream18>, UpdateDraw<SpiralStream19>,
    UpdateDraw<SpiralStream20>, UpdateDraw<SpiralStream21>, UpdateDraw<SpiralStream22>, UpdateDraw<WiggleStream01>,
    UpdateDraw<WiggleStream02>, UpdateDraw<WiggleStream03>, UpdateDraw<WiggleStream04>, UpdateDraw<WiggleStream05>,
    UpdateDraw<WiggleStream06>, UpdateDraw<WiggleStream07>, UpdateDraw<WiggleStream08>,
};
constexpr Call kFallerShots[] = {UpdateDraw<StraightShot01>, UpdateDraw<StraightShot02>, UpdateDraw<StraightShot03>};
constexpr Call kSpinningFallerShots[] = {When<DoubleSpeed, Update<AimedShot03>>, UpdateDraw<AimedShot03>,
                                         When<DoubleSpeed, Update<AimedShot04>>, UpdateDraw<AimedShot04>,
                                         UpdateDraw<AimedShot05>};
constexpr Call kShots[] = {
    UpdateDraw<StraightShot31>,     UpdateDraw<StraightShot32>,     UpdateDraw<StraightShot33>,
    UpdateDraw<StraightShot34>,     UpdateDraw<StraightShot35>,     UpdateDraw<StraightShot46>,
    UpdateDraw<StraightShot47>,     UpdateDraw<StraightShot48>,     UpdateDraw<StraightShot49>,
    UpdateDraw<StraightShot50>,     UpdateDraw<StraightShot41>,     UpdateDraw<StraightShot42>,
    UpdateDraw<StraightShot43>,     UpdateDraw<StraightShot44>,     UpdateDraw<StraightShot56>,
    UpdateDraw<StraightShot57>,     UpdateDraw<StraightShot58>,     UpdateDraw<StraightShot59>,
    UpdateDraw<AimedShot08>,        UpdateDraw<AimedShot09>,        UpdateDraw<SpiralShot01>,
    UpdateDraw<SpiralShot02>,       UpdateDraw<ClusterDropShot01>,  UpdateDraw<SpiralShot03>,
    UpdateDraw<SpiralShot04>,       UpdateDraw<ClusterDropShot02>,  UpdateDraw<ClusterDropShot03>,
    UpdateDraw<ClusterDropShot04>,  UpdateDraw<ClusterDropShot05>,  UpdateDraw<ClusterDropShot06>,
    UpdateDraw<LineShot01>,         UpdateDraw<LineShot02>,         UpdateDraw<LineShot08>,
    UpdateDraw<LineShot10>,         UpdateDraw<CurvingChainShot03>, UpdateDraw<CurvingChainShot04>,
    UpdateDraw<CurvingChainShot05>, UpdateDraw<CurvingChainShot06>,
};

constexpr ProgressRow kBullets[] = {
    EveryFrame(rows::kScene3BossDrops),
    EveryFrame(kArms),
    EveryFrame(rows::kScene8BossFormations),
    EveryFrame(kRings0506),
    EveryFrame(rows::kScene8BossDrops),
    EveryFrame(kStreams),
    EveryFrame(rows::kScene8BossFormationsAgain, DoubleSpeed),
    EveryFrame(kFallerShots),
    EveryFrame(rows::kStraightShots01To03Again, DoubleSpeed),
    EveryFrame(kSpinningFallerShots),
    EveryFrame(rows::kDiagonalLargeCraftShots),
    EveryFrame(kShots),
};

// No missile barrage is fired here.
constexpr Call kLockWeapons[] = {
    Update<MissileBarrage01>, Update<MissileBarrage02>, Update<MissileBarrage03>, Update<MissileBarrage04>,
    Update<LockShot03>,       Update<LockShot04>,       Update<BossLockShot13>,   Update<BossLockShot14>,
    Update<BossLockShot05>,   Update<BossLockShot06>,
};

}  // namespace

const StageScript Scene8Script = {
    .music = "MIDI/KTSM5.MID",
    .musicOnFirstFrame = false,
    .rate = 20,
    .boss = BossFight<Scene8BossOps>(1260, 11100, 1480, {3000, 3000, 4390, 4390}, 11000, kAttacks),
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
    .continueBombs = 3,
};

}  // namespace stage
