// The scene-6 stage.
#include "game/stage_script.h"

namespace stage {

const StageScript Scene6Script = {
    .music = "MIDI/KTSM4.MID",
    .musicOnFirstFrame = false,
    .rate = 14,
    .boss = {.record = &bosses::Scene6Boss,
             .move = nullptr,
             .draw = nullptr,
             .death = nullptr,
             .windowLo = 1300,
             .windowHi = 11100,
             .gate = 980,
             .cycle = {1770, 1770, 1770, 1770},
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
