// The scene-5 stage: the third one played; its boss's death leads to scene 6.
#include "game/stage_script.h"

#include <limits>

#include "bosses/aimed_fan.h"
#include "bosses/aimed_line.h"
#include "bosses/aimed_ring.h"
#include "bosses/boss.h"
#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/cluster_drop_shot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/curving_chain_shot.h"
#include "enemies/diagonal_diver.h"
#include "enemies/flame_faller.h"
#include "enemies/lane_diver.h"
#include "enemies/large_craft.h"
#include "enemies/line_shot.h"
#include "enemies/side_glider.h"
#include "enemies/straight_shot.h"
#include "enemies/sweeping_craft.h"
#include "enemies/volley_shot.h"
#include "enemies/zigzag_fighter.h"
#include "game/boss_lock_shot.h"
#include "game/stage_rows.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"
#include "patterns/streams/curving_chain.h"
#include "patterns/streams/step_stream.h"

namespace stage {

namespace {

using namespace bosses;
using namespace enemies;
using namespace lockon;
using namespace patterns;

// The boss's small drops fall while its hit points pass through their bands,
// in the modes other than the menus' (a replay before any game).
bool SmallDropsOpen() { return NotLevelMode1() && InScene5SmallDropWindow(Scene5Boss.BossHitPoints); }

// The boss's attack timeline.
constexpr Call kTwins09To11[] = {Fire<TwinDrop09>, Fire<TwinDrop10>, Fire<TwinDrop11>};
constexpr Call kLines13To18And25To30[] = {
    Fire<AimedLine13>, Fire<AimedLine14>, Fire<AimedLine15>, Fire<AimedLine16>, Fire<AimedLine17>, Fire<AimedLine18>,
    Fire<AimedLine25>, Fire<AimedLine26>, Fire<AimedLine27>, Fire<AimedLine28>, Fire<AimedLine29>, Fire<AimedLine30>};

constexpr AttackRow kAttacks[] = {
    // A pair of aimed fans and three twin drops open the cycle.
    {30, 60, nullptr, Calls<Fire<AimedFan26>, Fire<AimedFan27>>},
    {60, 80, nullptr, kTwins09To11},
    // Aimed lines in pairs, arcs of formation drops, and a spread of twelve lines.
    {100, 200, nullptr, Calls<Fire<AimedLine39>, Fire<AimedLine40>>},
    {160, 200, nullptr, Calls<Fire<AimedLine35>, Fire<AimedLine36>>},
    {200, 300, nullptr, Calls<Fire<FormationDrop42>, Fire<FormationDrop43>>},
    {250, 280, nullptr, kLines13To18And25To30},
    {300, 500, nullptr, Calls<Fire<AimedLine37>, Fire<AimedLine38>>},
    {380, 500, nullptr, Calls<Fire<AimedLine35>, Fire<AimedLine36>>},
    {300, 400, DoubleSpeed, Calls<Fire<AimedFan26>, Fire<AimedFan27>>},  // never in play
    // Twin drops, the twelve lines again, more formations and fans.
    {450, 500, nullptr, kTwins09To11},
    {510, 540, nullptr, kLines13To18And25To30},
    {400, 500, nullptr, Calls<Fire<FormationDrop40>, Fire<FormationDrop41>>},
    {500, 550, nullptr, Calls<Fire<AimedFan26>, Fire<AimedFan27>>},
    {550, 800, nullptr, Calls<Fire<FormationDrop40>, Fire<FormationDrop41>>},
    // Two curving chains bend out of the boss.
    {600, 750, nullptr, Calls<Fire<CurvingChain01>, Fire<CurvingChain02>>},
    // A formation, then the line pairs again and a spread of fourteen lines.
    {800, 950, nullptr, Calls<Fire<FormationDrop37>>},
    {950, 1200, nullptr, Calls<Fire<AimedLine39>, Fire<AimedLine40>>},
    {1000, 1200, nullptr, Calls<Fire<AimedLine37>, Fire<AimedLine38>>},
    {1050, 1200, nullptr, Calls<Fire<AimedLine35>, Fire<AimedLine36>>},
    {1200, 1250, nullptr, Calls<Fire<AimedLine13>, Fire<AimedLine14>, Fire<AimedLine15>, Fire<AimedLine16>,
                                Fire<AimedLine17>, Fire<AimedLine18>, Fire<AimedLine19>, Fire<AimedLine25>,
                                Fire<AimedLine26>, Fire<AimedLine27>, Fire<AimedLine28>, Fire<AimedLine29>,
                                Fire<AimedLine30>, Fire<AimedLine31>>},
    // Four curving chains, then six curving streams that bend into a fall.
    {1250, 1500, nullptr, Calls<Fire<CurvingChain01>, Fire<CurvingChain02>, Fire<CurvingChain03>,
                                Fire<CurvingChain04>>},
    {1510, 1900, nullptr, Calls<Emit<CurvingStream01>, Emit<CurvingStream02>, Emit<CurvingStream03>,
                                Emit<CurvingStream04>, Emit<CurvingStream05>, Emit<CurvingStream06>>},
    // Aimed fans, one at a time, then two at a time, to the end of the cycle.
    {1920, 2100, nullptr, Calls<Fire<AimedFan05>>},
    {2120, 2300, nullptr, Calls<Fire<AimedFan08>>},
    {2320, 2500, nullptr, Calls<Fire<AimedFan11>>},
    {2520, 2700, nullptr, Calls<Fire<AimedFan14>>},
    {2720, 2900, nullptr, Calls<Fire<AimedFan17>>},
    {2920, 3100, nullptr, Calls<Fire<AimedFan20>>},
    {3120, 3300, nullptr, Calls<Fire<AimedFan23>>},
    {3320, 3500, nullptr, Calls<Fire<AimedFan06>, Fire<AimedFan07>>},
    {3520, 3700, nullptr, Calls<Fire<AimedFan09>, Fire<AimedFan10>>},
    {3720, 3900, nullptr, Calls<Fire<AimedFan12>, Fire<AimedFan13>>},
    {3920, 4100, nullptr, Calls<Fire<AimedFan15>, Fire<AimedFan16>>},
    {4120, 4300, nullptr, Calls<Fire<AimedFan18>, Fire<AimedFan19>>},
    {4320, 4500, nullptr, Calls<Fire<AimedFan21>, Fire<AimedFan22>>},
    {4520, 4700, nullptr, Calls<Fire<AimedFan24>, Fire<AimedFan25>>},
    {4720, 4900, nullptr, Calls<Fire<AimedFan09>, Fire<AimedFan10>>},
    // Small drops open into fans while the boss's hit points pass through their bands, on any count.
    {0, std::numeric_limits<int>::max(), SmallDropsOpen,
     Calls<Spawn<SmallDrop16>, Spawn<SmallDrop17>, Spawn<SmallDrop18>, Spawn<SmallDrop19>, Spawn<SmallDrop20>,
           Spawn<SmallDrop21>, Spawn<SmallDrop22>, Spawn<SmallDrop23>, Spawn<SmallDrop23>, Spawn<SmallDrop24>>},
};

// The craft, one family after the other, each followed by its waves.
constexpr Call kLaneDiversWave[] = {Spawn<LaneDiver01>, Fire<AimedShot01>, Spawn<LaneDiver02>, Fire<AimedShot02>};

constexpr Call kGlider02Wave[] = {Fire<StraightShot16>, Fire<StraightShot17>, Spawn<SideGlider02>,
                                  Fire<AimedShot07>};

constexpr ProgressRow kSmallFry[] = {
    // Lane divers dive down their lanes, twice, firing aimed needles.
    EveryFrame(Calls<MoveDraw<LaneDiver01>, MoveDraw<LaneDiver02>>),
    {130, 200, nullptr, kLaneDiversWave},
    {1000, 1100, nullptr, kLaneDiversWave},

    // Zigzag fighters, row by row, fly their bent paths firing aimed shots; all four rows
    // come together late in the stage.
    EveryFrame(Calls<MoveDraw<ZigzagFighter01>>),
    {50, 100, nullptr, Calls<Fire<ZigzagFighter01>>},
    {500, 550, nullptr, Calls<Fire<ZigzagFighter01>>},
    {1300, 1350, nullptr, Calls<Fire<ZigzagFighter01>>},
    EveryFrame(Calls<MoveDraw<ZigzagFighter02>>),
    {150, 200, nullptr, Calls<Fire<ZigzagFighter02>>},
    {500, 550, nullptr, Calls<Fire<ZigzagFighter02>>},
    {1300, 1350, nullptr, Calls<Fire<ZigzagFighter02>>},
    EveryFrame(Calls<MoveDraw<ZigzagFighter03>>),
    {150, 200, nullptr, Calls<Fire<ZigzagFighter03>>},
    {1300, 1350, nullptr, Calls<Fire<ZigzagFighter03>>},
    EveryFrame(Calls<MoveDraw<ZigzagFighter04>>),
    {50, 100, nullptr, Calls<Fire<ZigzagFighter04>>},
    {1300, 1350, nullptr, Calls<Fire<ZigzagFighter04>>},

    // Crossing spinners cross the field diagonally from both sides, three times, firing
    // aimed lines; a game from the title adds straight shots.
    EveryFrame(Calls<MoveDraw<CrossingSpinner01>, MoveDraw<CrossingSpinner02>>),
    EveryFrame(Calls<Move<CrossingSpinner01>, Move<CrossingSpinner02>>, DoubleSpeed),  // never in play
    {360, 500, nullptr, Calls<Spawn<CrossingSpinner01>, Fire<AimedLineShot01>>},
    {360, 410, ExtraModes, Calls<Fire<AimedLineShot02>, Fire<AimedLineShot03>>},  // never in play
    {450, 500, ExtraModes, Calls<Fire<AimedLineShot02>, Fire<AimedLineShot03>>},  // never in play
    {360, 500, LevelMode1, Calls<Fire<StraightShot04>>},
    {360, 500, DoubleSpeed, Calls<Fire<StraightShot05>, Fire<StraightShot06>>},  // never in play
    {360, 500, nullptr, Calls<Spawn<CrossingSpinner02>, Fire<AimedLineShot04>>},
    {360, 410, ExtraModes, Calls<Fire<AimedLineShot05>, Fire<AimedLineShot06>>},  // never in play
    {450, 500, ExtraModes, Calls<Fire<AimedLineShot05>, Fire<AimedLineShot06>>},  // never in play
    {360, 500, LevelMode1, Calls<Fire<StraightShot07>>},
    {360, 500, DoubleSpeed, Calls<Fire<StraightShot08>, Fire<StraightShot09>>},  // never in play
    {900, 1000, nullptr, Calls<Spawn<CrossingSpinner01>, Fire<AimedLineShot01>>},
    {900, 950, ExtraModes, Calls<Fire<AimedLineShot02>, Fire<AimedLineShot03>>},  // never in play
    {900, 1000, LevelMode1, Calls<Fire<StraightShot04>>},
    {900, 1000, DoubleSpeed, Calls<Fire<StraightShot05>, Fire<StraightShot06>>},  // never in play
    {900, 1000, nullptr, Calls<Spawn<CrossingSpinner02>, Fire<AimedLineShot04>>},
    {900, 950, ExtraModes, Calls<Fire<AimedLineShot05>, Fire<AimedLineShot06>>},  // never in play
    {900, 1000, LevelMode1, Calls<Fire<StraightShot07>>},
    {900, 1000, nullptr, Calls<Fire<StraightShot08>>},
    {900, 1000, DoubleSpeed, Calls<Fire<StraightShot09>>},  // never in play
    {1220, 1400, nullptr, Calls<Spawn<CrossingSpinner01>, Fire<AimedLineShot01>>},
    {1220, 1400, LevelMode1, Calls<Fire<StraightShot04>>},
    {1220, 1400, DoubleSpeed, Calls<Fire<StraightShot05>, Fire<StraightShot06>>},  // never in play
    {1220, 1400, nullptr, Calls<Spawn<CrossingSpinner02>, Fire<AimedLineShot04>>},
    {1220, 1400, LevelMode1, Calls<Fire<StraightShot07>>},
    {1220, 1400, nullptr, Calls<Fire<StraightShot08>>},
    {1220, 1400, DoubleSpeed, Calls<Fire<StraightShot09>>},  // never in play

    // Side gliders glide across from both sides, three times, firing aimed needles and
    // straight shots.
    EveryFrame(Calls<MoveDraw<SideGlider01>, MoveDraw<SideGlider02>>),
    EveryFrame(Calls<Move<SideGlider01>, Move<SideGlider02>>, DoubleSpeed),  // never in play
    {360, 400, nullptr, Calls<Spawn<SideGlider01>, Fire<AimedShot06>>},
    {360, 400, ExtraModes, Calls<Fire<AimedLineShot07>, Fire<AimedLineShot08>>},  // never in play
    {360, 400, LevelMode1, Calls<Fire<StraightShot15>>},
    {360, 400, nullptr, kGlider02Wave},
    {360, 400, ExtraModes, Calls<Fire<AimedLineShot09>, Fire<AimedLineShot10>>},  // never in play
    {360, 400, LevelMode1, Calls<Fire<StraightShot18>>},
    {360, 400, nullptr, Calls<Fire<StraightShot19>, Fire<StraightShot20>>},
    {900, 1000, nullptr, Calls<Spawn<SideGlider01>, Fire<AimedShot06>>},
    {950, 1000, ExtraModes, Calls<Fire<AimedLineShot07>, Fire<AimedLineShot08>>},  // never in play
    {900, 1000, LevelMode1, Calls<Fire<StraightShot15>>},
    {900, 1000, nullptr, kGlider02Wave},
    {950, 1000, ExtraModes, Calls<Fire<AimedLineShot09>, Fire<AimedLineShot10>>},  // never in play
    {900, 1000, LevelMode1, Calls<Fire<StraightShot18>>},
    {900, 1000, nullptr, Calls<Fire<StraightShot19>, Fire<StraightShot20>>},
    {1300, 1450, nullptr, Calls<Spawn<SideGlider01>, Fire<AimedShot06>>},
    {1300, 1450, LevelMode1, Calls<Fire<StraightShot15>>},
    {1300, 1450, nullptr, kGlider02Wave},
    {1300, 1450, LevelMode1, Calls<Fire<StraightShot18>>},
    {1300, 1450, nullptr, Calls<Fire<StraightShot19>, Fire<StraightShot20>>},

    // Flame fallers drop in, each firing straight shots.
    EveryFrame(Calls<MoveDraw<FlameFaller03>>),
    {550, 800, nullptr, Calls<Spawn<FlameFaller03>, Fire<StraightShot10>, Fire<StraightShot11>, Fire<StraightShot12>>},
    {550, 800, ExtraModes, Calls<Fire<StraightShot13>, Fire<StraightShot14>, Fire<LineShot03>>},  // never in play
    {550, 800, DoubleSpeed, Calls<Fire<LineShot04>, Fire<LineShot05>>},  // never in play

    // Two diagonal large craft cross from the top corners, twice, firing straight shots and
    // volleys.
    EveryFrame(Calls<MoveDraw<DiagonalLargeCraft01>>),
    {550, 590, nullptr, rows::kDiagonalLargeCraft01Wave},
    {1100, 1200, nullptr, rows::kDiagonalLargeCraft01Wave},
    EveryFrame(Calls<MoveDraw<DiagonalLargeCraft02>>),
    {550, 590, nullptr, rows::kDiagonalLargeCraft02Wave},
    {1100, 1200, nullptr, rows::kDiagonalLargeCraft02Wave},

    // Diagonal divers dive across from both sides, then smaller sets of two.
    EveryFrame(Calls<MoveDraw<DiagonalDiver01>>),
    {700, 750, nullptr, Calls<Spawn<DiagonalDiver01>>},
    EveryFrame(Calls<MoveDraw<DiagonalDiver03>>),
    {700, 750, nullptr, Calls<Spawn<DiagonalDiver03>>},
    EveryFrame(Calls<MoveDraw<DiagonalDiver02>, MoveDraw<DiagonalDiver04>>),
    {900, 1000, nullptr, Calls<Spawn<DiagonalDiver02>, Spawn<DiagonalDiver04>>},

    // A large craft sinks through the field, twice, firing volleys.
    EveryFrame(Calls<MoveDraw<LargeCraft02>>),
    {200, 500, nullptr, Calls<Spawn<LargeCraft02>, Fire<VolleyShot09>>},
    {200, 500, ExtraModes, Calls<Fire<VolleyShot10>, Fire<VolleyShot11>>},  // never in play
    {200, 500, DoubleSpeed, Calls<Fire<VolleyShot12>, Fire<VolleyShot13>, Fire<VolleyShot14>>},  // never in play
    {850, 950, nullptr, Calls<Spawn<LargeCraft02>, Fire<VolleyShot09>, Fire<VolleyShot10>, Fire<VolleyShot11>,
                              Fire<VolleyShot12>>},
    {850, 950, DoubleSpeed, Calls<Fire<VolleyShot13>, Fire<VolleyShot14>>},  // never in play

    // Spinning lock targets fly their bent paths one set after another, firing aimed lines.
    EveryFrame(Calls<MoveDraw<SpinningLockTarget01>>),
    {200, 240, nullptr, Calls<Fire<SpinningLockTarget01>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget02>>),
    {240, 280, nullptr, Calls<Fire<SpinningLockTarget02>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget03>>),
    {280, 320, nullptr, Calls<Fire<SpinningLockTarget03>>},
    {640, 680, nullptr, Calls<Fire<SpinningLockTarget03>>},
    EveryFrame(Calls<MoveDraw<SpinningLockTarget04>>),
    {320, 360, nullptr, Calls<Fire<SpinningLockTarget04>>},
    {640, 680, nullptr, Calls<Fire<SpinningLockTarget04>>},

    // Sweeping craft sweep in, drop bullet clusters and sweep out; another pair comes late.
    EveryFrame(Calls<MoveDraw<SweepingCraft05>, MoveDraw<SweepingCraft06>>),
    {600, 630, nullptr, Calls<Spawn<SweepingCraft05>, Spawn<SweepingCraft06>>},
    {800, 860, nullptr, Calls<Spawn<SweepingCraft05>>},
    {830, 880, nullptr, Calls<Spawn<SweepingCraft06>>},
    EveryFrame(Calls<MoveDraw<SweepingCraft03>, MoveDraw<SweepingCraft04>>),
    {1200, 1270, nullptr, Calls<Spawn<SweepingCraft03>, Spawn<SweepingCraft04>>},

    // The zigzag fighters' and lane divers' shots, moved and drawn among the craft.
    EveryFrame(Calls<UpdateDraw<AimedLineShot11>, UpdateDraw<AimedLineShot12>, UpdateDraw<AimedLineShot13>,
                     UpdateDraw<AimedLineShot14>, UpdateDraw<AimedLineShot15>, UpdateDraw<AimedLineShot16>,
                     UpdateDraw<AimedLineShot17>, UpdateDraw<AimedLineShot18>, UpdateDraw<AimedShot01>,
                     UpdateDraw<AimedShot02>>),
};

// The bullets, each updated then drawn.
constexpr ProgressRow kBullets[] = {
    // The boss's fans, lines, formations, rings, drops and streams, then its chains.
    EveryFrame(Calls<UpdateDraw<AimedFan05>, UpdateDraw<AimedFan06>, UpdateDraw<AimedFan07>, UpdateDraw<AimedFan08>,
                     UpdateDraw<AimedFan09>, UpdateDraw<AimedFan10>, UpdateDraw<AimedFan11>, UpdateDraw<AimedFan12>,
                     UpdateDraw<AimedFan13>, UpdateDraw<AimedFan14>, UpdateDraw<AimedFan15>, UpdateDraw<AimedFan16>,
                     UpdateDraw<AimedFan17>, UpdateDraw<AimedFan18>, UpdateDraw<AimedFan19>, UpdateDraw<AimedFan20>,
                     UpdateDraw<AimedFan21>, UpdateDraw<AimedFan22>, UpdateDraw<AimedFan23>, UpdateDraw<AimedFan24>,
                     UpdateDraw<AimedFan25>, UpdateDraw<AimedLine11>, UpdateDraw<AimedLine12>, UpdateDraw<AimedLine13>,
                     UpdateDraw<AimedLine14>, UpdateDraw<AimedLine15>, UpdateDraw<AimedLine16>, UpdateDraw<AimedLine17>,
                     UpdateDraw<AimedLine18>, UpdateDraw<AimedLine19>, UpdateDraw<AimedLine20>, UpdateDraw<AimedLine21>,
                     UpdateDraw<AimedLine22>, UpdateDraw<AimedLine23>, UpdateDraw<AimedLine24>, UpdateDraw<AimedLine25>,
                     UpdateDraw<AimedLine26>, UpdateDraw<AimedLine27>, UpdateDraw<AimedLine28>, UpdateDraw<AimedLine29>,
                     UpdateDraw<AimedLine30>, UpdateDraw<AimedLine31>, UpdateDraw<AimedLine32>, UpdateDraw<AimedLine33>,
                     UpdateDraw<AimedLine34>, UpdateDraw<FormationDrop42>, UpdateDraw<FormationDrop43>,
                     UpdateDraw<FormationDrop40>, UpdateDraw<FormationDrop41>, UpdateDraw<FormationDrop38>,
                     UpdateDraw<FormationDrop39>, UpdateDraw<FormationDrop37>, UpdateDraw<AimedLine39>,
                     UpdateDraw<AimedLine40>, UpdateDraw<AimedLine35>, UpdateDraw<AimedLine36>, UpdateDraw<AimedLine37>,
                     UpdateDraw<AimedLine38>, UpdateDraw<AimedFan26>, UpdateDraw<AimedFan27>, UpdateDraw<AimedRing07>,
                     UpdateDraw<AimedRing08>, UpdateDraw<TwinDrop09>, UpdateDraw<TwinDrop10>, UpdateDraw<TwinDrop11>,
                     UpdateDraw<SmallDrop16>, UpdateDraw<SmallDrop17>, UpdateDraw<SmallDrop18>, UpdateDraw<SmallDrop19>,
                     UpdateDraw<SmallDrop20>, UpdateDraw<SmallDrop21>, UpdateDraw<SmallDrop22>, UpdateDraw<SmallDrop23>,
                     UpdateDraw<SmallDrop24>, UpdateDraw<CurvingStream01>, UpdateDraw<CurvingStream02>,
                     UpdateDraw<CurvingStream03>, UpdateDraw<CurvingStream04>, UpdateDraw<CurvingStream05>,
                     UpdateDraw<CurvingStream06>>),
    // Never in play:
    EveryFrame(Calls<Update<FormationDrop42>, Update<FormationDrop43>, Update<FormationDrop40>, Update<FormationDrop41>,
                     Update<FormationDrop38>, Update<FormationDrop39>, Update<FormationDrop37>>, DoubleSpeed),
    EveryFrame(Calls<UpdateDraw<CurvingChain01>, UpdateDraw<CurvingChain02>, UpdateDraw<CurvingChain03>,
                     UpdateDraw<CurvingChain04>>),
    // The crossing spinners' and side gliders' straight shots: those fired only in a game
    // from the title are updated and drawn only at double speed, so they never fly.
    EveryFrame(Calls<UpdateDraw<StraightShot04>>, DoubleSpeed),  // never in play
    EveryFrame(Calls<UpdateDraw<StraightShot05>, UpdateDraw<StraightShot06>>),
    EveryFrame(Calls<UpdateDraw<StraightShot07>>, DoubleSpeed),  // never in play
    EveryFrame(Calls<UpdateDraw<StraightShot08>, UpdateDraw<StraightShot09>>),
    EveryFrame(Calls<UpdateDraw<StraightShot15>>, DoubleSpeed),  // never in play
    EveryFrame(Calls<UpdateDraw<StraightShot16>, UpdateDraw<StraightShot17>>),
    EveryFrame(Calls<UpdateDraw<StraightShot18>>, DoubleSpeed),  // never in play
    EveryFrame(Calls<UpdateDraw<StraightShot19>, UpdateDraw<StraightShot20>>),
    EveryFrame(Calls<Update<StraightShot04>, Update<StraightShot05>, Update<StraightShot06>, Update<StraightShot07>,
                     Update<StraightShot08>, Update<StraightShot09>, Update<StraightShot15>, Update<StraightShot16>,
                     Update<StraightShot17>, Update<StraightShot18>, Update<StraightShot19>,
                     Update<StraightShot20>>, DoubleSpeed),  // never in play
    // The craft's other shots.
    EveryFrame(Calls<UpdateDraw<AimedLineShot02>, UpdateDraw<AimedLineShot03>, UpdateDraw<AimedLineShot01>,
                     UpdateDraw<AimedLineShot05>, UpdateDraw<AimedLineShot06>, UpdateDraw<AimedLineShot04>,
                     UpdateDraw<AimedShot06>, UpdateDraw<AimedLineShot07>, UpdateDraw<AimedLineShot08>,
                     UpdateDraw<AimedShot07>, UpdateDraw<AimedLineShot09>, UpdateDraw<AimedLineShot10>,
                     UpdateDraw<StraightShot10>, UpdateDraw<StraightShot11>, UpdateDraw<StraightShot12>,
                     UpdateDraw<StraightShot13>, UpdateDraw<StraightShot14>, UpdateDraw<LineShot03>,
                     UpdateDraw<LineShot04>, UpdateDraw<LineShot05>, UpdateDraw<LineShot06>, UpdateDraw<LineShot07>>),
    EveryFrame(rows::kStraightShots10To14Again, DoubleSpeed),  // never in play
    EveryFrame(rows::kDiagonalLargeCraftShots),
    EveryFrame(Calls<UpdateDraw<VolleyShot12>, UpdateDraw<VolleyShot09>, UpdateDraw<VolleyShot10>,
                     UpdateDraw<VolleyShot11>, UpdateDraw<ClusterDropShot05>, UpdateDraw<ClusterDropShot06>,
                     UpdateDraw<ClusterDropShot03>, UpdateDraw<ClusterDropShot04>, UpdateDraw<CurvingChainShot03>,
                     UpdateDraw<CurvingChainShot04>, UpdateDraw<CurvingChainShot05>, UpdateDraw<CurvingChainShot06>>),
};

}  // namespace

const StageScript Scene5Script = {
    .music = "MIDI/KTSM3.MID",
    .musicOnFirstFrame = false,
    .rate = 16,
    .boss = BossFight<Scene5BossOps>(1470, 11100, 780, {4900, 4900, 4900, 4900}, 11000, kAttacks),
    .early = {},
    .smallFry = kSmallFry,
    .powerUps = StandardPowerUps,
    .powerUpMovesFirst = false,
    .bullets = kBullets,
    .sidePanels = false,
    .bombNeedsVolleyOff = false,
    .runsVolley = true,
    .lockWeapons = CallsAfter<rows::kBarragesAndLockShots, Update<BossLockShot07>, Update<BossLockShot08>>,
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
