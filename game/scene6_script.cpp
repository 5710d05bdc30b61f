// The scene-6 stage: the fourth one played; its boss's death leads to scene 8.
#include "game/stage_script.h"

#include "bosses/aimed_fan.h"
#include "bosses/boss.h"
#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/flame_faller.h"
#include "enemies/large_craft.h"
#include "enemies/line_shot.h"
#include "enemies/ring_shot.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_faller.h"
#include "enemies/straight_shot.h"
#include "enemies/volley_shot.h"
#include "game/boss_lock_shot.h"
#include "game/stage_rows.h"
#include "patterns/drops/arm_strike.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/small_drop.h"
#include "patterns/streams/curving_chain.h"
#include "patterns/streams/step_stream.h"

namespace stage {

namespace {

using namespace bosses;
using namespace enemies;
using namespace lockon;
using namespace patterns;

// The boss's attack timeline; the arm strikes strike only at the higher
// difficulties, the small drops and a few more formations only at 1.
constexpr Call kStreams07To12[] = {Emit<CurvingStream07>, Emit<CurvingStream08>, Emit<CurvingStream09>,
                                   Emit<CurvingStream10>, Emit<CurvingStream11>, Emit<CurvingStream12>};
constexpr Call kSmallDrops25To33[] = {Spawn<SmallDrop25>, Spawn<SmallDrop26>, Spawn<SmallDrop27>,
                                      Spawn<SmallDrop28>, Spawn<SmallDrop29>, Spawn<SmallDrop30>,
                                      Spawn<SmallDrop31>, Spawn<SmallDrop32>, Spawn<SmallDrop33>};

constexpr AttackRow kAttacks[] = {
    // Six curving streams bend out of the boss into a fall, with two curving chains and arcs
    // of formation drops.
    {5, 200, nullptr, kStreams07To12},
    {50, 120, nullptr, Calls<Fire<CurvingChain05>, Fire<CurvingChain06>>},
    {0, 100, nullptr, Calls<Fire<FormationDrop45>, Fire<FormationDrop46>>},
    {200, 300, nullptr, Calls<Fire<FormationDrop44>>},
    // Pairs of aimed fans; at difficulty 2 and 3 the arms strike below the boss.
    {240, 280, nullptr, Calls<Fire<AimedFan28>, Fire<AimedFan29>>},
    {300, 600, AtDifficulty2Or3, Calls<Spawn<ArmStrike01>, Spawn<ArmStrike02>>},
    {600, 700, nullptr, Calls<Fire<CurvingChain05>, Fire<CurvingChain06>>},
    {500, 700, nullptr, Calls<Fire<AimedFan30>, Fire<AimedFan31>>},
    // More formations, the arm strikes again, and the first arcs.
    {770, 900, nullptr, Calls<Fire<FormationDrop49>, Fire<FormationDrop50>>},
    {800, 980, nullptr, Calls<Fire<FormationDrop47>, Fire<FormationDrop48>>},
    {1000, 1300, AtDifficulty2Or3, Calls<Spawn<ArmStrike01>, Spawn<ArmStrike02>>},
    {1200, 1300, nullptr, Calls<Fire<FormationDrop45>, Fire<FormationDrop46>>},
    // At difficulty 1, small drops open into fans, with more formations.
    {300, 500, AtDifficulty1, kSmallDrops25To33},
    {1020, 1200, AtDifficulty1, kSmallDrops25To33},
    {1120, 1200, AtDifficulty1, Calls<Fire<FormationDrop45>, Fire<FormationDrop46>>},
    {1100, 1200, AtDifficulty1, Calls<Fire<FormationDrop44>>},
    // The fans again, and the streams to close the cycle.
    {1300, 1450, nullptr, Calls<Fire<AimedFan30>, Fire<AimedFan31>>},
    {1450, 1500, nullptr, Calls<Fire<AimedFan28>, Fire<AimedFan29>>},
    {1500, 1750, nullptr, kStreams07To12},
};

// The craft, one family after the other, each followed by its waves; a wave
// with several windows is one row per window.
constexpr ProgressRow kSmallFry[] = {
    // Crossing spinners cross the field diagonally from both sides, three times, firing
    // aimed lines and straight shots.
    EveryFrame(Calls<MoveDraw<CrossingSpinner01>, MoveDraw<CrossingSpinner02>>),
    {600, 680, nullptr, rows::kCrossingSpinnersWave},
    {800, 900, nullptr, rows::kCrossingSpinnersWave},
    {1000, 1100, nullptr, rows::kCrossingSpinnersWave},
    // Side gliders glide across from both sides, three times, firing aimed needles and
    // straight shots.
    EveryFrame(Calls<MoveDraw<SideGlider01>, MoveDraw<SideGlider02>>),
    {560, 600, nullptr, rows::kSideGlidersWave},
    {700, 800, nullptr, rows::kSideGlidersWave},
    {1100, 1200, nullptr, rows::kSideGlidersWave},
    // Flame fallers drop in, firing lines.
    EveryFrame(Calls<MoveDraw<FlameFaller03>>),
    {500, 600, nullptr, Calls<Spawn<FlameFaller03>, When<LevelMode2, Fire<StraightShot10>>,
                              When<DoubleSpeed, Fire<StraightShot11>>, When<DoubleSpeed, Fire<StraightShot12>>,
                              When<DoubleSpeed, Fire<StraightShot13>>, When<DoubleSpeed, Fire<StraightShot14>>,
                              Fire<LineShot03>>},
    // Flame fallers drop in early without firing.
    EveryFrame(Calls<MoveDraw<FlameFaller01>>),
    {30, 200, nullptr, Calls<Spawn<FlameFaller01>>},
    // Flame fallers drop in, firing lines, and late in the stage straight shots too.
    EveryFrame(Calls<MoveDraw<FlameFaller02>>),
    {240, 590, nullptr, Calls<Spawn<FlameFaller02>, Fire<LineShot02>, When<DoubleSpeed, Fire<StraightShot01>>,
                              When<LevelMode2, Fire<StraightShot02>>, When<LevelMode2, Fire<StraightShot03>>>},
    {900, 1200, nullptr, Calls<Spawn<FlameFaller02>, Fire<LineShot02>, When<DoubleSpeed, Fire<StraightShot01>>,
                               Fire<StraightShot02>, Fire<StraightShot03>>},
    // Diagonal divers dive across from both sides, three times (the spinning fallers are
    // flown but never spawned).
    EveryFrame(Calls<MoveDraw<SpinningFaller01>, MoveDraw<SpinningFaller02>, MoveDraw<SpinningFaller03>,
                     MoveDraw<DiagonalDiver01>>),
    {100, 200, nullptr, Calls<Spawn<DiagonalDiver01>>},
    {400, 500, nullptr, Calls<Spawn<DiagonalDiver01>>},
    {1180, 1260, nullptr, Calls<Spawn<DiagonalDiver01>>},
    EveryFrame(Calls<MoveDraw<DiagonalDiver03>>),
    {100, 200, nullptr, Calls<Spawn<DiagonalDiver03>>},
    {400, 500, nullptr, Calls<Spawn<DiagonalDiver03>>},
    {1180, 1260, nullptr, Calls<Spawn<DiagonalDiver03>>},
    // A large craft sinks through the field firing volleys, then a second with its own
    // volleys.
    EveryFrame(Calls<MoveDraw<LargeCraft02>>),
    {600, 800, nullptr, Calls<Spawn<LargeCraft02>, Fire<VolleyShot12>, Fire<VolleyShot09>, Fire<VolleyShot10>,
                              Fire<VolleyShot11>>},
    EveryFrame(Calls<MoveDraw<LargeCraft03>>),
    {640, 900, nullptr, Calls<Spawn<LargeCraft03>, Fire<VolleyShot15>, When<DoubleSpeed, Fire<RingShot01>>>},
    // Spinning lock targets fly their bent paths, set after set and then all together, firing
    // aimed lines.
    EveryFrame(Calls<MoveDraw<SpinningLockTarget01>>),
    {200, 240, nullptr, Calls<Fire<SpinningLockTarget01>>},
    {400, 480, nullptr, Calls<Fire<SpinningLockTarget01>>},
    {1150, 1260, nullptr, Calls<Fire<SpinningLockTarget01>>},
    {1260, 1300, nullptr, Calls<Fire<SpinningLockTarget01>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget02>>),
    {240, 280, nullptr, Calls<Fire<SpinningLockTarget02>>},
    {400, 480, nullptr, Calls<Fire<SpinningLockTarget02>>},
    {1150, 1260, nullptr, Calls<Fire<SpinningLockTarget02>>},
    {1260, 1300, nullptr, Calls<Fire<SpinningLockTarget02>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget03>>),
    {280, 320, nullptr, Calls<Fire<SpinningLockTarget03>>},
    {400, 480, nullptr, Calls<Fire<SpinningLockTarget03>>},
    {640, 680, nullptr, Calls<Fire<SpinningLockTarget03>>},
    {1150, 1260, nullptr, Calls<Fire<SpinningLockTarget03>>},
    {1260, 1300, nullptr, Calls<Fire<SpinningLockTarget03>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget04>>),
    {320, 360, nullptr, Calls<Fire<SpinningLockTarget04>>},
    {400, 480, nullptr, Calls<Fire<SpinningLockTarget04>>},
    {640, 680, nullptr, Calls<Fire<SpinningLockTarget04>>},
    {1150, 1260, nullptr, Calls<Fire<SpinningLockTarget04>>},
    {1260, 1300, nullptr, Calls<Fire<SpinningLockTarget04>>},
};

// The bullets: the arm strikes (which have no update), the boss patterns
// each updated then drawn, then the craft's shots.
constexpr ProgressRow kBullets[] = {
    EveryFrame(Calls<Draw<ArmStrike01>, Draw<ArmStrike02>, UpdateDraw<FormationDrop44>, UpdateDraw<FormationDrop45>,
                     UpdateDraw<FormationDrop46>, UpdateDraw<FormationDrop49>, UpdateDraw<FormationDrop50>,
                     UpdateDraw<FormationDrop47>, UpdateDraw<FormationDrop48>, UpdateDraw<AimedFan28>,
                     UpdateDraw<AimedFan29>, UpdateDraw<AimedFan30>, UpdateDraw<AimedFan31>, UpdateDraw<SmallDrop25>,
                     UpdateDraw<SmallDrop26>, UpdateDraw<SmallDrop27>, UpdateDraw<SmallDrop28>, UpdateDraw<SmallDrop29>,
                     UpdateDraw<SmallDrop30>, UpdateDraw<SmallDrop31>, UpdateDraw<SmallDrop32>,
                     UpdateDraw<SmallDrop33>>),
    // Never in play:
    EveryFrame(Calls<Update<FormationDrop44>, Update<FormationDrop49>, Update<FormationDrop50>, Update<FormationDrop47>,
                     Update<FormationDrop48>, Update<AimedFan30>, Update<AimedFan31>, Update<SmallDrop25>,
                     Update<SmallDrop26>, Update<SmallDrop27>, Update<SmallDrop28>, Update<SmallDrop29>,
                     Update<SmallDrop30>, Update<SmallDrop31>, Update<SmallDrop32>, Update<SmallDrop33>>, DoubleSpeed),
    EveryFrame(Calls<UpdateDraw<CurvingChain05>, UpdateDraw<CurvingChain06>, UpdateDraw<CurvingStream07>,
                     UpdateDraw<CurvingStream08>, UpdateDraw<CurvingStream09>, UpdateDraw<CurvingStream10>,
                     UpdateDraw<CurvingStream11>, UpdateDraw<CurvingStream12>>),
    EveryFrame(Calls<UpdateDraw<StraightShot04>, UpdateDraw<StraightShot05>, UpdateDraw<StraightShot06>,
                     UpdateDraw<AimedLineShot01>, UpdateDraw<StraightShot07>, UpdateDraw<StraightShot08>,
                     UpdateDraw<StraightShot09>, UpdateDraw<AimedLineShot04>, UpdateDraw<AimedShot06>,
                     UpdateDraw<StraightShot15>, UpdateDraw<StraightShot16>, UpdateDraw<StraightShot17>,
                     UpdateDraw<AimedShot07>, UpdateDraw<StraightShot18>, UpdateDraw<StraightShot19>,
                     UpdateDraw<StraightShot20>, UpdateDraw<StraightShot10>, UpdateDraw<StraightShot11>,
                     UpdateDraw<StraightShot12>, UpdateDraw<StraightShot13>, UpdateDraw<StraightShot14>,
                     UpdateDraw<LineShot03>, UpdateDraw<LineShot04>, UpdateDraw<LineShot05>, UpdateDraw<LineShot06>,
                     UpdateDraw<LineShot07>, UpdateDraw<StraightShot01>, UpdateDraw<StraightShot02>,
                     UpdateDraw<StraightShot03>, UpdateDraw<AimedShot03>, UpdateDraw<AimedShot04>,
                     UpdateDraw<AimedShot05>, UpdateDraw<AimedLineShot19>, UpdateDraw<AimedLineShot20>,
                     UpdateDraw<AimedLineShot21>, UpdateDraw<AimedLineShot22>, UpdateDraw<VolleyShot09>,
                     UpdateDraw<VolleyShot10>, UpdateDraw<VolleyShot11>, UpdateDraw<VolleyShot12>,
                     UpdateDraw<LineShot02>>),
    EveryFrame(Calls<UpdateDraw<RingShot01>>, DoubleSpeed),  // never in play
    EveryFrame(Calls<UpdateDraw<VolleyShot15>>, NotDoubleSpeed),
};

}  // namespace

const StageScript Scene6Script = {
    .music = "MIDI/KTSM4.MID",
    .musicOnFirstFrame = false,
    .rate = 14,
    .boss = BossFight<Scene6BossOps>(1300, 11100, 980, {1770, 1770, 1770, 1770}, 11000, kAttacks),
    .early = {},
    .smallFry = kSmallFry,
    .powerUps = StandardPowerUps,
    .powerUpMovesFirst = false,
    .bullets = kBullets,
    .sidePanels = false,
    .bombNeedsVolleyOff = false,
    .runsVolley = true,
    .lockWeapons = CallsAfter<rows::kBarragesAndLockShots, Update<BossLockShot09>, Update<BossLockShot10>>,
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
