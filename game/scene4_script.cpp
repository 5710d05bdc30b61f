// The scene-4 stage.
#include "game/stage_script.h"

namespace stage {

const StageScript Scene4Script = {
    .music = "MIDI/GTCB3.MID",
    .musicOnFirstFrame = true,
    .rate = 20,
    .boss = {.record = &bosses::Scene4Boss,
             .move = nullptr,
             .draw = nullptr,
             .death = nullptr,
             .windowLo = 1050,
             .windowHi = 11100,
             .gate = 590,
             .cycle = {1100, 1100, 1100, 1100},
             .timeOut = 11000,
             .attacks = {}},
    .early = {},
    .smallFry = {},
    .powerUps = StandardPowerUps,
    .powerUpMovesFirst = true,
    .bullets = {},
    .sidePanels = true,
    .bombNeedsVolleyOff = false,
    .runsVolley = false,
    .lockWeapons = {},
    .replayBlock = false,
    .continueBombs = 5,
};

}  // namespace stage
