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
constexpr Call kFormations0607[] = {Fire<FormationDrop06>, Fire<FormationDrop07>};
constexpr Call kTwins0506[] = {Fire<TwinDrop05>, Fire<TwinDrop06>};
constexpr Call kFormations28To27[] = {Fire<FormationDrop28>, Fire<FormationDrop29>, Fire<FormationDrop26>,
                                      Fire<FormationDrop27>};
constexpr Call kLines41To52[] = {Fire<AimedLine41>, Fire<AimedLine42>, Fire<AimedLine43>, Fire<AimedLine44>,
                                 Fire<AimedLine45>, Fire<AimedLine46>, Fire<AimedLine47>, Fire<AimedLine48>,
                                 Fire<AimedLine49>, Fire<AimedLine50>, Fire<AimedLine51>, Fire<AimedLine52>};
constexpr Call kRings1011[] = {Fire<AimedRing10>, Fire<AimedRing11>};
constexpr Call kFormation25[] = {Fire<FormationDrop25>};
constexpr Call kFormations2627[] = {Fire<FormationDrop26>, Fire<FormationDrop27>};
constexpr Call kTwins1415[] = {Fire<TwinDrop14>, Fire<TwinDrop15>};
constexpr Call kFormations3031[] = {Fire<FormationDrop30>, Fire<FormationDrop31>};
constexpr Call kFormations2829[] = {Fire<FormationDrop28>, Fire<FormationDrop29>};
constexpr Call kFans3233[] = {Fire<AimedFan32>, Fire<AimedFan33>};
constexpr Call kFans3435[] = {Fire<AimedFan34>, Fire<AimedFan35>};
constexpr Call kFan36[] = {Fire<AimedFan36>};
constexpr Call kFans3738[] = {Fire<AimedFan37>, Fire<AimedFan38>};
constexpr Call kArm07[] = {Fire<FallingArm07>};
constexpr Call kArms0809[] = {Fire<FallingArm08>, Fire<FallingArm09>};
constexpr Call kArms1013[] = {Fire<FallingArm10>, Fire<FallingArm13>};
constexpr Call kArms11121415[] = {Fire<FallingArm11>, Fire<FallingArm12>, Fire<FallingArm14>, Fire<FallingArm15>};
constexpr Call kArms101307[] = {Fire<FallingArm10>, Fire<FallingArm13>, Fire<FallingArm07>};
constexpr Call kSmallDrops43To51[] = {Spawn<SmallDrop43>, Spawn<SmallDrop44>, Spawn<SmallDrop45>,
                                      Spawn<SmallDrop46>, Spawn<SmallDrop47>, Spawn<SmallDrop48>,
                                      Spawn<SmallDrop49>, Spawn<SmallDrop50>, Spawn<SmallDrop51>};

constexpr AttackRow kAttacks[] = {
    {30, 150, nullptr, kFormations0607},
    {110, 200, nullptr, kTwins0506},
    {200, 250, nullptr, kFormations28To27},
    {250, 400, nullptr, kFormations28To27},
    {350, 380, nullptr, kLines41To52},
    {400, 500, nullptr, kRings1011},
    {450, 500, nullptr, kFormation25},
    {500, 700, nullptr, kFormations2627},
    {480, 580, nullptr, kTwins1415},
    {580, 700, nullptr, kFormations3031},
    {800, 900, nullptr, kLines41To52},
    {700, 1000, nullptr, kFormations2627},
    {750, 1100, nullptr, kFormations2829},
    {1050, 1300, nullptr, kFormations3031},
    {1320, 1500, nullptr, kFans3233},
    {1520, 1800, nullptr, kFans3435},
    {1820, 2000, nullptr, kFan36},
    {2020, 2300, nullptr, kFans3738},
    {1320, 1600, AtDifficulty3, kArm07},
    {1380, 1650, AtDifficulty3, kArms0809},
    {1660, 1900, AtDifficulty3, kArms1013},
    {1690, 1950, AtDifficulty3, kArms11121415},
    {1960, 2700, AtDifficulty3, kArms0809},
    {1990, 2700, AtDifficulty3, kArms11121415},
    {2300, 2700, AtDifficulty3, kArms101307},
    {2720, 2900, AtDifficulty3, kFans3233},
    {2920, 3200, AtDifficulty3, kFans3435},
    {3220, 3400, AtDifficulty3, kFan36},
    {3420, 3700, AtDifficulty3, kFans3738},
    {0, 30, nullptr, kSmallDrops43To51},
};

