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
constexpr Call kFans2627[] = {Fire<AimedFan26>, Fire<AimedFan27>};
constexpr Call kTwins09To11[] = {Fire<TwinDrop09>, Fire<TwinDrop10>, Fire<TwinDrop11>};
constexpr Call kLines3940[] = {Fire<AimedLine39>, Fire<AimedLine40>};
constexpr Call kLines3536[] = {Fire<AimedLine35>, Fire<AimedLine36>};
constexpr Call kLines3738[] = {Fire<AimedLine37>, Fire<AimedLine38>};
constexpr Call kFormations4243[] = {Fire<FormationDrop42>, Fire<FormationDrop43>};
constexpr Call kFormations4041[] = {Fire<FormationDrop40>, Fire<FormationDrop41>};
constexpr Call kFormation37[] = {Fire<FormationDrop37>};
constexpr Call kLines13To18And25To30[] = {
    Fire<AimedLine13>, Fire<AimedLine14>, Fire<AimedLine15>, Fire<AimedLine16>, Fire<AimedLine17>, Fire<AimedLine18>,
    Fire<AimedLine25>, Fire<AimedLine26>, Fire<AimedLine27>, Fire<AimedLine28>, Fire<AimedLine29>, Fire<AimedLine30>};
constexpr Call kLines13To19And25To31[] = {
    Fire<AimedLine13>, Fire<AimedLine14>, Fire<AimedLine15>, Fire<AimedLine16>, Fire<AimedLine17>,
    Fire<AimedLine18>, Fire<AimedLine19>, Fire<AimedLine25>, Fire<AimedLine26>, Fire<AimedLine27>,
    Fire<AimedLine28>, Fire<AimedLine29>, Fire<AimedLine30>, Fire<AimedLine31>};
constexpr Call kChains0102[] = {Fire<CurvingChain01>, Fire<CurvingChain02>};
constexpr Call kChains01To04[] = {Fire<CurvingChain01>, Fire<CurvingChain02>, Fire<CurvingChain03>,
                                  Fire<CurvingChain04>};
constexpr Call kStreams01To06[] = {Emit<CurvingStream01>, Emit<CurvingStream02>, Emit<CurvingStream03>,
                                   Emit<CurvingStream04>, Emit<CurvingStream05>, Emit<CurvingStream06>};
constexpr Call kFan05[] = {Fire<AimedFan05>};
constexpr Call kFan08[] = {Fire<AimedFan08>};
constexpr Call kFan11[] = {Fire<AimedFan11>};
constexpr Call kFan14[] = {Fire<AimedFan14>};
constexpr Call kFan17[] = {Fire<AimedFan17>};
constexpr Call kFan20[] = {Fire<AimedFan20>};
constexpr Call kFan23[] = {Fire<AimedFan23>};
constexpr Call kFans0607[] = {Fire<AimedFan06>, Fire<AimedFan07>};
constexpr Call kFans0910[] = {Fire<AimedFan09>, Fire<AimedFan10>};
constexpr Call kFans1213[] = {Fire<AimedFan12>, Fire<AimedFan13>};
constexpr Call kFans1516[] = {Fire<AimedFan15>, Fire<AimedFan16>};
constexpr Call kFans1819[] = {Fire<AimedFan18>, Fire<AimedFan19>};
constexpr Call kFans2122[] = {Fire<AimedFan21>, Fire<AimedFan22>};
constexpr Call kFans2425[] = {Fire<AimedFan24>, Fire<AimedFan25>};
constexpr Call kSmallDrops[] = {Spawn<SmallDrop16>, Spawn<SmallDrop17>, Spawn<SmallDrop18>,
                                Spawn<SmallDrop19>, Spawn<SmallDrop20>, Spawn<SmallDrop21>,
                                Spawn<SmallDrop22>, Spawn<SmallDrop23>, Spawn<SmallDrop23>,
                                Spawn<SmallDrop24>};

