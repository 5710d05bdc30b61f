// The scene-7 stage: no scene change leads here; its boss, which fires the
// lightning chains, leads to scene 8 by its death. Its music starts on the
// scene's first frame.
#include "game/stage_script.h"

#include "bosses/aimed_ring.h"
#include "bosses/boss.h"
#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/cluster_drop_shot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/flame_faller.h"
#include "enemies/lane_diver.h"
#include "enemies/large_craft.h"
#include "enemies/ring_shot.h"
#include "enemies/rising_lock_target.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_faller.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/straight_shot.h"
#include "enemies/sweeping_craft.h"
#include "enemies/timed_diagonal_diver.h"
#include "enemies/twin_drop_shot.h"
#include "enemies/volley_shot.h"
#include "enemies/zigzag_fighter.h"
#include "game/boss_lock_shot.h"
#include "game/lock_shot.h"
#include "game/missile_barrage.h"
#include "game/stage_rows.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/lightning_chain.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"

namespace stage {

namespace {

using namespace bosses;
using namespace enemies;
using namespace lockon;
using namespace patterns;

// The boss's attack timeline.
constexpr AttackRow kAttacks[] = {
    // Lightning chains flash from the boss toward the ship, over a formation and twin drops.
    {30, 100, nullptr, Calls<Spawn<LightningChain01>, Spawn<LightningChain02>>},
    {100, 150, nullptr, Calls<Fire<FormationDrop18>>},
    {0, 170, nullptr, Calls<Fire<TwinDrop12>, Fire<TwinDrop13>>},
    // Three pairs of lightning chains, one pair just after another, twice.
    {200, 300, nullptr, Calls<Spawn<LightningChain01>, Spawn<LightningChain02>>},
    {220, 320, nullptr, Calls<Spawn<LightningChain03>, Spawn<LightningChain04>>},
    {240, 340, nullptr, Calls<Spawn<LightningChain05>, Spawn<LightningChain06>>},
    {360, 500, nullptr, Calls<Spawn<LightningChain01>, Spawn<LightningChain02>>},
    {370, 510, nullptr, Calls<Spawn<LightningChain03>, Spawn<LightningChain04>>},
    {380, 520, nullptr, Calls<Spawn<LightningChain05>, Spawn<LightningChain06>>},
    // A ring of spinning balls and arcs of formation drops.
    {450, 600, nullptr, Calls<Fire<AimedRing09>>},
    {400, 600, nullptr, Calls<Fire<FormationDrop23>, Fire<FormationDrop24>>},
    // Twin drops under several formations.
    {600, 950, nullptr, Calls<Fire<TwinDrop12>, Fire<TwinDrop13>>},
    {650, 900, nullptr, Calls<Fire<FormationDrop21>, Fire<FormationDrop22>>},
    {700, 900, nullptr, Calls<Fire<FormationDrop18>>},
    {800, 950, nullptr, Calls<Fire<FormationDrop19>, Fire<FormationDrop20>>},
    // The three pairs of lightning chains again, then formations, twin drops and the ring.
    {900, 1300, nullptr, Calls<Spawn<LightningChain01>, Spawn<LightningChain02>>},
    {910, 1310, nullptr, Calls<Spawn<LightningChain03>, Spawn<LightningChain04>>},
    {920, 1320, nullptr, Calls<Spawn<LightningChain05>, Spawn<LightningChain06>>},
    {950, 1500, nullptr, Calls<Fire<FormationDrop21>, Fire<FormationDrop22>>},
    {1100, 1500, nullptr, Calls<Fire<FormationDrop19>, Fire<FormationDrop20>>},
    {1450, 1550, nullptr, Calls<Fire<TwinDrop12>, Fire<TwinDrop13>>},
    {1150, 1600, nullptr, Calls<Fire<AimedRing09>>},
};

// A first group of craft moved and drawn together, then its waves; then the
// crossing spinners, the side gliders and the two large craft, each followed
// at once by its own waves.

constexpr ProgressRow kSmallFry[] = {
    // The flame fallers move twice a frame.
    EveryFrame(Calls<MoveDraw<RisingLockTarget01>, MoveDraw<RisingLockTarget02>, Move<FlameFaller01>,
                     Move<FlameFaller01>, Draw<FlameFaller01>, MoveDraw<DiagonalDiver02>, MoveDraw<DiagonalDiver04>,
                     MoveDraw<SpinningLockTarget01>, MoveDraw<SpinningLockTarget02>, MoveDraw<LaneDiver01>,
                     MoveDraw<LaneDiver02>, MoveDraw<ZigzagFighter05>, MoveDraw<ZigzagFighter06>,
                     MoveDraw<SpinningFaller01>, MoveDraw<SpinningFaller02>, MoveDraw<SpinningFaller03>,
                     MoveDraw<SweepingCraft01>, MoveDraw<SweepingCraft02>, MoveDraw<TimedDiagonalDiver01>,
                     MoveDraw<TimedDiagonalDiver02>>),
    // Two rows of zigzag fighters fly their bent paths firing aimed shots, then both.
    {160, 200, nullptr, Calls<Fire<ZigzagFighter05>>},
    {200, 250, nullptr, Calls<Fire<ZigzagFighter06>>},
    // Flame fallers drop in without firing.
    {250, 300, nullptr, Calls<Spawn<FlameFaller01>>},
    {200, 250, nullptr, Calls<Fire<ZigzagFighter05>, Fire<ZigzagFighter06>>},
    // Two small sets of diagonal divers cross from both sides.
    {300, 350, nullptr, Calls<Spawn<DiagonalDiver02>, Spawn<DiagonalDiver04>>},
    // Spinning lock targets fly their bent paths, firing aimed lines.
    {350, 450, nullptr, Calls<Fire<SpinningLockTarget01>>},
    {450, 500, nullptr, Calls<Fire<SpinningLockTarget02>>},
    // Spinning fallers drop in, three sets, firing aimed needles.
    {500, 700, nullptr, Calls<Spawn<SpinningFaller01>, Fire<AimedShot03>>},
    {600, 800, nullptr, Calls<Spawn<SpinningFaller02>, Fire<AimedShot04>>},
    {800, 900, nullptr, rows::kSpinningFaller03Wave},
    // Lock targets, zigzag fighters, spinning fallers and diagonal divers again.
    {750, 850, nullptr, Calls<Fire<SpinningLockTarget01>, Fire<SpinningLockTarget02>>},
    {850, 950, nullptr, Calls<Fire<ZigzagFighter05>, Fire<ZigzagFighter06>>},
    {900, 980, nullptr, rows::kSpinningFaller03Wave},
    {950, 1050, nullptr, Calls<Spawn<DiagonalDiver02>, Spawn<DiagonalDiver04>>},
    // Timed diagonal divers cross from both top corners one after another, dropping straight
    // shots.
    {1050, 1200, nullptr, rows::kTimedDiagonalDiversWave},
    // Crossing spinners cross the field diagonally from both sides, three times, firing
    // straight shots, and aimed lines from their second wave on.
    EveryFrame(Calls<MoveDraw<CrossingSpinner01>, MoveDraw<CrossingSpinner02>>),
    {600, 680, nullptr, Calls<Spawn<CrossingSpinner01>, When<DoubleSpeed, Fire<StraightShot04>>,
                              When<DoubleSpeed, Fire<StraightShot05>>, Fire<StraightShot06>, Spawn<CrossingSpinner02>,
                              When<DoubleSpeed, Fire<StraightShot07>>, Fire<StraightShot08>,
                              When<DoubleSpeed, Fire<StraightShot09>>>},
    {800, 900, nullptr, rows::kCrossingSpinnersWave},
    {1000, 1100, nullptr, rows::kCrossingSpinnersWave},
    // Side gliders glide across from both sides, three times, firing aimed needles and
    // straight shots.
    EveryFrame(Calls<MoveDraw<SideGlider01>, MoveDraw<SideGlider02>>),
    {560, 600, nullptr, rows::kSideGlidersWave},
    {800, 900, nullptr, rows::kSideGlidersWave},
    {1000, 1200, nullptr, rows::kSideGlidersWave},
    // A large craft sinks through the field (its shots fly only in the modes nothing in play
    // sets).
    EveryFrame(Calls<MoveDraw<LargeCraft03>>),
    {520, 950, nullptr, Calls<Spawn<LargeCraft03>, When<DoubleSpeed, Fire<VolleyShot15>>,
                              When<ExtraModes, Fire<TwinDropShot03>>, When<DoubleSpeed, Fire<TwinDropShot04>>,
                              When<DoubleSpeed, Fire<RingShot01>>>},
    // A second large craft sinks through, firing volleys and twin drop shots.
    EveryFrame(Calls<MoveDraw<LargeCraft02>>),
    {600, 980, nullptr, Calls<Spawn<LargeCraft02>, Fire<VolleyShot09>, Fire<VolleyShot10>, Fire<VolleyShot11>,
                              When<DoubleSpeed, Fire<VolleyShot12>>, Fire<TwinDropShot01>,
                              When<DoubleSpeed, Fire<TwinDropShot02>>, When<DoubleSpeed, Fire<VolleyShot13>>,
                              When<DoubleSpeed, Fire<VolleyShot14>>>},
};

// The bullets, each updated then drawn.
constexpr ProgressRow kBullets[] = {
    // The boss's formations, lightning chains, ring and drops.
    EveryFrame(Calls<UpdateDraw<FormationDrop21>, UpdateDraw<FormationDrop22>, UpdateDraw<FormationDrop19>,
                     UpdateDraw<FormationDrop20>, UpdateDraw<FormationDrop23>, UpdateDraw<FormationDrop24>,
                     UpdateDraw<FormationDrop18>, UpdateDraw<LightningChain01>, UpdateDraw<LightningChain02>,
                     UpdateDraw<LightningChain03>, UpdateDraw<LightningChain04>, UpdateDraw<LightningChain05>,
                     UpdateDraw<LightningChain06>, UpdateDraw<AimedRing09>, UpdateDraw<SmallDrop34>,
                     UpdateDraw<SmallDrop35>, UpdateDraw<SmallDrop36>, UpdateDraw<SmallDrop37>, UpdateDraw<SmallDrop38>,
                     UpdateDraw<SmallDrop39>, UpdateDraw<SmallDrop40>, UpdateDraw<SmallDrop41>, UpdateDraw<SmallDrop42>,
                     UpdateDraw<TwinDrop12>, UpdateDraw<TwinDrop13>>),
    // The craft's shots.
    EveryFrame(Calls<UpdateDraw<AimedShot01>, UpdateDraw<AimedShot02>, UpdateDraw<AimedShot03>, UpdateDraw<AimedShot04>,
                     UpdateDraw<AimedShot05>, UpdateDraw<StraightShot04>, UpdateDraw<StraightShot05>,
                     UpdateDraw<StraightShot06>, UpdateDraw<AimedLineShot01>, UpdateDraw<StraightShot07>,
                     UpdateDraw<StraightShot08>, UpdateDraw<StraightShot09>, UpdateDraw<AimedLineShot04>,
                     UpdateDraw<StraightShot15>, UpdateDraw<StraightShot16>, UpdateDraw<StraightShot17>,
                     UpdateDraw<StraightShot18>, UpdateDraw<StraightShot19>, UpdateDraw<StraightShot20>,
                     UpdateDraw<AimedShot08>, UpdateDraw<AimedShot09>, UpdateDraw<AimedLineShot19>,
                     UpdateDraw<AimedLineShot20>, UpdateDraw<AimedLineShot21>, UpdateDraw<AimedLineShot22>,
                     UpdateDraw<StraightShot41>, UpdateDraw<StraightShot42>, UpdateDraw<StraightShot43>,
                     UpdateDraw<StraightShot44>, UpdateDraw<StraightShot56>, UpdateDraw<StraightShot57>,
                     UpdateDraw<StraightShot58>, UpdateDraw<StraightShot59>, UpdateDraw<VolleyShot15>,
                     UpdateDraw<ClusterDropShot01>, UpdateDraw<ClusterDropShot02>, UpdateDraw<VolleyShot09>,
                     UpdateDraw<VolleyShot10>, UpdateDraw<VolleyShot11>>),
    EveryFrame(Calls<Update<VolleyShot12>, Draw<VolleyShot12>, Update<ClusterDropShot01>,
                     Update<ClusterDropShot02>>, DoubleSpeed),  // never in play
    // Outside a game started from the title, three sets of aimed needles move twice a frame.
    EveryFrame(Calls<Update<AimedShot01>, Update<AimedShot02>, Update<AimedShot03>>, NotLevelMode1),
    EveryFrame(Calls<UpdateDraw<ClusterDropShot01>, UpdateDraw<ClusterDropShot02>, UpdateDraw<ClusterDropShot05>,
                     UpdateDraw<ClusterDropShot06>, UpdateDraw<AimedLineShot11>, UpdateDraw<AimedLineShot12>,
                     UpdateDraw<AimedLineShot13>, UpdateDraw<AimedLineShot14>, UpdateDraw<AimedLineShot15>,
                     UpdateDraw<AimedLineShot16>, UpdateDraw<AimedLineShot17>, UpdateDraw<AimedLineShot18>>),
    EveryFrame(Calls<UpdateDraw<VolleyShot13>, UpdateDraw<VolleyShot14>>, DoubleSpeed),  // never in play
    EveryFrame(Calls<UpdateDraw<VolleyShot12>, UpdateDraw<TwinDropShot01>, UpdateDraw<TwinDropShot02>>, NotDoubleSpeed),
    EveryFrame(Calls<UpdateDraw<TwinDropShot03>, UpdateDraw<TwinDropShot04>, UpdateDraw<ClusterDropShot07>>),
};

}  // namespace

const StageScript Scene7Script = {
    .music = "MIDI/QVN.MID",
    .musicOnFirstFrame = true,
    .rate = 13,
    .boss = BossFight<Scene7BossOps>(1250, 11100, 1380, {1610, 1610, 1610, 1610}, 11000, kAttacks),
    .early = {},
    .smallFry = kSmallFry,
    .powerUps = StandardPowerUps,
    .powerUpMovesFirst = false,
    .bullets = kBullets,
    .sidePanels = false,
    .bombNeedsVolleyOff = false,
    .runsVolley = true,
    .lockWeapons = Calls<Update<LockShot01>, Update<LockShot02>, Update<MissileBarrage01>, Update<MissileBarrage02>,
                         Update<MissileBarrage03>, Update<MissileBarrage04>, Update<LockShot03>, Update<LockShot04>,
                         Update<LockShot05>, Update<LockShot06>, Update<LockShot07>, Update<LockShot08>,
                         Update<BossLockShot11>, Update<BossLockShot12>>,
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
