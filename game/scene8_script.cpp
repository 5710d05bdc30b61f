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
constexpr Call kSpirals13To16[] = {Emit<SpiralStream13>, Emit<SpiralStream14>, Emit<SpiralStream15>,
                                   Emit<SpiralStream16>};
constexpr Call kSpirals17To20[] = {Emit<SpiralStream17>, Emit<SpiralStream18>, Emit<SpiralStream19>,
                                   Emit<SpiralStream20>};
constexpr Call kWiggles[] = {Emit<WiggleStream01>, Emit<WiggleStream02>, Emit<WiggleStream03>, Emit<WiggleStream04>,
                             Emit<WiggleStream05>, Emit<WiggleStream06>, Emit<WiggleStream07>, Emit<WiggleStream08>};

constexpr AttackRow kAttacks[] = {
    // Two spiral arms turn out of the boss early in the cycle.
    {5, 500, nullptr, Calls<Emit<SpiralStream17>, Emit<SpiralStream18>>},
    // At difficulty 1: four spiral arms, four more, wiggle streams and a last pair of arms.
    {1500, 2500, AtDifficulty1, kSpirals13To16},
    {2000, 2500, AtDifficulty1, kSpirals17To20},
    {2350, 2800, AtDifficulty1, kWiggles},
    {2510, 3000, AtDifficulty1, Calls<Emit<SpiralStream21>, Emit<SpiralStream22>>},
    // At difficulty 2 and 3 the same, later and longer.
    {1900, 3300, AtDifficulty2Or3, kSpirals13To16},
    {2400, 3300, AtDifficulty2Or3, kSpirals17To20},
    {3310, 4000, AtDifficulty2Or3, Calls<Emit<SpiralStream21>, Emit<SpiralStream22>>},
    {3800, 4390, AtDifficulty2Or3, kWiggles},
    // Eight wiggle streams open the cycle, among arcs of formation drops.
    {0, 400, nullptr, kWiggles},
    {50, 100, nullptr, Calls<Fire<FormationDrop14>, Fire<FormationDrop15>>},
    {100, 400, nullptr, Calls<Fire<FormationDrop16>, Fire<FormationDrop17>>},
    {150, 400, nullptr, Calls<Fire<FormationDrop14>, Fire<FormationDrop15>>},
    // Rings of spinning balls, formations and twin drops.
    {400, 600, nullptr, Calls<Fire<AimedRing05>>},
    {450, 500, nullptr, Calls<Fire<FormationDrop13>>},
    {500, 700, nullptr, Calls<Fire<FormationDrop14>, Fire<FormationDrop15>>},
    {480, 580, nullptr, Calls<Fire<TwinDrop07>, Fire<TwinDrop08>>},
    {700, 1000, nullptr, Calls<Fire<FormationDrop14>, Fire<FormationDrop15>>},
    {880, 1080, nullptr, Calls<Fire<AimedRing12>>},
    // At difficulty 2 and 3, falling arms slide down from under the boss, between formations.
    {680, 980, AtDifficulty2Or3, Calls<Fire<FallingArm03>, Fire<FallingArm04>>},
    {750, 1100, nullptr, Calls<Fire<FormationDrop16>, Fire<FormationDrop17>>},
    {1100, 1500, AtDifficulty2Or3, Calls<Fire<FallingArm03>, Fire<FallingArm04>>},
    {1270, 1400, nullptr, Calls<Fire<FormationDrop16>, Fire<FormationDrop17>>},
    {1300, 1400, nullptr, Calls<Fire<FormationDrop14>, Fire<FormationDrop15>>},
    // Rings again, one after another.
    {1340, 1500, nullptr, Calls<Fire<AimedRing03>>},
    {1800, 2100, nullptr, Calls<Fire<AimedRing05>>},
    {2100, 2400, nullptr, Calls<Fire<AimedRing06>>},
    // At difficulty 2 and 3, two more sets of falling arms.
    {1500, 1960, AtDifficulty2Or3, Calls<Fire<FallingArm05>, Fire<FallingArm06>>},
    {1750, 1900, AtDifficulty2Or3, Calls<Fire<FallingArm03>, Fire<FallingArm04>>},
};

// The craft, one family after the other, each followed by its waves; a wave
// with several windows is one row per window. Some craft move two or
// three times a frame, and the fallers' line shots start on every frame.
constexpr Call kFaller02Wave[] = {Spawn<FlameFaller02>, Fire<LineShot02>, Fire<StraightShot01>, Fire<StraightShot02>,
                                  Fire<StraightShot03>};
constexpr Call kLarge01Wave[] = {Spawn<DiagonalLargeCraft01>, Fire<StraightShot21>, Fire<StraightShot22>,
                                 Fire<StraightShot23>,        Fire<StraightShot24>, Fire<StraightShot25>,
                                 Fire<VolleyShot04>,          Fire<VolleyShot05>};