// The craft, one family after the other, each followed by its windows.
constexpr Call kSpinner01Wave[] = {Spawn<CrossingSpinner01>, Fire<StraightShot04>, Fire<AimedLineShot01>};
constexpr Call kVolley01[] = {Fire<VolleyShot01>};
constexpr Call kSpinner02Wave[] = {Spawn<CrossingSpinner02>, Fire<StraightShot07>, Fire<AimedLineShot04>};
constexpr Call kVolley02[] = {Fire<VolleyShot02>};

constexpr Call kFaller02[] = {Move<FlameFaller02>, Move<FlameFaller02>, Draw<FlameFaller02>};
constexpr Call kFaller02Spawn[] = {Spawn<FlameFaller02>};
constexpr Call kFaller02Wave[] = {Spawn<FlameFaller02>, Fire<LineShot02>};
constexpr Call kStraight01[] = {Fire<StraightShot01>};
constexpr Call kStraight0203[] = {Fire<StraightShot02>, Fire<StraightShot03>};

constexpr Call kFaller03[] = {Move<FlameFaller03>, Move<FlameFaller03>, Draw<FlameFaller03>};
constexpr Call kFaller03Spawn[] = {Spawn<FlameFaller03>};
constexpr Call kLineShot03[] = {Fire<LineShot03>};
constexpr Call kFaller03Wave[] = {Spawn<FlameFaller03>, Fire<StraightShot10>, Fire<StraightShot11>,
                                  Fire<StraightShot12>, Fire<StraightShot13>, Fire<StraightShot14>,
                                  Fire<LineShot03>,      Fire<LineShot04>,      Fire<LineShot05>,
                                  Fire<LineShot06>,      Fire<LineShot07>};



constexpr Call kLargeCraft02Wave[] = {Spawn<LargeCraft02>, Fire<VolleyShot09>, Fire<VolleyShot10>, Fire<VolleyShot11>,
                                      Fire<VolleyShot12>,  Fire<VolleyShot13>, Fire<VolleyShot14>};
constexpr Call kLargeCraft02Late[] = {Spawn<LargeCraft02>, Fire<VolleyShot12>, Fire<VolleyShot13>,
                                      Fire<VolleyShot14>};



