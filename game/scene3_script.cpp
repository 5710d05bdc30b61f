// The scene-3 stage.
#include "game/stage_script.h"

namespace stage {

const StageScript Scene3Script = {
    .music = "MIDI/KTSM2.MID",
    .musicOnFirstFrame = false,
    .rate = 18,
    .boss = {.record = &bosses::Scene3Boss,
             .move = nullptr,
             .draw = nullptr,
             .death = nullptr,
             .windowLo = 1060,
             .windowHi = 11100,
             .gate = 980,
             .cycle = {2300, 2300, 2300, 3710},
             .timeOut = 11000,
             .attacks = {}},
    .early = {},
    .smallFry = {},
    .powerUps = StandardPowerUps,
    .powerUpMovesFirst = false,
    .bullets = {},
    .sidePanels = false,
    .bombNeedsVolleyOff = false,
    .runsVolley = true,
    .lockWeapons = {},
    .replayBlock = false,
    .continueBombs = 5,
};

}  // namespace stage
