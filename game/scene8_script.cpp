// The scene-8 stage.
#include "game/stage_script.h"

namespace stage {

namespace {

constexpr Window kPowerUps[] = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}};

}  // namespace

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
    .powerUps = kPowerUps,
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
