// The scene-2 stage.
#include "game/stage_script.h"

namespace stage {

namespace {

constexpr Window kScene2PowerUps[] = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {950, 1000}};

}  // namespace

const StageScript Scene2Script = {
    .music = "MIDI/KTSM1.MID",
    .musicOnFirstFrame = false,
    .rate = 20,
    .boss = {.record = &bosses::Scene2Boss,
             .move = nullptr,
             .draw = nullptr,
             .death = nullptr,
             .windowLo = 1100,
             .windowHi = 10100,
             .gate = 1010,
             .cycle = {4300, 4300, 4300, 4300},
             .timeOut = 10000,
             .attacks = {}},
    .early = {},
    .smallFry = {},
    .powerUps = kScene2PowerUps,
    .powerUpMovesFirst = false,
    .bullets = {},
    .sidePanels = false,
    .bombNeedsVolleyOff = true,
    .runsVolley = true,
    .lockWeapons = {},
    .replayBlock = true,
    .continueBombs = 5,
};

}  // namespace stage