constexpr AttackRow kAttacks[] = {
    {30, 60, nullptr, kFans2627},
    {60, 80, nullptr, kTwins09To11},
    {100, 200, nullptr, kLines3940},
    {160, 200, nullptr, kLines3536},
    {200, 300, nullptr, kFormations4243},
    {250, 280, nullptr, kLines13To18And25To30},
    {300, 500, nullptr, kLines3738},
    {380, 500, nullptr, kLines3536},
    {300, 400, DoubleSpeed, kFans2627},
    {450, 500, nullptr, kTwins09To11},
    {510, 540, nullptr, kLines13To18And25To30},
    {400, 500, nullptr, kFormations4041},
    {500, 550, nullptr, kFans2627},
    {550, 800, nullptr, kFormations4041},
    {600, 750, nullptr, kChains0102},
    {800, 950, nullptr, kFormation37},
    {950, 1200, nullptr, kLines3940},
    {1000, 1200, nullptr, kLines3738},
    {1050, 1200, nullptr, kLines3536},
    {1200, 1250, nullptr, kLines13To19And25To31},
    {1250, 1500, nullptr, kChains01To04},
    {1510, 1900, nullptr, kStreams01To06},
    {1920, 2100, nullptr, kFan05},
    {2120, 2300, nullptr, kFan08},
    {2320, 2500, nullptr, kFan11},
    {2520, 2700, nullptr, kFan14},
    {2720, 2900, nullptr, kFan17},
    {2920, 3100, nullptr, kFan20},
    {3120, 3300, nullptr, kFan23},
    {3320, 3500, nullptr, kFans0607},
    {3520, 3700, nullptr, kFans0910},
    {3720, 3900, nullptr, kFans1213},
    {3920, 4100, nullptr, kFans1516},
    {4120, 4300, nullptr, kFans1819},
    {4320, 4500, nullptr, kFans2122},
    {4520, 4700, nullptr, kFans2425},
    {4720, 4900, nullptr, kFans0910},
    // On any count: the hit points decide.
    {0, std::numeric_limits<int>::max(), SmallDropsOpen, kSmallDrops},
};

// The craft, one family after the other, each followed by its windows.
constexpr Call kLaneDivers[] = {MoveDraw<LaneDiver01>, MoveDraw<LaneDiver02>};
constexpr Call kLaneDiversWave[] = {Spawn<LaneDiver01>, Fire<AimedShot01>, Spawn<LaneDiver02>, Fire<AimedShot02>};

constexpr Call kZigzag01[] = {MoveDraw<ZigzagFighter01>};
constexpr Call kZigzag01Fire[] = {Fire<ZigzagFighter01>};
constexpr Call kZigzag02[] = {MoveDraw<ZigzagFighter02>};
constexpr Call kZigzag02Fire[] = {Fire<ZigzagFighter02>};
constexpr Call kZigzag03[] = {MoveDraw<ZigzagFighter03>};
constexpr Call kZigzag03Fire[] = {Fire<ZigzagFighter03>};
constexpr Call kZigzag04[] = {MoveDraw<ZigzagFighter04>};
constexpr Call kZigzag04Fire[] = {Fire<ZigzagFighter04>};

constexpr Call kSpinner01Wave[] = {Spawn<CrossingSpinner01>, Fire<AimedLineShot01>};
constexpr Call kStraight04[] = {Fire<StraightShot04>};
constexpr Call kSpinner02Wave[] = {Spawn<CrossingSpinner02>, Fire<AimedLineShot04>};
constexpr Call kStraight07[] = {Fire<StraightShot07>};
constexpr Call kStraight08[] = {Fire<StraightShot08>};
constexpr Call kStraight09[] = {Fire<StraightShot09>};

constexpr Call kGlidersAgain[] = {Move<SideGlider01>, Move<SideGlider02>};
constexpr Call kGlider01Wave[] = {Spawn<SideGlider01>, Fire<AimedShot06>};
constexpr Call kLineShots0708[] = {Fire<AimedLineShot07>, Fire<AimedLineShot08>};
constexpr Call kStraight15[] = {Fire<StraightShot15>};
constexpr Call kGlider02Wave[] = {Fire<StraightShot16>, Fire<StraightShot17>, Spawn<SideGlider02>,
                                  Fire<AimedShot07>};
constexpr Call kLineShots0910[] = {Fire<AimedLineShot09>, Fire<AimedLineShot10>};
constexpr Call kStraight18[] = {Fire<StraightShot18>};
constexpr Call kStraight1920[] = {Fire<StraightShot19>, Fire<StraightShot20>};