constexpr ProgressRow kSmallFry[] = {
    EveryFrame(rows::kCrossingSpinners),
    EveryFrame(rows::kCrossingSpinnersAgain, DoubleSpeed),
    {150, 220, nullptr, kSpinner01Wave},
    {150, 190, DoubleSpeed, rows::kAimedLineShots0203},
    {150, 220, LevelMode1, rows::kStraightShots0506},
    {160, 200, LevelMode2, kVolley01},
    {150, 220, nullptr, kSpinner02Wave},
    {150, 190, DoubleSpeed, rows::kAimedLineShots0506},
    {150, 220, LevelMode1, rows::kStraightShots0809},
    {160, 200, LevelMode2, kVolley02},
    {750, 890, nullptr, kSpinner01Wave},
    {750, 790, DoubleSpeed, rows::kAimedLineShots0203},
    {840, 890, DoubleSpeed, rows::kAimedLineShots0203},
    {750, 890, LevelMode1, rows::kStraightShots0506},
    {810, 850, LevelMode2, kVolley01},
    {750, 890, nullptr, kSpinner02Wave},
    {750, 790, DoubleSpeed, rows::kAimedLineShots0506},
    {840, 890, DoubleSpeed, rows::kAimedLineShots0506},
    {750, 890, LevelMode1, rows::kStraightShots0809},
    {810, 850, LevelMode2, kVolley02},

    EveryFrame(kFaller02),
    {300, 500, nullptr, kFaller02Spawn},
    {300, 500, NotDoubleSpeed, kStraight01},
    {300, 500, nullptr, kStraight0203},
    {500, 750, nullptr, kFaller02Wave},
    {500, 750, NotDoubleSpeed, kStraight01},
    {500, 750, nullptr, kStraight0203},
    {900, 1100, nullptr, kFaller02Wave},
    {900, 1100, NotDoubleSpeed, kStraight01},
    {900, 1100, nullptr, kStraight0203},

    EveryFrame(kFaller03),
    {80, 130, nullptr, kFaller03Spawn},
    {80, 130, LevelMode1, kLineShot03},
    {80, 130, ExtraModes, rows::kLineShots0405},
    {700, 800, nullptr, kFaller03Spawn},
    {700, 800, LevelMode1, kLineShot03},
    {700, 800, ExtraModes, rows::kLineShots0405},
    {1000, 1100, nullptr, kFaller03Wave},

    EveryFrame(rows::kDiagonalLargeCraft01),
    {200, 230, nullptr, rows::kDiagonalLargeCraft01Wave},
    {670, 700, nullptr, rows::kDiagonalLargeCraft01Wave},
    EveryFrame(rows::kDiagonalLargeCraft02),
    {200, 230, nullptr, rows::kDiagonalLargeCraft02Wave},
    {670, 700, nullptr, rows::kDiagonalLargeCraft02Wave},

    EveryFrame(rows::kSpinningLockTarget01),
    {300, 350, nullptr, rows::kSpinningLockTarget01Fire},
    EveryFrame(rows::kSpinningLockTarget02),
    {350, 400, nullptr, rows::kSpinningLockTarget02Fire},
    EveryFrame(rows::kSpinningLockTarget03),
    {100, 150, nullptr, rows::kSpinningLockTarget03Fire},
    {960, 1000, nullptr, rows::kSpinningLockTarget03Fire},
    EveryFrame(rows::kSpinningLockTarget04),
    {700, 750, nullptr, rows::kSpinningLockTarget04Fire},
    {960, 1000, nullptr, rows::kSpinningLockTarget04Fire},

    EveryFrame(rows::kLargeCraft02, DoubleSpeed),
    {200, 400, DoubleSpeed, kLargeCraft02Wave},
    {700, 1100, DoubleSpeed, kLargeCraft02Late},

    EveryFrame(rows::kZigzagFighter05),
    {550, 600, nullptr, rows::kZigzagFighter05Fire},
    {800, 860, nullptr, rows::kZigzagFighter05Fire},
    {1000, 1100, nullptr, rows::kZigzagFighter05Fire},
    EveryFrame(rows::kZigzagFighter06),
    {550, 600, nullptr, rows::kZigzagFighter06Fire},
    {800, 860, nullptr, rows::kZigzagFighter06Fire},
    {1000, 1100, nullptr, rows::kZigzagFighter06Fire},
    EveryFrame(rows::kZigzagFighter07),
    {600, 650, nullptr, rows::kZigzagFighter07Fire},
    {750, 800, nullptr, rows::kZigzagFighter07Fire},
    EveryFrame(rows::kZigzagFighter08),
    {600, 650, nullptr, rows::kZigzagFighter08Fire},
    {750, 800, nullptr, rows::kZigzagFighter08Fire},

    EveryFrame(rows::kSweepingCraft0304),
    {900, 940, nullptr, rows::kSweepingCraft0304Spawn},
    {1120, 1200, nullptr, rows::kSweepingCraft0304Spawn},
};

// The bullets, each updated then drawn unless the row says otherwise, boss
// patterns first.
constexpr Call kArmsAndLines[] = {
    UpdateDraw<FallingArm08>, UpdateDraw<FallingArm09>, UpdateDraw<FallingArm07>, UpdateDraw<FallingArm11>,
    UpdateDraw<FallingArm12>, UpdateDraw<FallingArm10>, UpdateDraw<FallingArm14>, UpdateDraw<FallingArm15>,
    UpdateDraw<FallingArm13>, UpdateDraw<AimedLine41>,  UpdateDraw<AimedLine42>,  UpdateDraw<AimedLine43>,
    UpdateDraw<AimedLine44>,  UpdateDraw<AimedLine45>,  UpdateDraw<AimedLine46>,  UpdateDraw<AimedLine47>,
    UpdateDraw<AimedLine48>,  UpdateDraw<AimedLine49>,  UpdateDraw<AimedLine50>,  UpdateDraw<AimedLine51>,
    UpdateDraw<AimedLine52>,
};
constexpr Call kFormationsAndTwins[] = {UpdateDraw<FormationDrop06>, UpdateDraw<FormationDrop07>,
                                        UpdateDraw<TwinDrop05>, UpdateDraw<TwinDrop06>};
