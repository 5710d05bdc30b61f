// The scene-8 stage.
#include "game/stage_script.h"

namespace stage {

const StageScript Scene8Script = {
    .music = "MIDI/KTSM5.MID",
    .musicOnFirstFrame = false,
    .rate = 20,
    .boss = {.record = &bosses::Scene8Boss,
             .move = nullptr,
             .draw = nullptr,
             .death = nullptr,
             .windowLo = 1260,
             .windowHi = 11100,
             .gate = 1480,
             .cycle = {3000, 3000, 4390, 4390},
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
    .continueBombs = 3,
};

}  // namespace stage