constexpr Call kLarge02Wave[] = {Spawn<DiagonalLargeCraft02>, Fire<StraightShot26>, Fire<StraightShot27>,
                                 Fire<StraightShot28>,        Fire<StraightShot29>, Fire<StraightShot30>,
                                 Fire<VolleyShot07>,          Fire<VolleyShot08>};
constexpr Call kSweepers0102Wave[] = {Spawn<SweepingCraft01>, Spawn<SweepingCraft02>, Fire<SpiralShot01>,
                                      Fire<SpiralShot02>,     Fire<SpiralShot03>,     Fire<SpiralShot04>};

constexpr ProgressRow kSmallFry[] = {
    // Flame fallers, moved three times a frame, drop in trailing line shots.
    EveryFrame(Calls<Move<FlameFaller01>, Move<FlameFaller01>, Move<FlameFaller01>, Draw<FlameFaller01>,
                     Fire<LineShot01>>),
    {100, 200, nullptr, Calls<Spawn<FlameFaller01>>},
    // Flame fallers drop in twice, firing lines and straight shots.
    EveryFrame(Calls<When<DoubleSpeed, Move<FlameFaller02>>, Move<FlameFaller02>, Draw<FlameFaller02>>),
    {200, 400, nullptr, kFaller02Wave},
    {900, 1200, nullptr, kFaller02Wave},
    // Spinning fallers drop in, three sets one after another, firing aimed needles; the
    // later sets move twice a frame.
    EveryFrame(Calls<When<DoubleSpeed, Move<SpinningFaller01>>, Move<SpinningFaller01>, Draw<SpinningFaller01>>),
    {500, 650, nullptr, Calls<Spawn<SpinningFaller01>, Fire<AimedShot03>>},
    EveryFrame(Calls<Move<SpinningFaller02>, Move<SpinningFaller02>, Draw<SpinningFaller02>>),
    {600, 750, nullptr, Calls<Spawn<SpinningFaller02>, Fire<AimedShot04>>},
    EveryFrame(Calls<Move<SpinningFaller03>, Move<SpinningFaller03>, Draw<SpinningFaller03>>),
    {650, 900, nullptr, Calls<Spawn<SpinningFaller03>, Fire<AimedShot05>>},
    // Two diagonal large craft cross from the top corners, twice, firing straight shots and
    // volleys.
    EveryFrame(Calls<MoveDraw<DiagonalLargeCraft01>>),
    {500, 650, nullptr, kLarge01Wave},
    {920, 1000, nullptr, kLarge01Wave},
    EveryFrame(Calls<MoveDraw<DiagonalLargeCraft02>>),
    {500, 650, nullptr, kLarge02Wave},
    {920, 1000, nullptr, kLarge02Wave},
    // Two rows of zigzag fighters fly their bent paths firing aimed shots, four times.
    EveryFrame(Calls<MoveDraw<ZigzagFighter05>>),
    {50, 100, nullptr, Calls<Fire<ZigzagFighter05>>},
    {430, 500, nullptr, Calls<Fire<ZigzagFighter05>>},
    {830, 900, nullptr, Calls<Fire<ZigzagFighter05>>},
    {920, 1000, nullptr, Calls<Fire<ZigzagFighter05>>},
    EveryFrame(Calls<MoveDraw<ZigzagFighter06>>),
    {50, 100, nullptr, Calls<Fire<ZigzagFighter06>>},
    {400, 500, nullptr, Calls<Fire<ZigzagFighter06>>},
    {850, 900, nullptr, Calls<Fire<ZigzagFighter06>>},
    {920, 1000, nullptr, Calls<Fire<ZigzagFighter06>>},
    // Diagonal divers dive across from both sides, twice, firing line shots.
    EveryFrame(Calls<MoveDraw<DiagonalDiver01>>),
    {820, 900, nullptr, Calls<Spawn<DiagonalDiver01>, Fire<LineShot08>>},
    {1100, 1230, nullptr, Calls<Spawn<DiagonalDiver01>, Fire<LineShot08>>},
    EveryFrame(Calls<MoveDraw<DiagonalDiver03>>),
    {820, 900, nullptr, Calls<Spawn<DiagonalDiver03>, Fire<LineShot10>>},
    {1100, 1230, nullptr, Calls<Spawn<DiagonalDiver03>, Fire<LineShot10>>},
    // Timed diagonal divers cross from both top corners one after another, dropping straight
    // shots.
    EveryFrame(Calls<MoveDraw<TimedDiagonalDiver01>, MoveDraw<TimedDiagonalDiver02>>),
    {1220, 1310, nullptr, rows::kTimedDiagonalDiversWave},
    // Sweeping craft sweep in, twice, drop bullet clusters and turn spiral arms of shots.
    EveryFrame(Calls<MoveDraw<SweepingCraft01>, MoveDraw<SweepingCraft02>>),
    {600, 640, nullptr, kSweepers0102Wave},
    {770, 810, nullptr, kSweepers0102Wave},
    // Sweeping craft sweep in, twice, with clusters and curving chains.
    EveryFrame(Calls<MoveDraw<SweepingCraft03>, MoveDraw<SweepingCraft04>>),
    {250, 300, nullptr, Calls<Spawn<SweepingCraft03>, Spawn<SweepingCraft04>>},
    {660, 700, nullptr, Calls<Spawn<SweepingCraft03>, Spawn<SweepingCraft04>>},
    // A last pair of sweeping craft with their clusters.
    EveryFrame(Calls<MoveDraw<SweepingCraft05>, MoveDraw<SweepingCraft06>>),
    {700, 750, nullptr, Calls<Spawn<SweepingCraft05>, Spawn<SweepingCraft06>>},
};

