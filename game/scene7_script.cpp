// The scene-7 stage.
#include "game/stage_script.h"

namespace stage {

const StageScript Scene7Script = {
    .music = "MIDI/QVN.MID",
    .musicOnFirstFrame = true,
    .rate = 13,
    .boss = {.record = &bosses::Scene7Boss,
             .move = nullptr,
             .draw = nullptr,
             .death = nullptr,
             .windowLo = 1250,
             .windowHi = 11100,
             .gate = 1380,
             .cycle = {1610, 1610, 1610, 1610},
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
