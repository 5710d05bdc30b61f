// The scene-4 stage: no scene change leads here; its boss's death leads to
// scene 5. Its music starts on the scene's first frame, the item moves before
// it is drawn, the side panels close the picture, and it has neither the
// special volley nor the replay block.
#include "game/stage_script.h"

#include "bosses/aimed_ring.h"
#include "bosses/boss.h"
#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/cluster_drop_shot.h"
#include "enemies/diagonal_diver.h"
#include "enemies/flame_faller.h"
#include "enemies/lane_diver.h"
#include "enemies/large_craft.h"
#include "enemies/ring_shot.h"
#include "enemies/spinning_faller.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/straight_shot.h"
#include "enemies/timed_diagonal_diver.h"
#include "enemies/twin_drop_shot.h"
#include "enemies/volley_shot.h"
#include "enemies/zigzag_fighter.h"
#include "game/boss_lock_shot.h"
#include "game/lock_shot.h"
#include "game/missile_barrage.h"
#include "game/stage_rows.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"

namespace stage {

namespace {

using namespace bosses;
using namespace enemies;
using namespace lockon;
using namespace patterns;

// The boss's attack timeline.
constexpr Call kFormation0607[] = {Fire<FormationDrop06>, Fire<FormationDrop07>};
constexpr Call kTwin0506[] = {Fire<TwinDrop05>, Fire<TwinDrop06>};
constexpr Call kFormation0910[] = {Fire<FormationDrop09>, Fire<FormationDrop10>};
constexpr Call kFormation08[] = {Fire<FormationDrop08>};
constexpr Call kFormation1112[] = {Fire<FormationDrop11>, Fire<FormationDrop12>};
constexpr Call kSmall0408[] = {Spawn<SmallDrop04>, Spawn<SmallDrop08>};
constexpr Call kSmall04To08[] = {Spawn<SmallDrop04>, Spawn<SmallDrop05>, Spawn<SmallDrop06>, Spawn<SmallDrop07>,
                                 Spawn<SmallDrop08>};
constexpr Call kSmall040508[] = {Spawn<SmallDrop04>, Spawn<SmallDrop05>, Spawn<SmallDrop08>};

// The small drops fall only outside level mode 1, that is never in a game
// started from the title.
constexpr AttackRow kAttacks[] = {
    {0, 100, nullptr, kFormation0607},
    {100, 200, nullptr, kTwin0506},
    {200, 300, nullptr, kFormation0910},
    {300, 370, nullptr, kFormation08},
    {380, 600, nullptr, kFormation0607},
    {600, 800, nullptr, kFormation1112},
    {700, 900, nullptr, kTwin0506},
    {900, 1100, nullptr, kFormation0607},
    {980, 1180, nullptr, kFormation08},
    {50, 100, NotLevelMode1, kSmall0408},
    {250, 300, NotLevelMode1, kSmall04To08},
    {500, 600, NotLevelMode1, kSmall040508},
};

// One craft family after the other, each followed by its own windows.
constexpr Call kFlameFaller01[] = {Move<FlameFaller01>, Move<FlameFaller01>, Move<FlameFaller01>,
                                   Draw<FlameFaller01>};
constexpr Call kFlameFaller01Spawn[] = {Spawn<FlameFaller01>};
constexpr Call kLaneDivers[] = {MoveDraw<LaneDiver01>, MoveDraw<LaneDiver02>};
constexpr Call kLaneDiversSpawn[] = {Spawn<LaneDiver01>, Fire<AimedShot01>, Spawn<LaneDiver02>, Fire<AimedShot02>};
constexpr Call kFlameFaller02[] = {MoveDraw<FlameFaller02>};
constexpr Call kFlameFaller02Spawn[] = {Spawn<FlameFaller02>,         Fire<StraightShot01>,
                                        Fire<StraightShot02>,          Fire<StraightShot03>,
                                        Move<FlameFaller02>,           When<NotLevelMode1, Update<StraightShot01>>,
                                        When<NotLevelMode1, Update<StraightShot02>>,
                                        When<NotLevelMode1, Update<StraightShot03>>};
constexpr Call kZigzag03[] = {MoveDraw<ZigzagFighter03>};
constexpr Call kZigzag03Fire[] = {Fire<ZigzagFighter03>};
constexpr Call kZigzag04[] = {MoveDraw<ZigzagFighter04>};
constexpr Call kZigzag04Fire[] = {Fire<ZigzagFighter04>};
constexpr Call kSpinner01[] = {MoveDraw<SpinningFaller01>};
constexpr Call kSpinner01Spawn[] = {Spawn<SpinningFaller01>, Fire<AimedShot03>};
constexpr Call kSpinner02[] = {MoveDraw<SpinningFaller02>};
constexpr Call kSpinner02Spawn[] = {Spawn<SpinningFaller02>, Fire<AimedShot04>};
constexpr Call kSpinner03[] = {MoveDraw<SpinningFaller03>};
constexpr Call kSpinner03Spawn[] = {Move<SpinningFaller03>, Move<SpinningFaller03>, Spawn<SpinningFaller03>,
                                    Fire<AimedShot05>};
constexpr Call kTimedDiver01[] = {MoveDraw<TimedDiagonalDiver01>};
constexpr Call kTimedDiver01Fire[] = {Fire<TimedDiagonalDiver01>, Fire<StraightShot41>, Fire<StraightShot42>,
                                      Fire<StraightShot43>, Fire<StraightShot44>};
constexpr Call kTimedDiver02[] = {MoveDraw<TimedDiagonalDiver02>};
constexpr Call kTimedDiver02Fire[] = {Fire<TimedDiagonalDiver02>, Fire<StraightShot56>, Fire<StraightShot57>,
                                      Fire<StraightShot58>, Fire<StraightShot59>};
constexpr Call kDiver01Spawn[] = {Spawn<DiagonalDiver01>, Fire<StraightShot31>, Fire<StraightShot32>,
                                  Fire<StraightShot33>, Fire<StraightShot34>, Fire<StraightShot35>};
constexpr Call kDiver03Spawn[] = {Spawn<DiagonalDiver03>, Fire<StraightShot46>, Fire<StraightShot47>,
                                  Fire<StraightShot48>, Fire<StraightShot49>, Fire<StraightShot50>};
// The two large craft are flown but never spawned here: their shot sets'
// Fire calls find no craft to fire from.
constexpr Call kLarge03[] = {MoveDraw<LargeCraft03>};
constexpr Call kLarge03Shots[] = {When<DoubleSpeed, Fire<VolleyShot15>>, When<ExtraModes, Fire<TwinDropShot03>>,
                                  When<DoubleSpeed, Fire<TwinDropShot04>>, When<DoubleSpeed, Fire<RingShot01>>};
constexpr Call kLarge02Shots[] = {When<ExtraModes, Fire<VolleyShot09>>,  Fire<VolleyShot10>,
                                  Fire<VolleyShot11>,                    When<DoubleSpeed, Fire<VolleyShot12>>,
                                  Fire<TwinDropShot01>,                  When<DoubleSpeed, Fire<TwinDropShot02>>,
                                  When<DoubleSpeed, Fire<VolleyShot13>>, When<DoubleSpeed, Fire<VolleyShot14>>};

constexpr ProgressRow kSmallFry[] = {
    EveryFrame(kFlameFaller01),
    {50, 100, nullptr, kFlameFaller01Spawn},
    EveryFrame(kLaneDivers),
    {150, 200, nullptr, kLaneDiversSpawn},
    {750, 840, nullptr, kLaneDiversSpawn},
    EveryFrame(kFlameFaller02),
    {200, 300, nullptr, kFlameFaller02Spawn},
    EveryFrame(kZigzag03),
    {300, 350, nullptr, kZigzag03Fire},
    {500, 550, nullptr, kZigzag03Fire},
    EveryFrame(kZigzag04),
    {300, 350, nullptr, kZigzag04Fire},
    {500, 550, nullptr, kZigzag04Fire},
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
    EveryFrame(kSpinner01),
    {350, 450, nullptr, kSpinner01Spawn},
    EveryFrame(kSpinner02),
    {400, 500, nullptr, kSpinner02Spawn},
    EveryFrame(kSpinner03),
    {600, 650, nullptr, kSpinner03Spawn},
    EveryFrame(rows::kSpinningLockTarget01),
    {100, 150, nullptr, rows::kSpinningLockTarget01Fire},
    EveryFrame(rows::kSpinningLockTarget02),
    {650, 700, nullptr, rows::kSpinningLockTarget02Fire},
    EveryFrame(kTimedDiver01),
    {100, 200, nullptr, kTimedDiver01Fire},
    {400, 500, nullptr, kTimedDiver01Fire},
    EveryFrame(kTimedDiver02),
    {100, 200, nullptr, kTimedDiver02Fire},
    {400, 500, nullptr, kTimedDiver02Fire},
    EveryFrame(rows::kDiagonalDiver01),
    {700, 750, nullptr, kDiver01Spawn},
    {850, 1000, nullptr, kDiver01Spawn},
    EveryFrame(rows::kDiagonalDiver03),
    {700, 750, nullptr, kDiver03Spawn},
    {850, 1000, nullptr, kDiver03Spawn},
    EveryFrame(kLarge03),
    {680, 950, nullptr, kLarge03Shots},
    EveryFrame(rows::kLargeCraft02),
    {600, 980, nullptr, kLarge02Shots},
};

// The bullets, each updated then drawn, boss patterns first.
constexpr Call kBossPatterns[] = {
    UpdateDraw<FormationDrop11>, UpdateDraw<FormationDrop12>, UpdateDraw<FormationDrop09>,
    UpdateDraw<FormationDrop10>, UpdateDraw<FormationDrop08>, UpdateDraw<AimedRing01>,
    UpdateDraw<AimedRing02>,     UpdateDraw<SmallDrop04>,     UpdateDraw<SmallDrop05>,
    UpdateDraw<SmallDrop06>,     UpdateDraw<SmallDrop07>,     UpdateDraw<SmallDrop08>,
    UpdateDraw<FormationDrop06>, UpdateDraw<FormationDrop07>, UpdateDraw<TwinDrop05>,
    UpdateDraw<TwinDrop06>,
};
constexpr Call kFormationsAgain[] = {Update<FormationDrop11>, Update<FormationDrop12>, Update<FormationDrop09>,
                                     Update<FormationDrop10>, Update<FormationDrop08>};
constexpr Call kShots[] = {
    UpdateDraw<StraightShot01>,   UpdateDraw<StraightShot02>,   UpdateDraw<StraightShot03>,
    UpdateDraw<AimedShot03>,      UpdateDraw<AimedShot04>,      UpdateDraw<AimedShot05>,
    UpdateDraw<AimedLineShot15>,  UpdateDraw<AimedLineShot16>,  UpdateDraw<AimedLineShot17>,
    UpdateDraw<AimedLineShot18>,  UpdateDraw<AimedLineShot19>,  UpdateDraw<AimedLineShot20>,
    UpdateDraw<AimedLineShot21>,  UpdateDraw<AimedLineShot22>,  UpdateDraw<AimedShot08>,
    UpdateDraw<AimedShot09>,      UpdateDraw<AimedShot10>,      UpdateDraw<AimedShot11>,
    UpdateDraw<StraightShot41>,   UpdateDraw<StraightShot42>,   UpdateDraw<StraightShot43>,
    UpdateDraw<StraightShot44>,   UpdateDraw<StraightShot56>,   UpdateDraw<StraightShot57>,
    UpdateDraw<StraightShot58>,   UpdateDraw<StraightShot59>,
};
constexpr Call kFastVolleys[] = {UpdateDraw<VolleyShot13>, UpdateDraw<VolleyShot14>};
constexpr Call kSlowVolleys[] = {UpdateDraw<VolleyShot12>, UpdateDraw<TwinDropShot01>, UpdateDraw<TwinDropShot02>};
constexpr Call kLastShots[] = {UpdateDraw<VolleyShot09>,   UpdateDraw<VolleyShot10>,   UpdateDraw<VolleyShot11>,
                               UpdateDraw<TwinDropShot03>, UpdateDraw<TwinDropShot04>, UpdateDraw<ClusterDropShot07>};

constexpr ProgressRow kBullets[] = {
    EveryFrame(kBossPatterns),
    EveryFrame(kFormationsAgain, DoubleSpeed),
    EveryFrame(kShots),
    EveryFrame(kFastVolleys, DoubleSpeed),
    EveryFrame(kSlowVolleys, NotDoubleSpeed),
    EveryFrame(kLastShots),
};

constexpr Call kLockWeapons[] = {
    Update<MissileBarrage01>, Update<MissileBarrage02>, Update<MissileBarrage03>, Update<MissileBarrage04>,
    Update<LockShot03>,       Update<LockShot04>,       Update<LockShot05>,       Update<LockShot06>,
    Update<LockShot07>,       Update<LockShot08>,       Update<BossLockShot03>,   Update<BossLockShot04>,
};

}  // namespace

const StageScript Scene4Script = {
    .music = "MIDI/GTCB3.MID",
    .musicOnFirstFrame = true,
    .rate = 20,
    .boss = BossFight<Scene4BossOps>(1050, 11100, 590, {1100, 1100, 1100, 1100}, 11000, kAttacks),
    .early = {},
    .smallFry = kSmallFry,
    .powerUps = StandardPowerUps,
    .powerUpMovesFirst = true,
    .bullets = kBullets,
    .sidePanels = true,
    .bombNeedsVolleyOff = false,
    .runsVolley = false,
    .lockWeapons = kLockWeapons,
    .replayBlock = false,
    .continueBombs = 5,
};

}  // namespace stage
