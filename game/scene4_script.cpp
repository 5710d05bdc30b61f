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

// The boss's attack timeline. The small drops fall only outside level mode 1,
// that is never in a game started from the title.
constexpr AttackRow kAttacks[] = {
    // Arcs of formation drops fan out below the boss, then twin drops fall in pairs.
    {0, 100, nullptr, Calls<Fire<FormationDrop06>, Fire<FormationDrop07>>},
    {100, 200, nullptr, Calls<Fire<TwinDrop05>, Fire<TwinDrop06>>},
    // Other formations, one after another, then the first arcs again.
    {200, 300, nullptr, Calls<Fire<FormationDrop09>, Fire<FormationDrop10>>},
    {300, 370, nullptr, Calls<Fire<FormationDrop08>>},
    {380, 600, nullptr, Calls<Fire<FormationDrop06>, Fire<FormationDrop07>>},
    // Two more formations, with twin drops under them.
    {600, 800, nullptr, Calls<Fire<FormationDrop11>, Fire<FormationDrop12>>},
    {700, 900, nullptr, Calls<Fire<TwinDrop05>, Fire<TwinDrop06>>},
    // The first arcs and a single formation close the cycle.
    {900, 1100, nullptr, Calls<Fire<FormationDrop06>, Fire<FormationDrop07>>},
    {980, 1180, nullptr, Calls<Fire<FormationDrop08>>},
    // Small drops open into fans, outside a game from the title.
    {50, 100, NotLevelMode1, Calls<Spawn<SmallDrop04>, Spawn<SmallDrop08>>},
    {250, 300, NotLevelMode1, Calls<Spawn<SmallDrop04>, Spawn<SmallDrop05>, Spawn<SmallDrop06>, Spawn<SmallDrop07>,
                                    Spawn<SmallDrop08>>},
    {500, 600, NotLevelMode1, Calls<Spawn<SmallDrop04>, Spawn<SmallDrop05>, Spawn<SmallDrop08>>},
};

// One craft family after the other, each followed by its own waves.
constexpr Call kLaneDiversSpawn[] = {Spawn<LaneDiver01>, Fire<AimedShot01>, Spawn<LaneDiver02>, Fire<AimedShot02>};
constexpr Call kTimedDiver01Fire[] = {Fire<TimedDiagonalDiver01>, Fire<StraightShot41>, Fire<StraightShot42>,
                                      Fire<StraightShot43>, Fire<StraightShot44>};
constexpr Call kTimedDiver02Fire[] = {Fire<TimedDiagonalDiver02>, Fire<StraightShot56>, Fire<StraightShot57>,
                                      Fire<StraightShot58>, Fire<StraightShot59>};
constexpr Call kDiver01Spawn[] = {Spawn<DiagonalDiver01>, Fire<StraightShot31>, Fire<StraightShot32>,
                                  Fire<StraightShot33>, Fire<StraightShot34>, Fire<StraightShot35>};
constexpr Call kDiver03Spawn[] = {Spawn<DiagonalDiver03>, Fire<StraightShot46>, Fire<StraightShot47>,
                                  Fire<StraightShot48>, Fire<StraightShot49>, Fire<StraightShot50>};

constexpr ProgressRow kSmallFry[] = {
    // Flame fallers, moved three times a frame, drop in early.
    EveryFrame(Calls<Move<FlameFaller01>, Move<FlameFaller01>, Move<FlameFaller01>, Draw<FlameFaller01>>),
    {50, 100, nullptr, Calls<Spawn<FlameFaller01>>},
    // Lane divers dive down their lanes, twice, firing aimed needles.
    EveryFrame(Calls<MoveDraw<LaneDiver01>, MoveDraw<LaneDiver02>>),
    {150, 200, nullptr, kLaneDiversSpawn},
    {750, 840, nullptr, kLaneDiversSpawn},
    // Flame fallers drop in, each firing straight shots; the faller moves a second time,
    // and outside a game from the title its shots too.
    EveryFrame(Calls<MoveDraw<FlameFaller02>>),
    {200, 300, nullptr, Calls<Spawn<FlameFaller02>, Fire<StraightShot01>, Fire<StraightShot02>, Fire<StraightShot03>,
                              Move<FlameFaller02>, When<NotLevelMode1, Update<StraightShot01>>,
                              When<NotLevelMode1, Update<StraightShot02>>,
                              When<NotLevelMode1, Update<StraightShot03>>>},
    // Zigzag fighters, row by row, fly their bent paths firing aimed shots.
    EveryFrame(Calls<MoveDraw<ZigzagFighter03>>),
    {300, 350, nullptr, Calls<Fire<ZigzagFighter03>>},
    {500, 550, nullptr, Calls<Fire<ZigzagFighter03>>},
    EveryFrame(Calls<MoveDraw<ZigzagFighter04>>),
    {300, 350, nullptr, Calls<Fire<ZigzagFighter04>>},
    {500, 550, nullptr, Calls<Fire<ZigzagFighter04>>},
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
    // Spinning fallers drop in, three sets one after another, firing aimed needles.
    EveryFrame(Calls<MoveDraw<SpinningFaller01>>),
    {350, 450, nullptr, Calls<Spawn<SpinningFaller01>, Fire<AimedShot03>>},
    EveryFrame(Calls<MoveDraw<SpinningFaller02>>),
    {400, 500, nullptr, Calls<Spawn<SpinningFaller02>, Fire<AimedShot04>>},
    EveryFrame(Calls<MoveDraw<SpinningFaller03>>),
    {600, 650, nullptr, rows::kSpinningFaller03Wave},
    // Spinning lock targets fly their bent paths, firing aimed lines.
    EveryFrame(Calls<MoveDraw<SpinningLockTarget01>>),
    {100, 150, nullptr, Calls<Fire<SpinningLockTarget01>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget02>>),
    {650, 700, nullptr, Calls<Fire<SpinningLockTarget02>>},
    // Timed diagonal divers cross from both top corners one after another, twice, dropping
    // straight shots.
    EveryFrame(Calls<MoveDraw<TimedDiagonalDiver01>>),
    {100, 200, nullptr, kTimedDiver01Fire},
    {400, 500, nullptr, kTimedDiver01Fire},
    EveryFrame(Calls<MoveDraw<TimedDiagonalDiver02>>),
    {100, 200, nullptr, kTimedDiver02Fire},
    {400, 500, nullptr, kTimedDiver02Fire},
    // Diagonal divers dive across from both sides, twice, with a spray of straight shots.
    EveryFrame(Calls<MoveDraw<DiagonalDiver01>>),
    {700, 750, nullptr, kDiver01Spawn},
    {850, 1000, nullptr, kDiver01Spawn},
    EveryFrame(Calls<MoveDraw<DiagonalDiver03>>),
    {700, 750, nullptr, kDiver03Spawn},
    {850, 1000, nullptr, kDiver03Spawn},
    // The two large craft are flown but never spawned here: their shot sets' Fire calls find
    // no craft to fire from.
    EveryFrame(Calls<MoveDraw<LargeCraft03>>),
    {680, 950, nullptr, Calls<When<DoubleSpeed, Fire<VolleyShot15>>, When<ExtraModes, Fire<TwinDropShot03>>,
                              When<DoubleSpeed, Fire<TwinDropShot04>>, When<DoubleSpeed, Fire<RingShot01>>>},
    EveryFrame(Calls<MoveDraw<LargeCraft02>>),
    {600, 980, nullptr, Calls<When<ExtraModes, Fire<VolleyShot09>>, Fire<VolleyShot10>, Fire<VolleyShot11>,
                              When<DoubleSpeed, Fire<VolleyShot12>>, Fire<TwinDropShot01>,
                              When<DoubleSpeed, Fire<TwinDropShot02>>, When<DoubleSpeed, Fire<VolleyShot13>>,
                              When<DoubleSpeed, Fire<VolleyShot14>>>},
};