constexpr Call kFaller03Wave[] = {Spawn<FlameFaller03>, Fire<StraightShot10>, Fire<StraightShot11>,
                                  Fire<StraightShot12>};
constexpr Call kFaller03Extra[] = {Fire<StraightShot13>, Fire<StraightShot14>, Fire<LineShot03>};


constexpr Call kDivers0204[] = {MoveDraw<DiagonalDiver02>, MoveDraw<DiagonalDiver04>};
constexpr Call kDivers0204Spawn[] = {Spawn<DiagonalDiver02>, Spawn<DiagonalDiver04>};

constexpr Call kLargeCraft02Wave[] = {Spawn<LargeCraft02>, Fire<VolleyShot09>};
constexpr Call kVolleys1011[] = {Fire<VolleyShot10>, Fire<VolleyShot11>};
constexpr Call kVolleys12To14[] = {Fire<VolleyShot12>, Fire<VolleyShot13>, Fire<VolleyShot14>};
constexpr Call kLargeCraft02Late[] = {Spawn<LargeCraft02>, Fire<VolleyShot09>, Fire<VolleyShot10>,
                                      Fire<VolleyShot11>,  Fire<VolleyShot12>};
constexpr Call kVolleys1314[] = {Fire<VolleyShot13>, Fire<VolleyShot14>};


constexpr Call kSweeper05Spawn[] = {Spawn<SweepingCraft05>};
constexpr Call kSweeper06Spawn[] = {Spawn<SweepingCraft06>};

// Shots moved and drawn among the craft.
constexpr Call kFighterShots[] = {
    UpdateDraw<AimedLineShot11>, UpdateDraw<AimedLineShot12>, UpdateDraw<AimedLineShot13>,
    UpdateDraw<AimedLineShot14>, UpdateDraw<AimedLineShot15>, UpdateDraw<AimedLineShot16>,
    UpdateDraw<AimedLineShot17>, UpdateDraw<AimedLineShot18>, UpdateDraw<AimedShot01>,
    UpdateDraw<AimedShot02>,
};