// The bullets, each updated then drawn, boss patterns first; the scene-3
// boss's patterns among them are never started here.
constexpr ProgressRow kBullets[] = {
    EveryFrame(rows::kScene3BossDrops),
    EveryFrame(Calls<UpdateDraw<FallingArm03>, UpdateDraw<FallingArm04>, UpdateDraw<FallingArm05>,
                     UpdateDraw<FallingArm06>>),
    EveryFrame(rows::kScene8BossFormations),
    EveryFrame(Calls<UpdateDraw<AimedRing05>, UpdateDraw<AimedRing06>>),
    EveryFrame(rows::kScene8BossDrops),
    EveryFrame(Calls<UpdateDraw<AimedRing12>, UpdateDraw<SpiralStream13>, UpdateDraw<SpiralStream14>,
                     UpdateDraw<SpiralStream15>, UpdateDraw<SpiralStream16>, UpdateDraw<SpiralStream17>,
                     UpdateDraw<SpiralStream18>, UpdateDraw<SpiralStream19>, UpdateDraw<SpiralStream20>,
                     UpdateDraw<SpiralStream21>, UpdateDraw<SpiralStream22>, UpdateDraw<WiggleStream01>,
                     UpdateDraw<WiggleStream02>, UpdateDraw<WiggleStream03>, UpdateDraw<WiggleStream04>,
                     UpdateDraw<WiggleStream05>, UpdateDraw<WiggleStream06>, UpdateDraw<WiggleStream07>,
                     UpdateDraw<WiggleStream08>>),
    EveryFrame(rows::kScene8BossFormationsAgain, DoubleSpeed),  // never in play
    // The craft's shots.
    EveryFrame(Calls<UpdateDraw<StraightShot01>, UpdateDraw<StraightShot02>, UpdateDraw<StraightShot03>>),
    EveryFrame(rows::kStraightShots01To03Again, DoubleSpeed),  // never in play
    EveryFrame(Calls<When<DoubleSpeed, Update<AimedShot03>>, UpdateDraw<AimedShot03>,
                     When<DoubleSpeed, Update<AimedShot04>>, UpdateDraw<AimedShot04>, UpdateDraw<AimedShot05>>),
    EveryFrame(rows::kDiagonalLargeCraftShots),
    EveryFrame(Calls<UpdateDraw<StraightShot31>, UpdateDraw<StraightShot32>, UpdateDraw<StraightShot33>,
                     UpdateDraw<StraightShot34>, UpdateDraw<StraightShot35>, UpdateDraw<StraightShot46>,
                     UpdateDraw<StraightShot47>, UpdateDraw<StraightShot48>, UpdateDraw<StraightShot49>,
                     UpdateDraw<StraightShot50>, UpdateDraw<StraightShot41>, UpdateDraw<StraightShot42>,
                     UpdateDraw<StraightShot43>, UpdateDraw<StraightShot44>, UpdateDraw<StraightShot56>,
                     UpdateDraw<StraightShot57>, UpdateDraw<StraightShot58>, UpdateDraw<StraightShot59>,
                     UpdateDraw<AimedShot08>, UpdateDraw<AimedShot09>, UpdateDraw<SpiralShot01>,
                     UpdateDraw<SpiralShot02>, UpdateDraw<ClusterDropShot01>, UpdateDraw<SpiralShot03>,
                     UpdateDraw<SpiralShot04>, UpdateDraw<ClusterDropShot02>, UpdateDraw<ClusterDropShot03>,
                     UpdateDraw<ClusterDropShot04>, UpdateDraw<ClusterDropShot05>, UpdateDraw<ClusterDropShot06>,
                     UpdateDraw<LineShot01>, UpdateDraw<LineShot02>, UpdateDraw<LineShot08>, UpdateDraw<LineShot10>,
                     UpdateDraw<CurvingChainShot03>, UpdateDraw<CurvingChainShot04>, UpdateDraw<CurvingChainShot05>,
                     UpdateDraw<CurvingChainShot06>>),
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
    // No missile barrage is fired here.
    .lockWeapons = Calls<Update<MissileBarrage01>, Update<MissileBarrage02>, Update<MissileBarrage03>,
                         Update<MissileBarrage04>, Update<LockShot03>, Update<LockShot04>, Update<BossLockShot13>,
                         Update<BossLockShot14>, Update<BossLockShot05>, Update<BossLockShot06>>,
    .replayBlock = true,
    .continueBombs = 3,
};

}  // namespace stage