constexpr Call kFans[] = {UpdateDraw<AimedFan32>, UpdateDraw<AimedFan33>, UpdateDraw<AimedFan34>,
                          UpdateDraw<AimedFan35>, UpdateDraw<AimedFan36>, UpdateDraw<AimedFan37>,
                          UpdateDraw<AimedFan38>};
constexpr Call kSpinnerAndFallerShots[] = {
    UpdateDraw<StraightShot04>,   UpdateDraw<StraightShot05>,   UpdateDraw<StraightShot06>,
    UpdateDraw<AimedLineShot02>,  UpdateDraw<AimedLineShot03>,  UpdateDraw<AimedLineShot01>,
    UpdateDraw<VolleyShot01>,     UpdateDraw<StraightShot07>,   UpdateDraw<StraightShot08>,
    UpdateDraw<StraightShot09>,   UpdateDraw<AimedLineShot05>,  UpdateDraw<AimedLineShot06>,
    UpdateDraw<AimedLineShot04>,  UpdateDraw<VolleyShot02>,     Draw<StraightShot01>,
    Update<StraightShot01>,       Draw<StraightShot02>,         Update<StraightShot02>,
    Draw<StraightShot03>,         Update<StraightShot03>,       UpdateDraw<AimedShot08>,
    UpdateDraw<AimedShot09>,      UpdateDraw<AimedShot10>,      UpdateDraw<AimedShot11>,
    UpdateDraw<AimedLineShot19>,  UpdateDraw<AimedLineShot20>,  UpdateDraw<AimedLineShot21>,
    UpdateDraw<AimedLineShot22>,  UpdateDraw<CurvingChainShot03>, UpdateDraw<CurvingChainShot04>,
    UpdateDraw<CurvingChainShot05>, UpdateDraw<CurvingChainShot06>,
};
constexpr Call kFaller03Shots[] = {
    UpdateDraw<StraightShot10>, UpdateDraw<StraightShot11>, UpdateDraw<StraightShot12>, UpdateDraw<StraightShot13>,
    UpdateDraw<StraightShot14>, UpdateDraw<LineShot03>,     UpdateDraw<LineShot04>,     UpdateDraw<LineShot05>,
    UpdateDraw<LineShot06>,     UpdateDraw<LineShot07>,     UpdateDraw<LineShot02>,
};
constexpr Call kLargeCraft02Shots[] = {UpdateDraw<VolleyShot12>, UpdateDraw<VolleyShot13>, UpdateDraw<VolleyShot14>};
constexpr Call kLastShots[] = {UpdateDraw<VolleyShot09>, UpdateDraw<VolleyShot10>, UpdateDraw<VolleyShot11>,
                               UpdateDraw<ClusterDropShot03>, UpdateDraw<ClusterDropShot04>};

constexpr ProgressRow kBullets[] = {
    EveryFrame(kArmsAndLines),
    EveryFrame(rows::kScene3BossDrops),
    EveryFrame(kFormationsAndTwins),
    EveryFrame(rows::kScene8BossFormations),
    EveryFrame(rows::kScene8BossDrops),
    EveryFrame(kFans),
    EveryFrame(rows::kScene8BossFormationsAgain, DoubleSpeed),
    EveryFrame(kSpinnerAndFallerShots),
    EveryFrame(rows::kStraightShots01To03Again, DoubleSpeedNonZero),
    EveryFrame(kFaller03Shots),
    EveryFrame(rows::kStraightShots10To14Again, NotLevelMode1),
    EveryFrame(rows::kDiagonalLargeCraftShots),
    EveryFrame(kLargeCraft02Shots, DoubleSpeed),
    EveryFrame(kLastShots),
};

constexpr Call kBossLockShots[] = {Update<BossLockShot05>, Update<BossLockShot06>, Update<BossLockShot13>,
                                   Update<BossLockShot14>};
constexpr auto kLockWeapons = Join(rows::kBarragesAndLockShots, kBossLockShots);

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
    .lockWeapons = kLockWeapons,
    .replayBlock = false,
    .continueBombs = 5,
};

}  // namespace stage