constexpr ProgressRow kSmallFry[] = {
    EveryFrame(kLaneDivers),
    {130, 200, nullptr, kLaneDiversWave},
    {1000, 1100, nullptr, kLaneDiversWave},

    EveryFrame(kZigzag01),
    {50, 100, nullptr, kZigzag01Fire},
    {500, 550, nullptr, kZigzag01Fire},
    {1300, 1350, nullptr, kZigzag01Fire},
    EveryFrame(kZigzag02),
    {150, 200, nullptr, kZigzag02Fire},
    {500, 550, nullptr, kZigzag02Fire},
    {1300, 1350, nullptr, kZigzag02Fire},
    EveryFrame(kZigzag03),
    {150, 200, nullptr, kZigzag03Fire},
    {1300, 1350, nullptr, kZigzag03Fire},
    EveryFrame(kZigzag04),
    {50, 100, nullptr, kZigzag04Fire},
    {1300, 1350, nullptr, kZigzag04Fire},

    EveryFrame(rows::kCrossingSpinners),
    EveryFrame(rows::kCrossingSpinnersAgain, DoubleSpeed),
    {360, 500, nullptr, kSpinner01Wave},
    {360, 410, ExtraModes, rows::kAimedLineShots0203},
    {450, 500, ExtraModes, rows::kAimedLineShots0203},
    {360, 500, LevelMode1, kStraight04},
    {360, 500, DoubleSpeed, rows::kStraightShots0506},
    {360, 500, nullptr, kSpinner02Wave},
    {360, 410, ExtraModes, rows::kAimedLineShots0506},
    {450, 500, ExtraModes, rows::kAimedLineShots0506},
    {360, 500, LevelMode1, kStraight07},
    {360, 500, DoubleSpeed, rows::kStraightShots0809},
    {900, 1000, nullptr, kSpinner01Wave},
    {900, 950, ExtraModes, rows::kAimedLineShots0203},
    {900, 1000, LevelMode1, kStraight04},
    {900, 1000, DoubleSpeed, rows::kStraightShots0506},
    {900, 1000, nullptr, kSpinner02Wave},
    {900, 950, ExtraModes, rows::kAimedLineShots0506},
    {900, 1000, LevelMode1, kStraight07},
    {900, 1000, nullptr, kStraight08},
    {900, 1000, DoubleSpeed, kStraight09},
    {1220, 1400, nullptr, kSpinner01Wave},
    {1220, 1400, LevelMode1, kStraight04},
    {1220, 1400, DoubleSpeed, rows::kStraightShots0506},
    {1220, 1400, nullptr, kSpinner02Wave},
    {1220, 1400, LevelMode1, kStraight07},
    {1220, 1400, nullptr, kStraight08},
    {1220, 1400, DoubleSpeed, kStraight09},

    EveryFrame(rows::kSideGliders),
    EveryFrame(kGlidersAgain, DoubleSpeed),
    {360, 400, nullptr, kGlider01Wave},
    {360, 400, ExtraModes, kLineShots0708},
    {360, 400, LevelMode1, kStraight15},
    {360, 400, nullptr, kGlider02Wave},
    {360, 400, ExtraModes, kLineShots0910},
    {360, 400, LevelMode1, kStraight18},
    {360, 400, nullptr, kStraight1920},
    {900, 1000, nullptr, kGlider01Wave},
    {950, 1000, ExtraModes, kLineShots0708},
    {900, 1000, LevelMode1, kStraight15},
    {900, 1000, nullptr, kGlider02Wave},
    {950, 1000, ExtraModes, kLineShots0910},
    {900, 1000, LevelMode1, kStraight18},
    {900, 1000, nullptr, kStraight1920},
    {1300, 1450, nullptr, kGlider01Wave},
    {1300, 1450, LevelMode1, kStraight15},
    {1300, 1450, nullptr, kGlider02Wave},
    {1300, 1450, LevelMode1, kStraight18},
    {1300, 1450, nullptr, kStraight1920},

    EveryFrame(rows::kFlameFaller03),
    {550, 800, nullptr, kFaller03Wave},
    {550, 800, ExtraModes, kFaller03Extra},
    {550, 800, DoubleSpeed, rows::kLineShots0405},

    EveryFrame(rows::kDiagonalLargeCraft01),
    {550, 590, nullptr, rows::kDiagonalLargeCraft01Wave},
    {1100, 1200, nullptr, rows::kDiagonalLargeCraft01Wave},
    EveryFrame(rows::kDiagonalLargeCraft02),
    {550, 590, nullptr, rows::kDiagonalLargeCraft02Wave},
    {1100, 1200, nullptr, rows::kDiagonalLargeCraft02Wave},

    EveryFrame(rows::kDiagonalDiver01),
    {700, 750, nullptr, rows::kDiagonalDiver01Spawn},
    EveryFrame(rows::kDiagonalDiver03),
    {700, 750, nullptr, rows::kDiagonalDiver03Spawn},
    EveryFrame(kDivers0204),
    {900, 1000, nullptr, kDivers0204Spawn},

    EveryFrame(rows::kLargeCraft02),
    {200, 500, nullptr, kLargeCraft02Wave},
    {200, 500, ExtraModes, kVolleys1011},
    {200, 500, DoubleSpeed, kVolleys12To14},
    {850, 950, nullptr, kLargeCraft02Late},
    {850, 950, DoubleSpeed, kVolleys1314},

    EveryFrame(rows::kSpinningLockTarget01),
    {200, 240, nullptr, rows::kSpinningLockTarget01Fire},
    EveryFrame(rows::kSpinningLockTarget02),
    {240, 280, nullptr, rows::kSpinningLockTarget02Fire},
    EveryFrame(rows::kSpinningLockTarget03),
    {280, 320, nullptr, rows::kSpinningLockTarget03Fire},
    {640, 680, nullptr, rows::kSpinningLockTarget03Fire},
    EveryFrame(rows::kSpinningLockTarget04),
    {320, 360, nullptr, rows::kSpinningLockTarget04Fire},
    {640, 680, nullptr, rows::kSpinningLockTarget04Fire},

    EveryFrame(rows::kSweepingCraft0506),
    {600, 630, nullptr, rows::kSweepingCraft0506Spawn},
    {800, 860, nullptr, kSweeper05Spawn},
    {830, 880, nullptr, kSweeper06Spawn},
    EveryFrame(rows::kSweepingCraft0304),
    {1200, 1270, nullptr, rows::kSweepingCraft0304Spawn},

    EveryFrame(kFighterShots),
};

