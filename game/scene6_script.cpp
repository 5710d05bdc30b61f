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
constexpr Call kChains0506[] = {Fire<CurvingChain05>, Fire<CurvingChain06>};
constexpr Call kFormations4546[] = {Fire<FormationDrop45>, Fire<FormationDrop46>};
constexpr Call kFormation44[] = {Fire<FormationDrop44>};
constexpr Call kFans2829[] = {Fire<AimedFan28>, Fire<AimedFan29>};
constexpr Call kArmStrikes[] = {Spawn<ArmStrike01>, Spawn<ArmStrike02>};
constexpr Call kFans3031[] = {Fire<AimedFan30>, Fire<AimedFan31>};
constexpr Call kFormations4950[] = {Fire<FormationDrop49>, Fire<FormationDrop50>};
constexpr Call kFormations4748[] = {Fire<FormationDrop47>, Fire<FormationDrop48>};
constexpr Call kSmallDrops25To33[] = {Spawn<SmallDrop25>, Spawn<SmallDrop26>, Spawn<SmallDrop27>,
                                      Spawn<SmallDrop28>, Spawn<SmallDrop29>, Spawn<SmallDrop30>,
                                      Spawn<SmallDrop31>, Spawn<SmallDrop32>, Spawn<SmallDrop33>};

constexpr AttackRow kAttacks[] = {
    {5, 200, nullptr, kStreams07To12},
    {50, 120, nullptr, kChains0506},
    {0, 100, nullptr, kFormations4546},
    {200, 300, nullptr, kFormation44},
    {240, 280, nullptr, kFans2829},
    {300, 600, AtDifficulty2Or3, kArmStrikes},
    {600, 700, nullptr, kChains0506},
    {500, 700, nullptr, kFans3031},
    {770, 900, nullptr, kFormations4950},
    {800, 980, nullptr, kFormations4748},
    {1000, 1300, AtDifficulty2Or3, kArmStrikes},
    {1200, 1300, nullptr, kFormations4546},
    {300, 500, AtDifficulty1, kSmallDrops25To33},
    {1020, 1200, AtDifficulty1, kSmallDrops25To33},
    {1120, 1200, AtDifficulty1, kFormations4546},
    {1100, 1200, AtDifficulty1, kFormation44},
    {1300, 1450, nullptr, kFans3031},
    {1450, 1500, nullptr, kFans2829},
    {1500, 1750, nullptr, kStreams07To12},
};

// The craft, one family after the other, each followed by its windows; a
// row with several windows is one row per window.
constexpr Call kFaller03Wave[] = {
    Spawn<FlameFaller03>, When<LevelMode2, Fire<StraightShot10>>, When<DoubleSpeed, Fire<StraightShot11>>,
    When<DoubleSpeed, Fire<StraightShot12>>, When<DoubleSpeed, Fire<StraightShot13>>,
    When<DoubleSpeed, Fire<StraightShot14>>, Fire<LineShot03>,
};
constexpr Call kFaller01[] = {MoveDraw<FlameFaller01>};
constexpr Call kFaller01Spawn[] = {Spawn<FlameFaller01>};
constexpr Call kFaller02[] = {MoveDraw<FlameFaller02>};
constexpr Call kFaller02Wave[] = {
    Spawn<FlameFaller02>, Fire<LineShot02>, When<DoubleSpeed, Fire<StraightShot01>>,
    When<LevelMode2, Fire<StraightShot02>>, When<LevelMode2, Fire<StraightShot03>>,
};
constexpr Call kFaller02Late[] = {
    Spawn<FlameFaller02>, Fire<LineShot02>, When<DoubleSpeed, Fire<StraightShot01>>, Fire<StraightShot02>,
    Fire<StraightShot03>,
};
constexpr Call kSpinningFallersAndDiver01[] = {MoveDraw<SpinningFaller01>, MoveDraw<SpinningFaller02>,
                                               MoveDraw<SpinningFaller03>, MoveDraw<DiagonalDiver01>};
constexpr Call kLargeCraft02Wave[] = {Spawn<LargeCraft02>, Fire<VolleyShot12>, Fire<VolleyShot09>,
                                      Fire<VolleyShot10>, Fire<VolleyShot11>};
