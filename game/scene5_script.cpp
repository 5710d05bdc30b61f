// The scene-5 stage.
#include "game/stage_script.h"

namespace stage {

const StageScript Scene5Script = {
    .music = "MIDI/KTSM3.MID",
    .musicOnFirstFrame = false,
    .rate = 16,
    .boss = {.record = &bosses::Scene5Boss,
             .move = nullptr,
             .draw = nullptr,
             .death = nullptr,
             .windowLo = 1470,
             .windowHi = 11100,
             .gate = 780,
             .cycle = {4900, 4900, 4900, 4900},
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
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
