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
#include "game/stage_rows.h"
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
constexpr Call kLines03To08[] = {Fire<AimedLine03>, Fire<AimedLine04>, Fire<AimedLine05>,
                                 Fire<AimedLine06>, Fire<AimedLine07>, Fire<AimedLine08>};

constexpr AttackRow kAttacks[] = {
    // A fan of aimed bullets opens the cycle and comes back twice.
    {0, 200, nullptr, Calls<Fire<AimedFan01>>},
    {600, 900, nullptr, Calls<Fire<AimedFan01>>},
    {1400, 1900, nullptr, Calls<Fire<AimedFan01>>},
    // Late in the cycle: a pair of aimed lines, twice, then six lines spread into a fan.
    {2300, 2800, nullptr, Calls<Fire<AimedLine09>, Fire<AimedLine10>>},
    {3300, 3600, nullptr, Calls<Fire<AimedLine09>, Fire<AimedLine10>>},
    {3600, 4250, nullptr, kLines03To08},
    // Three pairs of spiral arms turn out of the boss, joining one pair after another.
    {0, 3000, nullptr, Calls<Emit<SpiralStream03>, Emit<SpiralStream05>>},
    {1400, 4300, nullptr, Calls<Emit<SpiralStream01>, Emit<SpiralStream02>>},
    {2000, 4300, nullptr, Calls<Emit<SpiralStream04>, Emit<SpiralStream06>>},
    // At difficulty 2 and 3, two falling arms drop from under the boss.
    {20, 280, AtDifficulty2Or3, Calls<Fire<FallingArm01>, Fire<FallingArm02>>},
    // Early in the cycle: a pair of aimed lines, then the six-line fan.
    {100, 170, nullptr, Calls<Fire<AimedLine09>, Fire<AimedLine10>>},
    {170, 200, nullptr, kLines03To08},
    {100, 200, ExtraModes, Calls<Fire<AimedLine01>, Fire<AimedLine02>>},  // never in play
    // Three fans, one overlapping the next.
    {200, 300, nullptr, Calls<Fire<AimedFan02>>},
    {250, 460, nullptr, Calls<Fire<AimedFan03>>},
    {400, 580, nullptr, Calls<Fire<AimedFan04>>},
    {400, 500, ExtraModes, Calls<Fire<AimedLine01>, Fire<AimedLine02>>},  // never in play
    // Twin drops fall in pairs, under more lines and the six-line fan.
    {500, 600, nullptr, Calls<Fire<TwinDrop01>, Fire<TwinDrop02>>},
    {600, 800, nullptr, Calls<Fire<TwinDrop03>, Fire<TwinDrop04>>},
    {600, 720, nullptr, Calls<Fire<AimedLine09>, Fire<AimedLine10>>},
    {720, 760, nullptr, kLines03To08},
    // Arcs of formation drops fan out below the boss, with twin drops, then the line fan again.
    {800, 900, nullptr, Calls<Fire<FormationDrop01>, Fire<FormationDrop02>, Fire<TwinDrop01>, Fire<TwinDrop02>>},
    {900, 1100, nullptr, Calls<Fire<FormationDrop03>>},
    {1100, 1400, nullptr, kLines03To08},
};

// The craft, moved and drawn on every frame before any window, then their
// waves.
constexpr Call kFallerWave[] = {Spawn<FlameFaller01>, Fire<LineShot01>, Fire<CurvingChainShot01>,
                                Fire<CurvingChainShot02>};
constexpr Call kDivers[] = {Spawn<DiagonalDiver02>, Fire<LineShot09>, Spawn<DiagonalDiver04>, Fire<LineShot11>};

constexpr ProgressRow kSmallFry[] = {
    // The flame fallers move twice a frame.
    EveryFrame(Calls<MoveDraw<RisingLockTarget01>, MoveDraw<RisingLockTarget02>, Move<FlameFaller01>,
                     Move<FlameFaller01>, Draw<FlameFaller01>, MoveDraw<DiagonalDiver02>, MoveDraw<DiagonalDiver04>,
                     MoveDraw<SpinningLockTarget01>, MoveDraw<SpinningLockTarget02>, MoveDraw<LaneDiver01>,
                     MoveDraw<LaneDiver02>, MoveDraw<ZigzagFighter05>, MoveDraw<ZigzagFighter06>,
                     MoveDraw<ZigzagFighter07>, MoveDraw<ZigzagFighter08>, MoveDraw<SpinningFaller01>,
                     MoveDraw<SpinningFaller02>, MoveDraw<SpinningFaller03>, MoveDraw<SweepingCraft01>,
                     MoveDraw<SweepingCraft02>, MoveDraw<TimedDiagonalDiver01>, MoveDraw<TimedDiagonalDiver02>>),
    // Flame fallers drop in, firing line shots and curving chains.
    {120, 170, nullptr, kFallerWave},
    // Zigzag fighters, one row after another, fly their bent paths firing aimed shots.
    {160, 200, nullptr, Calls<Fire<ZigzagFighter05>>},
    {200, 250, nullptr, Calls<Fire<ZigzagFighter06>>},
    // More flame fallers.
    {250, 400, nullptr, kFallerWave},
    // Two more rows of zigzag fighters.
    {400, 450, nullptr, Calls<Fire<ZigzagFighter07>>},
    {500, 550, nullptr, Calls<Fire<ZigzagFighter08>>},
    // Diagonal divers cross from both sides, each firing a line shot.
    {550, 600, nullptr, kDivers},
    // Spinning lock targets fly their bent paths, firing aimed lines.
    {600, 650, nullptr, Calls<Fire<SpinningLockTarget01>, Fire<SpinningLockTarget02>>},
    // Spinning fallers drop in, three sets one after another, firing aimed needles.
    {650, 750, nullptr, Calls<Spawn<SpinningFaller01>, Fire<AimedShot03>>},
    {750, 850, nullptr, Calls<Spawn<SpinningFaller02>, Fire<AimedShot04>>},
    {800, 900, nullptr, rows::kSpinningFaller03Wave},
    // All four rows of zigzag fighters, two by two, then diagonal divers again.
    {900, 960, nullptr, Calls<Fire<ZigzagFighter05>, Fire<ZigzagFighter06>>},
    {950, 1000, nullptr, Calls<Fire<ZigzagFighter07>, Fire<ZigzagFighter08>>},
    {950, 1050, nullptr, kDivers},
    // Timed diagonal divers cross from both top corners one after another, dropping straight shots.
    {1050, 1150, nullptr, rows::kTimedDiagonalDiversWave},
    // Before the boss: zigzag fighters and spinning fallers once more.
    {1150, 1200, nullptr, Calls<Fire<ZigzagFighter07>, Fire<ZigzagFighter08>>},
    {1150, 1180, nullptr, rows::kSpinningFaller03Wave},
};