// The bullets, each updated then drawn, boss patterns first. The crossing
// spinners' and side gliders' first shots run only in double speed, though
// the normal game fires them.
constexpr Call kBossPatterns[] = {
    UpdateDraw<AimedFan05>,      UpdateDraw<AimedFan06>,      UpdateDraw<AimedFan07>,      UpdateDraw<AimedFan08>,
    UpdateDraw<AimedFan09>,      UpdateDraw<AimedFan10>,      UpdateDraw<AimedFan11>,      UpdateDraw<AimedFan12>,
    UpdateDraw<AimedFan13>,      UpdateDraw<AimedFan14>,      UpdateDraw<AimedFan15>,      UpdateDraw<AimedFan16>,
    UpdateDraw<AimedFan17>,      UpdateDraw<AimedFan18>,      UpdateDraw<AimedFan19>,      UpdateDraw<AimedFan20>,
    UpdateDraw<AimedFan21>,      UpdateDraw<AimedFan22>,      UpdateDraw<AimedFan23>,      UpdateDraw<AimedFan24>,
    UpdateDraw<AimedFan25>,      UpdateDraw<AimedLine11>,     UpdateDraw<AimedLine12>,     UpdateDraw<AimedLine13>,
    UpdateDraw<AimedLine14>,     UpdateDraw<AimedLine15>,     UpdateDraw<AimedLine16>,     UpdateDraw<AimedLine17>,
    UpdateDraw<AimedLine18>,     UpdateDraw<AimedLine19>,     UpdateDraw<AimedLine20>,     UpdateDraw<AimedLine21>,
    UpdateDraw<AimedLine22>,     UpdateDraw<AimedLine23>,     UpdateDraw<AimedLine24>,     UpdateDraw<AimedLine25>,
    UpdateDraw<AimedLine26>,     UpdateDraw<AimedLine27>,     UpdateDraw<AimedLine28>,     UpdateDraw<AimedLine29>,
    UpdateDraw<AimedLine30>,     UpdateDraw<AimedLine31>,     UpdateDraw<AimedLine32>,     UpdateDraw<AimedLine33>,
    UpdateDraw<AimedLine34>,     UpdateDraw<FormationDrop42>, UpdateDraw<FormationDrop43>, UpdateDraw<FormationDrop40>,
    UpdateDraw<FormationDrop41>, UpdateDraw<FormationDrop38>, UpdateDraw<FormationDrop39>, UpdateDraw<FormationDrop37>,
    UpdateDraw<AimedLine39>,     UpdateDraw<AimedLine40>,     UpdateDraw<AimedLine35>,     UpdateDraw<AimedLine36>,
    UpdateDraw<AimedLine37>,     UpdateDraw<AimedLine38>,     UpdateDraw<AimedFan26>,      UpdateDraw<AimedFan27>,
    UpdateDraw<AimedRing07>,     UpdateDraw<AimedRing08>,     UpdateDraw<TwinDrop09>,      UpdateDraw<TwinDrop10>,
    UpdateDraw<TwinDrop11>,      UpdateDraw<SmallDrop16>,     UpdateDraw<SmallDrop17>,     UpdateDraw<SmallDrop18>,
    UpdateDraw<SmallDrop19>,     UpdateDraw<SmallDrop20>,     UpdateDraw<SmallDrop21>,     UpdateDraw<SmallDrop22>,
    UpdateDraw<SmallDrop23>,     UpdateDraw<SmallDrop24>,     UpdateDraw<CurvingStream01>, UpdateDraw<CurvingStream02>,
    UpdateDraw<CurvingStream03>, UpdateDraw<CurvingStream04>, UpdateDraw<CurvingStream05>, UpdateDraw<CurvingStream06>,
};
constexpr Call kFormationsAgain[] = {Update<FormationDrop42>, Update<FormationDrop43>, Update<FormationDrop40>,
                                     Update<FormationDrop41>, Update<FormationDrop38>, Update<FormationDrop39>,
                                     Update<FormationDrop37>};
constexpr Call kChains[] = {UpdateDraw<CurvingChain01>, UpdateDraw<CurvingChain02>, UpdateDraw<CurvingChain03>,
                            UpdateDraw<CurvingChain04>};
