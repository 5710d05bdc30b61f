// The scene-9 stage.
#include "game/stage_script.h"

namespace stage {

const StageScript Scene9Script = {
    .music = nullptr,
    .musicOnFirstFrame = false,
    .rate = 20,
    .boss = {.record = &bosses::Scene9Boss,
             .move = nullptr,
             .draw = nullptr,
             .death = nullptr,
             .windowLo = 1800,
             .windowHi = 11100,
             .gate = 1200,
             .cycle = {1220, 1220, 1220, 1220},
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