constexpr Call kLargeCraft03[] = {MoveDraw<LargeCraft03>};
constexpr Call kLargeCraft03Wave[] = {Spawn<LargeCraft03>, Fire<VolleyShot15>, When<DoubleSpeed, Fire<RingShot01>>};

constexpr ProgressRow kSmallFry[] = {
    EveryFrame(rows::kCrossingSpinners),
    {600, 680, nullptr, rows::kCrossingSpinnersWave},
    {800, 900, nullptr, rows::kCrossingSpinnersWave},
    {1000, 1100, nullptr, rows::kCrossingSpinnersWave},
    EveryFrame(rows::kSideGliders),
    {560, 600, nullptr, rows::kSideGlidersWave},
    {700, 800, nullptr, rows::kSideGlidersWave},
    {1100, 1200, nullptr, rows::kSideGlidersWave},
    EveryFrame(rows::kFlameFaller03),
    {500, 600, nullptr, kFaller03Wave},
    EveryFrame(kFaller01),
    {30, 200, nullptr, kFaller01Spawn},
    EveryFrame(kFaller02),
    {240, 590, nullptr, kFaller02Wave},
    {900, 1200, nullptr, kFaller02Late},
    EveryFrame(kSpinningFallersAndDiver01),
    {100, 200, nullptr, rows::kDiagonalDiver01Spawn},
    {400, 500, nullptr, rows::kDiagonalDiver01Spawn},
    {1180, 1260, nullptr, rows::kDiagonalDiver01Spawn},
    EveryFrame(rows::kDiagonalDiver03),
    {100, 200, nullptr, rows::kDiagonalDiver03Spawn},
    {400, 500, nullptr, rows::kDiagonalDiver03Spawn},
    {1180, 1260, nullptr, rows::kDiagonalDiver03Spawn},
    EveryFrame(rows::kLargeCraft02),
    {600, 800, nullptr, kLargeCraft02Wave},
    EveryFrame(kLargeCraft03),
    {640, 900, nullptr, kLargeCraft03Wave},
    EveryFrame(rows::kSpinningLockTarget01),
    {200, 240, nullptr, rows::kSpinningLockTarget01Fire},
    {400, 480, nullptr, rows::kSpinningLockTarget01Fire},
    {1150, 1260, nullptr, rows::kSpinningLockTarget01Fire},
    {1260, 1300, nullptr, rows::kSpinningLockTarget01Fire},
    EveryFrame(rows::kSpinningLockTarget02),
    {240, 280, nullptr, rows::kSpinningLockTarget02Fire},
    {400, 480, nullptr, rows::kSpinningLockTarget02Fire},
    {1150, 1260, nullptr, rows::kSpinningLockTarget02Fire},
    {1260, 1300, nullptr, rows::kSpinningLockTarget02Fire},
    EveryFrame(rows::kSpinningLockTarget03),
    {280, 320, nullptr, rows::kSpinningLockTarget03Fire},
    {400, 480, nullptr, rows::kSpinningLockTarget03Fire},
    {640, 680, nullptr, rows::kSpinningLockTarget03Fire},
    {1150, 1260, nullptr, rows::kSpinningLockTarget03Fire},
    {1260, 1300, nullptr, rows::kSpinningLockTarget03Fire},
    EveryFrame(rows::kSpinningLockTarget04),
    {320, 360, nullptr, rows::kSpinningLockTarget04Fire},
    {400, 480, nullptr, rows::kSpinningLockTarget04Fire},
    {640, 680, nullptr, rows::kSpinningLockTarget04Fire},
    {1150, 1260, nullptr, rows::kSpinningLockTarget04Fire},
    {1260, 1300, nullptr, rows::kSpinningLockTarget04Fire},
};