constexpr Window kPowerUps[] = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {950, 1000}};

// The bullets, each updated then drawn.
constexpr ProgressRow kBullets[] = {
    // The boss's patterns.
    EveryFrame(Calls<UpdateDraw<FallingArm01>, UpdateDraw<FallingArm02>, UpdateDraw<AimedLine03>,
                     UpdateDraw<AimedLine04>, UpdateDraw<AimedLine05>, UpdateDraw<AimedLine06>, UpdateDraw<AimedLine07>,
                     UpdateDraw<AimedLine08>, UpdateDraw<BossAimedShot01>, UpdateDraw<AimedLine09>,
                     UpdateDraw<AimedLine10>, UpdateDraw<AimedLine01>, UpdateDraw<AimedLine02>, UpdateDraw<AimedFan02>,
                     UpdateDraw<AimedFan01>, UpdateDraw<AimedFan03>, UpdateDraw<TwinDrop03>, UpdateDraw<TwinDrop04>,
                     UpdateDraw<TwinDrop01>, UpdateDraw<TwinDrop02>, UpdateDraw<FormationDrop01>,
                     UpdateDraw<FormationDrop02>, UpdateDraw<FormationDrop03>, UpdateDraw<SmallDrop01>,
                     UpdateDraw<SmallDrop02>, UpdateDraw<SmallDrop03>, UpdateDraw<AimedFan04>,
                     UpdateDraw<SpiralStream01>, UpdateDraw<SpiralStream02>, UpdateDraw<SpiralStream03>,
                     UpdateDraw<SpiralStream05>, UpdateDraw<SpiralStream04>, UpdateDraw<SpiralStream06>,
                     UpdateDraw<SpiralStream07>, UpdateDraw<SpiralStream08>, UpdateDraw<SpiralStream09>,
                     UpdateDraw<SpiralStream10>, UpdateDraw<SpiralStream11>, UpdateDraw<SpiralStream12>>),
    EveryFrame(Calls<Update<FormationDrop01>, Update<FormationDrop02>>, DoubleSpeed),  // never in play
    // The craft's shots.
    EveryFrame(Calls<UpdateDraw<AimedShot01>, UpdateDraw<AimedShot02>, UpdateDraw<AimedShot03>, UpdateDraw<AimedShot04>,
                     UpdateDraw<AimedShot05>, UpdateDraw<AimedShot08>, UpdateDraw<AimedShot09>, UpdateDraw<AimedShot10>,
                     UpdateDraw<AimedShot11>, UpdateDraw<AimedLineShot19>, UpdateDraw<AimedLineShot20>,
                     UpdateDraw<AimedLineShot21>, UpdateDraw<AimedLineShot22>, UpdateDraw<StraightShot41>,
                     UpdateDraw<StraightShot42>, UpdateDraw<StraightShot43>, UpdateDraw<StraightShot44>,
                     UpdateDraw<StraightShot56>, UpdateDraw<StraightShot57>, UpdateDraw<StraightShot58>,
                     UpdateDraw<StraightShot59>, UpdateDraw<VolleyShot15>, UpdateDraw<ClusterDropShot01>,
                     UpdateDraw<ClusterDropShot02>, UpdateDraw<LineShot01>, UpdateDraw<CurvingChainShot01>,
                     UpdateDraw<CurvingChainShot02>, UpdateDraw<LineShot09>, UpdateDraw<LineShot11>>),
    EveryFrame(Calls<Update<VolleyShot12>, Draw<VolleyShot12>, Update<ClusterDropShot01>,
                     Update<ClusterDropShot02>>, DoubleSpeed),  // never in play
    // Outside a game started from the title, three sets of aimed needles move twice a frame.
    EveryFrame(Calls<Update<AimedShot01>, Update<AimedShot02>, Update<AimedShot03>>, NotLevelMode1),
};

using namespace lockon;

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
    .lockWeapons = Calls<Update<LockShot01>, Update<LockShot02>, Update<MissileBarrage01>, Update<MissileBarrage02>,
                         Update<MissileBarrage03>, Update<MissileBarrage04>, Update<LockShot03>, Update<LockShot04>,
                         Update<LockShot05>, Update<LockShot06>, Update<LockShot07>, Update<LockShot08>,
                         Update<BossLockShot01>, Update<BossLockShot02>>,
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
