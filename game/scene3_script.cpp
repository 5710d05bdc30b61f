// The scene-3 stage: the second one played; its boss's death leads to scene 5.
#include "game/stage_script.h"

#include "bosses/aimed_fan.h"
#include "bosses/aimed_line.h"
#include "bosses/aimed_ring.h"
#include "bosses/boss.h"
#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/cluster_drop_shot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/curving_chain_shot.h"
#include "enemies/flame_faller.h"
#include "enemies/large_craft.h"
#include "enemies/line_shot.h"
#include "enemies/straight_shot.h"
#include "enemies/volley_shot.h"
#include "enemies/zigzag_fighter.h"
#include "game/boss_lock_shot.h"
#include "game/stage_rows.h"
#include "patterns/drops/falling_arm.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"

namespace stage {

namespace {

using namespace bosses;
using namespace enemies;
using namespace lockon;
using namespace patterns;

// The boss's attack timeline; the falling arms and the second round of fans
// belong to the longer cycle of difficulty 3.
constexpr Call kFormations28To27[] = {Fire<FormationDrop28>, Fire<FormationDrop29>, Fire<FormationDrop26>,
                                      Fire<FormationDrop27>};
constexpr Call kLines41To52[] = {Fire<AimedLine41>, Fire<AimedLine42>, Fire<AimedLine43>, Fire<AimedLine44>,
                                 Fire<AimedLine45>, Fire<AimedLine46>, Fire<AimedLine47>, Fire<AimedLine48>,
                                 Fire<AimedLine49>, Fire<AimedLine50>, Fire<AimedLine51>, Fire<AimedLine52>};
constexpr Call kArms11121415[] = {Fire<FallingArm11>, Fire<FallingArm12>, Fire<FallingArm14>, Fire<FallingArm15>};

constexpr AttackRow kAttacks[] = {
    // Arcs of formation drops fan out below the boss, then twin drops fall in pairs.
    {30, 150, nullptr, Calls<Fire<FormationDrop06>, Fire<FormationDrop07>>},
    {110, 200, nullptr, Calls<Fire<TwinDrop05>, Fire<TwinDrop06>>},
    // Four formations at once, crossed by a spread of twelve aimed lines.
    {200, 250, nullptr, kFormations28To27},
    {250, 400, nullptr, kFormations28To27},
    {350, 380, nullptr, kLines41To52},
    // Two rings of spinning balls burst around the boss, among more formations and twin drops.
    {400, 500, nullptr, Calls<Fire<AimedRing10>, Fire<AimedRing11>>},
    {450, 500, nullptr, Calls<Fire<FormationDrop25>>},
    {500, 700, nullptr, Calls<Fire<FormationDrop26>, Fire<FormationDrop27>>},
    {480, 580, nullptr, Calls<Fire<TwinDrop14>, Fire<TwinDrop15>>},
    {580, 700, nullptr, Calls<Fire<FormationDrop30>, Fire<FormationDrop31>>},
    // The twelve lines again, over formations that overlap one another.
    {800, 900, nullptr, kLines41To52},
    {700, 1000, nullptr, Calls<Fire<FormationDrop26>, Fire<FormationDrop27>>},
    {750, 1100, nullptr, Calls<Fire<FormationDrop28>, Fire<FormationDrop29>>},
    {1050, 1300, nullptr, Calls<Fire<FormationDrop30>, Fire<FormationDrop31>>},
    // Aimed fans, one pair after another.
    {1320, 1500, nullptr, Calls<Fire<AimedFan32>, Fire<AimedFan33>>},
    {1520, 1800, nullptr, Calls<Fire<AimedFan34>, Fire<AimedFan35>>},
    {1820, 2000, nullptr, Calls<Fire<AimedFan36>>},
    {2020, 2300, nullptr, Calls<Fire<AimedFan37>, Fire<AimedFan38>>},
    // At difficulty 3 only, in its longer cycle: falling arms slide down under the fans,
    // then the fans come round again.
    {1320, 1600, AtDifficulty3, Calls<Fire<FallingArm07>>},
    {1380, 1650, AtDifficulty3, Calls<Fire<FallingArm08>, Fire<FallingArm09>>},
    {1660, 1900, AtDifficulty3, Calls<Fire<FallingArm10>, Fire<FallingArm13>>},
    {1690, 1950, AtDifficulty3, kArms11121415},
    {1960, 2700, AtDifficulty3, Calls<Fire<FallingArm08>, Fire<FallingArm09>>},
    {1990, 2700, AtDifficulty3, kArms11121415},
    {2300, 2700, AtDifficulty3, Calls<Fire<FallingArm10>, Fire<FallingArm13>, Fire<FallingArm07>>},
    {2720, 2900, AtDifficulty3, Calls<Fire<AimedFan32>, Fire<AimedFan33>>},
    {2920, 3200, AtDifficulty3, Calls<Fire<AimedFan34>, Fire<AimedFan35>>},
    {3220, 3400, AtDifficulty3, Calls<Fire<AimedFan36>>},
    {3420, 3700, AtDifficulty3, Calls<Fire<AimedFan37>, Fire<AimedFan38>>},
    // Small drops open into fans at the start of every cycle.
    {0, 30, nullptr, Calls<Spawn<SmallDrop43>, Spawn<SmallDrop44>, Spawn<SmallDrop45>, Spawn<SmallDrop46>,
                           Spawn<SmallDrop47>, Spawn<SmallDrop48>, Spawn<SmallDrop49>, Spawn<SmallDrop50>,
                           Spawn<SmallDrop51>>},
};

// The craft, one family after the other, each followed by its waves.
constexpr Call kSpinner01Wave[] = {Spawn<CrossingSpinner01>, Fire<StraightShot04>, Fire<AimedLineShot01>};
constexpr Call kSpinner02Wave[] = {Spawn<CrossingSpinner02>, Fire<StraightShot07>, Fire<AimedLineShot04>};

constexpr ProgressRow kSmallFry[] = {
    // Crossing spinners cross the field diagonally from both sides.
    EveryFrame(Calls<MoveDraw<CrossingSpinner01>, MoveDraw<CrossingSpinner02>>),
    EveryFrame(Calls<Move<CrossingSpinner01>, Move<CrossingSpinner02>>, DoubleSpeed),  // never in play
    // A set from each side fires straight shots and aimed lines; a game from the title adds
    // straight shots.
    {150, 220, nullptr, kSpinner01Wave},
    {150, 190, DoubleSpeed, Calls<Fire<AimedLineShot02>, Fire<AimedLineShot03>>},  // never in play
    {150, 220, LevelMode1, Calls<Fire<StraightShot05>, Fire<StraightShot06>>},
    {160, 200, LevelMode2, Calls<Fire<VolleyShot01>>},  // never in play
    {150, 220, nullptr, kSpinner02Wave},
    {150, 190, DoubleSpeed, Calls<Fire<AimedLineShot05>, Fire<AimedLineShot06>>},  // never in play
    {150, 220, LevelMode1, Calls<Fire<StraightShot08>, Fire<StraightShot09>>},
    {160, 200, LevelMode2, Calls<Fire<VolleyShot02>>},  // never in play
    // The crossing spinners again.
    {750, 890, nullptr, kSpinner01Wave},
    {750, 790, DoubleSpeed, Calls<Fire<AimedLineShot02>, Fire<AimedLineShot03>>},  // never in play
    {840, 890, DoubleSpeed, Calls<Fire<AimedLineShot02>, Fire<AimedLineShot03>>},  // never in play
    {750, 890, LevelMode1, Calls<Fire<StraightShot05>, Fire<StraightShot06>>},
    {810, 850, LevelMode2, Calls<Fire<VolleyShot01>>},  // never in play
    {750, 890, nullptr, kSpinner02Wave},
    {750, 790, DoubleSpeed, Calls<Fire<AimedLineShot05>, Fire<AimedLineShot06>>},  // never in play
    {840, 890, DoubleSpeed, Calls<Fire<AimedLineShot05>, Fire<AimedLineShot06>>},  // never in play
    {750, 890, LevelMode1, Calls<Fire<StraightShot08>, Fire<StraightShot09>>},
    {810, 850, LevelMode2, Calls<Fire<VolleyShot02>>},  // never in play

    // Flame fallers, moved twice a frame.
    EveryFrame(Calls<Move<FlameFaller02>, Move<FlameFaller02>, Draw<FlameFaller02>>),
    // They drop in, each firing straight shots.
    {300, 500, nullptr, Calls<Spawn<FlameFaller02>>},
    {300, 500, NotDoubleSpeed, Calls<Fire<StraightShot01>>},
    {300, 500, nullptr, Calls<Fire<StraightShot02>, Fire<StraightShot03>>},
    // Then with line shots as well, twice.
    {500, 750, nullptr, Calls<Spawn<FlameFaller02>, Fire<LineShot02>>},
    {500, 750, NotDoubleSpeed, Calls<Fire<StraightShot01>>},
    {500, 750, nullptr, Calls<Fire<StraightShot02>, Fire<StraightShot03>>},
    {900, 1100, nullptr, Calls<Spawn<FlameFaller02>, Fire<LineShot02>>},
    {900, 1100, NotDoubleSpeed, Calls<Fire<StraightShot01>>},
    {900, 1100, nullptr, Calls<Fire<StraightShot02>, Fire<StraightShot03>>},

    // A second set of flame fallers, also moved twice a frame.
    EveryFrame(Calls<Move<FlameFaller03>, Move<FlameFaller03>, Draw<FlameFaller03>>),
    // They drop in early and again later, firing lines in a game from the title.
    {80, 130, nullptr, Calls<Spawn<FlameFaller03>>},
    {80, 130, LevelMode1, Calls<Fire<LineShot03>>},
    {80, 130, ExtraModes, Calls<Fire<LineShot04>, Fire<LineShot05>>},  // never in play
    {700, 800, nullptr, Calls<Spawn<FlameFaller03>>},
    {700, 800, LevelMode1, Calls<Fire<LineShot03>>},
    {700, 800, ExtraModes, Calls<Fire<LineShot04>, Fire<LineShot05>>},  // never in play
    // Their last wave sprays straight shots and lines.
    {1000, 1100, nullptr, Calls<Spawn<FlameFaller03>, Fire<StraightShot10>, Fire<StraightShot11>, Fire<StraightShot12>,
                                Fire<StraightShot13>, Fire<StraightShot14>, Fire<LineShot03>, Fire<LineShot04>,
                                Fire<LineShot05>, Fire<LineShot06>, Fire<LineShot07>>},

    // Two diagonal large craft cross from the top corners, twice, firing straight shots and
    // volleys.
    EveryFrame(Calls<MoveDraw<DiagonalLargeCraft01>>),
    {200, 230, nullptr, rows::kDiagonalLargeCraft01Wave},
    {670, 700, nullptr, rows::kDiagonalLargeCraft01Wave},
    EveryFrame(Calls<MoveDraw<DiagonalLargeCraft02>>),
    {200, 230, nullptr, rows::kDiagonalLargeCraft02Wave},
    {670, 700, nullptr, rows::kDiagonalLargeCraft02Wave},

    // Spinning lock targets fly their bent paths one set after another, firing aimed lines.
    EveryFrame(Calls<MoveDraw<SpinningLockTarget01>>),
    {300, 350, nullptr, Calls<Fire<SpinningLockTarget01>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget02>>),
    {350, 400, nullptr, Calls<Fire<SpinningLockTarget02>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget03>>),
    {100, 150, nullptr, Calls<Fire<SpinningLockTarget03>>},
    {960, 1000, nullptr, Calls<Fire<SpinningLockTarget03>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget04>>),
    {700, 750, nullptr, Calls<Fire<SpinningLockTarget04>>},
    {960, 1000, nullptr, Calls<Fire<SpinningLockTarget04>>},

    // A large craft with its volleys, only at double speed.
    EveryFrame(Calls<MoveDraw<LargeCraft02>>, DoubleSpeed),  // never in play
    {200, 400, DoubleSpeed, Calls<Spawn<LargeCraft02>, Fire<VolleyShot09>, Fire<VolleyShot10>, Fire<VolleyShot11>,
                                  Fire<VolleyShot12>, Fire<VolleyShot13>, Fire<VolleyShot14>>},  // never in play
    // Never in play:
    {700, 1100, DoubleSpeed, Calls<Spawn<LargeCraft02>, Fire<VolleyShot12>, Fire<VolleyShot13>, Fire<VolleyShot14>>},

    // Zigzag fighters, row by row, fly their bent paths firing aimed shots.
    EveryFrame(Calls<MoveDraw<ZigzagFighter05>>),
    {550, 600, nullptr, Calls<Fire<ZigzagFighter05>>},
    {800, 860, nullptr, Calls<Fire<ZigzagFighter05>>},
    {1000, 1100, nullptr, Calls<Fire<ZigzagFighter05>>},
    EveryFrame(Calls<MoveDraw<ZigzagFighter06>>),
    {550, 600, nullptr, Calls<Fire<ZigzagFighter06>>},
    {800, 860, nullptr, Calls<Fire<ZigzagFighter06>>},
    {1000, 1100, nullptr, Calls<Fire<ZigzagFighter06>>},
    EveryFrame(Calls<MoveDraw<ZigzagFighter07>>),
    {600, 650, nullptr, Calls<Fire<ZigzagFighter07>>},
    {750, 800, nullptr, Calls<Fire<ZigzagFighter07>>},
    EveryFrame(Calls<MoveDraw<ZigzagFighter08>>),
    {600, 650, nullptr, Calls<Fire<ZigzagFighter08>>},
    {750, 800, nullptr, Calls<Fire<ZigzagFighter08>>},

    // Two sweeping craft sweep in, drop bullet clusters and curving chains, and sweep out;
    // they come twice.
    EveryFrame(Calls<MoveDraw<SweepingCraft03>, MoveDraw<SweepingCraft04>>),
    {900, 940, nullptr, Calls<Spawn<SweepingCraft03>, Spawn<SweepingCraft04>>},
    {1120, 1200, nullptr, Calls<Spawn<SweepingCraft03>, Spawn<SweepingCraft04>>},
};

// The bullets, each updated then drawn unless the row says otherwise.
constexpr ProgressRow kBullets[] = {
    // The boss's falling arms and aimed lines, its drops and rings, formations and fans.
    EveryFrame(Calls<UpdateDraw<FallingArm08>, UpdateDraw<FallingArm09>, UpdateDraw<FallingArm07>,
                     UpdateDraw<FallingArm11>, UpdateDraw<FallingArm12>, UpdateDraw<FallingArm10>,
                     UpdateDraw<FallingArm14>, UpdateDraw<FallingArm15>, UpdateDraw<FallingArm13>,
                     UpdateDraw<AimedLine41>, UpdateDraw<AimedLine42>, UpdateDraw<AimedLine43>, UpdateDraw<AimedLine44>,
                     UpdateDraw<AimedLine45>, UpdateDraw<AimedLine46>, UpdateDraw<AimedLine47>, UpdateDraw<AimedLine48>,
                     UpdateDraw<AimedLine49>, UpdateDraw<AimedLine50>, UpdateDraw<AimedLine51>,
                     UpdateDraw<AimedLine52>>),
    EveryFrame(rows::kScene3BossDrops),
    EveryFrame(Calls<UpdateDraw<FormationDrop06>, UpdateDraw<FormationDrop07>, UpdateDraw<TwinDrop05>,
                     UpdateDraw<TwinDrop06>>),
    EveryFrame(rows::kScene8BossFormations),
    EveryFrame(rows::kScene8BossDrops),
    EveryFrame(Calls<UpdateDraw<AimedFan32>, UpdateDraw<AimedFan33>, UpdateDraw<AimedFan34>, UpdateDraw<AimedFan35>,
                     UpdateDraw<AimedFan36>, UpdateDraw<AimedFan37>, UpdateDraw<AimedFan38>>),
    EveryFrame(rows::kScene8BossFormationsAgain, DoubleSpeed),  // never in play
    // The craft's shots; the flame fallers' first straight shots are drawn before they move.
    EveryFrame(Calls<UpdateDraw<StraightShot04>, UpdateDraw<StraightShot05>, UpdateDraw<StraightShot06>,
                     UpdateDraw<AimedLineShot02>, UpdateDraw<AimedLineShot03>, UpdateDraw<AimedLineShot01>,
                     UpdateDraw<VolleyShot01>, UpdateDraw<StraightShot07>, UpdateDraw<StraightShot08>,
                     UpdateDraw<StraightShot09>, UpdateDraw<AimedLineShot05>, UpdateDraw<AimedLineShot06>,
                     UpdateDraw<AimedLineShot04>, UpdateDraw<VolleyShot02>, Draw<StraightShot01>,
                     Update<StraightShot01>, Draw<StraightShot02>, Update<StraightShot02>, Draw<StraightShot03>,
                     Update<StraightShot03>, UpdateDraw<AimedShot08>, UpdateDraw<AimedShot09>, UpdateDraw<AimedShot10>,
                     UpdateDraw<AimedShot11>, UpdateDraw<AimedLineShot19>, UpdateDraw<AimedLineShot20>,
                     UpdateDraw<AimedLineShot21>, UpdateDraw<AimedLineShot22>, UpdateDraw<CurvingChainShot03>,
                     UpdateDraw<CurvingChainShot04>, UpdateDraw<CurvingChainShot05>, UpdateDraw<CurvingChainShot06>>),
    EveryFrame(rows::kStraightShots01To03Again, DoubleSpeedNonZero),  // never in play
    EveryFrame(Calls<UpdateDraw<StraightShot10>, UpdateDraw<StraightShot11>, UpdateDraw<StraightShot12>,
                     UpdateDraw<StraightShot13>, UpdateDraw<StraightShot14>, UpdateDraw<LineShot03>,
                     UpdateDraw<LineShot04>, UpdateDraw<LineShot05>, UpdateDraw<LineShot06>, UpdateDraw<LineShot07>,
                     UpdateDraw<LineShot02>>),
    // Outside a game started from the title, the second flame fallers' straight shots move
    // twice a frame.
    EveryFrame(rows::kStraightShots10To14Again, NotLevelMode1),
    EveryFrame(rows::kDiagonalLargeCraftShots),
    // Never in play:
    EveryFrame(Calls<UpdateDraw<VolleyShot12>, UpdateDraw<VolleyShot13>, UpdateDraw<VolleyShot14>>, DoubleSpeed),
    EveryFrame(Calls<UpdateDraw<VolleyShot09>, UpdateDraw<VolleyShot10>, UpdateDraw<VolleyShot11>,
                     UpdateDraw<ClusterDropShot03>, UpdateDraw<ClusterDropShot04>>),
};

}  // namespace

const StageScript Scene3Script = {
    .music = "MIDI/KTSM2.MID",
    .musicOnFirstFrame = false,
    .rate = 18,
    .boss = BossFight<Scene3BossOps>(1060, 11100, 980, {2300, 2300, 2300, 3710}, 11000, kAttacks),
    .early = {},
    .smallFry = kSmallFry,
    .powerUps = StandardPowerUps,
    .powerUpMovesFirst = false,
    .bullets = kBullets,
    .sidePanels = false,
    .bombNeedsVolleyOff = false,
    .runsVolley = true,
    .lockWeapons = CallsAfter<rows::kBarragesAndLockShots, Update<BossLockShot05>, Update<BossLockShot06>,
                              Update<BossLockShot13>, Update<BossLockShot14>>,
    .replayBlock = false,
    .continueBombs = 5,
};

}  // namespace stage