// The bullets, each updated then drawn.
constexpr ProgressRow kBullets[] = {
    // The boss's formations, rings and drops.
    EveryFrame(Calls<UpdateDraw<FormationDrop11>, UpdateDraw<FormationDrop12>, UpdateDraw<FormationDrop09>,
                     UpdateDraw<FormationDrop10>, UpdateDraw<FormationDrop08>, UpdateDraw<AimedRing01>,
                     UpdateDraw<AimedRing02>, UpdateDraw<SmallDrop04>, UpdateDraw<SmallDrop05>, UpdateDraw<SmallDrop06>,
                     UpdateDraw<SmallDrop07>, UpdateDraw<SmallDrop08>, UpdateDraw<FormationDrop06>,
                     UpdateDraw<FormationDrop07>, UpdateDraw<TwinDrop05>, UpdateDraw<TwinDrop06>>),
    EveryFrame(Calls<Update<FormationDrop11>, Update<FormationDrop12>, Update<FormationDrop09>, Update<FormationDrop10>,
                     Update<FormationDrop08>>, DoubleSpeed),  // never in play
    // The craft's shots.
    EveryFrame(Calls<UpdateDraw<StraightShot01>, UpdateDraw<StraightShot02>, UpdateDraw<StraightShot03>,
                     UpdateDraw<AimedShot03>, UpdateDraw<AimedShot04>, UpdateDraw<AimedShot05>,
                     UpdateDraw<AimedLineShot15>, UpdateDraw<AimedLineShot16>, UpdateDraw<AimedLineShot17>,
                     UpdateDraw<AimedLineShot18>, UpdateDraw<AimedLineShot19>, UpdateDraw<AimedLineShot20>,
                     UpdateDraw<AimedLineShot21>, UpdateDraw<AimedLineShot22>, UpdateDraw<AimedShot08>,
                     UpdateDraw<AimedShot09>, UpdateDraw<AimedShot10>, UpdateDraw<AimedShot11>,
                     UpdateDraw<StraightShot41>, UpdateDraw<StraightShot42>, UpdateDraw<StraightShot43>,
                     UpdateDraw<StraightShot44>, UpdateDraw<StraightShot56>, UpdateDraw<StraightShot57>,
                     UpdateDraw<StraightShot58>, UpdateDraw<StraightShot59>>),
    EveryFrame(Calls<UpdateDraw<VolleyShot13>, UpdateDraw<VolleyShot14>>, DoubleSpeed),  // never in play
    EveryFrame(Calls<UpdateDraw<VolleyShot12>, UpdateDraw<TwinDropShot01>, UpdateDraw<TwinDropShot02>>, NotDoubleSpeed),
    EveryFrame(Calls<UpdateDraw<VolleyShot09>, UpdateDraw<VolleyShot10>, UpdateDraw<VolleyShot11>,
                     UpdateDraw<TwinDropShot03>, UpdateDraw<TwinDropShot04>, UpdateDraw<ClusterDropShot07>>),
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
    .lockWeapons = Calls<Update<MissileBarrage01>, Update<MissileBarrage02>, Update<MissileBarrage03>,
                         Update<MissileBarrage04>, Update<LockShot03>, Update<LockShot04>, Update<LockShot05>,
                         Update<LockShot06>, Update<LockShot07>, Update<LockShot08>, Update<BossLockShot03>,
                         Update<BossLockShot04>>,
    .replayBlock = false,
    .continueBombs = 5,
};

}  // namespace stage