// The bullets: the arm strikes (which have no update), the boss patterns
// each updated then drawn, then the craft's shots.
constexpr Call kBossPatterns[] = {
    Draw<ArmStrike01>,           Draw<ArmStrike02>,           UpdateDraw<FormationDrop44>, UpdateDraw<FormationDrop45>,
    UpdateDraw<FormationDrop46>, UpdateDraw<FormationDrop49>, UpdateDraw<FormationDrop50>, UpdateDraw<FormationDrop47>,
    UpdateDraw<FormationDrop48>, UpdateDraw<AimedFan28>,      UpdateDraw<AimedFan29>,      UpdateDraw<AimedFan30>,
    UpdateDraw<AimedFan31>,      UpdateDraw<SmallDrop25>,     UpdateDraw<SmallDrop26>,     UpdateDraw<SmallDrop27>,
    UpdateDraw<SmallDrop28>,     UpdateDraw<SmallDrop29>,     UpdateDraw<SmallDrop30>,     UpdateDraw<SmallDrop31>,
    UpdateDraw<SmallDrop32>,     UpdateDraw<SmallDrop33>,
};
constexpr Call kBossPatternsAgain[] = {
    Update<FormationDrop44>, Update<FormationDrop49>, Update<FormationDrop50>, Update<FormationDrop47>,
    Update<FormationDrop48>, Update<AimedFan30>,      Update<AimedFan31>,      Update<SmallDrop25>,
    Update<SmallDrop26>,     Update<SmallDrop27>,     Update<SmallDrop28>,     Update<SmallDrop29>,
    Update<SmallDrop30>,     Update<SmallDrop31>,     Update<SmallDrop32>,     Update<SmallDrop33>,
};
constexpr Call kStreams[] = {
    UpdateDraw<CurvingChain05>,  UpdateDraw<CurvingChain06>,  UpdateDraw<CurvingStream07>, UpdateDraw<CurvingStream08>,
    UpdateDraw<CurvingStream09>, UpdateDraw<CurvingStream10>, UpdateDraw<CurvingStream11>, UpdateDraw<CurvingStream12>,
};
constexpr Call kShots[] = {
    UpdateDraw<StraightShot04>,  UpdateDraw<StraightShot05>,  UpdateDraw<StraightShot06>,  UpdateDraw<AimedLineShot01>,
    UpdateDraw<StraightShot07>,  UpdateDraw<StraightShot08>,  UpdateDraw<StraightShot09>,  UpdateDraw<AimedLineShot04>,
    UpdateDraw<AimedShot06>,     UpdateDraw<StraightShot15>,  UpdateDraw<StraightShot16>,  UpdateDraw<StraightShot17>,
    UpdateDraw<AimedShot07>,     UpdateDraw<StraightShot18>,  UpdateDraw<StraightShot19>,  UpdateDraw<StraightShot20>,
    UpdateDraw<StraightShot10>,  UpdateDraw<StraightShot11>,  UpdateDraw<StraightShot12>,  UpdateDraw<StraightShot13>,
    UpdateDraw<StraightShot14>,  UpdateDraw<LineShot03>,      UpdateDraw<LineShot04>,      UpdateDraw<LineShot05>,
    UpdateDraw<LineShot06>,      UpdateDraw<LineShot07>,      UpdateDraw<StraightShot01>,  UpdateDraw<StraightShot02>,
    UpdateDraw<StraightShot03>,  UpdateDraw<AimedShot03>,     UpdateDraw<AimedShot04>,     UpdateDraw<AimedShot05>,
    UpdateDraw<AimedLineShot19>, UpdateDraw<AimedLineShot20>, UpdateDraw<AimedLineShot21>, UpdateDraw<AimedLineShot22>,
    UpdateDraw<VolleyShot09>,    UpdateDraw<VolleyShot10>,    UpdateDraw<VolleyShot11>,    UpdateDraw<VolleyShot12>,
    UpdateDraw<LineShot02>,
};
constexpr Call kRingShots[] = {UpdateDraw<RingShot01>};
constexpr Call kVolley15Shots[] = {UpdateDraw<VolleyShot15>};

constexpr ProgressRow kBullets[] = {
    EveryFrame(kBossPatterns),
    EveryFrame(kBossPatternsAgain, DoubleSpeed),
    EveryFrame(kStreams),
    EveryFrame(kShots),
    EveryFrame(kRingShots, DoubleSpeed),
    EveryFrame(kVolley15Shots, NotDoubleSpeed),
};

constexpr Call kBossLockShots[] = {Update<BossLockShot09>, Update<BossLockShot10>};
constexpr auto kLockWeapons = Join(rows::kBarragesAndLockShots, kBossLockShots);

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
    .lockWeapons = kLockWeapons,
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