constexpr Call kStraight04Shots[] = {UpdateDraw<StraightShot04>};
constexpr Call kStraight0506Shots[] = {UpdateDraw<StraightShot05>, UpdateDraw<StraightShot06>};
constexpr Call kStraight07Shots[] = {UpdateDraw<StraightShot07>};
constexpr Call kStraight0809Shots[] = {UpdateDraw<StraightShot08>, UpdateDraw<StraightShot09>};
constexpr Call kStraight15Shots[] = {UpdateDraw<StraightShot15>};
constexpr Call kStraight1617Shots[] = {UpdateDraw<StraightShot16>, UpdateDraw<StraightShot17>};
constexpr Call kStraight18Shots[] = {UpdateDraw<StraightShot18>};
constexpr Call kStraight1920Shots[] = {UpdateDraw<StraightShot19>, UpdateDraw<StraightShot20>};
constexpr Call kStraightShotsAgain[] = {
    Update<StraightShot04>, Update<StraightShot05>, Update<StraightShot06>, Update<StraightShot07>,
    Update<StraightShot08>, Update<StraightShot09>, Update<StraightShot15>, Update<StraightShot16>,
    Update<StraightShot17>, Update<StraightShot18>, Update<StraightShot19>, Update<StraightShot20>,
};
constexpr Call kCrossingShots[] = {
    UpdateDraw<AimedLineShot02>, UpdateDraw<AimedLineShot03>, UpdateDraw<AimedLineShot01>,
    UpdateDraw<AimedLineShot05>, UpdateDraw<AimedLineShot06>, UpdateDraw<AimedLineShot04>,
    UpdateDraw<AimedShot06>,     UpdateDraw<AimedLineShot07>, UpdateDraw<AimedLineShot08>,
    UpdateDraw<AimedShot07>,     UpdateDraw<AimedLineShot09>, UpdateDraw<AimedLineShot10>,
    UpdateDraw<StraightShot10>,  UpdateDraw<StraightShot11>,  UpdateDraw<StraightShot12>,
    UpdateDraw<StraightShot13>,  UpdateDraw<StraightShot14>,  UpdateDraw<LineShot03>,
    UpdateDraw<LineShot04>,      UpdateDraw<LineShot05>,      UpdateDraw<LineShot06>,
    UpdateDraw<LineShot07>,
};
constexpr Call kLastShots[] = {
    UpdateDraw<VolleyShot12>,       UpdateDraw<VolleyShot09>,       UpdateDraw<VolleyShot10>,
    UpdateDraw<VolleyShot11>,       UpdateDraw<ClusterDropShot05>,  UpdateDraw<ClusterDropShot06>,
    UpdateDraw<ClusterDropShot03>,  UpdateDraw<ClusterDropShot04>,  UpdateDraw<CurvingChainShot03>,
    UpdateDraw<CurvingChainShot04>, UpdateDraw<CurvingChainShot05>, UpdateDraw<CurvingChainShot06>,
};

constexpr ProgressRow kBullets[] = {
    EveryFrame(kBossPatterns),
    EveryFrame(kFormationsAgain, DoubleSpeed),
    EveryFrame(kChains),
    EveryFrame(kStraight04Shots, DoubleSpeed),
    EveryFrame(kStraight0506Shots),
    EveryFrame(kStraight07Shots, DoubleSpeed),
    EveryFrame(kStraight0809Shots),
    EveryFrame(kStraight15Shots, DoubleSpeed),
    EveryFrame(kStraight1617Shots),
    EveryFrame(kStraight18Shots, DoubleSpeed),
    EveryFrame(kStraight1920Shots),
    EveryFrame(kStraightShotsAgain, DoubleSpeed),
    EveryFrame(kCrossingShots),
    EveryFrame(rows::kStraightShots10To14Again, DoubleSpeed),
    EveryFrame(rows::kDiagonalLargeCraftShots),
    EveryFrame(kLastShots),
};

constexpr Call kBossLockShots[] = {Update<BossLockShot07>, Update<BossLockShot08>};
constexpr auto kLockWeapons = Join(rows::kBarragesAndLockShots, kBossLockShots);

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
    .lockWeapons = kLockWeapons,
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
